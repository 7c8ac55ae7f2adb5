// check-lineups, transfer and diff: exit codes, output, and what --save writes.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "cli_test_support.h"
#include "league/league.h"
#include "league/league_io.h"
#include "sample/sample_league.h"
#include "support/temp_dir.h"

namespace zt::test {
namespace {

namespace fs = std::filesystem;

class CliRosterTest : public ::testing::Test {
protected:
    void SetUp() override {
        sample::SampleOptions options;
        options.playersPerTeam = 80;
        options.freeAgents = 10;
        options.years = 1;
        options.days = 6;
        m_sea = sample::generateSampleLeague(m_dir.path(), options);
        m_seasonFile = m_dir / "SampleSeason" / "season.zt";
    }

    // Opens the league, lets `edit` change it and saves it.
    template <class Edit>
    void prepare(Edit edit) {
        auto league = openLeague(m_sea);
        edit(*league);
        saveLeague(*league);
    }

    std::unique_ptr<League> reopen() const { return openLeague(m_sea); }

    // First player of a team at a level, not a pitcher.
    static PlayerRecord& batterOf(League& league, int team, int level) {
        for (auto& player : league.players) {
            if (player->teamIndex() == team && player->level() == level && player->get(pf::position) != 1 &&
                league.isOnRoster(*player, team)) {
                return *player;
            }
        }
        throw std::runtime_error("no such player in the sample league");
    }

    TempDir m_dir;
    fs::path m_sea;
    fs::path m_seasonFile;
};

// Team 2's AAA lineup names a major-league player of team 3 at batting order 4.
void misplacePlayer(League& league, std::int32_t& id) {
    PlayerRecord& stranger = [&]() -> PlayerRecord& {
        for (auto& player : league.players) {
            if (player->teamIndex() == 3 && player->level() == 0) {
                return *player;
            }
        }
        throw std::runtime_error("no player of team 3");
    }();
    id = stranger.playerId();
    LineupSlot slot = league.teams[2].record.lineupSlot(LineupKind::AAA, 3);
    slot.playerId = id;
    league.teams[2].record.setLineupSlot(LineupKind::AAA, 3, slot);
}

TEST_F(CliRosterTest, CheckLineupsListsTheSlotsItEmptiedAndSavesOnlyWhenAsked) {
    std::int32_t id = -1;
    prepare([&](League& league) { misplacePlayer(league, id); });
    const std::string before = fileContents(m_seasonFile);

    const CliRun dry = runTool({"check-lineups", m_sea.string(), "--team", "2"});
    ASSERT_EQ(dry.exitCode, 0) << dry.err;
    EXPECT_NE(dry.out.find("AAA, slot 4: player " + std::to_string(id) + " ("), std::string::npos) << dry.out;
    EXPECT_NE(dry.out.find(") -> empty\n"), std::string::npos) << dry.out;
    EXPECT_NE(dry.out.find("1 slot changed in team 2 ("), std::string::npos) << dry.out;
    EXPECT_EQ(fileContents(m_seasonFile), before);

    const CliRun saved = runTool({"check-lineups", m_sea.string(), "--team", "2", "--save"});
    ASSERT_EQ(saved.exitCode, 0) << saved.err;
    EXPECT_NE(saved.out.find("Saved "), std::string::npos);
    EXPECT_EQ(reopen()->teams[2].record.lineupSlot(LineupKind::AAA, 3).playerId, -1);

    const CliRun again = runTool({"check-lineups", m_sea.string(), "--team", "2"});
    ASSERT_EQ(again.exitCode, 0) << again.err;
    EXPECT_NE(again.out.find("0 slots changed in team 2"), std::string::npos) << again.out;
}

class CliInjuredTest : public CliRosterTest {
protected:
    void SetUp() override {
        CliRosterTest::SetUp();
        prepare([&](League& league) {
            PlayerRecord& injured = batterOf(league, 1, 0);
            injured.set(pf::daysOut, std::uint16_t{9});
            m_id = injured.playerId();
            m_question = "An injured player (" + injured.get(pf::lastName) + " , " + injured.get(pf::firstName) +
                         ") has been put in the lineup or rotation. Do you accept this move ?";
            LineupSlot slot = league.teams[1].record.lineupSlot(LineupKind::MajorVsLWithDH, 0);
            slot.playerId = m_id;
            league.teams[1].record.setLineupSlot(LineupKind::MajorVsLWithDH, 0, slot);
        });
    }

    std::int32_t m_id = -1;
    std::string m_question;
};

TEST_F(CliInjuredTest, AQuestionWithoutAnAnswerFlagFailsAndChangesNothing) {
    const std::string before = fileContents(m_seasonFile);
    const CliRun run = runTool({"check-lineups", m_sea.string(), "--team", "1", "--save"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, "The command asks \"" + m_question + "\": answer with --yes or --no. Nothing was changed.\n");
    EXPECT_EQ(fileContents(m_seasonFile), before);
}

TEST_F(CliInjuredTest, YesHealsThePlayerAndKeepsHim) {
    const CliRun run = runTool({"check-lineups", m_sea.string(), "--team", "1", "--yes", "--save"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_NE(run.out.find(m_question + " Yes\n"), std::string::npos) << run.out;
    const auto league = reopen();
    EXPECT_EQ(league->teams[1].record.lineupSlot(LineupKind::MajorVsLWithDH, 0).playerId, m_id);
    EXPECT_EQ(league->findPlayerById(static_cast<std::uint32_t>(m_id))->get(pf::daysOut), 0);
}

TEST_F(CliInjuredTest, NoRemovesHimFromTheSlotAndKeepsHisInjury) {
    const CliRun run = runTool({"check-lineups", m_sea.string(), "--team", "1", "--no", "--save"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_NE(run.out.find(m_question + " No\n"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("Majors VsL DH, slot 1: player " + std::to_string(m_id)), std::string::npos) << run.out;
    const auto league = reopen();
    EXPECT_EQ(league->teams[1].record.lineupSlot(LineupKind::MajorVsLWithDH, 0).playerId, -1);
    EXPECT_EQ(league->findPlayerById(static_cast<std::uint32_t>(m_id))->get(pf::daysOut), 9);
}

struct BadArguments {
    const char* name;
    std::vector<std::string> args;  // after the league
    int exitCode;
    const char* message;  // part of stderr
};

class CliRosterArgumentsTest : public CliRosterTest, public ::testing::WithParamInterface<BadArguments> {};

TEST_P(CliRosterArgumentsTest, BadArgumentsAreRefused) {
    const std::string before = fileContents(m_seasonFile);
    std::vector<std::string> args = {GetParam().args.front(), m_sea.string()};
    args.insert(args.end(), GetParam().args.begin() + 1, GetParam().args.end());
    const CliRun run = runTool(args);
    EXPECT_EQ(run.exitCode, GetParam().exitCode) << run.err;
    EXPECT_NE(run.err.find(GetParam().message), std::string::npos) << run.err;
    EXPECT_EQ(fileContents(m_seasonFile), before);
}

INSTANTIATE_TEST_SUITE_P(
    Cases,
    CliRosterArgumentsTest,
    ::testing::Values(BadArguments{"CheckWithoutTeam", {"check-lineups"}, 2, "--team is required"},
                      BadArguments{"CheckYesAndNo", {"check-lineups", "--team", "1", "--yes", "--no"}, 2, "excludes"},
                      BadArguments{"CheckNoSuchTeam",
                                   {"check-lineups", "--team", "30"},
                                   1,
                                   "Team 30 is not a team of this league (0 to 29)"},
                      BadArguments{"CheckFreeAgents", {"check-lineups", "--team", "255"}, 1, "Team 255 is not a team"},
                      BadArguments{"TransferWithoutDestination", {"transfer", "--player", "5"}, 2, "--to is required"},
                      BadArguments{"TransferUnknownPlayer",
                                   {"transfer", "--player", "65000", "--to", "3", "--save"},
                                   1,
                                   "No player has the id 65000"},
                      BadArguments{"TransferNoSuchTeam",
                                   {"transfer", "--player", "1", "--to", "200", "--save"},
                                   1,
                                   "Team 200 is not a team of this league (0 to 29) nor 255 for the free agents"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(CliRosterTest, TransferMovesThePlayerAndSavesWhenAsked) {
    std::uint16_t id = 0;
    prepare([&](League& league) { id = batterOf(league, 4, 1).playerId(); });

    const CliRun run = runTool({"transfer", m_sea.string(), "--player", std::to_string(id), "--to", "7", "--save"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out.rfind("Transferred player " + std::to_string(id) + " (", 0), 0u) << run.out;
    EXPECT_NE(run.out.find(") from team 4 ("), std::string::npos) << run.out;
    EXPECT_NE(run.out.find(") to team 7 ("), std::string::npos) << run.out;
    auto league = reopen();
    const PlayerRecord& player = *league->findPlayerById(id);
    EXPECT_EQ(player.teamIndex(), 7);
    EXPECT_TRUE(league->isOnRoster(player, 7));
    EXPECT_FALSE(league->isOnRoster(player, 4));

    const CliRun release = runTool({"transfer", m_sea.string(), "--player", std::to_string(id), "--to", "255"});
    ASSERT_EQ(release.exitCode, 0) << release.err;
    EXPECT_NE(release.out.find("to the free agents\n"), std::string::npos) << release.out;
    EXPECT_EQ(reopen()->findPlayerById(id)->teamIndex(), 7);  // not saved
}

TEST_F(CliRosterTest, DiffListsWhatATransferChangedAndNothingForTheSameLeague) {
    const fs::path copy = m_dir / "copy";
    fs::create_directories(copy);
    fs::copy(m_dir / "SampleSeason", copy / "SampleSeason", fs::copy_options::recursive);
    fs::copy_file(m_sea, copy / "Sample.sea");
    const CliRun same = runTool({"diff", m_sea.string(), (copy / "Sample.sea").string()});
    ASSERT_EQ(same.exitCode, 0) << same.err;
    EXPECT_EQ(same.out, "");

    std::uint16_t id = 0;
    prepare([&](League& league) { id = batterOf(league, 4, 1).playerId(); });
    ASSERT_EQ(runTool({"transfer", m_sea.string(), "--player", std::to_string(id), "--to", "255", "--save"}).exitCode,
              0);
    const CliRun text = runTool({"diff", (copy / "Sample.sea").string(), m_sea.string()});
    ASSERT_EQ(text.exitCode, 0) << text.err;
    EXPECT_EQ(text.out.rfind("player-moved: ", 0), 0u) << text.out;
    EXPECT_NE(text.out.find("(id " + std::to_string(id) + "): "), std::string::npos) << text.out;
    EXPECT_NE(text.out.find(" AAA -> Free Agents AAA\n"), std::string::npos) << text.out;

    const CliRun json = runTool({"diff", (copy / "Sample.sea").string(), m_sea.string(), "--json"});
    ASSERT_EQ(json.exitCode, 0) << json.err;
    const auto list = nlohmann::json::parse(json.out);
    ASSERT_TRUE(list.is_array());
    EXPECT_EQ(list.at(0).at("kind"), "player-moved");
    EXPECT_EQ(list.at(0).at("after"), "Free Agents AAA");
    EXPECT_EQ(list.size(), std::count(text.out.begin(), text.out.end(), '\n'));
}

TEST_F(CliRosterTest, ATransferToAFullRosterFailsAndSavesNothing) {
    std::uint16_t id = 0;
    prepare([&](League& league) {
        id = batterOf(league, 4, 1).playerId();
        for (int slot = 0; slot < kRosterSize; ++slot) {
            if (league.teams[8].record.rosterId(slot) <= 0) {
                league.teams[8].record.setRosterId(slot, 60000 + slot);
            }
        }
    });
    const std::string before = fileContents(m_seasonFile);
    const CliRun run = runTool({"transfer", m_sea.string(), "--player", std::to_string(id), "--to", "8", "--save"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err.rfind("No room on the roster of team 8 (", 0), 0u) << run.err;
    EXPECT_NE(run.err.find(" stays with team 4 ("), std::string::npos) << run.err;
    EXPECT_EQ(fileContents(m_seasonFile), before);
}

}  // namespace
}  // namespace zt::test
