#pragma once

#include <string>
#include <string_view>

namespace zt {

// The files of an import database, which "Import Team" reads, and the title lines this program
// writes into them (the historical-database conversion and the sample database), in the column
// names of csvcols.txt.
inline constexpr std::string_view kTeamMasterFile = "teammaster.csv";
inline constexpr std::string_view kRostersFile = "rosters.csv";
inline constexpr std::string_view kBattingStatsFile = "battingstats.csv";
inline constexpr std::string_view kPitchingStatsFile = "pitchingstats.csv";
inline constexpr std::string_view kFieldingStatsFile = "fieldingstats.csv";

inline constexpr std::string_view kTeamMasterTitles = "TeamID,FranchiseID,FirstYear,LastYear,League,Name\n";

// Names, identifier, birth year, bats, throws, then games, AB, R, H, 2B, 3B, HR, RBI, SB, CS, BB,
// SO, IBB, HBP, SH, SF.
std::string battingStatsTitles();
// Names, identifier, throws, then W, L, G, GS, SV, IP, H, ER, HR, BB, SO.
std::string pitchingStatsTitles();
// Names, identifier, position, then G, PO, A, E, DP.
std::string fieldingStatsTitles();

}  // namespace zt
