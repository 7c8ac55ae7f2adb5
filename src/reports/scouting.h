#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zt {
class League;
class PlayerRecord;
}  // namespace zt

namespace zt::reports {

enum class ScoutGroup { Batting, Pitching, Fielding, Misc };

// One optional column (or, for the pitch slots, six columns) of the scouting CSV.
struct ScoutColumn {
    ScoutGroup group;
    std::string_view caption;  // the check box
    std::string_view key;      // its name on the command line: the header text without comma and slot
    bool defaultOn;
};

// Every optional column in file order.
const std::vector<ScoutColumn>& scoutColumns();
// Which optional columns a new window ticks.
std::vector<bool> defaultScoutColumns();

// The player selector: "All Players", "Batters Only", "Pitchers Only", then "C" .. "DH".
const std::vector<std::string_view>& scoutSelectorItems();

struct ScoutingOptions {
    int selector = 0;
    std::vector<bool> columns = defaultScoutColumns();
    bool compatible = false;  // "CSV Import Compatible": identification columns as codes
};

// The whole CSV: the header line and one line per selected player, each ended by "," and CR LF.
std::string scoutingCsv(const League& league, const ScoutingOptions& options);

// The scientific form of a stored float: 23 characters, " 3.50000000000000E+0000".
std::string scientificText(float value);

}  // namespace zt::reports
