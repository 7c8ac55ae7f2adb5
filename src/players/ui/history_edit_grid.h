#pragma once

#include <QStringList>
#include <QTableWidget>
#include <string>
#include <vector>

#include "players/history_lines.h"

namespace zt::ui {

// The edit grid of the history page: the line being edited laid out as pairs of rows, a row of
// captions over a row of values, five or six to a row. Caption rows and the computed cells
// (AVG, OBP, SLG, ERA, F%) are not edited; the level, team and split (or position) cells are
// drop-down lists; every other value cell takes free text.
//
// Keys: Down moves two rows down unless on the last row, Up two rows up unless on the first
// pair; Right on the last column goes to the first column two rows down, Left on the first
// column to the last column two rows up; Tab moves as Right does and never leaves the grid.
class HistoryEditGrid : public QTableWidget {
    Q_OBJECT

public:
    explicit HistoryEditGrid(QWidget* parent = nullptr);

    // Lays the grid out for a kind; `teams` are the team drop-down's items ("FA" first).
    void setKind(HistoryKind kind, const QStringList& teams);
    HistoryKind kind() const { return m_kind; }

    // The value cells in column order (the order of the summary grid's columns).
    void setCells(const QStringList& cells);
    QStringList cells() const;
    // A cell still being typed in takes what was typed, as leaving it would.
    void commitOpenEditor();
    // Empties every value cell (no line is being edited).
    void clearCells();

    // The cell showing value `index`, and the items of its drop-down list (empty for free text).
    QTableWidgetItem* valueItem(int index) const;
    QStringList choices(int index) const;

protected:
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
    bool focusNextPrevChild(bool next) override;

private:
    int valueRow(int index) const { return 2 * (index / m_columns) + 1; }
    int valueColumn(int index) const { return index % m_columns; }

    HistoryKind m_kind = HistoryKind::Batting;
    int m_columns = 5;
    int m_cellCount = 0;
    QStringList m_teams;
};

}  // namespace zt::ui
