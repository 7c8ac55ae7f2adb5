#pragma once

#include <QPoint>
#include <QTableView>
#include <functional>
#include <optional>
#include <vector>

#include "players/player_grid.h"

class QMimeData;

namespace zt::ui {

class PlayerGridModel;

// The table of the player grid ("grille"). Whole rows are selected: a click selects one row,
// Ctrl-click adds a row (the clicked row becomes current and stays selected), the current row
// is always selected. Up and Down move the current row; Right and keypad 6 do nothing. A click
// on a column header sorts by it (a second click on the same column reverses the order) and
// makes the first row current; the column and order are kept for later fills. Until a header
// was clicked the rows stay in the order they were given.
//
// Dragging: a press of the left button arms a drag of the current player, which begins once
// the mouse has moved kDragStartDistance pixels with the button held; the drag carries the
// player's index (playerDragData). A player the refusal test rejects (an injured player) is
// not let over the grid: entering it cancels the drag and emits playerDragRefused.
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

    static constexpr int kDragStartDistance = 75;
    // What a drag of a player from the grid carries, and the player index read back from it.
    static QMimeData* playerDragData(int playerIndex);
    static std::optional<int> draggedPlayerIndex(const QMimeData* data);
    // Which dragged players may not pass over the grid; none without a test.
    void setDragRefusal(std::function<bool(int playerIndex)> refuses);
    // Asked before the user's own click, key or header click makes another row current; false
    // leaves the current row as it is. Rows the program selects are not asked about.
    void setLeaveRowGuard(std::function<bool()> mayLeave);

Q_SIGNALS:
    // A data row became the current row, by the user or by the program.
    void currentRowSelected(int row);
    void rowDoubleClicked(int row);
    // A drag of this player begins.
    void playerDragStarted(int playerIndex);
    // A dragged player was refused over the grid and the drag cancelled.
    void playerDragRefused(int playerIndex);

protected:
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                         const QEvent* event = nullptr) const override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

    void keyboardSearch(const QString& search) override;

private:
    // Whether the user may move to `row`: always to no row (-1), to the current row or without a
    // guard; an unknown target (nullopt: a sort, a keyboard search) asks the guard.
    bool mayLeaveFor(std::optional<int> row);
    void headerClicked(int section);
    void moveCurrentRow(int step);
    void startPlayerDrag();
    // Cancels the drag when the event carries a refused player.
    void refuseDrag(QDropEvent* event, bool tell);

    PlayerGridModel* m_model = nullptr;
    int m_sortColumn = -1;
    SortOrder m_sortOrder = SortOrder::Ascending;
    QPoint m_pressPosition;
    bool m_dragArmed = false;
    std::function<bool(int)> m_dragRefusal;
    std::function<bool()> m_mayLeaveRow;
};

}  // namespace zt::ui
