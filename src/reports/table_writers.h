#pragma once

#include <filesystem>
#include <span>
#include <string>

#include "reports/html_export_settings.h"
#include "reports/report_table.h"

namespace zt::reports {

// The colour of fixed rows and columns in pages. The game's platform took the active window
// border colour of the desktop; a fixed value keeps pages the same on every machine.
inline constexpr Color kFixedCellColor = 0xB4B4B4;

// The page of one table: the header file's lines, the prefix tags, the table, the suffix tags
// and the footer file's lines, every line ended by CR LF. Plain cells are escaped, link cells
// copied; hidden columns are left out.
std::string tableHtml(const ReportTable& table, const HtmlExportSettings& settings);
// The same with `pageSoFar` (already in lines) in place of the header file and without the
// footer: a table added to a page of several tables.
std::string tableHtmlAfter(const std::string& pageSoFar, const ReportTable& table, const HtmlExportSettings& settings);

// Writes tableHtml to `target`, replacing it or, with `append`, adding to its end.
void WriteTableHtml(const ReportTable& table,
                    const HtmlExportSettings& settings,
                    const std::filesystem::path& target,
                    bool append);

// One line per row, one field per visible column separated by ",", lines ended by CR LF. An
// empty cell is written "", a cell holding a comma, a double quote or a line break is quoted
// with its quotes doubled (the CR of each CR LF in it dropped); other cells stand as they are.
std::string tableCsv(const ReportTable& table);
void WriteTableCsv(const ReportTable& table, const std::filesystem::path& target, bool append);

// A page made of tables written one after another: the first starts with its header file, each
// adds its own prefix tags, table and suffix tags. No footer file is written (the caller adds
// one when the page wants it); header files after the first table's are not read.
struct ChainPart {
    const ReportTable* table;
    HtmlExportSettings settings;
};
std::string chainedPage(std::span<const ChainPart> parts);

}  // namespace zt::reports
