#include "reports/table_writers.h"

#include "reports/report_files.h"
#include "reports/report_names.h"

namespace zt::reports {

namespace {

void line(std::string& out, std::string_view text) {
    out.append(text).append(kLineEnd);
}

std::string alignment(const ReportTable::Cell& cell) {
    if (cell.text.empty()) {
        return {};
    }
    switch (cell.format.align) {
        case CellAlign::Right:
            return " align=\"right\"";
        case CellAlign::Center:
            return " align=\"center\"";
        case CellAlign::Left:
            break;
    }
    return {};
}

// The cell as page text: plain text escaped, each carriage return a line break tag, and an empty
// cell a line break tag so that the browser still draws it.
std::string cellText(const ReportTable::Cell& cell) {
    const std::string source = cell.format.html ? cell.text : escapeHtml(cell.text);
    std::string text;
    text.reserve(source.size());
    for (const char c : source) {
        if (c == '\r') {
            text += "<br>";
        } else {
            text += c;
        }
    }
    return text.empty() ? std::string("<br>") : text;
}

std::string backgroundAttribute(Color color) {
    return " BGCOLOR=\"#" + ColorToHtml(color) + "\"";
}

void writeCaptionRow(std::string& out, const ReportTable& table, const std::vector<int>& columns) {
    line(out, "<tr>");
    for (const int c : columns) {
        const auto& cell = table.row(0)[static_cast<std::size_t>(c)];
        line(out,
             "<td nowrap" + alignment(cell) + backgroundAttribute(kFixedCellColor) + "><B>" + cellText(cell) +
                 "</B></td>");
    }
    line(out, "</tr>");
}

void writeRow(std::string& out,
              const ReportTable& table,
              int row,
              const std::vector<int>& columns,
              const HtmlExportSettings& settings) {
    line(out, "<tr>");
    for (const int c : columns) {
        const auto& cell = table.row(row)[static_cast<std::size_t>(c)];
        const CellFormat& f = cell.format;
        std::string text = "<td nowrap" + alignment(cell);
        if (settings.useColors && f.hasBackground()) {
            text += backgroundAttribute(f.background);
        } else if (table.fixedColumn && c == 0) {
            text += backgroundAttribute(kFixedCellColor);
        }
        text += '>';
        const bool colored = settings.useColors && f.hasTextColor();
        if (colored) {
            text += "<Font Color=\"#" + ColorToHtml(f.textColor) + "\">";
        }
        const bool bold = settings.useFonts && f.bold;
        const bool italic = settings.useFonts && f.italic;
        const bool underline = settings.useFonts && f.underline;
        text += bold ? "<B>" : "";
        text += italic ? "<I>" : "";
        text += underline ? "<U>" : "";
        text += cellText(cell);
        text += underline ? "</U>" : "";
        text += italic ? "</I>" : "";
        text += bold ? "</B>" : "";
        if (colored) {
            text += "</Font>";
        }
        text += "</td>";
        line(out, text);
    }
    line(out, "</tr>");
}

// Prefix tags, table and suffix tags.
std::string tableBody(const ReportTable& table, const HtmlExportSettings& s) {
    std::string out;
    if (!s.prefixTags.empty()) {
        line(out, s.prefixTags);
    }
    std::string tag = "<table border=\"" + std::to_string(s.borderSize) + "\" cellspacing=\"" +
                      std::to_string(s.cellSpacing) + "\" cellpadding=\"" + std::to_string(s.cellPadding) + "\"";
    if (!s.tableStyle.empty()) {
        tag += " " + s.tableStyle;
    }
    tag += " Width=\"" + std::to_string(s.width) + "%\">";
    line(out, tag);
    const std::vector<int> columns = table.visibleColumns();
    int first = 0;
    if (table.fixedRow && table.rowCount() > 0) {
        writeCaptionRow(out, table, columns);
        first = 1;
    }
    for (int row = first; row < table.rowCount(); ++row) {
        writeRow(out, table, row, columns, s);
    }
    line(out, "</table><p>");
    if (!s.suffixTags.empty()) {
        line(out, s.suffixTags);
    }
    return out;
}

bool needsQuotes(std::string_view text) {
    return text.find_first_of(",\"\r\n") != std::string_view::npos;
}

std::string csvField(std::string_view text) {
    if (text.empty()) {
        return "\"\"";
    }
    if (!needsQuotes(text)) {
        return std::string(text);
    }
    std::string field = "\"";
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            continue;
        }
        if (c == '"') {
            field += '"';
        }
        field += c;
    }
    field += '"';
    return field;
}

}  // namespace

std::string tableHtml(const ReportTable& table, const HtmlExportSettings& settings) {
    return fileLines(settings.headerFile) + tableBody(table, settings) + fileLines(settings.footerFile);
}

std::string tableHtmlAfter(const std::string& pageSoFar, const ReportTable& table, const HtmlExportSettings& settings) {
    return normalisedLines(pageSoFar) + tableBody(table, settings);
}

void WriteTableHtml(const ReportTable& table,
                    const HtmlExportSettings& settings,
                    const std::filesystem::path& target,
                    bool append) {
    writeReportFile(target, tableHtml(table, settings), append);
}

std::string tableCsv(const ReportTable& table) {
    const std::vector<int> columns = table.visibleColumns();
    std::string out;
    for (int row = 0; row < table.rowCount(); ++row) {
        bool first = true;
        for (const int c : columns) {
            if (!first) {
                out += ',';
            }
            first = false;
            out += csvField(table.text(row, c));
        }
        out.append(kLineEnd);
    }
    return out;
}

void WriteTableCsv(const ReportTable& table, const std::filesystem::path& target, bool append) {
    writeReportFile(target, tableCsv(table), append);
}

std::string chainedPage(std::span<const ChainPart> parts) {
    std::string page;
    for (std::size_t k = 0; k < parts.size(); ++k) {
        const ChainPart& part = parts[k];
        if (k == 0) {
            page = fileLines(part.settings.headerFile) + tableBody(*part.table, part.settings);
        } else {
            // Each table starts with the whole page so far, read back line by line as the
            // header of the next table.
            page = tableHtmlAfter(page, *part.table, part.settings);
        }
    }
    return page;
}

}  // namespace zt::reports
