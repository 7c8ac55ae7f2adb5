#include "season/schedule_csv.h"

#include <algorithm>
#include <span>

#include "league/error.h"
#include "league/file_io.h"
#include "league/league.h"
#include "league/league_text.h"
#include "league/numbers.h"
#include "season/schedule.h"

namespace zt::season {

namespace {

constexpr std::string_view kEol = "\r\n";

std::vector<std::string_view> splitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            end = text.size();
        }
        lines.push_back(text.substr(start, end - start));
        if (end + 1 < text.size() && text[end] == '\r' && text[end + 1] == '\n') {
            ++end;
        }
        start = end + 1;
    }
    return lines;
}

std::vector<std::string_view> splitFields(std::string_view line) {
    std::vector<std::string_view> fields;
    std::size_t start = 0;
    while (true) {
        const std::size_t comma = line.find(',', start);
        fields.push_back(line.substr(start, comma == std::string_view::npos ? std::string_view::npos : comma - start));
        if (comma == std::string_view::npos) {
            return fields;
        }
        start = comma + 1;
    }
}

GameResult resetSlot() {
    GameResult slot;
    for (int i = 0; i < GameResult::kValues; ++i) {
        slot.setIntValue(i, i <= 3 ? -1 : 0);
    }
    return slot;
}

}  // namespace

std::string scheduleCsv(const League& league) {
    std::string csv = "Day,Game,Home Team,Vis Team";
    csv += kEol;
    for (std::size_t day = 0; day < league.gameScores.size(); ++day) {
        for (int game = 0; game < kScheduleGames; ++game) {
            const GameResult& result = league.gameScores[day].games[static_cast<std::size_t>(game)];
            if (result.get(gr::homeTeam) == -1) {
                continue;
            }
            csv += std::to_string(day + 1) + "," + std::to_string(game + 1) + "," +
                   std::to_string(result.get(gr::homeTeam)) + "," + std::to_string(result.get(gr::visitingTeam));
            csv += kEol;
        }
    }
    csv += "*";
    csv += kEol;
    csv += "Legend";
    csv += kEol;
    const int teams = league.teamCount();
    for (int team = 0; team < teams; ++team) {
        csv += std::to_string(team) + ":" + league.teamName(team);
        csv += kEol;
    }
    csv += std::to_string(teams) + ":AL All-Stars";
    csv += kEol;
    csv += std::to_string(teams + 1) + ":NL ALL-Stars";
    csv += kEol;
    return csv;
}

void exportScheduleCsv(const League& league, const std::filesystem::path& file) {
    const std::string csv = scheduleCsv(league);
    writeFileAtomically(file, std::span(reinterpret_cast<const std::uint8_t*>(csv.data()), csv.size()));
}

std::vector<ScheduledGameLine> parseScheduleCsv(const League& league,
                                                std::string_view text,
                                                const std::filesystem::path& file) {
    const std::vector<std::string_view> lines = splitLines(text);
    if (lines.empty()) {
        throw Error("The file " + file.string() + " holds no schedule. The schedule was not changed.");
    }
    const int mostDays = std::max(kMostImportedDays, static_cast<int>(league.gameScores.size()));
    const int teams = league.teamCount();
    std::vector<ScheduledGameLine> games;
    for (std::size_t index = 1; index < lines.size(); ++index) {
        const std::string_view line = trimmed(lines[index]);
        if (line.empty()) {
            continue;
        }
        if (line.front() == '*') {
            break;
        }
        const std::string where = "Line " + std::to_string(index + 1) + " of " + file.string() + ": ";
        const auto refuse = [&](const std::string& problem) {
            throw Error(where + problem + ". The schedule was not changed.");
        };
        const std::vector<std::string_view> fields = splitFields(line);
        if (fields.size() != 4) {
            refuse("\"" + leagueTextToUtf8(line) +
                   "\" does not hold four numbers (day, game, home team, visiting team)");
        }
        std::array<int, 4> values{};
        for (std::size_t i = 0; i < fields.size(); ++i) {
            try {
                values[i] = parseInteger(fields[i]);
            } catch (const Error&) {
                refuse("'" + leagueTextToUtf8(trimmed(fields[i])) + "' is not a whole number");
            }
        }
        const ScheduledGameLine game{values[0], values[1], values[2], values[3]};
        if (game.day < 1 || game.day > mostDays) {
            refuse("day " + std::to_string(game.day) + " is not a day of a schedule (1 to " + std::to_string(mostDays) +
                   ")");
        }
        if (game.game < 1 || game.game > kScheduleGames) {
            refuse("game " + std::to_string(game.game) + " is not a game of a day (1 to " +
                   std::to_string(kScheduleGames) + ")");
        }
        for (const auto& [team, side] : {std::pair{game.home, "home"}, std::pair{game.visitor, "visiting"}}) {
            if (team < -1 || team > teams + 1) {
                refuse("the " + std::string(side) + " team " + std::to_string(team) +
                       " is not a team of this league (0 to " + std::to_string(teams - 1) + ", " +
                       std::to_string(teams) + " and " + std::to_string(teams + 1) +
                       " for the All-Star teams, -1 for none)");
            }
        }
        games.push_back(game);
    }
    return games;
}

int applySchedule(League& league, const std::vector<ScheduledGameLine>& lines) {
    GameScore empty;
    empty.games.fill(resetSlot());
    for (GameScore& day : league.gameScores) {
        day = empty;
    }
    for (const ScheduledGameLine& line : lines) {
        while (static_cast<int>(league.gameScores.size()) < line.day) {
            league.gameScores.push_back(empty);
        }
        GameResult& slot =
            league.gameScores[static_cast<std::size_t>(line.day - 1)].games[static_cast<std::size_t>(line.game - 1)];
        slot.set(gr::homeTeam, static_cast<std::int32_t>(line.home));
        slot.set(gr::visitingTeam, static_cast<std::int32_t>(line.visitor));
    }
    league.markChanged();
    return static_cast<int>(league.gameScores.size());
}

int importScheduleCsv(League& league, const std::filesystem::path& file) {
    const std::vector<std::uint8_t> bytes = readFileBytes(file);
    const std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    return applySchedule(league, parseScheduleCsv(league, text, file));
}

}  // namespace zt::season
