#pragma once

#include <string>
#include <string_view>

namespace zt {

class League;
class PlayerRecord;
struct EditorSettings;

enum class RosterToggle { Unchanged, Inserted, Removed };

// Whether the pop-up's first item reads "Remove from Team roster" for this player: he belongs
// to a team and his id is on its roster.
bool showsAsRosterMember(const League& league, const PlayerRecord& player);
// The caption of that item for the player.
std::string_view rosterToggleCaption(const League& league, const PlayerRecord& player);

// "Insert in Team roster" / "Remove from Team roster" for a player of a team: a roster member
// leaves his first roster slot (-1); any other player of the team takes the first slot holding
// exactly -1 (a slot holding 0 is not reused here; a roster without -1 takes no one). Free agents
// and players of no team of the league are left alone. Marks the league changed on a change.
RosterToggle toggleRosterMembership(League& league, PlayerRecord& player);

// The human-controlled box ticked or cleared by the user. When the grid shows the free agents
// or the export pool (by its caption) or the current player belongs to no team, nothing is
// stored and the box must be cleared; otherwise the current player's team gets 1 or 0.
// Returns whether the box stays ticked. A change of the stored flag marks the league changed,
// as it is written with the season.
bool applyHumanFlag(League& league, std::string_view rosterCaption, bool ticked);

// "Make this team default": the current player's team becomes the default team, remembered
// with the roster caption shown. Returns whether the menu item is checked (false, changing
// nothing, without a current player).
bool makeDefaultTeam(EditorSettings& settings, const League& league, const std::string& rosterCaption);

}  // namespace zt
