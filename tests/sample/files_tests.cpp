#include <gtest/gtest.h>

#include <fstream>

#include "league/error.h"
#include "league/file_io.h"
#include "league/league_io.h"
#include "league/net_info.h"
#include "league/players_file.h"
#include "league/scores_file.h"
#include "league/season_file.h"
#include "league/stats_file.h"
#include "sample/sample_league.h"
#include "support/temp_dir.h"

namespace zt::sample {
namespace {

namespace fs = std::filesystem;

const std::vector<std::string> kLeagueFiles = {"players.zt",
                                               "stats.zt",
                                               "season.zt",
                                               "scores.zt",
                                               "playoffs.zt",
                                               "net.txt",
                                               "BoxScores.txt",
                                               "retired.zt",
                                               "DraftingResults.txt",
                                               "HallOfFamers.txt"};

std::vector<std::uint8_t> bytesOf(const std::string& text) {
    return {text.begin(), text.end()};
}

SampleOptions quickOptions(std::uint64_t seed) {
    SampleOptions options;
    options.seed = seed;
    options.freeAgents = 40;
    options.years = 5;
    options.days = 30;
    return options;
}

TEST(SampleFiles, GenerateWritesTheSeasonFileAndTheLeagueFolder) {
    test::TempDir dir;
    const fs::path seasonFile = generateSampleLeague(dir / "nested" / "leagues", SampleOptions{});
    EXPECT_EQ(seasonFile, dir / "nested" / "leagues" / "Sample.sea");
    ASSERT_TRUE(fs::is_regular_file(seasonFile));
    EXPECT_EQ(fs::file_size(seasonFile), 0u);
    const fs::path leagueDir = dir / "nested" / "leagues" / "SampleSeason";
    for (const auto& name : kLeagueFiles) {
        ASSERT_TRUE(fs::is_regular_file(leagueDir / name)) << name;
        EXPECT_GT(fs::file_size(leagueDir / name), 0u) << name;
    }
    const auto retired = fs::file_size(leagueDir / "retired.zt");
    EXPECT_GE(retired, 200u);
    EXPECT_LE(retired, 400u);
    // Only the league's own files, no temporaries left behind.
    EXPECT_EQ(static_cast<std::size_t>(std::distance(fs::directory_iterator(leagueDir), fs::directory_iterator())),
              kLeagueFiles.size());
}

TEST(SampleFiles, TheWrittenLeagueOpensAndSavesToTheSameBytes) {
    test::TempDir dir;
    const SampleOptions options;
    const fs::path seasonFile = generateSampleLeague(dir.path(), options);
    const fs::path leagueDir = dir / "SampleSeason";
    const auto opened = openLeague(seasonFile);
    ASSERT_TRUE(opened->statsLoaded);
    ASSERT_TRUE(opened->scoresLoaded);
    ASSERT_TRUE(opened->playoffsLoaded);
    EXPECT_EQ(serialisePlayersFile(*opened), readFileBytes(leagueDir / "players.zt"));
    EXPECT_EQ(serialiseStatsFile(*opened), readFileBytes(leagueDir / "stats.zt"));
    EXPECT_EQ(serialiseSeasonFile(*opened), readFileBytes(leagueDir / "season.zt"));
    EXPECT_EQ(serialiseScoresFile(*opened), readFileBytes(leagueDir / "scores.zt"));
    EXPECT_EQ(serialisePlayoffsFile(*opened), readFileBytes(leagueDir / "playoffs.zt"));
    EXPECT_EQ(bytesOf(formatNetInfo(opened->netInfo)), readFileBytes(leagueDir / "net.txt"));

    // What buildSampleLeague returns is what was written.
    const SampleLeague built = buildSampleLeague(options);
    EXPECT_EQ(serialisePlayersFile(*built.league), readFileBytes(leagueDir / "players.zt"));
    EXPECT_EQ(serialiseStatsFile(*built.league), readFileBytes(leagueDir / "stats.zt"));
    EXPECT_EQ(serialiseSeasonFile(*built.league), readFileBytes(leagueDir / "season.zt"));
    EXPECT_EQ(bytesOf(built.boxScores), readFileBytes(leagueDir / "BoxScores.txt"));
    EXPECT_EQ(opened->netInfo, built.league->netInfo);
    EXPECT_EQ(opened->teamNameList, built.league->teamNameList);
    EXPECT_EQ(opened->players.size(), built.league->players.size());
    EXPECT_EQ(opened->loadedPlayerCount, built.league->loadedPlayerCount);
}

TEST(SampleFiles, NetSettingsAreTheNineInventedLines) {
    const SampleLeague sample = buildSampleLeague(quickOptions(4));
    const NetLeagueInfo& info = sample.league->netInfo;
    EXPECT_FALSE(info.leagueName.empty());
    EXPECT_FALSE(info.leagueDirector.empty());
    EXPECT_EQ(info.leagueEmail, "commissioner@example.org");
    EXPECT_FALSE(info.userName.empty());
    EXPECT_EQ(info.smtpServer, "mail.example.org");
    EXPECT_EQ(info.userEmail, "manager@example.org");
    EXPECT_EQ(info.leagueFilesUrl, "http://127.0.0.1/league/league.zip");
    EXPECT_FALSE(info.htmlHeaderFile.empty());
    EXPECT_FALSE(info.htmlFooterFile.empty());
}

TEST(SampleFiles, SameOptionsGiveTheSameBytes) {
    test::TempDir first;
    test::TempDir second;
    generateSampleLeague(first.path(), quickOptions(99));
    generateSampleLeague(second.path(), quickOptions(99));
    for (const auto& name : kLeagueFiles) {
        EXPECT_EQ(readFileBytes(first / "SampleSeason" / name), readFileBytes(second / "SampleSeason" / name)) << name;
    }
}

TEST(SampleFiles, AnotherSeedGivesOtherPlayers) {
    const auto a = buildSampleLeague(quickOptions(1));
    const auto b = buildSampleLeague(quickOptions(2));
    ASSERT_EQ(a.league->players.size(), b.league->players.size());
    int sameName = 0;
    for (std::size_t i = 0; i < a.league->players.size(); ++i) {
        const auto& x = *a.league->players[i];
        const auto& y = *b.league->players[i];
        sameName += x.get(pf::lastName) == y.get(pf::lastName) && x.get(pf::firstName) == y.get(pf::firstName) ? 1 : 0;
    }
    EXPECT_LT(sameName * 20, static_cast<int>(a.league->players.size()));
    EXPECT_NE(serialiseScoresFile(*a.league), serialiseScoresFile(*b.league));
    EXPECT_NE(a.boxScores, b.boxScores);
}

TEST(SampleFiles, GeneratingAgainReplacesTheLeague) {
    test::TempDir dir;
    generateSampleLeague(dir.path(), quickOptions(1));
    generateSampleLeague(dir.path(), quickOptions(2));
    const auto opened = openLeague(dir / "Sample.sea");
    EXPECT_EQ(serialisePlayersFile(*opened), serialisePlayersFile(*buildSampleLeague(quickOptions(2)).league));
}

TEST(SampleFiles, AFolderThatCannotBeCreatedIsAnError) {
    test::TempDir dir;
    std::ofstream(dir / "plain-file") << "x";
    EXPECT_THROW(generateSampleLeague(dir / "plain-file" / "league", quickOptions(1)), Error);
}

TEST(SampleFiles, AFolderWhosePathHoldsSeaIsRefused) {
    test::TempDir dir;
    const fs::path folder = dir / "old.season" / "new";
    try {
        generateSampleLeague(folder, quickOptions(1));
        FAIL() << "no error";
    } catch (const Error& e) {
        EXPECT_NE(std::string(e.what()).find(".sea"), std::string::npos) << e.what();
    }
    // Nothing was written, in particular not beside the folder where the cut path points.
    EXPECT_FALSE(fs::exists(dir / "old.season"));
    EXPECT_FALSE(fs::exists(dir / "oldSeason"));
}

TEST(SampleFiles, AFolderWithATrailingSeparatorIsFine) {
    test::TempDir dir;
    const fs::path seasonFile = generateSampleLeague(dir.path() / "league/", quickOptions(1));
    EXPECT_TRUE(fs::is_regular_file(seasonFile));
    EXPECT_TRUE(fs::is_regular_file(dir / "league" / "SampleSeason" / "players.zt"));
}

// The bytes no field covers carry pseudo-random values, so a reader or writer that drops or
// rewrites any of them changes the file and the round trip above fails.
TEST(SampleFiles, UninterpretedBytesAreNotLeftBlank) {
    const SampleLeague sample = buildSampleLeague(quickOptions(8));
    const League& league = *sample.league;
    const auto nonZero = [](auto begin, auto end) {
        return std::count_if(begin, end, [](std::uint8_t b) { return b != 0; });
    };
    const auto& header = league.seasonHeader.bytes();
    EXPECT_GT(nonZero(header.begin() + 110, header.begin() + 316), 150);
    const auto& player = league.players[0]->bytes();
    EXPECT_GT(nonZero(player.begin() + 104, player.begin() + 236), 100);
    const auto& team = league.teams[0].record.bytes();
    EXPECT_GT(nonZero(team.begin() + 1216, team.begin() + 1588), 300);
    EXPECT_GE(league.seasonTrailer.size(), 3u);
    int spareBatting = 0;
    for (const auto& block : league.playerHistories) {
        for (const auto& line : block->batting) {
            spareBatting += line.bytes()[27] != 0 ? 1 : 0;
        }
    }
    EXPECT_GT(spareBatting, 1000);
    int spareValues = 0;
    for (const auto& game : league.gameScores[0].games) {
        spareValues += game.intValue(4) != 0 ? 1 : 0;
    }
    EXPECT_GT(spareValues, 10);
}

}  // namespace
}  // namespace zt::sample
