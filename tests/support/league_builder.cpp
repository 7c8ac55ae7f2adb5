#include "support/league_builder.h"

#include <fstream>
#include <stdexcept>

#include "league/players_file.h"
#include "league/scores_file.h"
#include "league/season_file.h"
#include "league/stats_file.h"

namespace zt::test {

namespace fs = std::filesystem;

namespace {

constexpr std::array<std::string_view, 4> kCities = {"Boston", "Chicago", "Atlanta", "Denver"};
constexpr std::array<std::string_view, 4> kNames = {"Beans", "Winds", "Peaches", "Peaks"};
constexpr std::array<std::string_view, 4> kAbbreviations = {"BOS", "CHI", "ATL", "DEN"};
constexpr std::array<std::string_view, 6> kLastNames = {"Abbott", "Baker", "Carver", "Dalton", "Ellis", "Foster"};
constexpr std::array<std::string_view, 6> kFirstNames = {"Al", "Ben", "Cal", "Dan", "Ed", "Fred"};

template <std::size_t N>
std::string_view pick(const std::array<std::string_view, N>& names, int index) {
    return names[static_cast<std::size_t>(index) % N];
}

void writeFile(const fs::path& file, const char* data, std::size_t size) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(data, static_cast<std::streamsize>(size));
    if (!out) {
        throw std::runtime_error("cannot write " + file.string());
    }
}

}  // namespace

void fillPattern(std::span<std::uint8_t> bytes, unsigned seed) {
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        bytes[i] = static_cast<std::uint8_t>((i * 7 + seed * 31) % 251 + 1);
    }
}

PlayerRecord makePlayer(std::uint16_t playerId,
                        std::string_view lastName,
                        std::string_view firstName,
                        std::uint8_t teamIndex,
                        unsigned seed) {
    PlayerRecord player;
    fillPattern(player.bytes(), seed);
    player.set(pf::lastName, lastName);
    player.set(pf::firstName, firstName);
    player.set(pf::playerId, playerId);
    player.set(pf::teamIndex, teamIndex);
    player.set(pf::level, std::uint8_t{0});
    return player;
}

Team makeTeam(int teamNumber,
              std::string_view city,
              std::string_view name,
              std::string_view abbreviation,
              int leagueIndex,
              int divisionIndex,
              int entries,
              unsigned seed) {
    Team team;
    fillPattern(team.record.bytes(), seed);
    team.record.set(tf::teamNumber, teamNumber);
    team.record.set(tf::city, city);
    team.record.set(tf::name, name);
    team.record.set(tf::completeName, std::string(city) + " " + std::string(name));
    team.record.set(tf::abbreviation, abbreviation);
    team.record.set(tf::leagueIndex, leagueIndex);
    team.record.set(tf::divisionIndex, divisionIndex);
    for (int slot = 0; slot < kRosterSize; ++slot) {
        team.record.setRosterId(slot, -1);
    }
    team.record.set(tf::entryCount, entries);
    team.entries.resize(static_cast<std::size_t>(entries));
    for (std::size_t i = 0; i < team.entries.size(); ++i) {
        fillPattern(team.entries[i].bytes(), seed + 100 + static_cast<unsigned>(i));
    }
    return team;
}

std::unique_ptr<StatHistory> makeHistory(std::int32_t key, int batting, int pitching, int fielding, unsigned seed) {
    auto history = std::make_unique<StatHistory>();
    history->key = key;
    history->batting.resize(static_cast<std::size_t>(batting));
    history->pitching.resize(static_cast<std::size_t>(pitching));
    history->fielding.resize(static_cast<std::size_t>(fielding));
    unsigned next = seed;
    for (auto& line : history->batting) {
        fillPattern(line.bytes(), next++);
    }
    for (auto& line : history->pitching) {
        fillPattern(line.bytes(), next++);
    }
    for (auto& line : history->fielding) {
        fillPattern(line.bytes(), next++);
    }
    return history;
}

GameResult makeGame(int homeTeam, int visitingTeam, int homeRuns, int visitorRuns) {
    GameResult game;
    fillPattern(game.bytes(), static_cast<unsigned>(homeTeam * 17 + visitingTeam * 5 + homeRuns));
    game.set(gr::homeTeam, homeTeam);
    game.set(gr::visitingTeam, visitingTeam);
    game.set(gr::homeRuns, homeRuns);
    game.set(gr::visitorRuns, visitorRuns);
    return game;
}

std::unique_ptr<League> buildLeague(const LeagueShape& shape) {
    if (shape.teams < 1 || shape.teams > kMaxTeams) {
        throw std::invalid_argument("a league holds 1 to 32 teams");
    }
    auto league = std::make_unique<League>();
    unsigned seed = 1;

    // players.zt: each team's players, then the free agents.
    league->playersFileWords = {0x0A0B0C0D, {7, -8, 9}};
    std::uint16_t nextId = 101;
    int playerIndex = 0;
    const auto addPlayer = [&](std::uint8_t teamIndex) {
        auto player = std::make_unique<PlayerRecord>(
            makePlayer(nextId, pick(kLastNames, playerIndex), pick(kFirstNames, playerIndex), teamIndex, seed++));
        league->players.push_back(std::move(player));
        nextId = static_cast<std::uint16_t>(nextId + 3);
        ++playerIndex;
    };
    for (int t = 0; t < shape.teams; ++t) {
        for (int p = 0; p < shape.playersPerTeam; ++p) {
            addPlayer(static_cast<std::uint8_t>(t));
        }
    }
    for (int f = 0; f < shape.freeAgents; ++f) {
        addPlayer(kFreeAgentTeam);
    }
    league->loadedPlayerCount = static_cast<std::int32_t>(league->players.size());
    const std::array<std::array<std::string_view, 5>, 2> leagueTexts = {{
        {"American League", "AL", "East", "Central", "West"},
        {"National League", "NL", "Atlantic", "Midland", "Pacific"},
    }};
    for (std::size_t n = 0; n < 2; ++n) {
        auto& names = league->leagueNames[n];
        fillPattern(names.bytes(), seed++);
        names.set(LeagueNames::name, leagueTexts[n][0]);
        names.set(LeagueNames::abbreviation, leagueTexts[n][1]);
        for (int d = 0; d < LeagueNames::kDivisions; ++d) {
            names.setDivisionName(d, leagueTexts[n][static_cast<std::size_t>(d) + 2]);
        }
    }

    // stats.zt: one block per player and per team.
    league->statsLoaded = true;
    league->statsFileWords = {0x01020304, 0x05060708};
    for (const auto& player : league->players) {
        league->playerHistories.push_back(makeHistory(player->playerId(), 2, 1, 1, seed));
        seed += 4;
    }
    for (int t = 0; t < shape.teams; ++t) {
        league->teamHistories.push_back(makeHistory(t, 1, 1, 0, seed));
        seed += 2;
    }

    // season.zt
    fillPattern(league->seasonHeader.bytes(), seed++);
    league->seasonHeader.set(sh::seasonVersion, SeasonHeader::kExpectedVersion);
    league->seasonHeader.set(sh::teamCount, shape.teams);
    league->seasonHeader.set(sh::leagueCount, 2);
    league->seasonHeader.set(sh::divisionsPerLeague, 3);
    league->seasonHeader.set(sh::seasonYear, 2026);
    for (int round = 0; round < SeasonHeader::kRounds; ++round) {
        league->seasonHeader.setPlayoffBestOf(round, shape.playoffBestOf[static_cast<std::size_t>(round)]);
    }
    for (int t = 0; t < shape.teams; ++t) {
        Team team =
            makeTeam(t, pick(kCities, t), pick(kNames, t), pick(kAbbreviations, t), t % 2, (t / 2) % 3, t + 1, seed);
        seed += 8;
        int slot = 0;
        for (const auto& player : league->players) {
            if (player->teamIndex() == t) {
                team.record.setRosterId(slot++, player->playerId());
            }
        }
        league->teams.push_back(std::move(team));
    }
    for (int i = 0; i < shape.trailerItems; ++i) {
        league->seasonTrailer.push_back(1000 + i);
    }

    // scores.zt: each day the first teams play each other, the other slots are empty.
    league->scoresLoaded = true;
    for (int d = 0; d < shape.scoreDays; ++d) {
        GameScore day;
        day.games.fill(GameResult::filler());
        day.games[0] = makeGame(0, shape.teams - 1, d + 3, d);
        day.games[1] = makeGame(shape.teams - 1, 0, d, d + 5);
        league->gameScores.push_back(day);
    }

    // playoffs.zt
    league->playoffsLoaded = true;
    constexpr std::array<int, kPlayoffSeriesCount> kRound = {0, 0, 0, 0, 1, 1, 2};
    for (int s = 0; s < kPlayoffSeriesCount; ++s) {
        auto& series = league->playoffSeries[static_cast<std::size_t>(s)];
        fillPattern(series.header, seed++);
        const int length = shape.playoffBestOf[static_cast<std::size_t>(kRound[static_cast<std::size_t>(s)])];
        for (int g = 0; g < PlayoffSeries::kGames; ++g) {
            series.games[static_cast<std::size_t>(g)] =
                g < length ? makeGame(s % shape.teams, (s + 1) % shape.teams, g + 1, s) : GameResult::filler();
        }
    }

    league->netInfo = {"Test League",
                       "Director",
                       "director@example.org",
                       "User",
                       "smtp.example.org",
                       "user@example.org",
                       "http://example.org/league/",
                       "header.txt",
                       "footer.txt"};
    league->buildTeamLists();
    return league;
}

fs::path writeLeagueFolder(const League& league, const fs::path& folder, std::string_view name) {
    const fs::path seaFile = folder / (std::string(name) + ".sea");
    const fs::path dir = folder / (std::string(name) + "Season");
    fs::create_directories(dir);
    writeBytes(seaFile, {});
    writeBytes(dir / "players.zt", serialisePlayersFile(league));
    writeBytes(dir / "season.zt", serialiseSeasonFile(league));
    writeText(dir / "net.txt", formatNetInfo(league.netInfo));
    if (league.statsLoaded) {
        writeBytes(dir / "stats.zt", serialiseStatsFile(league));
    }
    if (league.scoresLoaded) {
        writeBytes(dir / "scores.zt", serialiseScoresFile(league));
    }
    if (league.playoffsLoaded) {
        writeBytes(dir / "playoffs.zt", serialisePlayoffsFile(league));
    }
    return seaFile;
}

std::vector<std::uint8_t> readBytes(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        throw std::runtime_error("cannot read " + file.string());
    }
    return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void writeBytes(const fs::path& file, std::span<const std::uint8_t> bytes) {
    writeFile(file, reinterpret_cast<const char*>(bytes.data()), bytes.size());
}

void writeText(const fs::path& file, std::string_view text) {
    writeFile(file, text.data(), text.size());
}

std::map<std::string, std::vector<std::uint8_t>> snapshotFolder(const fs::path& root) {
    std::map<std::string, std::vector<std::uint8_t>> files;
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
        if (entry.is_regular_file()) {
            files[fs::relative(entry.path(), root).string()] = readBytes(entry.path());
        }
    }
    return files;
}

std::map<std::string, std::vector<std::uint8_t>> snapshotWithoutBackups(const fs::path& root) {
    auto files = snapshotFolder(root);
    std::erase_if(files, [](const auto& file) { return file.first.ends_with(".bak"); });
    return files;
}

}  // namespace zt::test
