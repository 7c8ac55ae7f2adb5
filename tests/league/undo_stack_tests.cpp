// Undo and redo of changes to the league: exact to the byte, whatever the change did to the lists.
#include <gtest/gtest.h>

#include <functional>
#include <utility>

#include "league/players_file.h"
#include "league/scores_file.h"
#include "league/season_file.h"
#include "league/stats_file.h"
#include "league/undo_stack.h"
#include "support/league_builder.h"

namespace zt {
namespace {

// The league as its four files would hold it, plus what the files do not hold.
struct LeagueBytes {
    std::vector<std::uint8_t> players, stats, season, scores, playoffs;
    std::vector<std::pair<std::size_t, std::size_t>> exportPool;
    std::int32_t loadedPlayerCount = 0;
    bool operator==(const LeagueBytes&) const = default;
};

std::size_t indexOf(const auto& list, const void* entry) {
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (list[i].get() == entry) {
            return i;
        }
    }
    return list.size();
}

LeagueBytes bytesOf(const League& league) {
    LeagueBytes bytes{serialisePlayersFile(league),
                      serialiseStatsFile(league),
                      serialiseSeasonFile(league),
                      serialiseScoresFile(league),
                      serialisePlayoffsFile(league),
                      {},
                      league.loadedPlayerCount};
    for (const ExportPoolEntry& entry : league.exportPool) {
        bytes.exportPool.emplace_back(indexOf(league.players, entry.player),
                                      indexOf(league.playerHistories, entry.history));
    }
    return bytes;
}

struct Edit {
    const char* what;
    std::function<void(League&)> change;
};

// One edit of every kind a command makes, each kept as a step.
const std::vector<Edit>& everyKindOfEdit() {
    static const std::vector<Edit> edits = {
        {"a player's field", [](League& l) { l.players[1]->set(pf::lastName, std::string("Changed")); }},
        {"a new player with history",
         [](League& l) {
             l.addPlayer(std::make_unique<PlayerRecord>(test::makePlayer(700, "New", "Guy", 1, 77)),
                         test::makeHistory(700, 2, 1, 1, 78));
         }},
        {"the export pool",
         [](League& l) {
             l.exportPool.push_back({l.players[0].get(), l.playerHistories[0].get()});
         }},
        {"a player removed with his history", [](League& l) { l.removePlayer(2); }},
        {"a history line", [](League& l) { l.playerHistories[0]->batting[0].bytes()[3] ^= 0x5A; }},
        {"a team history line added", [](League& l) { l.teamHistories[1]->pitching.push_back(PitchingLine{}); }},
        {"a team's roster and name",
         [](League& l) {
             l.teams[1].record.setRosterId(5, 4242);
             l.teams[1].record.set(tf::city, std::string("Elsewhere"));
             l.buildTeamLists();
         }},
        {"a team entry removed", [](League& l) { l.teams[0].entries.pop_back(); }},
        {"the season header", [](League& l) { l.seasonHeader.bytes()[10] ^= 0xFF; }},
        {"a game score", [](League& l) { l.gameScores[0].games[3] = test::makeGame(0, 1, 9, 2); }},
        {"a playoff series", [](League& l) { l.playoffSeries[2].header[0] ^= 1; }},
        {"every player (a global edit)",
         [](League& l) {
             for (auto& player : l.players) {
                 player->bytes()[100] ^= 0x11;
             }
         }},
        {"the players reordered", [](League& l) { std::swap(l.players.front(), l.players.back()); }},
        {"the export pool's player removed", [](League& l) { l.removePlayer(0); }},
    };
    return edits;
}

class UndoStackTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_league = test::buildLeague({.teams = 3, .playersPerTeam = 3, .freeAgents = 2});
        m_stack.reset(m_league.get());
    }

    std::unique_ptr<League> m_league;
    UndoStack m_stack;
};

TEST_F(UndoStackTest, UndoingEveryStepGivesTheOriginalBytesAndRedoingGivesTheEditedOnes) {
    std::vector<LeagueBytes> states{bytesOf(*m_league)};
    for (const Edit& edit : everyKindOfEdit()) {
        edit.change(*m_league);
        ASSERT_TRUE(m_stack.record()) << edit.what;
        states.push_back(bytesOf(*m_league));
        ASSERT_NE(states.back(), states[states.size() - 2]) << edit.what << " changed nothing";
    }
    for (std::size_t i = everyKindOfEdit().size(); i-- > 0;) {
        m_stack.undo();
        EXPECT_EQ(bytesOf(*m_league), states[i]) << "undo of " << everyKindOfEdit()[i].what;
    }
    EXPECT_FALSE(m_stack.canUndo());
    EXPECT_FALSE(m_league->changed()) << "back at the state the files hold";
    for (std::size_t i = 0; i < everyKindOfEdit().size(); ++i) {
        m_stack.redo();
        EXPECT_EQ(bytesOf(*m_league), states[i + 1]) << "redo of " << everyKindOfEdit()[i].what;
    }
    EXPECT_FALSE(m_stack.canRedo());
    EXPECT_TRUE(m_league->changed());
}

TEST_F(UndoStackTest, NothingChangedRecordsNoStep) {
    EXPECT_FALSE(m_stack.record());
    m_league->players[0]->set(pf::lastName, m_league->players[0]->get(pf::lastName));
    EXPECT_FALSE(m_stack.record());
    EXPECT_FALSE(m_stack.canUndo());
}

TEST_F(UndoStackTest, TheChangedFlagFollowsTheSavedState) {
    const auto edit = [&](std::uint8_t value) {
        m_league->players[0]->bytes()[200] = value;
        m_league->markChanged();
        m_stack.record();
    };
    edit(1);
    edit(2);
    m_league->markSaved();  // as a save does
    m_stack.record();
    m_stack.undo();
    EXPECT_TRUE(m_league->changed());
    m_stack.redo();
    EXPECT_FALSE(m_league->changed()) << "redone back to the saved state";
    m_stack.undo();
    edit(3);  // a new step where the saved state was undone: that state is out of reach
    EXPECT_FALSE(m_stack.canRedo());
    m_stack.undo();
    EXPECT_TRUE(m_league->changed());
    EXPECT_EQ(m_league->players[0]->bytes()[200], 1);
}

TEST_F(UndoStackTest, MarkingPlayersForExportLeavesTheLeagueUnchanged) {
    m_league->exportPool.push_back({m_league->players[0].get(), nullptr});
    ASSERT_TRUE(m_stack.record());
    EXPECT_FALSE(m_league->changed());
    m_stack.undo();
    EXPECT_TRUE(m_league->exportPool.empty());
    m_stack.redo();
    EXPECT_FALSE(m_league->changed()) << "the files would hold the same bytes";
    EXPECT_EQ(m_league->exportPool.size(), 1u);
}

TEST_F(UndoStackTest, AChangeNotYetRecordedIsWhatUndoTakesBack) {
    const LeagueBytes original = bytesOf(*m_league);
    m_league->players[3]->bytes()[50] ^= 0x0F;
    const LeagueBytes edited = bytesOf(*m_league);
    m_stack.undo();
    EXPECT_EQ(bytesOf(*m_league), original);
    m_stack.redo();
    EXPECT_EQ(bytesOf(*m_league), edited);
}

TEST_F(UndoStackTest, TheEditedPlayerGoesWhenUndoTakesHimAway) {
    m_league->addPlayer(std::make_unique<PlayerRecord>(test::makePlayer(800, "A", "B", 0, 5)));
    m_stack.record();
    m_league->currentPlayer = m_league->players.back().get();
    m_league->currentHistory = m_league->playerHistories.front().get();
    m_stack.undo();
    EXPECT_EQ(m_league->currentPlayer, nullptr);
    EXPECT_EQ(m_league->currentHistory, m_league->playerHistories.front().get()) << "a block that stays, stays";
}

TEST_F(UndoStackTest, TheOldestStepsGoBeyondTheLimit) {
    for (std::size_t i = 0; i < UndoStack::kMaxSteps + 5; ++i) {
        m_league->players[0]->bytes()[300] = static_cast<std::uint8_t>(i);
        m_stack.record();
    }
    EXPECT_EQ(m_stack.undoCount(), UndoStack::kMaxSteps);
    while (m_stack.canUndo()) {
        m_stack.undo();
    }
    EXPECT_EQ(m_league->players[0]->bytes()[300], 4);
    EXPECT_TRUE(m_league->changed()) << "the saved state is out of reach";
}

TEST(UndoStackWithoutLeague, DoesNothing) {
    UndoStack stack;
    EXPECT_FALSE(stack.record());
    stack.undo();
    stack.redo();
    EXPECT_FALSE(stack.canUndo());
}

}  // namespace
}  // namespace zt
