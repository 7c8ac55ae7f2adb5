#include "reports/history_report.h"

#include <algorithm>

#include "league/league.h"
#include "reports/report_files.h"
#include "reports/report_names.h"
#include "reports/table_writers.h"

namespace zt {

using C = HistoryCell;

reports::ReportTable historySummaryTable(const League& league, const StatHistory* history, HistoryKind kind) {
    const auto columns = historyColumns(kind);
    const int indexColumn = historyIndexColumn(kind);
    const std::size_t lines = history != nullptr ? historyLineCount(*history, kind) : 0;
    reports::ReportTable table(1 + static_cast<int>(std::max<std::size_t>(lines, 1)), indexColumn + 1);
    table.fixedRow = true;
    table.setColumnHidden(indexColumn, true);
    for (int c = 0; c < indexColumn; ++c) {
        table.setText(0, c, std::string(columns[static_cast<std::size_t>(c)].summaryCaption));
    }
    for (std::size_t line = 0; line < lines; ++line) {
        const int row = static_cast<int>(line) + 1;
        std::vector<std::string> cells = historyLineCells(league, *history, kind, line);
        for (int c = 0; c < indexColumn; ++c) {
            table.setText(row, c, std::move(cells[static_cast<std::size_t>(c)]));
        }
        table.setText(row, indexColumn, std::to_string(line));
    }
    return table;
}

std::vector<reports::CompareKind> historySortKinds(HistoryKind kind) {
    std::vector<reports::CompareKind> kinds;
    for (const HistoryColumn& column : historyColumns(kind)) {
        const bool text =
            column.cell == C::Level || column.cell == C::Team || column.cell == C::Split || column.cell == C::Position;
        kinds.push_back(text ? reports::CompareKind::Text : reports::CompareKind::Number);
    }
    kinds.push_back(reports::CompareKind::Number);
    return kinds;
}

std::string historyCsvText(const PlayerRecord& player, const reports::ReportTable& table) {
    std::string text = player.get(pf::firstName) + " " + player.get(pf::lastName) + " history stats";
    text.append(reports::kLineEnd);
    return text + reports::tableCsv(table);
}

std::string historyHtmlPrefix(const PlayerRecord& player, HistoryKind kind) {
    return "<font size=\"4\">" + reports::escapeHtml(player.get(pf::firstName)) + " " +
           reports::escapeHtml(player.get(pf::lastName)) + std::string(historyKindTitle(kind)) + "</font> </p>";
}

}  // namespace zt
