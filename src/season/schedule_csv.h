#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace zt {
class League;
}

namespace zt::season {

inline constexpr std::string_view kScheduleCsvFilter = "CSV Files (*.csv)";
inline constexpr std::string_view kDoneMessage = "Done";
// Days an imported schedule may reach (more when the league already has more).
inline constexpr int kMostImportedDays = 366;

// The schedule as CSV, lines ended by CR LF: "Day,Game,Home Team,Vis Team", one line
// "day,game,home,visitor" per game with a home team, "*", "Legend", then "t:name" for every team
// and the two All-Star teams.
std::string scheduleCsv(const League& league);
void exportScheduleCsv(const League& league, const std::filesystem::path& file);

struct ScheduledGameLine {
    int day = 0;
    int game = 0;
    int home = -1;
    int visitor = -1;
};

// Reads a schedule CSV: the first line is a caption, reading stops at a line starting with "*",
// empty lines are skipped. Every other line must hold four whole numbers: a day from 1, a game
// from 1 to 15 and two teams of the league (-1 for none, the All-Star teams allowed). The first
// line that does not is refused with zt::Error naming the file and the line.
std::vector<ScheduledGameLine> parseScheduleCsv(const League& league,
                                                std::string_view text,
                                                const std::filesystem::path& file);

// Replaces the schedule: every slot of every day is reset (teams and runs -1, the rest 0), days
// are added up to the highest day read, and each line's teams are stored. Marks the league
// changed. Returns the number of days.
int applySchedule(League& league, const std::vector<ScheduledGameLine>& lines);

// Reads and checks the whole file before anything changes; returns the number of days.
int importScheduleCsv(League& league, const std::filesystem::path& file);

}  // namespace zt::season
