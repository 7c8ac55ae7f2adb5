#pragma once

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace zt {

class League;

// What an integrity check found wrong in a league: the kind (a short fixed word, for tools and
// tests) and one line for the user (UTF-8, league text converted).
struct LeagueFinding {
    std::string_view kind;
    std::string text;
    bool operator==(const LeagueFinding&) const = default;
};

// For test failures and logs: "kind: text".
inline std::ostream& operator<<(std::ostream& os, const LeagueFinding& finding) {
    return os << finding.kind << ": " << finding.text;
}

// The kinds, in the order the check reports them.
namespace finding {
inline constexpr std::string_view duplicateId = "duplicate-id";
inline constexpr std::string_view teamOutOfRange = "team-out-of-range";
inline constexpr std::string_view valueOutOfRange = "value-out-of-range";
inline constexpr std::string_view rosterOfNoPlayer = "roster-of-no-player";
inline constexpr std::string_view rosterOfOtherTeam = "roster-of-other-team";
inline constexpr std::string_view onTwoRosters = "on-two-rosters";
inline constexpr std::string_view lineupOtherTeam = "lineup-other-team";
inline constexpr std::string_view lineupWrongLevel = "lineup-wrong-level";
inline constexpr std::string_view historyWithoutOwner = "history-without-owner";
inline constexpr std::string_view scheduleUnknownTeam = "schedule-unknown-team";
}  // namespace finding

// Everything that does not hold together in the league: duplicate player ids, team numbers that
// are no team, codes and ratings beyond what their fields mean, roster ids of no player or of
// another team's player, players on two rosters, lineup and rotation slots holding another
// team's player or one of another level, history blocks of no player or team, and schedule days
// naming teams the league does not have. Reads only; an empty list is a sound league.
std::vector<LeagueFinding> checkLeague(const League& league);

}  // namespace zt
