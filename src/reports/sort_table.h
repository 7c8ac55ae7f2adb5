#pragma once

#include <vector>

#include "reports/report_table.h"

namespace zt::reports {

enum class CompareKind { Number, Text };
enum class SortDirection { Ascending, Descending };

struct SortRange {
    bool keepFirstRow = true;  // the caption row stays on top
    bool keepLastRow = false;  // a totals row stays at the bottom
};

// Sorts the rows by `column`; rows equal there are ordered by the next column to the right, and
// so on through the last column of the table (hidden ones included), each column compared by its
// own kind (`kinds` has one entry per column) and all in the one direction. Columns left of the
// sort column are never consulted.
//
// Text compares byte by byte (upper-case before lower-case; a beginning before the longer text).
// Number reads the cell as a decimal with "." (".300", "6.75", "12"; an empty cell is 0). A cell
// that is no number ("-", a name) goes after every number in either direction, and two such
// cells are equal, so the next column decides: the order is a strict one, rows with no figure
// end up at the bottom, and rows equal at every column keep their order.
void SortTable(ReportTable& table,
               int column,
               SortDirection direction,
               const std::vector<CompareKind>& kinds,
               SortRange range = {});

}  // namespace zt::reports
