#include "fuzz_support.h"

#include <unistd.h>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>

#include "league/league.h"
#include "league/players_file.h"
#include "league/scores_file.h"
#include "league/season_file.h"
#include "league/stats_file.h"
#include "sample/sample_league.h"

namespace zt::fuzz {

namespace fs = std::filesystem;

namespace {

struct ScratchFolder {
    fs::path path;
    ScratchFolder() {
        path = fs::temp_directory_path() / ("ztedit-fuzz-" + std::to_string(::getpid()));
        fs::remove_all(path);
        fs::create_directories(path);
    }
    ~ScratchFolder() {
        std::error_code ec;
        fs::remove_all(path, ec);
    }
};

}  // namespace

const fs::path& scratchFolder() {
    static const ScratchFolder folder;
    return folder.path;
}

fs::path writeScratchFile(std::string_view name, Bytes bytes) {
    const fs::path file = scratchFolder() / name;
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!out) {
        finding("cannot write the scratch file " + file.string());
    }
    return file;
}

fs::path freshScratchSubfolder(std::string_view name) {
    const fs::path folder = scratchFolder() / name;
    fs::remove_all(folder);
    fs::create_directories(folder);
    return folder;
}

std::vector<Bytes> splitFrames(Bytes input, std::size_t count) {
    std::vector<Bytes> parts;
    for (std::size_t i = 0; i + 1 < count; ++i) {
        if (input.size() < 4) {
            input = {};
            parts.emplace_back();
            continue;
        }
        const std::size_t length = static_cast<std::size_t>(input[0]) | (static_cast<std::size_t>(input[1]) << 8) |
                                   (static_cast<std::size_t>(input[2]) << 16) |
                                   (static_cast<std::size_t>(input[3]) << 24);
        input = input.subspan(4);
        const std::size_t taken = std::min(length, input.size());
        parts.push_back(input.first(taken));
        input = input.subspan(taken);
    }
    if (count > 0) {
        parts.push_back(input);
    }
    return parts;
}

const LeagueFiles& contextLeagueFiles() {
    static const LeagueFiles files = [] {
        sample::SampleOptions options;
        options.seed = 11;
        options.playersPerTeam = 0;  // raised to the smallest staff that fields every level
        options.freeAgents = 3;
        options.years = 1;
        options.days = 4;
        const auto sample = sample::buildSampleLeague(options);
        LeagueFiles out;
        out.players = serialisePlayersFile(*sample.league);
        out.stats = serialiseStatsFile(*sample.league);
        out.season = serialiseSeasonFile(*sample.league);
        out.scores = serialiseScoresFile(*sample.league);
        out.playoffs = serialisePlayoffsFile(*sample.league);
        return out;
    }();
    return files;
}

std::unique_ptr<League> freshContextLeague() {
    const LeagueFiles& files = contextLeagueFiles();
    auto league = std::make_unique<League>();
    parsePlayersFile(files.players, "players.zt", *league);
    parseStatsFile(files.stats, "stats.zt", *league);
    parseScoresFile(files.scores, *league);
    parseSeasonFile(files.season, "season.zt", *league);
    league->buildTeamLists();
    parsePlayoffsFile(files.playoffs, "playoffs.zt", *league);
    return league;
}

std::unique_ptr<League> freshSmallLeague() {
    static const std::vector<std::uint8_t> players = [] {
        auto league = freshContextLeague();
        while (league->players.size() > 40) {
            league->removePlayer(league->players.size() - 1);
        }
        return serialisePlayersFile(*league);
    }();
    auto league = std::make_unique<League>();
    parsePlayersFile(players, "players.zt", *league);
    parseSeasonFile(contextLeagueFiles().season, "season.zt", *league);
    league->buildTeamLists();
    return league;
}

const League& contextLeague() {
    static const std::unique_ptr<League> league = freshContextLeague();
    return *league;
}

void requireNamesFile(std::string_view message, const fs::path& file) {
    // The fixed texts a window shows about the file just chosen in it; front ends keep them as
    // they stand.
    static constexpr std::string_view kChosenFileMessages[] = {
        "Wrong file type", "This GBE file is in an older format", "Wrong season version"};
    if (file.empty() || std::find(std::begin(kChosenFileMessages), std::end(kChosenFileMessages), message) !=
                            std::end(kChosenFileMessages)) {
        return;
    }
    if (message.find(file.filename().string()) == std::string_view::npos) {
        finding("a refusal does not name the file " + file.string() + ": " + std::string(message));
    }
}

void finding(const std::string& what) {
    std::fprintf(stderr, "FINDING: %s\n", what.c_str());
    std::fflush(stderr);
    std::abort();
}

}  // namespace zt::fuzz
