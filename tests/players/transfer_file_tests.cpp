// The export pool's marks and the player transfer file: what export writes, what a damaged file
// does, and how imported players are numbered.
#include <gtest/gtest.h>

#include "league/byte_record.h"
#include "league/codes.h"
#include "league/error.h"
#include "league/league.h"
#include "players/export_pool.h"
#include "players/transfer_file.h"
#include "support/league_builder.h"
#include "support/scripted_interaction.h"
#include "support/temp_dir.h"

namespace zt::test {
namespace {

class TransferFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_league = buildLeague({.teams = 3, .playersPerTeam = 2, .freeAgents = 1});
        m_league->clearChanged();
    }

    PlayerRecord& player(int index) { return *m_league->players[static_cast<std::size_t>(index)]; }
    std::vector<const PlayerRecord*> pool() const {
        std::vector<const PlayerRecord*> members;
        for (const ExportPoolEntry& entry : m_league->exportPool) {
            members.push_back(entry.player);
        }
        return members;
    }

    std::unique_ptr<League> m_league;
    ScriptedInteraction m_ask;
    TempDir m_dir;
};

TEST_F(TransferFileTest, MarkingTwiceTakesThePlayerOutAgainWithoutChangingTheLeague) {
    EXPECT_TRUE(toggleExportMark(*m_league, player(2)));
    ASSERT_EQ(pool(), std::vector<const PlayerRecord*>{&player(2)});
    EXPECT_EQ(m_league->exportPool[0].history, findHistory(m_league->playerHistories, player(2).playerId()));
    EXPECT_FALSE(toggleExportMark(*m_league, player(2)));
    EXPECT_TRUE(pool().empty());
    EXPECT_FALSE(m_league->changed());
}

TEST_F(TransferFileTest, SelectAllTogglesEveryRowMembersLeaveOthersJoinInRowOrder) {
    toggleExportMark(*m_league, player(5));
    toggleExportMark(*m_league, player(1));
    const std::vector<int> rows = {3, 1, 0};

    toggleExportMarkAll(*m_league, rows);
    EXPECT_EQ(pool(), (std::vector<const PlayerRecord*>{&player(5), &player(3), &player(0)}));

    toggleExportMarkAll(*m_league, rows);
    EXPECT_EQ(pool(), (std::vector<const PlayerRecord*>{&player(5), &player(1)}));
    EXPECT_FALSE(m_league->changed());
}

TEST_F(TransferFileTest, APlayerWithoutABlockIsPairedWithAnEmptyBlockOfHisOwn) {
    const std::uint16_t id = player(4).playerId();
    std::erase_if(m_league->playerHistories, [id](const auto& block) { return block->key == id; });
    toggleExportMarkAll(*m_league, std::vector<int>{4});
    ASSERT_EQ(m_league->exportPool.size(), 1U);
    const StatHistory* block = m_league->exportPool[0].history;
    ASSERT_NE(block, nullptr);
    EXPECT_EQ(block->key, id);
    EXPECT_TRUE(block->batting.empty() && block->pitching.empty() && block->fielding.empty());
}

TEST_F(TransferFileTest, AnEmptyPoolGivesAnEmptyFileAndSaysSo) {
    const auto file = m_dir / "none.plr";
    EXPECT_EQ(exportPlayers(*m_league, file, m_ask), 0);
    EXPECT_TRUE(readBytes(file).empty());
    EXPECT_EQ(m_ask.texts(), std::vector<std::string>{"0 players exported successfully"});
}

TEST_F(TransferFileTest, TheFileHoldsEachRecordFollowedByItsBlockAndReadsBackTheSame) {
    toggleExportMark(*m_league, player(3));
    toggleExportMark(*m_league, player(0));
    const auto file = m_dir / "two.plr";
    EXPECT_EQ(exportPlayers(*m_league, file, m_ask), 2);
    EXPECT_EQ(m_ask.texts(), std::vector<std::string>{"2 players exported successfully"});

    const std::vector<std::uint8_t> bytes = readBytes(file);
    // Two batting lines, one pitching, one fielding each.
    constexpr std::size_t kEntry = 768 + 16 + 2 * 28 + 36 + 16;
    ASSERT_EQ(bytes.size(), 2 * kEntry);
    EXPECT_TRUE(std::equal(player(3).bytes().begin(), player(3).bytes().end(), bytes.begin()));
    EXPECT_EQ(loadLE<std::int32_t>(&bytes[768]), player(3).playerId());
    EXPECT_EQ(loadLE<std::int32_t>(&bytes[772]), 2);

    const std::vector<TransferEntry> entries = readTransferFile(file);
    ASSERT_EQ(entries.size(), 2U);
    EXPECT_EQ(entries[1].player, player(0));
    EXPECT_EQ(entries[1].history, *findHistory(m_league->playerHistories, player(0).playerId()));
}

TEST_F(TransferFileTest, WithoutAStatsFileEveryPlayerGetsAnEmptyBlock) {
    m_league->statsLoaded = false;
    m_league->playerHistories.clear();
    toggleExportMark(*m_league, player(1));
    const std::vector<std::uint8_t> bytes = transferFileBytes(*m_league);
    ASSERT_EQ(bytes.size(), 768U + 16U);
    EXPECT_EQ(loadLE<std::int32_t>(&bytes[768]), player(1).playerId());
    for (std::size_t at = 772; at < bytes.size(); ++at) {
        EXPECT_EQ(bytes[at], 0) << at;
    }
    EXPECT_EQ(parseTransferFile(bytes, "pool.plr").size(), 1U);
}

struct DamageCase {
    const char* name;
    std::size_t keep;     // bytes of the good file kept
    int lineCountOffset;  // -1: none, else the offset of a count to spoil
    std::string problem;
};

class DamagedTransferFileTest : public TransferFileTest, public ::testing::WithParamInterface<DamageCase> {};

TEST_P(DamagedTransferFileTest, ADamagedFileIsRefusedNamingIt) {
    toggleExportMark(*m_league, player(0));
    toggleExportMark(*m_league, player(1));
    std::vector<std::uint8_t> bytes = transferFileBytes(*m_league);
    bytes.resize(std::min(bytes.size(), GetParam().keep));
    if (GetParam().lineCountOffset >= 0) {
        storeLE<std::int32_t>(&bytes[static_cast<std::size_t>(GetParam().lineCountOffset)], 1000000);
    }
    try {
        parseTransferFile(bytes, "/x/bad.plr");
        ADD_FAILURE() << "accepted";
    } catch (const Error& e) {
        EXPECT_EQ(std::string(e.what()), "The file \"/x/bad.plr\" is damaged: " + GetParam().problem + ".");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Damage,
    DamagedTransferFileTest,
    ::testing::Values(DamageCase{"ShortRecord", 892 + 500, -1, "it ends inside a player record"},
                      DamageCase{"NoBlock", 892 + 768, -1, "it ends inside the history block of a player"},
                      DamageCase{"CutLine", 892 + 768 + 20, -1, "it announces 2 batting lines but holds room for 0"},
                      DamageCase{"HugeCount", 100000, 772, "it announces 1000000 batting lines but holds room for 36"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(TransferFileTest, ImportedPlayersGetFreeIdsAboveEveryIdSeen) {
    // The league's largest id is 119. The first player keeps a free id above it; the second's id
    // is taken and he gets the next id above both, never the first one's.
    std::vector<TransferEntry> entries(3);
    entries[0].player = player(0);
    entries[0].player.set(pf::playerId, std::uint16_t{120});
    entries[0].history.key = 120;
    entries[1].player = player(1);
    entries[1].history = *findHistory(m_league->playerHistories, player(1).playerId());
    entries[2].player = player(2);
    entries[2].player.set(pf::playerId, std::uint16_t{500});
    const std::size_t before = m_league->players.size();

    const std::vector<int> added = addTransferredPlayers(*m_league, entries, kImportKeepTeam);

    ASSERT_EQ(added,
              (std::vector<int>{static_cast<int>(before), static_cast<int>(before) + 1, static_cast<int>(before) + 2}));
    EXPECT_EQ(player(added[0]).playerId(), 120);
    EXPECT_EQ(player(added[1]).playerId(), 121);
    EXPECT_EQ(player(added[2]).playerId(), 500);
    const StatHistory* moved = findHistory(m_league->playerHistories, 121);
    ASSERT_NE(moved, nullptr);
    EXPECT_EQ(moved->batting, entries[1].history.batting);
    EXPECT_TRUE(m_league->changed());
}

TEST_F(TransferFileTest, WhenTheIdsRunOutNothingIsAdded) {
    player(6).set(pf::playerId, std::uint16_t{0xFFFF});
    std::vector<TransferEntry> entries(1);
    entries[0].player = player(0);
    const std::size_t before = m_league->players.size();
    EXPECT_THROW(addTransferredPlayers(*m_league, entries, kFreeAgentTeam), Error);
    EXPECT_EQ(m_league->players.size(), before);
    EXPECT_FALSE(m_league->changed());
}

TEST_F(TransferFileTest, DestinationsSetTheTeamAndAKeptTeamThatIsNoTeamBecomesTheFreeAgents) {
    std::vector<TransferEntry> entries(2);
    entries[0].player = player(0);
    entries[0].player.set(pf::teamIndex, std::uint8_t{2});
    entries[1].player = player(1);
    entries[1].player.set(pf::teamIndex, std::uint8_t{17});
    const std::vector<int> kept = addTransferredPlayers(*m_league, entries, kImportKeepTeam);
    EXPECT_EQ(player(kept[0]).teamIndex(), 2);
    EXPECT_EQ(player(kept[1]).teamIndex(), kFreeAgentTeam);
    const std::vector<int> sent = addTransferredPlayers(*m_league, entries, 1);
    EXPECT_EQ(player(sent[0]).teamIndex(), 1);
    EXPECT_EQ(player(sent[1]).teamIndex(), 1);
    EXPECT_THROW(addTransferredPlayers(*m_league, entries, 3), Error);
}

}  // namespace
}  // namespace zt::test
