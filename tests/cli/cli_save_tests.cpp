#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "cli_test_support.h"
#include "league/league.h"
#include "league/league_io.h"
#include "support/temp_dir.h"

namespace zt::test {
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

class CliSaveTest : public ::testing::Test {
protected:
    void SetUp() override {
        const auto run = runTool({"generate", m_dir.path().string(), "--seed", "7"});
        ASSERT_EQ(run.exitCode, 0) << run.err;
        m_sea = m_dir / "Sample.sea";
        m_season = m_dir / "SampleSeason";
    }

    TempDir m_dir;
    fs::path m_sea;
    fs::path m_season;
};

TEST_F(CliSaveTest, CheckReportsACleanLeagueAndEachFaultOfABrokenOne) {
    const CliRun clean = runTool({"check", m_sea.string()});
    EXPECT_EQ(clean.exitCode, 0) << clean.out;
    EXPECT_EQ(clean.out, "No problem found\n");

    {
        auto league = openLeague(m_sea);
        league->players[5]->set(pf::playerId, league->players[4]->playerId());  // two players, one id
        saveLeague(*league);
    }
    const CliRun broken = runTool({"check", m_sea.string()});
    EXPECT_EQ(broken.exitCode, 1);
    EXPECT_TRUE(broken.out.starts_with("duplicate-id: Player id ")) << broken.out;
    EXPECT_TRUE(broken.err.ends_with("found in " + m_sea.string() + "\n")) << broken.err;
}

TEST_F(CliSaveTest, SaveAsWritesByteIdenticalLeagueFilesIntoTheNewFolder) {
    TempDir target;
    const auto copy = target / "Copy.sea";
    const auto run = runTool({"save-as", m_sea.string(), copy.string()});
    ASSERT_EQ(run.exitCode, 0) << run.err;

    for (const auto& name : kLeagueFiles) {
        SCOPED_TRACE(name);
        ASSERT_TRUE(fs::exists(target / "CopySeason" / name));
        EXPECT_EQ(fileContents(target / "CopySeason" / name), fileContents(m_season / name));
    }
    ASSERT_TRUE(fs::exists(copy));
    EXPECT_EQ(fs::file_size(copy), 0u);
}

TEST_F(CliSaveTest, SaveInPlaceChangesNoByteAndEmptiesTheSeasonFile) {
    std::vector<std::string> before;
    for (const auto& name : kLeagueFiles) {
        before.push_back(fileContents(m_season / name));
    }
    {
        std::ofstream sea(m_sea);
        sea << "left by the game";
    }
    const auto run = runTool({"save", m_sea.string()});
    ASSERT_EQ(run.exitCode, 0) << run.err;

    for (std::size_t i = 0; i < kLeagueFiles.size(); ++i) {
        SCOPED_TRACE(kLeagueFiles[i]);
        EXPECT_EQ(fileContents(m_season / kLeagueFiles[i]), before[i]);
    }
    EXPECT_EQ(fs::file_size(m_sea), 0u);
    // No temporary file of the save stays behind.
    std::size_t entries = 0;
    for (const auto& entry : fs::directory_iterator(m_season)) {
        entries += entry.path().extension() == ".bak" ? 0 : 1;  // the previous save is kept
    }
    EXPECT_EQ(entries, kLeagueFiles.size());
}

TEST_F(CliSaveTest, PlayersFileChosenDirectlyOpensItsFolder) {
    const auto run = runTool({"info", (m_season / "players.zt").string()});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_NE(run.out.find("teamCount: 30\n"), std::string::npos) << run.out;
}

TEST_F(CliSaveTest, InfoReportsTheSeasonSettings) {
    const auto run = runTool({"info", m_sea.string()});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    for (const char* line : {"seasonVersion: 4.0.09\n",
                             "teamCount: 30\n",
                             "leagueCount: 2\n",
                             "divisionsPerLeague: 3\n",
                             "statsLoaded: yes\n",
                             "scoresLoaded: yes\n",
                             "playoffsLoaded: yes\n"}) {
        EXPECT_NE(run.out.find(line), std::string::npos) << line << " missing in\n" << run.out;
    }
}

struct FailureCase {
    const char* name;
    std::vector<std::string> args;  // "{sea}" and "{season}" stand for the generated league
    int exitCode;
    std::string message;  // start of stderr; empty: not checked
};

void PrintTo(const FailureCase& c, std::ostream* out) {
    *out << c.name;
}

class CliFailureTest : public CliSaveTest, public ::testing::WithParamInterface<FailureCase> {};

TEST_P(CliFailureTest, FailsWithTheSystemMessageAndExitCode) {
    const auto& c = GetParam();
    std::vector<std::string> args;
    std::string message = c.message;
    const auto substitute = [&](std::string text) {
        for (const auto& [key, value] : {std::pair<std::string, std::string>{"{sea}", m_sea.string()},
                                         {"{season}", m_season.string()},
                                         {"{dir}", m_dir.path().string()}}) {
            for (auto at = text.find(key); at != std::string::npos; at = text.find(key)) {
                text.replace(at, key.size(), value);
            }
        }
        return text;
    };
    for (const auto& arg : c.args) {
        args.push_back(substitute(arg));
    }
    if (std::string(c.name) == "WrongVersion") {
        std::fstream season(m_season / "season.zt", std::ios::in | std::ios::out | std::ios::binary);
        season.seekp(4);
        season.write("4.0.10", 6);
    }
    const auto run = runTool(args);
    EXPECT_EQ(run.exitCode, c.exitCode) << run.err;
    EXPECT_EQ(run.err.substr(0, substitute(message).size()), substitute(message));
}

INSTANTIATE_TEST_SUITE_P(
    Cases,
    CliFailureTest,
    ::testing::Values(FailureCase{"MissingDirectory",
                                  {"info", "{dir}/Other.sea"},
                                  1,
                                  "Directory {dir}/OtherSeason/ does not exist. League not loaded\n"},
                      FailureCase{"WrongVersion", {"info", "{sea}"}, 1, "Wrong season version\n"},
                      FailureCase{"UnknownDumpKind", {"dump", "teams", "{sea}"}, 2, ""},
                      FailureCase{"NoCommand", {}, 2, ""},
                      FailureCase{"UnknownCommand", {"frobnicate"}, 2, ""},
                      FailureCase{
                          "SaveAsWithoutSeasonName", {"save-as", "{sea}", "{dir}/Copy.txt"}, 1, "The league file"},
                      FailureCase{"MissingArgument", {"save"}, 2, ""}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace zt::test

namespace zt::test {
namespace {

TEST(CliUsage, AnUnknownCommandIsNamedAndTheCommandsListedEvenWithHelp) {
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"frobnicate"}, std::vector<std::string>{"frobnicate", "--help"}}) {
        const CliRun run = runTool(args);
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_TRUE(run.out.empty());
        EXPECT_TRUE(run.err.starts_with("unknown command 'frobnicate'\nCommands:\n")) << run.err;
        EXPECT_NE(run.err.find("  save-as  "), std::string::npos) << run.err;
    }
    EXPECT_EQ(runTool({"info", "--help"}).exitCode, 0);  // help of a real command
}

}  // namespace
}  // namespace zt::test
