// The history editor's core: the grids' cells, confirming a line, adding and deleting lines, and
// creating the missing history blocks.
#include <gtest/gtest.h>

#include "league/codes.h"
#include "league/error.h"
#include "league/league.h"
#include "players/history_editing.h"
#include "reports/history_report.h"
#include "support/league_builder.h"
#include "support/scripted_interaction.h"

namespace zt::test {
namespace {

class HistoryEditingTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_league = buildLeague({.teams = 3, .playersPerTeam = 2, .freeAgents = 1});
        m_league->clearChanged();
    }

    PlayerRecord& player(int index) { return *m_league->players[static_cast<std::size_t>(index)]; }
    StatHistory& history(int index) { return *findHistory(m_league->playerHistories, player(index).playerId()); }

    // A fresh zero line of that kind for the first player; returns its index.
    int freshLine(HistoryKind kind) { return addHistoryLine(*m_league, history(0), kind, player(0)); }

    std::vector<std::string> cells(HistoryKind kind, int line) {
        return historyLineCells(*m_league, history(0), kind, static_cast<std::size_t>(line));
    }
    static std::size_t column(HistoryKind kind, std::string_view caption) {
        const auto columns = historyColumns(kind);
        for (std::size_t i = 0; i < columns.size(); ++i) {
            if (columns[i].summaryCaption == caption) {
                return i;
            }
        }
        ADD_FAILURE() << "no column " << caption;
        return 0;
    }
    // Confirms line `line` with the cells it shows, some replaced.
    void confirm(HistoryKind kind, int line, const std::vector<std::pair<std::string_view, std::string>>& typed) {
        std::vector<std::string> values = cells(kind, line);
        for (const auto& [caption, text] : typed) {
            values[column(kind, caption)] = text;
        }
        confirmHistoryLine(*m_league, history(0), kind, line, values);
    }

    std::unique_ptr<League> m_league;
    ScriptedInteraction m_ask;
};

struct InningsCase {
    const char* typed;
    int outs;
};

class InningsTest : public HistoryEditingTest, public ::testing::WithParamInterface<InningsCase> {};

TEST_P(InningsTest, InningsAreStoredAsRoundedOuts) {
    const int pitching = freshLine(HistoryKind::Pitching);
    confirm(HistoryKind::Pitching, pitching, {{"IP", GetParam().typed}});
    EXPECT_EQ(decodePitchingLine(history(0).pitching.back()).outsPitched, GetParam().outs);

    const int fielding = freshLine(HistoryKind::Fielding);
    confirm(HistoryKind::Fielding, fielding, {{"Inn", GetParam().typed}});
    EXPECT_EQ(decodeFieldingLine(history(0).fielding.back()).outsPlayed, GetParam().outs);
}

INSTANTIATE_TEST_SUITE_P(Typed,
                         InningsTest,
                         ::testing::Values(InningsCase{"6.1", 18},
                                           InningsCase{"6.2", 19},
                                           InningsCase{"2.3", 7},
                                           InningsCase{"0", 0},
                                           InningsCase{"6.5", 20}));

struct ComputedCase {
    const char* name;
    HistoryKind kind;
    std::vector<std::pair<std::string_view, std::string>> typed;
    std::vector<std::pair<std::string_view, std::string>> shown;
};

class ComputedCellsTest : public HistoryEditingTest, public ::testing::WithParamInterface<ComputedCase> {};

TEST_P(ComputedCellsTest, ComputedCellsFollowTheLineAndStayEmptyWithoutADenominator) {
    const ComputedCase& c = GetParam();
    const int line = freshLine(c.kind);
    confirm(c.kind, line, c.typed);
    const std::vector<std::string> shown = cells(c.kind, line);
    for (const auto& [caption, text] : c.shown) {
        EXPECT_EQ(shown[column(c.kind, caption)], text) << caption;
    }
}

using Cells = std::vector<std::pair<std::string_view, std::string>>;
INSTANTIATE_TEST_SUITE_P(
    Lines,
    ComputedCellsTest,
    ::testing::Values(
        ComputedCase{"BattingWithoutAtBats",
                     HistoryKind::Batting,
                     Cells{{"BB", "3"}, {"HBP", "1"}},
                     Cells{{"AVG", ""}, {"OBP", ""}, {"SLG", ""}}},
        ComputedCase{"Batting",
                     HistoryKind::Batting,
                     Cells{{"Ab", "10"}, {"H", "3"}, {"2B", "1"}, {"HR", "1"}, {"BB", "2"}},
                     Cells{{"AVG", "0.300"}, {"OBP", "0.417"}, {"SLG", "0.700"}}},
        ComputedCase{"PitchingWithoutOuts",
                     HistoryKind::Pitching,
                     Cells{{"H", "2"}, {"BB", "1"}, {"ER", "2"}},
                     Cells{{"AVG", ""}, {"OBP", ""}, {"SLG", ""}, {"ERA", ""}}},
        ComputedCase{"Pitching",
                     HistoryKind::Pitching,
                     Cells{{"IP", "9"}, {"H", "9"}, {"BB", "3"}, {"ER", "3"}},
                     Cells{{"AVG", "0.250"}, {"OBP", "0.308"}, {"SLG", "0.250"}, {"ERA", "3.00"}, {"IP", "9"}}},
        ComputedCase{"FieldingWithoutChances", HistoryKind::Fielding, Cells{{"G", "4"}}, Cells{{"F%", "1.000"}}},
        ComputedCase{
            "Fielding", HistoryKind::Fielding, Cells{{"PO", "5"}, {"A", "2"}, {"E", "1"}}, Cells{{"F%", "0.875"}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(HistoryEditingTest, ConfirmReadsEveryCellIntoItsField) {
    const int line = freshLine(HistoryKind::Batting);
    confirm(HistoryKind::Batting,
            line,
            {{"Year", "2001"},
             {"Lev", "aaa"},
             {"Team", "CHI"},
             {"Split", "VsR"},
             {"G", "4095"},
             {"Ab", "16383"},
             {"Pickoffs", "63"},
             {"PH", "255"},
             {"GIDP", "255"}});
    const BattingLineData data = decodeBattingLine(history(0).batting[static_cast<std::size_t>(line)]);
    EXPECT_EQ(data.year, 2001);
    EXPECT_EQ(data.level, 1);
    EXPECT_EQ(data.team, 1);
    EXPECT_EQ(data.split, 1);
    EXPECT_EQ(data.games, 4095);
    EXPECT_EQ(data.atBats, 16383);
    EXPECT_EQ(data.pickoffs, 63);
    EXPECT_EQ(data.pinchBaseHits, 255);
    EXPECT_EQ(data.gidp, 255);
    EXPECT_TRUE(m_league->changed());
}

struct RefusedCase {
    HistoryKind kind;
    std::string_view caption;
    std::string typed;
    std::string message;
};

class RefusedValueTest : public HistoryEditingTest, public ::testing::WithParamInterface<RefusedCase> {};

TEST_P(RefusedValueTest, AValueTheLineCannotHoldIsRefusedByNameAndStoresNothing) {
    const RefusedCase& c = GetParam();
    StatHistory& block = history(0);
    const StatHistory before = block;
    std::vector<std::string> values = cells(c.kind, 0);
    values[column(c.kind, c.caption)] = c.typed;
    values[column(c.kind, "G")] = c.caption == "G" ? c.typed : "7";  // an earlier cell that must not be stored
    try {
        confirmHistoryLine(*m_league, block, c.kind, 0, values);
        ADD_FAILURE() << "no refusal";
    } catch (const Error& e) {
        EXPECT_EQ(std::string(e.what()), c.message);
    }
    EXPECT_EQ(block, before);
    EXPECT_TRUE(m_league->changed());  // set before the cells are read, as the editor always did
}

INSTANTIATE_TEST_SUITE_P(
    Cells,
    RefusedValueTest,
    ::testing::Values(
        RefusedCase{HistoryKind::Batting, "G", "4096", "G holds whole numbers from 0 to 4095: '4096' cannot be stored"},
        RefusedCase{
            HistoryKind::Batting, "Year", "2048", "Year holds whole numbers from 0 to 2047: '2048' cannot be stored"},
        RefusedCase{HistoryKind::Batting, "HBP", "-1", "HBP holds whole numbers from 0 to 127: '-1' cannot be stored"},
        RefusedCase{
            HistoryKind::Pitching, "HOLDS", "256", "HLDS holds whole numbers from 0 to 255: '256' cannot be stored"},
        RefusedCase{HistoryKind::Pitching,
                    "IP",
                    "2731",
                    "IP holds at most 2730.3 innings (8191 outs): '2731' cannot be stored"},
        RefusedCase{
            HistoryKind::Fielding, "SBA", "512", "SBA holds whole numbers from 0 to 511: '512' cannot be stored"},
        RefusedCase{HistoryKind::Batting, "H", "1x", "'1x' is not a valid integer value"},
        RefusedCase{HistoryKind::Fielding, "Inn", "six", "'six' is not a valid floating point value"}));

struct KeptCodeCase {
    int level;
    int split;
};

class KeptCodeTest : public HistoryEditingTest, public ::testing::WithParamInterface<KeptCodeCase> {};

TEST_P(KeptCodeTest, LevelsAndSplitsWithoutAnItemOfTheirOwnKeepTheirCode) {
    StatHistory& block = history(0);
    BattingLineData data = decodeBattingLine(block.batting[0]);
    data.level = static_cast<std::uint8_t>(GetParam().level);
    data.split = static_cast<std::uint8_t>(GetParam().split);
    encodeBattingLine(data, block.batting[0]);
    confirm(HistoryKind::Batting, 0, {{"G", "12"}});
    const BattingLineData after = decodeBattingLine(block.batting[0]);
    EXPECT_EQ(after.level, GetParam().level);
    EXPECT_EQ(after.split, GetParam().split);
    EXPECT_EQ(after.games, 12);
}

INSTANTIATE_TEST_SUITE_P(
    Codes,
    KeptCodeTest,
    ::testing::Values(KeptCodeCase{4, 0}, KeptCodeCase{5, 1}, KeptCodeCase{6, 2}, KeptCodeCase{7, 2}));

TEST_F(HistoryEditingTest, TeamCellsGiveTheirTeamTheFreeAgentsOrKeepAnUnknownTeam) {
    const struct {
        std::string typed;
        int team;
    } cases[] = {{"ATL", 2}, {"FA", 255}, {"", 255}, {"chi", 1}, {"XYZ", 1}};
    const int line = freshLine(HistoryKind::Fielding);
    for (const auto& c : cases) {
        confirm(HistoryKind::Fielding, line, {{"Team", c.typed}});
        EXPECT_EQ(decodeFieldingLine(history(0).fielding.back()).team, c.team) << c.typed;
    }
}

TEST_F(HistoryEditingTest, AnUnchangedPitchingLineConfirmedLosesOnlyItsHiddenExtraValue) {
    StatHistory& block = history(0);
    PitchingLineData data = decodePitchingLine(block.pitching[0]);
    data.extra = 99;
    data.team = 2;
    encodePitchingLine(data, block.pitching[0]);
    const std::vector<std::uint8_t> uninterpreted(block.pitching[0].bytes().begin() + 33,
                                                  block.pitching[0].bytes().end());

    confirm(HistoryKind::Pitching, 0, {});

    PitchingLineData expected = data;
    expected.extra = 0;
    EXPECT_EQ(decodePitchingLine(block.pitching[0]), expected);
    EXPECT_EQ(std::vector<std::uint8_t>(block.pitching[0].bytes().begin() + 33, block.pitching[0].bytes().end()),
              uninterpreted);
}

TEST_F(HistoryEditingTest, ALineAddedToAFreeAgentIsForTheFreeAgentsAndHisPosition) {
    const int agent = static_cast<int>(m_league->players.size()) - 1;
    ASSERT_EQ(player(agent).teamIndex(), kFreeAgentTeam);
    player(agent).set(pf::position, std::uint8_t{8});
    StatHistory& block = history(agent);
    const std::size_t before = block.fielding.size();

    const int line = addHistoryLine(*m_league, block, HistoryKind::Fielding, player(agent));

    EXPECT_EQ(line, static_cast<int>(before));
    ASSERT_EQ(block.fielding.size(), before + 1);
    FieldingLineData expected;
    expected.team = kFreeAgentTeam;
    expected.position = 8;
    EXPECT_EQ(decodeFieldingLine(block.fielding.back()), expected);
    EXPECT_TRUE(m_league->changed());
    // Shown with an empty team cell, which reads back as the free agents.
    EXPECT_EQ(historyLineCells(*m_league, block, HistoryKind::Fielding, before)[2], "");
}

TEST_F(HistoryEditingTest, DeletingTheOnlyLineLeavesOneEmptyRow) {
    StatHistory& block = history(0);
    ASSERT_EQ(block.pitching.size(), 1U);
    m_ask.answerYesNo(true);
    EXPECT_TRUE(deleteHistoryLine(*m_league, block, HistoryKind::Pitching, 0, m_ask));
    EXPECT_TRUE(block.pitching.empty());
    EXPECT_EQ(m_ask.texts(), std::vector<std::string>{kDeleteHistoryLineQuestion});
    EXPECT_EQ(m_ask.yesNoDefaults(), std::vector<DefaultButton>{DefaultButton::No});

    const reports::ReportTable table = historySummaryTable(*m_league, &block, HistoryKind::Pitching);
    ASSERT_EQ(table.rowCount(), 2);
    for (int c = 0; c < table.columnCount(); ++c) {
        EXPECT_EQ(table.text(1, c), "") << c;
    }
}

TEST_F(HistoryEditingTest, MissingBlocksAreCreatedOnceAndTheSecondRunSaysNoneWasMissing) {
    // Two players lose their blocks; a new player never had one.
    std::erase_if(m_league->playerHistories, [&](const auto& block) {
        return block->key == player(1).playerId() || block->key == player(3).playerId();
    });
    auto extra = std::make_unique<PlayerRecord>(player(0));
    extra->set(pf::playerId, std::uint16_t{900});
    m_league->addPlayer(std::move(extra));
    m_league->clearChanged();

    EXPECT_EQ(createMissingHistories(*m_league, m_ask), 3);
    EXPECT_TRUE(m_league->changed());
    for (const auto& p : m_league->players) {
        EXPECT_NE(findHistory(m_league->playerHistories, p->playerId()), nullptr) << p->playerId();
    }
    m_league->clearChanged();
    EXPECT_EQ(createMissingHistories(*m_league, m_ask), 0);
    EXPECT_FALSE(m_league->changed());
    EXPECT_EQ(m_ask.texts(),
              (std::vector<std::string>{"3 stats entries were missing. They have been created", kNoStatEntryMissing}));
}

TEST_F(HistoryEditingTest, WithoutAStatsFileNoEntryIsCreated) {
    m_league->statsLoaded = false;
    m_league->playerHistories.clear();
    EXPECT_EQ(createMissingHistories(*m_league, m_ask), 0);
    EXPECT_TRUE(m_league->playerHistories.empty());
    EXPECT_FALSE(m_league->changed());
    EXPECT_EQ(m_ask.texts(), std::vector<std::string>{kNoStatsFileForEntries});
}

}  // namespace
}  // namespace zt::test
