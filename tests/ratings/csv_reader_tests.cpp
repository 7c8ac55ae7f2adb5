// The comma-text reader of the CSV import and the column list.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "league/error.h"
#include "league/numbers.h"
#include "ratings/csv_columns.h"
#include "ratings/csv_reader.h"
#include "support/league_builder.h"

namespace zt::test {
namespace {

std::vector<std::vector<std::string>> records(const CsvText& csv) {
    std::vector<std::vector<std::string>> out;
    for (std::size_t r = 0; r < csv.recordCount(); ++r) {
        std::vector<std::string> values;
        for (std::size_t v = 0; v < csv.valueCount(r); ++v) {
            values.emplace_back(csv.value(r, v));
        }
        out.push_back(values);
    }
    return out;
}

struct ReaderCase {
    std::string label;
    std::string text;
    std::vector<std::vector<std::string>> expected;
};

class CsvReaderTest : public ::testing::TestWithParam<ReaderCase> {};

TEST_P(CsvReaderTest, SplitsRecordsAndValues) {
    EXPECT_EQ(records(CsvText::parse(GetParam().text, "t.csv")), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rules,
    CsvReaderTest,
    ::testing::Values(ReaderCase{"plain", "a,b\n1,2\n", {{"a", "b"}, {"1", "2"}}},
                      ReaderCase{"crlf_and_no_final_break", "a,b\r\n1,2", {{"a", "b"}, {"1", "2"}}},
                      ReaderCase{"empty_values_count", "a,,c\n,,\n", {{"a", "", "c"}, {"", ""}}},
                      ReaderCase{"trailing_separator_adds_nothing", "a,b,\n", {{"a", "b"}}},
                      ReaderCase{"semicolon_separates", "a;b\n", {{"a", "b"}}},
                      ReaderCase{"blanks_around_dropped_inside_kept", "  Van Slyke , Andy \n", {{"Van Slyke", "Andy"}}},
                      ReaderCase{"quoted_separator_break_and_quote",
                                 "\"Smith, Jr.\",\"two\nlines\",\"say \"\"hi\"\"\"\n",
                                 {{"Smith, Jr.", "two\nlines", "say \"hi\""}}},
                      ReaderCase{"quoted_empty_counts", "a,\"\"\n", {{"a", ""}}},
                      ReaderCase{"empty_lines_skipped", "a\n\n   \nb\n", {{"a"}, {"b"}}},
                      ReaderCase{"byte_order_mark", "\xEF\xBB\xBFName\n", {{"Name"}}}),
    [](const auto& info) { return info.param.label; });

TEST(CsvReader, LineNumbersFollowQuotedLineBreaks) {
    const CsvText csv = CsvText::parse("h\n\"a\nb\"\n\nc\n", "x.csv");
    ASSERT_EQ(csv.recordCount(), 3u);
    EXPECT_EQ(csv.lineNumber(1), 2);
    EXPECT_EQ(csv.lineNumber(2), 5);
    EXPECT_EQ(csv.where(2), "x.csv, line 5");
}

TEST(CsvReader, MalformedQuotingNamesFileAndLine) {
    try {
        CsvText::parse("a,b\n1,\"open\n", "bad.csv");
        FAIL() << "no error";
    } catch (const Error& e) {
        EXPECT_STREQ(e.what(), "bad.csv, line 2: a quoted value is not closed");
    }
    EXPECT_THROW(CsvText::parse("\"a\"b,c\n", "bad.csv"), Error);
}

TEST(CsvReader, RowOfWrongLengthIsReportedWithItsLine) {
    CsvText csv = CsvText::parse("a,b,c\n1,2,3\n4,5\n6,7,8\n", "rows.csv");
    try {
        csv.requireValueCount(3, 1);
        FAIL() << "no error";
    } catch (const Error& e) {
        EXPECT_STREQ(e.what(), "rows.csv, line 3: the row holds 2 values where 3 were expected");
    }
}

TEST(CsvColumns, ShippedListIsOursWithTheNamesFirst) {
    const CsvColumns shipped = CsvColumns::read(ZT_SOURCE_DATA_DIR "/csvcols.txt");
    for (int code = 0; code < csvcode::count; ++code) {
        EXPECT_EQ(shipped.codeOf(kCsvColumnNames[static_cast<std::size_t>(code)]), code);
    }
    EXPECT_EQ(shipped.codeOf("firstname"), 0);
    EXPECT_EQ(shipped.codeOf("LASTNAME"), 1);
    EXPECT_EQ(shipped.codeOf("h"), 21);
    EXPECT_EQ(shipped.codeOf("IP"), csvcode::innings);
    EXPECT_EQ(shipped.codeOf("Nonsense"), -1);
}

TEST(CsvColumns, NamesBeyondTheLastCodeAreNoColumns) {
    std::vector<std::string> names(kCsvColumnNames.begin(), kCsvColumnNames.end());
    names.push_back("Extra");
    const CsvColumns longer(names);
    EXPECT_EQ(longer.codeOf("PitTeam"), csvcode::last);
    EXPECT_EQ(longer.codeOf("Extra"), -1);
    EXPECT_THROW(longer.codesOfHeader(CsvText::parse("FirstName,Extra\nA,1\n", "players.csv")), Error);
}

TEST(CsvColumns, UnknownHeaderNameIsNamedInQuotes) {
    const CsvText csv = CsvText::parse("FirstName,LastName,Hitz\nA,B,1\n", "players.csv");
    try {
        CsvColumns::builtIn().codesOfHeader(csv);
        FAIL() << "no error";
    } catch (const Error& e) {
        EXPECT_STREQ(e.what(), "\"Hitz\" is not a valid column header (players.csv, line 1)");
    }
}

// A NUL or another control character in a header or a cell would cut the message short where a
// window reads it, before the file's name.
TEST(CsvColumns, ControlCharactersOfQuotedTextDoNotHideTheFile) {
    const CsvText csv = CsvText::parse(std::string_view("FirstName,Sp\0e\x01"
                                                        "d\nA,1\n",
                                                        21),
                                       "players.csv");
    try {
        CsvColumns::builtIn().codesOfHeader(csv);
        FAIL() << "no error";
    } catch (const Error& e) {
        EXPECT_STREQ(e.what(), "\"Sp?e?d\" is not a valid column header (players.csv, line 1)");
    }
    EXPECT_EQ(invalidIntegerMessage(std::string_view("1\0 2", 4)), "'1? 2' is not a valid integer value");
}

}  // namespace
}  // namespace zt::test
