// ztedit-cli eval and recalc.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "cli_test_support.h"
#include "league/league.h"
#include "league/league_io.h"
#include "ratings/league_constants.h"
#include "ratings/rating_computation.h"
#include "support/temp_dir.h"

namespace zt::test {
namespace {

namespace fs = std::filesystem;

struct EvalCase {
    std::string label;
    std::vector<std::string> args;  // after "eval"
    int exitCode;
    std::string out;  // stdout, or the start of stderr for a failure
};

class CliEvalTest : public ::testing::TestWithParam<EvalCase> {};

TEST_P(CliEvalTest, PrintsTheValueOrFails) {
    std::vector<std::string> args{"eval"};
    args.insert(args.end(), GetParam().args.begin(), GetParam().args.end());
    const CliRun run = runTool(args);
    EXPECT_EQ(run.exitCode, GetParam().exitCode) << run.err;
    if (GetParam().exitCode == 0) {
        EXPECT_EQ(run.out, GetParam().out);
        EXPECT_EQ(run.err, "");
    } else {
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(run.err.substr(0, GetParam().out.size()), GetParam().out);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Formulas,
    CliEvalTest,
    ::testing::Values(
        EvalCase{"left_assoc_power", {"2^3^2"}, 0, "64\n"},
        // Literals and sums in extended precision: 0.1 + 0.2 is the double nearest 0.3.
        EvalCase{"seventeen_digits_extended_precision", {"0.1+0.2"}, 0, "0.29999999999999999\n"},
        EvalCase{"third", {"1/3"}, 0, "0.33333333333333331\n"},
        EvalCase{"variable", {"bhits*2", "--var", "BHITS=150"}, 0, "300\n"},
        EvalCase{"two_variables", {"--var", "a=1.5", "--var", "B=4", "a*b"}, 0, "6\n"},
        EvalCase{"negated_term", {" -x^2", "--var", "X=2"}, 0, "-4\n"},
        EvalCase{"negative_literal", {"--", "-2^2"}, 0, "4\n"},
        EvalCase{"division_by_zero", {"1/0"}, 1, "The formula '1/0' cannot be evaluated: division by zero.\n"},
        EvalCase{"ln_zero", {"ln(x)", "--var", "x=0"}, 1, "The formula 'ln(x)' cannot be evaluated"},
        EvalCase{"invalid", {"2^(1+2)"}, 1, "'2^(1+2)' is not a valid formula"},
        EvalCase{"unknown_variable",
                 {"y*2", "--var", "x=1"},
                 1,
                 "'y*2' is not a valid formula: 'y' is not a known variable\n"},
        EvalCase{"value_not_a_number", {"x", "--var", "x=abc"}, 1, "'abc' is not a valid floating point value\n"},
        EvalCase{"no_equals", {"x", "--var", "x"}, 1, "'x' is not of the form NAME=VALUE.\n"},
        EvalCase{"given_twice", {"x", "--var", "x=1", "--var", "X=2"}, 1, "The variable 'X' is given twice.\n"},
        EvalCase{"no_formula", {}, 2, ""}),
    [](const auto& info) { return info.param.label; });

class CliRecalcTest : public ::testing::Test {
protected:
    void SetUp() override {
        const auto run = runTool({"generate", (m_dir / "league").string(), "--seed", "5"});
        ASSERT_EQ(run.exitCode, 0) << run.err;
        m_sea = m_dir / "league" / "Sample.sea";
        fs::create_directories(m_dir / "data");
        writeLeagueConstants(m_dir / "data" / "constants.ini", m_constants);
        unsetenv("ZTEDIT_DATA_DIR");
    }
    void TearDown() override { unsetenv("ZTEDIT_DATA_DIR"); }

    std::string dataDir() const { return (m_dir / "data").string(); }

    TempDir m_dir;
    fs::path m_sea;
    // Not the defaults, so that the constants really come from the data directory.
    LeagueConstants m_constants{0.9f, 1.1f, 1.2f, 0.8f, 1.01f};
};

TEST_F(CliRecalcTest, BattersOfOneTeamGetTheirSplitsAndNobodyElseChanges) {
    const auto before = openLeague(m_sea);
    const auto run = runTool({"recalc", m_sea.string(), "--batters", "--team", "1", "--data-dir", dataDir()});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const auto after = openLeague(m_sea);
    ASSERT_EQ(after->players.size(), before->players.size());
    int teamPlayers = 0;
    int changed = 0;
    for (std::size_t i = 0; i < before->players.size(); ++i) {
        PlayerRecord expected = *before->players[i];
        if (expected.teamIndex() == 1) {
            ++teamPlayers;
            ComputeBatterSplits(expected, m_constants);
            changed += expected.bytes() != before->players[i]->bytes() ? 1 : 0;
        }
        EXPECT_EQ(after->players[i]->bytes(), expected.bytes()) << "player " << i;
    }
    ASSERT_GT(teamPlayers, 0);
    EXPECT_GT(changed, 0) << "the generated league's splits differ from these constants' values";
    EXPECT_EQ(run.out,
              "Recalculated the batting splits of " + std::to_string(teamPlayers) + " players (" +
                  std::to_string(changed) + " changed)\nSaved " + after->leagueDir.string() + "\n");
}

TEST_F(CliRecalcTest, PitchersOfAllTeamsWithTheDataDirectoryFromTheEnvironment) {
    const auto before = openLeague(m_sea);
    setenv("ZTEDIT_DATA_DIR", dataDir().c_str(), 1);
    const auto run = runTool({"recalc", m_sea.string(), "--pitchers"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const auto after = openLeague(m_sea);
    int changed = 0;
    for (std::size_t i = 0; i < before->players.size(); ++i) {
        PlayerRecord expected = *before->players[i];
        ComputePitcherSplits(expected, m_constants);
        changed += expected.bytes() != before->players[i]->bytes() ? 1 : 0;
        EXPECT_EQ(after->players[i]->bytes(), expected.bytes()) << "player " << i;
    }
    EXPECT_GT(changed, 0);
}

TEST_F(CliRecalcTest, FailsWithoutDataDirectoryOrConstantsAndChangesNothing) {
    const std::string players = fileContents(m_dir / "league" / "SampleSeason" / "players.zt");

    auto run = runTool({"recalc", m_sea.string(), "--batters"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, "No editor data directory: give --data-dir DIR or set ZTEDIT_DATA_DIR.\n");

    TempDir empty;
    run = runTool({"recalc", m_sea.string(), "--batters", "--data-dir", empty.path().string()});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, "The league constants file " + (empty.path() / "constants.ini").string() + " does not exist.\n");

    EXPECT_EQ(fileContents(m_dir / "league" / "SampleSeason" / "players.zt"), players);
}

TEST_F(CliRecalcTest, UsageErrors) {
    EXPECT_EQ(runTool({"recalc", m_sea.string(), "--data-dir", dataDir()}).exitCode, 2);
    EXPECT_EQ(runTool({"recalc", m_sea.string(), "--batters", "--pitchers", "--data-dir", dataDir()}).exitCode, 2);
    EXPECT_EQ(runTool({"recalc", m_sea.string(), "--batters", "--team", "256", "--data-dir", dataDir()}).exitCode, 2);
}

}  // namespace
}  // namespace zt::test
