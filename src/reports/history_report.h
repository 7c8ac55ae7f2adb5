#pragma once

#include <string>
#include <vector>

#include "players/history_lines.h"
#include "reports/report_table.h"
#include "reports/sort_table.h"

namespace zt {

class League;
class PlayerRecord;

// A player's history as the history page's summary grid shows it, and its exports.

// The summary grid: a fixed caption row, then one row per line of that kind in list order with
// its line index in the hidden last column. Without lines (or without a history) the caption row
// is followed by one empty row, as the grid never shows fewer.
reports::ReportTable historySummaryTable(const League& league, const StatHistory* history, HistoryKind kind);
// How a click on a caption sorts each column: texts for level, team, split and position,
// numbers for the rest (the hidden index included).
std::vector<reports::CompareKind> historySortKinds(HistoryKind kind);

// The CSV export of the summary grid: the title line "<first> <last> history stats", then the
// grid, every line ended by CR LF.
std::string historyCsvText(const PlayerRecord& player, const reports::ReportTable& table);
// The HTML export's prefix tags: the player's name and the kind in a larger font.
std::string historyHtmlPrefix(const PlayerRecord& player, HistoryKind kind);

}  // namespace zt
