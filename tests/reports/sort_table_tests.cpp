// SortTable: the sort column, then the columns to its right, each by its own kind, one direction.
#include <gtest/gtest.h>

#include "reports/sort_table.h"

namespace zt::reports {
namespace {

using Rows = std::vector<std::vector<std::string>>;

ReportTable tableOf(const Rows& rows) {
    ReportTable table(static_cast<int>(rows.size()), static_cast<int>(rows.front().size()));
    for (std::size_t r = 0; r < rows.size(); ++r) {
        for (std::size_t c = 0; c < rows[r].size(); ++c) {
            table.setText(static_cast<int>(r), static_cast<int>(c), rows[r][c]);
        }
    }
    return table;
}

// The first cell of each row, top to bottom.
std::vector<std::string> firstColumn(const ReportTable& table) {
    std::vector<std::string> cells;
    for (int r = 0; r < table.rowCount(); ++r) {
        cells.push_back(table.text(r, 0));
    }
    return cells;
}

constexpr auto N = CompareKind::Number;
constexpr auto T = CompareKind::Text;

struct SortCase {
    const char* name;
    Rows rows;  // row 0 is the caption row; column 0 names the row
    int column;
    SortDirection direction;
    std::vector<CompareKind> kinds;
    SortRange range;
    std::vector<std::string> expected;
};

class SortTableCase : public testing::TestWithParam<SortCase> {};

TEST_P(SortTableCase, OrdersTheRows) {
    const SortCase& c = GetParam();
    ReportTable table = tableOf(c.rows);
    SortTable(table, c.column, c.direction, c.kinds, c.range);
    EXPECT_EQ(firstColumn(table), c.expected);
}

const SortDirection kDown = SortDirection::Descending;
const SortDirection kUp = SortDirection::Ascending;

INSTANTIATE_TEST_SUITE_P(
    Cases,
    SortTableCase,
    testing::Values(
        SortCase{"NumbersDescendingTiesGoToTheNextColumn",
                 {{"id", "Avg", "G"}, {"a", ".250", "9"}, {"b", ".300", "4"}, {"c", ".300", "12"}, {"d", "", "1"}},
                 1,
                 kDown,
                 {T, N, N},
                 {},
                 {"id", "c", "b", "a", "d"}},
        SortCase{
            "TheNextColumnsFollowTheSameDirectionAndTheirOwnKind",
            {{"id", "G", "Name"}, {"d", "5", "alpha"}, {"c", "5", "Zeta"}, {"b", "5", "Smithers"}, {"a", "5", "Smith"}},
            1,
            kUp,
            {T, N, T},
            {},
            {"id", "a", "b", "c", "d"}},
        SortCase{"TextComparesCharacterCodes",
                 {{"Name"}, {"alpha"}, {"Smithers"}, {"Zeta"}, {"Smith"}},
                 0,
                 kUp,
                 {T},
                 {},
                 {"Name", "Smith", "Smithers", "Zeta", "alpha"}},
        SortCase{"CellsWithoutAFigureGoLastEitherWayAndTheNextColumnOrdersThem",
                 {{"id", "Avg", "Ab"}, {"a", "-", "0"}, {"b", ".200", "10"}, {"c", "-", "3"}, {"d", ".400", "5"}},
                 1,
                 kDown,
                 {T, N, N},
                 {},
                 {"id", "d", "b", "c", "a"}},
        SortCase{"CellsWithoutAFigureGoLastAscendingToo",
                 {{"id", "Avg"}, {"a", "-"}, {"b", ".200"}, {"c", "nan"}, {"d", ".100"}},
                 1,
                 kUp,
                 {T, N},
                 {},
                 {"id", "d", "b", "a", "c"}},
        SortCase{"ColumnsLeftOfTheSortColumnAreNeverConsulted",
                 {{"id", "G"}, {"z", "3"}, {"a", "3"}, {"m", "7"}},
                 1,
                 kDown,
                 {T, N},
                 {},
                 {"id", "m", "z", "a"}},
        SortCase{"ATotalsRowStaysLast",
                 {{"Against", "Games"}, {"Boston", "3"}, {"Denver", "6"}, {"Totals", "9"}},
                 1,
                 kDown,
                 {N, N},
                 {.keepFirstRow = true, .keepLastRow = true},
                 {"Against", "Denver", "Boston", "Totals"}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace zt::reports
