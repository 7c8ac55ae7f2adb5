// "Import Players": transfer files read into a league, the players placed on their teams' rosters,
// and the whole journey from one generated league to another through the files.
#include <gtest/gtest.h>

#include <set>

#include "league/error.h"
#include "league/league.h"
#include "league/league_io.h"
#include "players/export_pool.h"
#include "players/transfer_file.h"
#include "roster_fixture.h"
#include "rosters/player_import.h"
#include "sample/sample_league.h"
#include "support/league_builder.h"
#include "support/temp_dir.h"

namespace zt::test {
namespace {

class PlayerImportTest : public RosterTest {
protected:
    void SetUp() override {
        RosterTest::SetUp();
        for (std::uint16_t id = 10; id < 16; ++id) {
            add({.id = id, .team = id % 2, .role = id == 11 ? 4 : 2});
        }
        add({.id = 20, .team = 255});
        m_league->clearChanged();
    }

    // Writes a transfer file of the players with these ids, as Export Players does.
    std::filesystem::path exportIds(const std::vector<std::uint16_t>& ids, const std::string& name = "out.plr") {
        m_league->exportPool.clear();
        for (const std::uint16_t id : ids) {
            toggleExportMark(*m_league, player(id));
        }
        const auto file = m_dir / name;
        ScriptedInteraction quiet;
        exportPlayers(*m_league, file, quiet);
        m_league->exportPool.clear();
        return file;
    }

    TempDir m_dir;
};

TEST_F(PlayerImportTest, AFileOfTheSameLeagueComesInUnderNewIdsWithItsHistories) {
    const auto file = exportIds({12, 11, 20});
    const std::size_t before = m_league->players.size();
    const std::int32_t largest = static_cast<std::int32_t>(m_league->nextPlayerId()) - 1;

    const PlayerImportResult result = importPlayers(*m_league, file, kImportKeepTeam, m_ask);

    ASSERT_EQ(result.playerIndexes.size(), 3U);
    EXPECT_FALSE(result.noSpot);
    const std::vector<std::uint16_t> sources = {12, 11, 20};
    for (std::size_t i = 0; i < 3; ++i) {
        const PlayerRecord& imported = *m_league->players[before + i];
        const std::int32_t id = imported.playerId();
        EXPECT_EQ(id, largest + 1 + static_cast<std::int32_t>(i));
        const StatHistory* block = findHistory(m_league->playerHistories, id);
        ASSERT_NE(block, nullptr);
        const StatHistory& original = *findHistory(m_league->playerHistories, sources[i]);
        EXPECT_EQ(block->batting, original.batting);
        EXPECT_EQ(block->pitching, original.pitching);
        EXPECT_EQ(block->fielding, original.fielding);
        EXPECT_TRUE(m_league->isNewPlayer(before + i));
    }
    // Each on his own team's roster (the free agent stays one); the closer arrives as a reliever.
    EXPECT_EQ(rosterCount(0, m_league->players[before]->playerId()), 1);
    EXPECT_EQ(rosterCount(1, m_league->players[before + 1]->playerId()), 1);
    EXPECT_EQ(m_league->players[before + 1]->get(pf::role), 3);
    EXPECT_EQ(m_league->players[before + 2]->teamIndex(), 255);
    EXPECT_EQ(m_league->loadedPlayerCount, static_cast<std::int32_t>(before));
    EXPECT_TRUE(m_league->changed());
    EXPECT_EQ(m_ask.texts(), std::vector<std::string>{"3 player(s) imported successfully"});
}

TEST_F(PlayerImportTest, AFullTeamLeavesThePlayersFreeAgentsAndSaysSoOnce) {
    const auto file = exportIds({10, 12, 14});
    fillRoster(2);
    const auto rosterBefore = team(2).bytes();

    const PlayerImportResult result = importPlayers(*m_league, file, 2, m_ask);

    EXPECT_TRUE(result.noSpot);
    for (const int index : result.playerIndexes) {
        EXPECT_EQ(m_league->players[static_cast<std::size_t>(index)]->teamIndex(), 255);
    }
    EXPECT_EQ(team(2).bytes(), rosterBefore);
    EXPECT_EQ(m_ask.texts(), (std::vector<std::string>{"3 player(s) imported successfully", kNoSpotMessage}));
}

// Players exported from one generated league and imported into another keep every history line,
// byte for byte, through the transfer file and the saved stats.zt of the second league.
TEST(PlayerJourneyTest, PlayersKeepEveryHistoryLineFromOneLeagueToAnother) {
    TempDir dir;
    sample::SampleOptions options;
    options.playersPerTeam = 72;
    options.freeAgents = 20;
    options.years = 3;
    options.days = 10;
    options.seed = 5;
    const auto from = sample::generateSampleLeague(dir / "from", options);
    options.seed = 9;
    const auto to = sample::generateSampleLeague(dir / "to", options);

    auto source = openLeague(from);
    std::vector<const PlayerRecord*> chosen;
    for (const auto& player : source->players) {
        const StatHistory* block = findHistory(source->playerHistories, player->playerId());
        if (block != nullptr && !block->batting.empty() && chosen.size() < 40) {
            chosen.push_back(player.get());
            toggleExportMark(*source, *player);
        }
    }
    ASSERT_EQ(chosen.size(), 40U);
    ScriptedInteraction ask;
    const auto file = dir / "players.plr";
    exportPlayers(*source, file, ask);

    auto target = openLeague(to);
    const std::size_t first = target->players.size();
    importPlayers(*target, file, kImportKeepTeam, ask);
    saveLeague(*target);

    auto reopened = openLeague(to);
    ASSERT_EQ(reopened->players.size(), first + chosen.size());
    std::set<std::uint16_t> ids;
    for (std::size_t i = 0; i < chosen.size(); ++i) {
        const PlayerRecord& imported = *reopened->players[first + i];
        EXPECT_TRUE(ids.insert(imported.playerId()).second) << "two players share " << imported.playerId();
        EXPECT_EQ(imported.get(pf::lastName), chosen[i]->get(pf::lastName));
        const StatHistory* before = findHistory(source->playerHistories, chosen[i]->playerId());
        const StatHistory* after = findHistory(reopened->playerHistories, imported.playerId());
        ASSERT_NE(after, nullptr);
        EXPECT_EQ(after->batting, before->batting);
        EXPECT_EQ(after->pitching, before->pitching);
        EXPECT_EQ(after->fielding, before->fielding);
    }
    // The league's own players kept their ids: nobody imported shares one with them.
    for (std::size_t i = 0; i < first; ++i) {
        EXPECT_FALSE(ids.contains(reopened->players[i]->playerId()));
    }
}

}  // namespace
}  // namespace zt::test
