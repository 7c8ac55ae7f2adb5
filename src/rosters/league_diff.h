#pragma once

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace zt {

class League;

// One thing that differs between two versions of a league: its kind (a short fixed word, for
// tools and tests), whom it concerns ("Ann Lee (id 17)", "team 3 Boston", "season"), the field or
// slot, and the value in each league as text (UTF-8, league text converted; empty where the
// thing does not exist on that side).
struct LeagueDifference {
    std::string_view kind;
    std::string subject;
    std::string item;
    std::string before;
    std::string after;
    bool operator==(const LeagueDifference&) const = default;
};

// "kind: subject: item: before -> after", parts that are empty left out.
std::string differenceLine(const LeagueDifference& difference);

inline std::ostream& operator<<(std::ostream& os, const LeagueDifference& difference) {
    return os << differenceLine(difference);
}

// The kinds, in the order the differences are listed.
namespace difference {
inline constexpr std::string_view playerAdded = "player-added";
inline constexpr std::string_view playerRemoved = "player-removed";
inline constexpr std::string_view playerMoved = "player-moved";
inline constexpr std::string_view playerField = "player-field";
inline constexpr std::string_view historyAdded = "history-added";
inline constexpr std::string_view historyRemoved = "history-removed";
inline constexpr std::string_view historyChanged = "history-changed";
inline constexpr std::string_view teamField = "team-field";
inline constexpr std::string_view roster = "roster";
inline constexpr std::string_view lineup = "lineup";
inline constexpr std::string_view rotation = "rotation";
inline constexpr std::string_view season = "season";
}  // namespace difference

// What changed from `before` to `after`. Players are matched by id (the first of an id in list
// order), history lines by year, level, split or position and team (lines with the same key in
// the order they are stored), teams by number. A league compared with itself gives nothing.
std::vector<LeagueDifference> diffLeagues(const League& before, const League& after);

}  // namespace zt
