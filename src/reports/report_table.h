#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace zt::reports {

// Colours as the editor stores them: 0x00BBGGRR.
using Color = std::uint32_t;

enum class CellAlign : std::uint8_t { Left, Right, Center };

// How a cell is drawn and written. Colours are optional: a cell without one keeps the
// table's own look, and the HTML writer writes none for it.
struct CellFormat {
    static constexpr Color kNoColor = 0xFFFFFFFFu;

    Color background = kNoColor;
    Color textColor = kNoColor;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    // The text is markup the report built (a link); written into pages as it stands. Every other
    // cell holds plain text (league names among it) that pages escape.
    bool html = false;
    CellAlign align = CellAlign::Left;

    bool hasBackground() const { return background != kNoColor; }
    bool hasTextColor() const { return textColor != kNoColor; }
};

// The table of text a report window shows and the writers export. Column indexes count visible
// and hidden columns together; hidden columns keep their cells (sort keys, the player of a row)
// but are never written. Row 0 is the caption row where a report says so.
class ReportTable {
public:
    struct Cell {
        std::string text;
        CellFormat format;
    };

    ReportTable() = default;
    ReportTable(int rows, int columns);

    int rowCount() const { return static_cast<int>(m_rows.size()); }
    int columnCount() const { return m_columns; }

    // Rows beyond the new count are dropped; new rows are empty.
    void setRowCount(int rows);
    // Clears every cell and format, keeping the column settings.
    void clearRows(int rows);

    const std::string& text(int row, int column) const { return m_rows[index(row)][index(column)].text; }
    const CellFormat& format(int row, int column) const { return m_rows[index(row)][index(column)].format; }
    CellFormat& format(int row, int column) { return m_rows[index(row)][index(column)].format; }
    const std::vector<Cell>& row(int row) const { return m_rows[index(row)]; }

    // Plain text: escaped where a page holds it.
    void setText(int row, int column, std::string text);
    // Markup built by the report (links): copied into pages unchanged.
    void setHtml(int row, int column, std::string markup);

    void setRowFormat(int row, const CellFormat& format);
    void setColumnAlignment(int column, CellAlign align);

    void setColumnHidden(int column, bool hidden);
    bool isColumnHidden(int column) const { return m_hidden[index(column)]; }
    // The visible columns in order: what the writers walk.
    std::vector<int> visibleColumns() const;

    // A fixed caption row (row 0) stays in view when scrolling, and the HTML writer draws it as a
    // header; a fixed first column likewise.
    bool fixedRow = false;
    bool fixedColumn = false;

    // Puts the rows [first, first + order.size()) in the order given by `order`, whose values are
    // row indexes from that range.
    void reorderRows(int first, const std::vector<int>& order);

private:
    static std::size_t index(int i) { return static_cast<std::size_t>(i); }

    int m_columns = 0;
    std::vector<std::vector<Cell>> m_rows;
    std::vector<bool> m_hidden;
};

}  // namespace zt::reports
