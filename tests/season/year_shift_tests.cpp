// The historical stats adjustment: every year moves, streak lines stay, and a year that would
// leave what the lines can hold refuses the whole shift.
#include <gtest/gtest.h>

#include "league/stats_file.h"
#include "season/year_shift.h"
#include "season_test_helpers.h"
#include "support/league_builder.h"
#include "support/scripted_interaction.h"

namespace zt::test {
namespace {

template <class Line, class Decode, class Encode>
void setYears(std::vector<Line>& lines, Decode decode, Encode encode, int year) {
    for (Line& line : lines) {
        auto data = decode(line);
        data.year = static_cast<std::uint16_t>(year);
        encode(data, line);
    }
}

template <class Line, class Decode>
std::vector<int> yearsOf(const std::vector<Line>& lines, Decode decode) {
    std::vector<int> years;
    for (const Line& line : lines) {
        years.push_back(decode(line).year);
    }
    return years;
}

class YearShiftTest : public testing::Test {
protected:
    void SetUp() override {
        m_league = buildLeague();
        for (auto* list : {&m_league->playerHistories, &m_league->teamHistories}) {
            for (auto& block : *list) {
                setYears(block->batting, decodeBattingLine, encodeBattingLine, 2001);
                setYears(block->pitching, decodePitchingLine, encodePitchingLine, 2002);
                setYears(block->fielding, decodeFieldingLine, encodeFieldingLine, 2000);
            }
        }
        // The first player's second batting line holds his streaks.
        StatHistory& first = *m_league->playerHistories.front();
        auto streak = decodeBattingLine(first.batting[1]);
        streak.year = 3;
        encodeBattingLine(streak, first.batting[1]);
    }

    std::unique_ptr<League> m_league;
};

TEST_F(YearShiftTest, EveryYearMovesExceptTheStreakLines) {
    const std::vector<std::uint8_t> before = serialiseStatsFile(*m_league);
    const int lines = season::shiftHistoryYears(*m_league, -30);
    const StatHistory& first = *m_league->playerHistories.front();
    EXPECT_EQ(yearsOf(first.batting, decodeBattingLine), (std::vector<int>{1971, 3}));
    EXPECT_EQ(yearsOf(first.pitching, decodePitchingLine), (std::vector<int>{1972}));
    EXPECT_EQ(yearsOf(first.fielding, decodeFieldingLine), (std::vector<int>{1970}));
    const StatHistory& team = *m_league->teamHistories.back();
    EXPECT_EQ(yearsOf(team.batting, decodeBattingLine), (std::vector<int>{1971}));
    EXPECT_EQ(yearsOf(team.pitching, decodePitchingLine), (std::vector<int>{1972}));
    // 7 players with 2 + 1 + 1 lines and 3 teams with 1 + 1, less the streak line.
    EXPECT_EQ(lines, 7 * 4 + 3 * 2 - 1);
    EXPECT_TRUE(m_league->changed());

    // Shifting back gives every byte of the file as it was: nothing but the years moved.
    season::shiftHistoryYears(*m_league, 30);
    EXPECT_EQ(serialiseStatsFile(*m_league), before);
}

struct RefusalCase {
    const char* name;
    int years;
    const char* message;
};

class Refusal : public YearShiftTest, public testing::WithParamInterface<RefusalCase> {};

TEST_P(Refusal, NamesTheLineAndChangesNothing) {
    const RefusalCase& c = GetParam();
    // A team's fielding line of 2040 and a player's batting line of 1990 set the limits.
    auto& team = *m_league->teamHistories[1];
    team.fielding.resize(1);
    setYears(team.fielding, decodeFieldingLine, encodeFieldingLine, 2040);
    auto& player = *m_league->playerHistories[2];
    setYears(player.batting, decodeBattingLine, encodeBattingLine, 1990);
    const std::vector<std::uint8_t> before = serialiseStatsFile(*m_league);
    EXPECT_EQ(seasonError([&] { season::shiftHistoryYears(*m_league, c.years); }), c.message);
    EXPECT_EQ(serialiseStatsFile(*m_league), before);
    EXPECT_FALSE(m_league->changed());
}

INSTANTIATE_TEST_SUITE_P(
    Cases,
    Refusal,
    testing::Values(RefusalCase{"BeyondTheLastYear",
                                8,
                                "The years were not adjusted: the fielding line of 2040 of team 1 (Winds) would become "
                                "2048, outside 0 to 2047."},
                    RefusalCase{"BelowZero",
                                -1991,
                                "The years were not adjusted: the batting line of 1990 of Cal Carver (player 107) "
                                "would become -1, outside 0 to 2047."},
                    RefusalCase{"OntoTheStreakYear",
                                -1987,
                                "The years were not adjusted: the batting line of 1990 of Cal Carver (player 107) "
                                "would become 3, the year of the streak records."}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(YearShiftTest, TheCommandAsksFirstAndNoChangesNothing) {
    const std::vector<std::uint8_t> before = serialiseStatsFile(*m_league);
    ScriptedInteraction interaction;
    interaction.answerYesNo(false);
    EXPECT_EQ(season::adjustHistoricalStats(*m_league, 5, interaction), -1);
    EXPECT_EQ(interaction.texts(), std::vector<std::string>{"Do you want to adjust all historical stats by 5 years ?"});
    EXPECT_EQ(serialiseStatsFile(*m_league), before);
    interaction.answerYesNo(true);
    EXPECT_GT(season::adjustHistoricalStats(*m_league, 5, interaction), 0);
    EXPECT_EQ(decodePitchingLine(m_league->teamHistories[0]->pitching[0]).year, 2007);
}

}  // namespace
}  // namespace zt::test
