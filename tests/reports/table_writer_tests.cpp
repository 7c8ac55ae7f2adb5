// The table HTML and CSV writers, the chained page and the export files.
#include <gtest/gtest.h>

#include <filesystem>

#include "league/error.h"
#include "reports/report_files.h"
#include "reports/report_names.h"
#include "reports/table_writers.h"
#include "support/league_builder.h"
#include "support/temp_dir.h"

namespace zt::reports {
namespace {

namespace fs = std::filesystem;

std::string errorOf(const std::function<void()>& command) {
    try {
        command();
    } catch (const Error& e) {
        return e.what();
    }
    return {};
}

ReportTable captionsOnly() {
    ReportTable table(1, 2);
    table.setText(0, 0, "Name");
    table.setText(0, 1, "G");
    return table;
}

TEST(TableHtml, AHeaderRowWithoutDataStillMakesATable) {
    const std::string expected =
        "<table border=\"1\" cellspacing=\"0\" cellpadding=\"0\" Width=\"100%\">\r\n"
        "<tr>\r\n<td nowrap>Name</td>\r\n<td nowrap>G</td>\r\n</tr>\r\n</table><p>\r\n";
    EXPECT_EQ(tableHtml(captionsOnly(), {}), expected);
}

TEST(TableHtml, FixedPartsAreHeaderCellsAndHiddenColumnsStayOut) {
    ReportTable table(2, 3);
    table.fixedRow = true;
    table.fixedColumn = true;
    table.setText(0, 0, "Against");
    table.setText(0, 1, "Games");
    table.setText(1, 0, "Boston");
    table.setText(1, 1, "12");
    table.setText(1, 2, "secret");
    table.setColumnHidden(2, true);
    table.setColumnAlignment(1, CellAlign::Right);
    HtmlExportSettings settings;
    settings.tableStyle = "class=\"x\"";
    settings.prefixTags = "<h1>Title</h1>";
    settings.suffixTags = "<i>end</i>";
    const std::string expected =
        "<h1>Title</h1>\r\n"
        "<table border=\"1\" cellspacing=\"0\" cellpadding=\"0\" class=\"x\" Width=\"100%\">\r\n"
        "<tr>\r\n<td nowrap BGCOLOR=\"#B4B4B4\"><B>Against</B></td>\r\n"
        "<td nowrap align=\"right\" BGCOLOR=\"#B4B4B4\"><B>Games</B></td>\r\n</tr>\r\n"
        "<tr>\r\n<td nowrap BGCOLOR=\"#B4B4B4\">Boston</td>\r\n<td nowrap align=\"right\">12</td>\r\n</tr>\r\n"
        "</table><p>\r\n<i>end</i>\r\n";
    EXPECT_EQ(tableHtml(table, settings), expected);
}

struct CellCase {
    const char* name;
    bool useColors;
    bool useFonts;
    const char* expected;
};

class TableHtmlCell : public testing::TestWithParam<CellCase> {};

// One cell with a background, a text colour, bold and underline, a carriage return and league
// text that needs escaping, written with the colour and font switches of the settings.
TEST_P(TableHtmlCell, FollowsTheColourAndFontSwitches) {
    ReportTable table(1, 1);
    table.setText(0, 0, "A&B\rC");
    CellFormat& f = table.format(0, 0);
    f.background = 0x808000;
    f.textColor = 0x0000FF;
    f.bold = true;
    f.underline = true;
    f.align = CellAlign::Center;
    HtmlExportSettings settings;
    settings.useColors = GetParam().useColors;
    settings.useFonts = GetParam().useFonts;
    const std::string html = tableHtml(table, settings);
    const std::size_t start = html.find("<td");
    EXPECT_EQ(html.substr(start, html.find("\r\n", start) - start), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Switches,
    TableHtmlCell,
    testing::Values(
        CellCase{"both",
                 true,
                 true,
                 "<td nowrap align=\"center\" BGCOLOR=\"#008080\"><Font Color=\"#FF0000\"><B><U>A&amp;B<br>C</U></B>"
                 "</Font></td>"},
        CellCase{"colorsOnly",
                 true,
                 false,
                 "<td nowrap align=\"center\" BGCOLOR=\"#008080\"><Font Color=\"#FF0000\">A&amp;B<br>C</Font></td>"},
        CellCase{"fontsOnly", false, true, "<td nowrap align=\"center\"><B><U>A&amp;B<br>C</U></B></td>"},
        CellCase{"neither", false, false, "<td nowrap align=\"center\">A&amp;B<br>C</td>"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TableHtml, LinksAreCopiedEmptyCellsBreakAndEmptyCellsTakeNoAlignment) {
    ReportTable table(1, 2);
    table.setHtml(0, 0, "<A HREF=x.htm TARGET=\"_parent\">O&apos;Neil</A>");
    table.format(0, 1).align = CellAlign::Right;
    const std::string html = tableHtml(table, {});
    EXPECT_NE(html.find("<td nowrap><A HREF=x.htm TARGET=\"_parent\">O&apos;Neil</A></td>"), std::string::npos);
    EXPECT_NE(html.find("<td nowrap><br></td>"), std::string::npos);
}

TEST(TableHtml, HeaderAndFooterFilesFrameThePageLineByLine) {
    test::TempDir dir;
    test::writeText(dir / "header.txt", "<html>\n<body>");  // LF lines, no end on the last
    test::writeText(dir / "footer.txt", "</body>\r\n</html>\r\n");
    HtmlExportSettings settings;
    settings.headerFile = dir / "header.txt";
    settings.footerFile = dir / "footer.txt";
    const std::string html = tableHtml(captionsOnly(), settings);
    EXPECT_TRUE(html.starts_with("<html>\r\n<body>\r\n<table "));
    EXPECT_TRUE(html.ends_with("</table><p>\r\n</body>\r\n</html>\r\n"));

    // A path naming no file, like an empty one, adds nothing and is no error.
    settings.headerFile = dir / "missing.txt";
    settings.footerFile.clear();
    EXPECT_EQ(tableHtml(captionsOnly(), settings), tableHtml(captionsOnly(), {}));
}

TEST(ChainedPage, CarriesTheHeaderOnceAndEachTableItsOwnPrefix) {
    test::TempDir dir;
    test::writeText(dir / "header.txt", "HEAD");
    test::writeText(dir / "footer.txt", "FOOT");
    ReportTable first = captionsOnly();
    ReportTable second = captionsOnly();
    second.setText(0, 0, "Line1\nLine2");  // read back line by line once it is part of the page
    HtmlExportSettings s1;
    s1.headerFile = dir / "header.txt";
    s1.prefixTags = "<p>one</p>";
    HtmlExportSettings s2 = s1;
    s2.prefixTags = "<p>two</p>";
    HtmlExportSettings s3 = s1;
    s3.prefixTags = "<p>three</p>";
    const ChainPart parts[] = {{&first, s1}, {&second, s2}, {&first, s3}};
    const std::string page = chainedPage(parts);

    HtmlExportSettings plain1;
    plain1.prefixTags = s1.prefixTags;
    HtmlExportSettings plain2 = s2;
    plain2.headerFile.clear();
    HtmlExportSettings plain3 = s3;
    plain3.headerFile.clear();
    std::string secondTable = tableHtml(second, plain2);
    secondTable.replace(secondTable.find("Line1\n"), 6, "Line1\r\n");
    EXPECT_EQ(page, "HEAD\r\n" + tableHtml(first, plain1) + secondTable + tableHtml(first, plain3));
    EXPECT_EQ(page.find("FOOT"), std::string::npos);
}

struct CsvCase {
    const char* cell;
    const char* field;
};

class CsvField : public testing::TestWithParam<CsvCase> {};

TEST_P(CsvField, IsQuotedOnlyWhenItMustBe) {
    ReportTable table(1, 2);
    table.setText(0, 0, GetParam().cell);
    table.setText(0, 1, "x");
    EXPECT_EQ(tableCsv(table), std::string(GetParam().field) + ",x\r\n");
}

INSTANTIATE_TEST_SUITE_P(Cells,
                         CsvField,
                         testing::Values(CsvCase{"Boston", "Boston"},
                                         CsvCase{"", "\"\""},
                                         CsvCase{"A,B", "\"A,B\""},
                                         CsvCase{"say \"hi\"", "\"say \"\"hi\"\"\""},
                                         CsvCase{"two\r\nlines", "\"two\nlines\""},
                                         CsvCase{"one\nbreak", "\"one\nbreak\""},
                                         CsvCase{".300", ".300"}));

TEST(CsvTable, WritesVisibleColumnsOfEveryRow) {
    ReportTable table(2, 3);
    table.setText(0, 0, "Team");
    table.setText(0, 1, "W");
    table.setText(1, 0, "Boston");
    table.setText(1, 1, "5");
    table.setColumnHidden(2, true);
    EXPECT_EQ(tableCsv(table), "Team,W\r\nBoston,5\r\n");
}

TEST(ReportFiles, AppendAddsToTheEndAndCreatesAMissingFile) {
    test::TempDir dir;
    const fs::path file = dir / "out.csv";
    writeReportFile(file, "title\r\n", true);
    WriteTableCsv(captionsOnly(), file, true);
    const auto bytes = test::readBytes(file);
    EXPECT_EQ(std::string(bytes.begin(), bytes.end()), "title\r\nName,G\r\n");
    WriteTableHtml(captionsOnly(), {}, file, false);
    const auto replaced = test::readBytes(file);
    EXPECT_EQ(std::string(replaced.begin(), replaced.end()), tableHtml(captionsOnly(), {}));
}

// Targets that cannot be created whoever runs the test: under a plain file and in a folder that
// does not exist.
TEST(ReportFiles, AnUnwritableTargetFailsAndChangesNothing) {
    test::TempDir dir;
    test::writeText(dir / "plain.txt", "old");
    const auto before = test::snapshotFolder(dir.path());
    const fs::path targets[] = {dir / "plain.txt" / "a.html", dir / "missing" / "c.csv"};
    for (const auto& target : targets) {
        EXPECT_EQ(errorOf([&] { WriteTableHtml(captionsOnly(), {}, target, false); }),
                  "Cannot Create file " + target.string());
        EXPECT_EQ(errorOf([&] { WriteTableCsv(captionsOnly(), target, true); }),
                  "Cannot Create file " + target.string());
    }
    // Files of one export are written together: the first is not left behind.
    EXPECT_EQ(errorOf([&] {
                  writeReportFiles({{dir / "ok.html", "x"}, {targets[0], "y"}});
              }),
              "Cannot Create file " + targets[0].string());
    EXPECT_EQ(test::snapshotFolder(dir.path()), before);
}

}  // namespace
}  // namespace zt::reports
