#include "rosters/team_commands.h"

#include "league/league.h"
#include "players/editor_settings.h"
#include "rosters/roster_rules.h"

namespace zt {

namespace {

TeamRecord* ownTeam(League& league, const PlayerRecord& player) {
    const int team = player.teamIndex();
    Team* own = league.findTeam(team);
    return own != nullptr ? &own->record : nullptr;
}

}  // namespace

bool showsAsRosterMember(const League& league, const PlayerRecord& player) {
    return player.teamIndex() <= kFirstNonTeamView && league.isOnRoster(player, player.teamIndex());
}

std::string_view rosterToggleCaption(const League& league, const PlayerRecord& player) {
    return showsAsRosterMember(league, player) ? "Remove from Team roster" : "Insert in Team roster";
}

RosterToggle toggleRosterMembership(League& league, PlayerRecord& player) {
    TeamRecord* record = ownTeam(league, player);
    if (record == nullptr) {
        return RosterToggle::Unchanged;
    }
    const std::int32_t id = player.playerId();
    const int memberSlot = findRosterSlot(*record, id);
    if (memberSlot >= 0) {
        record->setRosterId(memberSlot, kEmptySlot);
        league.markChanged();
        return RosterToggle::Removed;
    }
    const int freeSlot = firstInsertSlot(*record);
    if (freeSlot < 0) {
        return RosterToggle::Unchanged;
    }
    record->setRosterId(freeSlot, id);
    league.markChanged();
    return RosterToggle::Inserted;
}

bool applyHumanFlag(League& league, std::string_view rosterCaption, bool ticked) {
    if (rosterCaption == "Export Pool" || rosterCaption == "Free Agents" || league.currentPlayer == nullptr) {
        return false;
    }
    TeamRecord* record = ownTeam(league, *league.currentPlayer);
    if (record == nullptr) {
        return false;
    }
    const std::int32_t value = ticked ? 1 : 0;
    if (record->get(tf::humanControlled) != value) {
        record->set(tf::humanControlled, value);
        league.markChanged();
    }
    return ticked;
}

bool makeDefaultTeam(EditorSettings& settings, const League& league, const std::string& rosterCaption) {
    if (league.currentPlayer == nullptr) {
        return false;
    }
    settings.defaultTeam = league.currentPlayer->teamIndex();
    settings.defaultTeamName = rosterCaption;
    return true;
}

}  // namespace zt
