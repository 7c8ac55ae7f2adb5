#include "reports/report_table.h"

#include <utility>

namespace zt::reports {

ReportTable::ReportTable(int rows, int columns)
    : m_columns(columns), m_rows(index(rows), std::vector<Cell>(index(columns))), m_hidden(index(columns), false) {}

void ReportTable::setRowCount(int rows) {
    m_rows.resize(index(rows), std::vector<Cell>(index(m_columns)));
}

void ReportTable::clearRows(int rows) {
    m_rows.assign(index(rows), std::vector<Cell>(index(m_columns)));
}

void ReportTable::setText(int row, int column, std::string text) {
    Cell& cell = m_rows[index(row)][index(column)];
    cell.text = std::move(text);
    cell.format.html = false;
}

void ReportTable::setHtml(int row, int column, std::string markup) {
    Cell& cell = m_rows[index(row)][index(column)];
    cell.text = std::move(markup);
    cell.format.html = true;
}

void ReportTable::setRowFormat(int row, const CellFormat& format) {
    for (Cell& cell : m_rows[index(row)]) {
        const bool html = cell.format.html;
        cell.format = format;
        cell.format.html = html;
    }
}

void ReportTable::setColumnAlignment(int column, CellAlign align) {
    for (auto& cells : m_rows) {
        cells[index(column)].format.align = align;
    }
}

void ReportTable::setColumnHidden(int column, bool hidden) {
    m_hidden[index(column)] = hidden;
}

std::vector<int> ReportTable::visibleColumns() const {
    std::vector<int> columns;
    for (int c = 0; c < m_columns; ++c) {
        if (!m_hidden[index(c)]) {
            columns.push_back(c);
        }
    }
    return columns;
}

void ReportTable::reorderRows(int first, const std::vector<int>& order) {
    std::vector<std::vector<Cell>> moved;
    moved.reserve(order.size());
    for (const int from : order) {
        moved.push_back(std::move(m_rows[index(from)]));
    }
    for (std::size_t i = 0; i < moved.size(); ++i) {
        m_rows[index(first) + i] = std::move(moved[i]);
    }
}

}  // namespace zt::reports
