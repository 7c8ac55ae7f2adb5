// Scouting CSV: identification forms, each value format, pitch slots beyond the repertoire, the
// player selector. Pro years: the requirements per season at ML only.
#include <gtest/gtest.h>

#include "report_fixture.h"
#include "reports/league_index.h"
#include "reports/pro_years.h"
#include "reports/scouting.h"

namespace zt::reports {
namespace {

std::vector<std::string> lines(const std::string& csv) {
    std::vector<std::string> result;
    std::size_t start = 0;
    while (start < csv.size()) {
        const std::size_t end = csv.find("\r\n", start);
        result.push_back(csv.substr(start, end - start));
        start = end + 2;
    }
    return result;
}

std::size_t columnIndex(std::string_view key) {
    const auto& all = scoutColumns();
    for (std::size_t i = 0; i < all.size(); ++i) {
        if (all[i].key == key) {
            return i;
        }
    }
    ADD_FAILURE() << key;
    return 0;
}

class Scouting : public testing::Test {
protected:
    Scouting() {
        m_league.team("Boston", "Beans", "BOS");
        PlayerRecord& pitcher = m_league.player(1, "Abbott", "Al", 0, 0, 1);
        pitcher.set(pf::bats, std::uint8_t{2});
        pitcher.set(pf::throws, std::uint8_t{0});
        pitcher.set(pf::pitchCount, std::uint8_t{3});
        for (int k = 0; k < 3; ++k) {
            PitchSlot slot = pitcher.pitch(k);
            slot.set(ps::avgVsL, 0.25f + 0.125f * static_cast<float>(k));
            slot.set(ps::quality, 3.5f);
            pitcher.setPitch(k, slot);
        }
        pitcher.set(pf::avgVsL, 0.3f);
        pitcher.set(pf::batAB, 2.5f);
        pitcher.set(pf::peakShift, std::int8_t{-3});
        pitcher.set(pf::facialHair, std::uint8_t{7});
        pitcher.set(pf::starRating, -0.015625f);
        PlayerRecord& agent = m_league.player(2, "Baker", "Bo", kFreeAgentTeam, 0, 2);
        agent.set(pf::bats, std::uint8_t{1});
        agent.set(pf::throws, std::uint8_t{1});
        PlayerRecord& odd = m_league.player(3, "Cole", "Cy", 0, 0, 10);
        odd.set(pf::bats, std::uint8_t{5});  // no side: nothing written
        odd.set(pf::throws, std::uint8_t{1});
    }

    std::vector<std::string> csv(const ScoutingOptions& options) { return lines(scoutingCsv(*m_league, options)); }

    static ScoutingOptions only(std::initializer_list<std::string_view> keys) {
        ScoutingOptions options;
        options.columns.assign(scoutColumns().size(), false);
        for (const auto key : keys) {
            options.columns[columnIndex(key)] = true;
        }
        return options;
    }

    test::ReportLeague m_league;
};

TEST_F(Scouting, WithoutOptionalColumnsSixFieldsAndATrailingComma) {
    ScoutingOptions options = only({});
    EXPECT_EQ(csv(options),
              (std::vector<std::string>{"Firstname,Lastname,POS,TEAM,BATS,THROWS,",
                                        "Al,Abbott,P,BOS,S,L,",
                                        "Bo,Baker,C,Free Agent,R,R,",
                                        "Cy,Cole,DH,BOS,R,"}));
    options.compatible = true;
    EXPECT_EQ(csv(options)[2], "Bo,Baker,2,255,1,1,");
    EXPECT_EQ(csv(options)[3], "Cy,Cole,10,0,5,1,");
}

TEST_F(Scouting, EachValueFormat) {
    const auto rows = csv(only({"BAVGL", "BAB", "HAIR", "STAR RATING", "PEAK SHIFT", "Age"}));
    EXPECT_EQ(rows[0], "Firstname,Lastname,POS,TEAM,BATS,THROWS,Age,BAVGL,BAB,HAIR,STAR RATING,PEAK SHIFT,");
    const std::string age = std::to_string((*m_league->players[0]).get(pf::age));
    EXPECT_EQ(rows[1], "Al,Abbott,P,BOS,S,L," + age + ",0.300000011920929,2,1,-1.56250000000000E-0002,-3,");
}

TEST_F(Scouting, PitchSlotsBeyondTheRepertoireSayNA) {
    const auto rows = csv(only({"Pitch AvgVsL", "Pitch %"}));
    EXPECT_EQ(rows[0],
              "Firstname,Lastname,POS,TEAM,BATS,THROWS,Pitch 1 %,Pitch 2 %,Pitch 3 %,Pitch 4 %,Pitch 5 %,Pitch 6 %,"
              "Pitch 1 AvgVsL,Pitch 2 AvgVsL,Pitch 3 AvgVsL,Pitch 4 AvgVsL,Pitch 5 AvgVsL,Pitch 6 AvgVsL,");
    const std::string q = " 3.50000000000000E+0000,";
    EXPECT_EQ(rows[1], "Al,Abbott,P,BOS,S,L," + q + q + q + "NA,NA,NA,0.25,0.375,0.5,NA,NA,NA,");
}

TEST_F(Scouting, SelectorTakesBattersPitchersOrOnePosition) {
    ScoutingOptions options = only({});
    const std::pair<int, std::size_t> cases[] = {{1, 2}, {2, 1}, {3, 1}, {11, 1}, {4, 0}};
    for (const auto& [selector, players] : cases) {
        options.selector = selector;
        EXPECT_EQ(csv(options).size(), 1 + players) << selector;
    }
}

TEST(ScientificText, TwentyThreeCharacters) {
    EXPECT_EQ(scientificText(3.5f), " 3.50000000000000E+0000");
    EXPECT_EQ(scientificText(0.0f), " 0.00000000000000E+0000");
    EXPECT_EQ(scientificText(-1234.5f), "-1.23450000000000E+0003");
    EXPECT_EQ(scientificText(3.5f).size(), 23u);
}

class ProYears : public testing::Test {
protected:
    ProYears() { m_league.team("Boston", "Beans", "BOS"); }

    int years(std::size_t player, const ProYearsRequirements& r = {}) {
        const LeagueIndex index(*m_league);
        return proYears(*m_league->players[player], index, r);
    }

    test::ReportLeague m_league;
};

TEST_F(ProYears, PitchersCountInningsOrGames) {
    m_league.player(1, "Abbott", "Al", 0, 0, 1);
    m_league.pitching(1, test::pitchingLine(2001, 0, 15, 164, 0));  // 54.67 innings, 15 games: counts
    m_league.pitching(1, test::pitchingLine(2002, 0, 14, 164, 0));  // neither
    m_league.pitching(1, test::pitchingLine(2003, 0, 10, 90, 0));
    m_league.pitching(1, test::pitchingLine(2003, 0, 10, 75, 0));   // 55 innings over two lines: counts
    m_league.pitching(1, test::pitchingLine(2004, 1, 40, 300, 0));  // minors never count
    EXPECT_EQ(years(0), 2);
}

TEST_F(ProYears, BattersAddTheirSplitLinesAndZeroRequirementsCountEveryYear) {
    m_league.player(2, "Baker", "Bo", 0, 0, 5);
    m_league.batting(2, test::battingLine(2002, 0, 30, 80, 20));
    m_league.batting(2, test::battingLine(2002, 0, 30, 70, 20));
    m_league.batting(2, test::battingLine(2003, 0, 30, 149, 20));
    EXPECT_EQ(years(0), 1);
    ProYearsRequirements none;
    none.atBats = 0;
    EXPECT_EQ(years(0, none), 301);
}

TEST_F(ProYears, TheCsvListsPlayersWithEnoughYears) {
    m_league.player(1, "Abbott", "Al", 0, 7, 1);
    m_league.pitching(1, test::pitchingLine(2001, 0, 15, 300, 0));
    m_league.player(2, "Baker", "Bo", kFreeAgentTeam, 0, 3);
    m_league.player(3, "Cole", "Cy", 0, 6, 4);
    const LeagueIndex index(*m_league);
    ProYearsRequirements r;
    EXPECT_EQ(proYearsCsv(*m_league, index, r),
              "Firstname,Lastname,Pos,Team,Level,Pro Years\r\nAl,Abbott,P,BOS,DL,1\r\nBo,Baker,1B,Free Agent,ML,0\r\n"
              "Cy,Cole,2B,BOS,,0\r\n");
    r.minimumYears = 1;
    EXPECT_EQ(proYearsCsv(*m_league, index, r),
              "Firstname,Lastname,Pos,Team,Level,Pro Years\r\nAl,Abbott,P,BOS,DL,1\r\n");
}

}  // namespace
}  // namespace zt::reports
