#include "sample/sample_league.h"

#include <span>

#include "league/error.h"
#include "league/file_io.h"
#include "league/league_paths.h"
#include "league/net_info.h"
#include "league/players_file.h"
#include "league/scores_file.h"
#include "league/season_file.h"
#include "league/stats_file.h"
#include "sample/name_lists.h"
#include "sample/organisation.h"
#include "sample/player_histories.h"
#include "sample/player_record_writer.h"
#include "sample/season_builder.h"
#include "sample/season_simulator.h"
#include "sample/side_files.h"

namespace zt::sample {

namespace {

namespace fs = std::filesystem;

constexpr int kTeams = 30;
constexpr int kMaxYears = 100;
// seasonGames is one byte, and a team's games started in a season must fit the 8-bit field.
constexpr int kMaxDays = 255;
constexpr int kMaxPlayerId = 65535;  // player ids are 16-bit
constexpr int kMaxPlayersPerTeam = 2000;

std::vector<TeamLabel> teamLabels() {
    std::vector<TeamLabel> labels;
    const auto& names = builtInTeamNames();
    const auto& clubs = clubIdentities();
    for (int t = 0; t < kTeams; ++t) {
        labels.push_back({std::string(names[static_cast<std::size_t>(t)]) + " " +
                              std::string(clubs[static_cast<std::size_t>(t)].name),
                          std::string(clubs[static_cast<std::size_t>(t)].abbreviation)});
    }
    return labels;
}

std::span<const std::uint8_t> bytesOf(const std::string& text) {
    return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

}  // namespace

void validateSampleOptions(const SampleOptions& options) {
    if (options.playersPerTeam < 0 || options.playersPerTeam > kMaxPlayersPerTeam) {
        throw Error("Players per team must be between 0 and " + std::to_string(kMaxPlayersPerTeam) + ", not " +
                    std::to_string(options.playersPerTeam) + ".");
    }
    const std::int64_t teamPlayers =
        static_cast<std::int64_t>(kTeams) * std::max(options.playersPerTeam, kMinimumPlayersPerTeam);
    if (options.freeAgents < 0 || teamPlayers + options.freeAgents > kMaxPlayerId) {
        throw Error("Free agents must be between 0 and " + std::to_string(kMaxPlayerId - teamPlayers) +
                    " (player ids are 16-bit numbers), not " + std::to_string(options.freeAgents) + ".");
    }
    if (options.years < 0 || options.years > kMaxYears) {
        throw Error("Years of history must be between 0 and " + std::to_string(kMaxYears) + ", not " +
                    std::to_string(options.years) + ".");
    }
    if (options.days < 0 || options.days > kMaxDays) {
        throw Error("Days of the schedule must be between 0 and " + std::to_string(kMaxDays) + ", not " +
                    std::to_string(options.days) + ".");
    }
}

SampleLeague buildSampleLeague(const SampleOptions& options) {
    validateSampleOptions(options);
    Random teamsRng(options.seed, Stream::Teams);
    Random organisationRng(options.seed, Stream::Organisation);
    Random historyRng(options.seed, Stream::History);
    Random scheduleRng(options.seed, Stream::Schedule);
    Random gamesRng(options.seed, Stream::Games);
    Random filler(options.seed, Stream::Filler);
    Random sideRng(options.seed, Stream::SideFiles);

    const std::vector<TeamPlace> places = standardPlaces();
    const int playedDays = options.days * 3 / 5;
    const Organisation org = buildOrganisation(kTeams, options.playersPerTeam, options.freeAgents, organisationRng);
    const std::vector<ScheduleDay> schedule = makeSchedule(places, options.days, scheduleRng);
    const std::vector<TeamLabel> labels = teamLabels();

    SeasonBook book(org);
    SeasonSetup setup;
    setup.schedule = &schedule;
    setup.places = &places;
    setup.labels = &labels;
    setup.playedDays = playedDays;
    setup.designatedHitterLeague = kDesignatedHitterLeague;
    PlayedSeason season = playSeason(org, book, setup, gamesRng, filler);

    auto league = std::make_unique<League>();
    league->players.reserve(org.players.size());
    for (const Profile& p : org.players) {
        league->players.push_back(std::make_unique<PlayerRecord>(makePlayerRecord(p, filler)));
    }
    league->loadedPlayerCount = static_cast<std::int32_t>(league->players.size());

    HistoryShape shape;
    shape.seasonYear = kSeasonYear;
    shape.years = options.years;
    shape.playedDays = playedDays;
    shape.places = places;
    shape.designatedHitterLeague = kDesignatedHitterLeague;
    league->playerHistories = buildPlayerHistories(org, book, shape, historyRng, filler);
    league->teamHistories = buildTeamHistories(league->playerHistories, shape, kTeams, filler);
    league->statsLoaded = true;

    SeasonFacts facts;
    facts.years = options.years;
    facts.days = options.days;
    facts.playedDays = playedDays;
    facts.places = places;
    fillSeason(*league, org, season, facts, teamsRng, filler);

    league->gameScores = std::move(season.scores);
    league->scoresLoaded = true;
    league->playoffsLoaded = true;
    league->netInfo = makeSideFiles(kSeasonYear, sideRng).netInfo;
    league->buildTeamLists();
    return {std::move(league), std::move(season.boxScores)};
}

fs::path generateSampleLeague(const fs::path& folder, const SampleOptions& options) {
    const SampleLeague sample = buildSampleLeague(options);
    const League& league = *sample.league;
    Random sideRng(options.seed, Stream::SideFiles);
    const SideFiles side = makeSideFiles(kSeasonYear, sideRng);

    const fs::path seasonFile = folder / "Sample.sea";
    const fs::path dir = leagueDirFromSelectedFile(seasonFile);
    // The editor finds a season's folder by cutting the path at its first ".sea"; a folder whose
    // path already holds one would send the league files somewhere else entirely.
    if ((dir / "").lexically_normal() != (folder / "SampleSeason" / "").lexically_normal()) {
        throw Error("A sample league cannot be written into " + directoryText(folder) +
                    ": its path contains \".sea\", so the league would be looked for in " + directoryText(dir) + ".");
    }
    // The new league appears whole or not at all; the season file is listed last, so that were
    // the renames stopped for good, it would only appear once the league beside it is complete.
    CreatedFolders created(dir);
    FileTransaction transaction;
    transaction.stage(dir / "players.zt", serialisePlayersFile(league));
    transaction.stage(dir / "stats.zt", serialiseStatsFile(league));
    transaction.stage(dir / "season.zt", serialiseSeasonFile(league));
    transaction.stage(dir / "scores.zt", serialiseScoresFile(league));
    transaction.stage(dir / "playoffs.zt", serialisePlayoffsFile(league));
    transaction.stage(dir / "net.txt", bytesOf(formatNetInfo(league.netInfo)));
    transaction.stage(dir / "BoxScores.txt", bytesOf(sample.boxScores));
    transaction.stage(dir / "retired.zt", side.retired);
    transaction.stage(dir / "DraftingResults.txt", bytesOf(side.draftingResults));
    transaction.stage(dir / "HallOfFamers.txt", bytesOf(side.hallOfFamers));
    transaction.stage(seasonFile, {});
    transaction.commit();
    created.keep();
    return seasonFile;
}

}  // namespace zt::sample
