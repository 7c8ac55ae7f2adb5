#pragma once

#include <QTableView>
#include <vector>

#include "players/player_grid.h"

namespace zt::ui {

class PlayerGridModel;

// The table of the player grid ("grille"). Whole rows are selected: a click selects one row,
// Ctrl-click adds a row (the clicked row becomes current and stays selected), the current row
// is always selected. Up and Down move the current row; Right and keypad 6 do nothing. A click
// on a column header sorts by it (a second click on the same column reverses the order) and
// makes the first row current; the column and order are kept for later fills. Until a header
// was clicked the rows stay in the order they were given.
class PlayerGridView : public QTableView {
    Q_OBJECT

public:
    explicit PlayerGridView(QWidget* parent = nullptr);

    void setGridModel(PlayerGridModel* model);
    PlayerGridModel* gridModel() const { return m_model; }

    bool isSorted() const { return m_sortColumn >= 0; }
    int sortColumn() const { return m_sortColumn; }  // -1 while unsorted
    SortOrder sortOrder() const { return m_sortOrder; }
    // Sorts the rows now and keeps the column and order for later fills.
    void sortRowsBy(int column, SortOrder order);
    // Shows or hides the header's sort mark (rows listed in their own order show none).
    void showSortIndicator(bool shown);

    // Makes `row` current and the only selected row; nothing for a row outside the table.
    void selectOnlyRow(int row);
    // Current row, or -1.
    int currentRow() const;
    // Selected rows from top to bottom.
    std::vector<int> selectedRowNumbers() const;

Q_SIGNALS:
    // A data row became the current row, by the user or by the program.
    void currentRowSelected(int row);
    void rowDoubleClicked(int row);

protected:
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                         const QEvent* event = nullptr) const override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    void headerClicked(int section);
    void moveCurrentRow(int step);

    PlayerGridModel* m_model = nullptr;
    int m_sortColumn = -1;
    SortOrder m_sortOrder = SortOrder::Ascending;
};

}  // namespace zt::ui
