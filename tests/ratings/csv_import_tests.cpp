// "Standard CSV Import": matching, creation, the effect of the cells, messages.
#include <gtest/gtest.h>

#include <string>

#include "csv_import_fixture.h"
#include "league/error.h"
#include "league/player_fields.h"
#include "ratings/position_string.h"
#include "ratings/rating_computation.h"

namespace zt::test {
namespace {

class CsvImport : public CsvImportFixture, public ::testing::Test {
protected:
    std::string namesOf(const PlayerRecord& p) { return p.get(pf::firstName) + "," + p.get(pf::lastName); }
};

TEST_F(CsvImport, CreatedPlayerTakesTheDefaultsOverACopyOfTheCurrentPlayer) {
    const std::size_t before = league->players.size();
    const std::uint16_t highest = [&] {
        std::uint16_t h = 0;
        for (const auto& p : league->players) {
            h = std::max(h, p->playerId());
        }
        return h;
    }();
    const CsvImportCounts counts = import("FirstName,LastName\nJoe,Averyveryverylongname\n");
    EXPECT_EQ(counts, (CsvImportCounts{0, 1}));
    ASSERT_EQ(league->players.size(), before + 1);
    const PlayerRecord& p = last();
    const PlayerRecord& copied = *league->players.front();
    EXPECT_EQ(p.playerId(), highest + 1);
    EXPECT_EQ(p.get(pf::lastName), "Averyveryverylon");
    EXPECT_EQ(p.get(pf::firstName), "Joe");
    EXPECT_EQ(p.get(pf::photoIndex), copied.get(pf::photoIndex));
    EXPECT_EQ(p.get(pf::bats), copied.get(pf::bats));
    EXPECT_EQ(p.teamIndex(), 255);
    EXPECT_EQ(p.level(), 0);
    EXPECT_EQ(p.get(pf::role), 1);
    EXPECT_EQ(p.get(pf::uniformNumber), 99);
    EXPECT_EQ(p.get(pf::height), 72);
    EXPECT_EQ(p.get(pf::weight), 200);
    EXPECT_FLOAT_EQ(p.get(pf::pullPct), 0.33f);
    EXPECT_FLOAT_EQ(p.get(pf::batGroundBallPct), 0.44f);
    EXPECT_FLOAT_EQ(p.get(pf::starRating), 20.0f);
    EXPECT_FLOAT_EQ(p.get(pf::fieldingPct), 0.99f);
    EXPECT_FLOAT_EQ(p.get(pf::endurance), 2.0f);
    EXPECT_FLOAT_EQ(p.get(pf::pitAB), 84.0f);
    EXPECT_FLOAT_EQ(p.get(pf::pitHomeRuns), 12.0f);
    EXPECT_EQ(p.get(pf::pitchCount), 1);
    EXPECT_EQ(p.pitch(0).get(ps::pitchType), 1);
    EXPECT_FLOAT_EQ(p.pitch(0).get(ps::quality), 1.0f);
    // A new player's pitch takes the splits of the default opponents' totals.
    PlayerRecord computed = p;
    ComputePitcherSplits(computed, constants);
    EXPECT_EQ(computed, p);
    EXPECT_EQ(p.pitch(1), PitchSlot{});
    for (int i = 0; i < pf::kFamiliarityCount; ++i) {
        EXPECT_EQ(p.familiarity(i), 0.0f);
    }
    const StatHistory* history = findHistory(league->playerHistories, p.playerId());
    ASSERT_NE(history, nullptr);
    EXPECT_TRUE(history->batting.empty());
    EXPECT_TRUE(league->changed());
}

TEST_F(CsvImport, SameNamesTwiceCreateThenUpdate) {
    const CsvImportCounts counts = import("FirstName,LastName,H\nJoe,O'Dell,10\nJOE,O Dell.,20\n");
    EXPECT_EQ(counts, (CsvImportCounts{1, 1}));
    EXPECT_EQ(last().get(pf::lastName), "O'Dell");
    EXPECT_EQ(last().get(pf::batHits), 20.0f);
}

TEST_F(CsvImport, WithoutCreatingUnknownPlayersAreSkipped) {
    const std::size_t before = league->players.size();
    CsvImportOptions options;
    options.createPlayers = false;
    EXPECT_EQ(import("FirstName,LastName,H\nNo,Body,10\n", options), (CsvImportCounts{0, 0}));
    EXPECT_EQ(league->players.size(), before);
}

TEST_F(CsvImport, EmptyCellLeavesTheFieldAndOthersAreRounded) {
    PlayerRecord& p = *league->players[1];
    p.set(pf::batHits, 123.0f);
    const std::string row = namesOf(p) + ",500.5,,7.5\n";
    EXPECT_EQ(import("FirstName,LastName,AB,H,HR\n" + row), (CsvImportCounts{1, 0}));
    EXPECT_EQ(p.get(pf::batAB), 500.0f);  // halves to even
    EXPECT_EQ(p.get(pf::batHits), 123.0f);
    EXPECT_EQ(p.get(pf::batHomeRuns), 8.0f);
}

struct HandCase {
    std::string text;
    int hand;
};

class CsvImportHands : public CsvImportFixture, public ::testing::TestWithParam<HandCase> {};

TEST_P(CsvImportHands, LeftRightOrSwitch) {
    import("FirstName,LastName,Bats,Throws\nA,B," + GetParam().text + "," + GetParam().text + "\n");
    EXPECT_EQ(last().get(pf::bats), GetParam().hand);
    EXPECT_EQ(last().get(pf::throws), GetParam().hand);
}

INSTANTIATE_TEST_SUITE_P(
    Texts,
    CsvImportHands,
    ::testing::Values(HandCase{"L", 0}, HandCase{"R", 1}, HandCase{"S", 2}, HandCase{"l", 2}, HandCase{"B", 2}));

TEST_F(CsvImport, UnknownHeaderChangesNothing) {
    const std::size_t before = league->players.size();
    try {
        import("FirstName,LastName,Hitz\nA,B,1\n");
        FAIL() << "no error";
    } catch (const Error& e) {
        EXPECT_STREQ(e.what(), "\"Hitz\" is not a valid column header (players.csv, line 1)");
    }
    EXPECT_EQ(league->players.size(), before);
    EXPECT_FALSE(league->changed());
}

TEST_F(CsvImport, UnconvertibleCellStopsAndEarlierRowsStay) {
    const std::size_t before = league->players.size();
    try {
        import("FirstName,LastName,H\nA,First,10\nB,Second,ten\nC,Third,30\n");
        FAIL() << "no error";
    } catch (const Error& e) {
        EXPECT_STREQ(e.what(), "ten is not a valid value for H (players.csv, line 3)");
    }
    // The failing row's player was created before his cells were read; the row after is not.
    ASSERT_EQ(league->players.size(), before + 2);
    EXPECT_EQ(league->players[before]->get(pf::batHits), 10.0f);
    EXPECT_EQ(league->players[before + 1]->get(pf::lastName), "Second");
}

TEST_F(CsvImport, RowEndingWithAnEmptyCellKeepsItsLength) {
    import("FirstName,LastName,AB,H\nA,Short,300,\n");
    EXPECT_EQ(last().get(pf::batAB), 300.0f);
}

TEST_F(CsvImport, RowOfWrongLengthStopsBeforeAnyChange) {
    const std::size_t before = league->players.size();
    EXPECT_THROW(import("FirstName,LastName,H\nA,First,10\nB,Second\n"), Error);
    EXPECT_EQ(league->players.size(), before);
}

TEST_F(CsvImport, RunSpeedNeedsBothStolenBasesAndCaughtStealing) {
    const std::string header = "FirstName,LastName,AB,H,2B,3B,HR,BB,SB,CS\n";
    import(header + "A,Runner,500,150,20,5,5,30,20,\n");
    PlayerRecord& p = last();
    EXPECT_FLOAT_EQ(p.get(pf::runSpeed), 2.4f);  // the default: caught stealing missing
    import(header + "A,Runner,500,150,20,5,5,30,20,4\n");
    const float expected = static_cast<float>(20.0 / (120 + 30) * 25.4 + 2.4);
    EXPECT_FLOAT_EQ(p.get(pf::runSpeed), expected);
    p.set(pf::runSpeed, 5.0f);
    import(header + "A,Runner,500,150,20,5,5,30,,\n");
    EXPECT_FLOAT_EQ(p.get(pf::runSpeed), 5.0f);  // nothing left over from the row before
}

TEST_F(CsvImport, FieldingPercentageFromPutoutsAndErrors) {
    import("FirstName,LastName,A,PO,E\nA,Glove,10,190,10\n");
    EXPECT_FLOAT_EQ(last().get(pf::fieldingPct), 0.95f);
}

TEST_F(CsvImport, CreatedPitcherGetsThreePitchesAndComputedSplits) {
    CsvImportOptions options;
    options.lahmanPositions = false;
    import("FirstName,LastName,Position,Throws,OppAB,OppH,Opp2B,Opp3B,OppHR,OppBB\nA,Arm,1,R,800,200,40,4,20,60\n",
           options);
    const PlayerRecord& p = last();
    EXPECT_EQ(p.get(pf::position), 1);
    EXPECT_EQ(p.get(pf::pitchCount), 3);
    EXPECT_EQ(p.pitch(1).get(ps::pitchType), 2);
    EXPECT_FLOAT_EQ(p.pitch(2).get(ps::quality), 0.33f);
    // The quality-weighted values add up to the pitcher's average against right-handers.
    float weighted = 0;
    for (int slot = 0; slot < 3; ++slot) {
        weighted += p.pitch(slot).get(ps::quality) * p.pitch(slot).get(ps::avgVsR);
    }
    EXPECT_NEAR(weighted, 0.25 * constants.rvsr, 0.002);
}

TEST_F(CsvImport, PerPitchInputsAreDistributed) {
    import(
        "FirstName,LastName,PitchAvgVsL,PitchObpVsL,PitchSlgVsL,PitchAvgVsR,PitchObpVsR,PitchSlgVsR\n"
        "A,Given,0.21,0.31,0.41,0.22,0.32,0.42\n");
    const PitchSlot slot = last().pitch(0);  // one pitch: takes the inputs as they are
    EXPECT_FLOAT_EQ(slot.get(ps::avgVsL), 0.21f);
    EXPECT_FLOAT_EQ(slot.get(ps::obpVsR), 0.32f);
    EXPECT_FLOAT_EQ(slot.get(ps::slgVsR), 0.42f);
}

TEST_F(CsvImport, InningsGiveOpponentsAtBatsAndEndurance) {
    import("FirstName,LastName,OppH,PitG,IP\nA,Innings,150,30,200\n");
    EXPECT_FLOAT_EQ(last().get(pf::pitAB), 710.0f);  // 200 * 2.8 + 150
    EXPECT_FLOAT_EQ(last().get(pf::endurance), static_cast<float>(200.0 / 30 * 1.27));
}

TEST_F(CsvImport, HistoryLinesAreAppendedWithOversizedValuesCapped) {
    import(
        "FirstName,LastName,BatYear,BatAtBats,BatHits,FldYear,FldInnings,PitYear\nA,Hist,1998,500,99999,1998,"
        "10.1,0\n");
    const StatHistory* history = findHistory(league->playerHistories, last().playerId());
    ASSERT_NE(history, nullptr);
    ASSERT_EQ(history->batting.size(), 1u);
    const BattingLineData batting = decodeBattingLine(history->batting[0]);
    EXPECT_EQ(batting.year, 1998);
    EXPECT_EQ(batting.atBats, 500);
    EXPECT_EQ(batting.hits, 2047);  // 11 bits
    ASSERT_EQ(history->fielding.size(), 1u);
    EXPECT_EQ(decodeFieldingLine(history->fielding[0]).outsPlayed, 30);
    EXPECT_TRUE(history->pitching.empty());  // year 0: no line
}

TEST_F(CsvImport, BirthYearCountsFromTheLastTeamImportsYear) {
    memory.referenceYear = 1927;
    import("FirstName,LastName,BirthYear\nA,Born,1895\n");
    EXPECT_EQ(last().get(pf::age), 32);
}

TEST_F(CsvImport, UnicodeNamesBecomeLeagueText) {
    import(
        "FirstName,LastName\nJos\xC3\xA9,Pe\xC3\xB1"
        "a\n");
    EXPECT_EQ(last().get(pf::firstName), "Jos\xE9");
    EXPECT_EQ(last().get(pf::lastName),
              "Pe\xF1"
              "a");
}

TEST_F(CsvImport, TeamColumnTransfersThePlayer) {
    import("FirstName,LastName,Team\nA,Mover,1\n");
    EXPECT_EQ(last().teamIndex(), 1);
    EXPECT_TRUE(league->isOnRoster(last(), 1));
}

TEST(CsvImportMessage, CountsText) {
    EXPECT_EQ(importCountsMessage({3, 2}), "Processed lines : 3  Created players: 2");
}

struct PositionCase {
    std::string text;
    int position;
    std::array<float, 9> familiarity;
};

class PositionStrings : public ::testing::TestWithParam<PositionCase> {};

TEST_P(PositionStrings, SetPositionAndFamiliarity) {
    PlayerRecord p;
    p.set(pf::position, std::uint8_t{9});
    applyPositionString(p, GetParam().text);
    EXPECT_EQ(p.get(pf::position), GetParam().position);
    for (int i = 0; i < pf::kFamiliarityCount; ++i) {
        EXPECT_FLOAT_EQ(p.familiarity(i), GetParam().familiarity[static_cast<std::size_t>(i)]) << "slot " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(Strings,
                         PositionStrings,
                         ::testing::Values(PositionCase{"*2/S", 4, {0, 0, 0, 1, 0, 0.6f, 0, 0, 0}},
                                           PositionCase{"*2/SS", 4, {0, 0, 0, 1, 0, 0.5f, 0, 0, 0}},
                                           PositionCase{"O13", 8, {0, 0, 0.6f, 0, 0.5f, 0, 1, 1, 1}},
                                           PositionCase{"P", 1, {1, 0, 0, 0, 0, 0, 0, 0, 0}},
                                           PositionCase{"D1", 10, {0, 0, 0.6f, 0, 0, 0, 0, 0, 0}},
                                           PositionCase{"H*", 9, {0, 0, 0, 0, 0, 0, 0, 0, 0}},
                                           PositionCase{
                                               "C1234SOP", 2, {0, 1, 0.6f, 0.5f, 0.4f, 0.2f, 0.1f, 0.1f, 0.1f}}));

}  // namespace
}  // namespace zt::test
