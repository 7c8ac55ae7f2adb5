// The names, links and number texts reports write: file names, links, colours, and the number
// formats at the halves and edges where they are easy to get wrong.
#include <gtest/gtest.h>

#include "league/numbers.h"
#include "report_fixture.h"
#include "reports/report_names.h"

namespace zt::reports {
namespace {

struct TextCase {
    std::string actual;
    std::string expected;
};

class ReportTexts : public testing::TestWithParam<TextCase> {};

TEST_P(ReportTexts, AreWrittenAsPagesExpectThem) {
    EXPECT_EQ(GetParam().actual, GetParam().expected);
}

// As the reports use them: rates of hits per at-bat, ERA from earned runs and outs, innings from
// outs rounded to a tenth.
INSTANTIATE_TEST_SUITE_P(NumberFormats,
                         ReportTexts,
                         testing::Values(TextCase{FormatRate(1.0 / 4), ".250"},
                                         TextCase{FormatRate(2.0 / 3), ".667"},
                                         TextCase{FormatRate(3.0 / 2), "1.500"},
                                         TextCase{FormatRate(0), ".000"},
                                         TextCase{FormatRate(0.0005), ".000"},  // a half goes to the even thousandth
                                         TextCase{FormatRate(0.0015), ".002"},
                                         TextCase{FormatFixed2(5 / (20 / 27.0)), "6.75"},
                                         TextCase{FormatShort(roundHalfEven(20 / 3.0, 1)), "6.7"},
                                         TextCase{FormatShort(roundHalfEven(21 / 3.0, 1)), "7"},
                                         TextCase{FormatShort(roundHalfEven(19 / 3.0, 1)), "6.3"},
                                         TextCase{ColorToHtml(0x808000), "008080"},  // teal: green and blue 128
                                         TextCase{ColorToHtml(0x0000FF), "FF0000"},  // pure red
                                         TextCase{ColorToHtml(0xFF123456), "563412"}));

PlayerRecord namedPlayer(std::string_view last, std::string_view first) {
    PlayerRecord player;
    player.set(pf::lastName, last);
    player.set(pf::firstName, first);
    return player;
}

TeamRecord namedTeam(std::string_view abbreviation) {
    TeamRecord team;
    team.set(tf::abbreviation, abbreviation);
    return team;
}

INSTANTIATE_TEST_SUITE_P(
    NamesAndLinks,
    ReportTexts,
    testing::Values(TextCase{FileSafeName("St. John's"), "StJohns"},
                    TextCase{FileSafeName("Dr. Lee-Ann O'Hara"), "DrLee-AnnOHara"},
                    TextCase{CardFileName(namedPlayer("O'Neil Jr.", "Mike")), "MikeONeilJr.htm"},
                    TextCase{DisplayName(namedPlayer("O'Neil Jr.", "Mike")), "O'Neil Jr. , Mike"},
                    TextCase{PlayerLink(namedPlayer("O'Neil Jr.", "Mike")),
                             "<A HREF=MikeONeilJr.htm TARGET=\"_parent\">O'Neil Jr. , Mike</A>"},
                    TextCase{TeamPageName(namedTeam("NY(A")), "NY(A.html"},
                    TextCase{TeamLink(namedTeam("BOS"), "Boston"), "<A HREF=BOS.html TARGET=\"_parent\">Boston</A>"},
                    // League text is escaped inside the markup the report builds.
                    TextCase{TeamLink(namedTeam("A&M"), "Texas A&M \"Aggies\" <1>"),
                             "<A HREF=A&amp;M.html TARGET=\"_parent\">Texas A&amp;M &quot;Aggies&quot; &lt;1&gt;</A>"},
                    TextCase{PlayerLink(namedPlayer("Smith & Sons", "Al")),
                             "<A HREF=AlSmith&amp;Sons.htm TARGET=\"_parent\">Smith &amp; Sons , Al</A>"},
                    // A separator would make a path out of a file name, in pages and links alike.
                    TextCase{TeamPageName(namedTeam("../x")), ".._x.html"},
                    TextCase{CardFileName(namedPlayer("AC/DC", "Bo")), "BoAC_DC.htm"}));

TEST(LinkCells, GiveTheWindowTheirTargetAndPlainText) {
    const auto link = parseLink(TeamLink(namedTeam("A&M"), "Texas \"A&M\""));
    ASSERT_TRUE(link);
    EXPECT_EQ(link->target, "A&M.html");
    EXPECT_EQ(link->text, "Texas \"A&M\"");
    EXPECT_FALSE(parseLink("Boston"));
    EXPECT_EQ(unescapeHtml(escapeHtml("a&b<c>\"d\" &amp;")), "a&b<c>\"d\" &amp;");
}

}  // namespace
}  // namespace zt::reports
