#include "players/ui/player_grid_view.h"

#include <algorithm>
#include <cstdlib>

#include <QDrag>
#include <QDragEnterEvent>
#include <QHeaderView>
#include <QItemSelection>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>

#include "players/ui/player_grid_model.h"

namespace zt::ui {

namespace {

const QString kPlayerMimeType = QStringLiteral("application/x-ztedit-player");

}  // namespace

PlayerGridView::PlayerGridView(QWidget* parent) : QTableView(parent) {
    setObjectName(QStringLiteral("grille"));
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSortingEnabled(false);  // header clicks are handled here, to keep list order until one
    setWordWrap(false);
    setShowGrid(true);
    setAlternatingRowColors(false);
    // Drags are started here, not by the item view, so that they carry the current player
    // and begin only after a long move; drops are watched only to stop refused players.
    setDragEnabled(false);
    setAcceptDrops(true);

    // Fixed row heights: the view never has to measure thousands of rows.
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);

    QHeaderView* header = horizontalHeader();
    header->setSectionsClickable(true);
    header->setSortIndicatorShown(false);
    header->setHighlightSections(false);
    header->setStretchLastSection(false);
    connect(header, &QHeaderView::sectionClicked, this, &PlayerGridView::headerClicked);
    connect(this, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex& index) {
        if (index.isValid()) {
            Q_EMIT rowDoubleClicked(index.row());
        }
    });
}

void PlayerGridView::setGridModel(PlayerGridModel* model) {
    m_model = model;
    setModel(model);
    for (int column = kGridIndexColumn; column < kGridColumnCount; ++column) {
        setColumnHidden(column, true);
    }
    QHeaderView* header = horizontalHeader();
    header->setSectionResizeMode(QHeaderView::Interactive);
    header->setSectionResizeMode(kGridNameColumn, QHeaderView::Stretch);
    const int digit = fontMetrics().horizontalAdvance(QLatin1Char('0'));
    setColumnWidth(kGridNumberColumn, digit * 6);
    setColumnWidth(kGridPositionColumn, digit * 6);
    setColumnWidth(kGridLevelColumn, digit * 8);
    connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this](const QModelIndex& current) {
        if (current.isValid()) {
            Q_EMIT currentRowSelected(current.row());
        }
    });
}

void PlayerGridView::sortRowsBy(int column, SortOrder order) {
    if (m_model == nullptr || column < 0 || column >= kGridColumnCount) {
        return;
    }
    m_sortColumn = column;
    m_sortOrder = order;
    showSortIndicator(true);
    m_model->sortBy(column, order);
}

void PlayerGridView::showSortIndicator(bool shown) {
    QHeaderView* header = horizontalHeader();
    if (shown && m_sortColumn >= 0) {
        header->setSortIndicator(m_sortColumn,
                                 m_sortOrder == SortOrder::Ascending ? Qt::AscendingOrder : Qt::DescendingOrder);
        header->setSortIndicatorShown(true);
    } else {
        header->setSortIndicatorShown(false);
    }
}

bool PlayerGridView::mayLeaveFor(std::optional<int> row) {
    if (!m_mayLeaveRow || (row && (*row < 0 || *row == currentRow()))) {
        return true;
    }
    return m_mayLeaveRow();
}

void PlayerGridView::setLeaveRowGuard(std::function<bool()> mayLeave) {
    m_mayLeaveRow = std::move(mayLeave);
}

void PlayerGridView::keyboardSearch(const QString& search) {
    if (mayLeaveFor(std::nullopt)) {
        QTableView::keyboardSearch(search);
    }
}

void PlayerGridView::headerClicked(int section) {
    if (m_model == nullptr || !isEnabled() || !mayLeaveFor(std::nullopt)) {
        return;
    }
    const SortOrder order =
        section == m_sortColumn && m_sortOrder == SortOrder::Ascending ? SortOrder::Descending : SortOrder::Ascending;
    sortRowsBy(section, order);
    // The first row of the new order becomes the current one, so what is highlighted at the
    // top is also the player the editor shows.
    selectOnlyRow(0);
    scrollToTop();
}

void PlayerGridView::selectOnlyRow(int row) {
    if (m_model == nullptr || row < 0 || row >= m_model->rowCount()) {
        return;
    }
    const int column = currentIndex().isValid() ? currentIndex().column() : kGridNumberColumn;
    const QModelIndex target = m_model->index(row, column);
    selectionModel()->setCurrentIndex(target, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    scrollTo(target);
}

int PlayerGridView::currentRow() const {
    const QModelIndex current = currentIndex();
    return current.isValid() ? current.row() : -1;
}

std::vector<int> PlayerGridView::selectedRowNumbers() const {
    std::vector<int> rows;
    if (selectionModel() == nullptr) {
        return rows;
    }
    for (const QItemSelectionRange& range : selectionModel()->selection()) {
        for (int row = range.top(); row <= range.bottom(); ++row) {
            rows.push_back(row);
        }
    }
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    return rows;
}

QItemSelectionModel::SelectionFlags PlayerGridView::selectionCommand(const QModelIndex& index,
                                                                     const QEvent* event) const {
    if (!index.isValid()) {
        return QItemSelectionModel::NoUpdate;
    }
    if (event != nullptr) {
        switch (event->type()) {
            case QEvent::MouseButtonPress:
            case QEvent::MouseButtonDblClick: {
                const auto* mouse = static_cast<const QMouseEvent*>(event);
                // Ctrl adds the row; it never takes a row out, as the current row stays selected.
                if (mouse->modifiers().testFlag(Qt::ControlModifier)) {
                    return QItemSelectionModel::Select | QItemSelectionModel::Rows;
                }
                return QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows;
            }
            case QEvent::MouseMove:
            case QEvent::MouseButtonRelease:
                return QItemSelectionModel::NoUpdate;
            default:
                break;
        }
    }
    return QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows;
}

void PlayerGridView::moveCurrentRow(int step) {
    if (m_model == nullptr || m_model->rowCount() == 0) {
        return;
    }
    const int row = currentRow();
    const int target = row < 0 ? 0 : std::clamp(row + step, 0, m_model->rowCount() - 1);
    if (target != row) {
        selectOnlyRow(target);
    }
}

void PlayerGridView::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if (key == Qt::Key_Right || (key == Qt::Key_6 && event->modifiers().testFlag(Qt::KeypadModifier))) {
        event->accept();
        return;
    }
    if (key == Qt::Key_Up || key == Qt::Key_Down) {
        const int step = key == Qt::Key_Up ? -1 : 1;
        const int target = currentRow() + step;
        if (m_model != nullptr && target >= 0 && target < m_model->rowCount() && !mayLeaveFor(target)) {
            event->accept();
            return;
        }
        moveCurrentRow(step);
        event->accept();
        return;
    }
    static const std::pair<int, CursorAction> kMoves[] = {{Qt::Key_PageUp, MovePageUp},
                                                          {Qt::Key_PageDown, MovePageDown},
                                                          {Qt::Key_Home, MoveHome},
                                                          {Qt::Key_End, MoveEnd}};
    for (const auto& [movingKey, action] : kMoves) {
        if (key == movingKey && !mayLeaveFor(moveCursor(action, event->modifiers()).row())) {
            event->accept();
            return;
        }
    }
    QTableView::keyPressEvent(event);
}

void PlayerGridView::mousePressEvent(QMouseEvent* event) {
    // With several rows selected a right click leaves them, so a pop-up command can act on
    // all of them; with one or none it makes the clicked row current first.
    if (event->button() == Qt::RightButton && selectionModel() != nullptr && selectedRowNumbers().size() > 1) {
        event->accept();
        return;
    }
    if (!mayLeaveFor(indexAt(event->position().toPoint()).row())) {
        event->accept();
        return;
    }
    QTableView::mousePressEvent(event);
    m_dragArmed = event->button() == Qt::LeftButton && currentRow() >= 0;
    m_pressPosition = event->position().toPoint();
}

void PlayerGridView::mouseMoveEvent(QMouseEvent* event) {
    // Moving with a button held neither extends the selection nor moves the current row.
    if (event->buttons() != Qt::NoButton) {
        if (m_dragArmed && event->buttons().testFlag(Qt::LeftButton)) {
            const QPoint moved = event->position().toPoint() - m_pressPosition;
            if (std::max(std::abs(moved.x()), std::abs(moved.y())) >= kDragStartDistance) {
                m_dragArmed = false;
                startPlayerDrag();
            }
        }
        event->accept();
        return;
    }
    m_dragArmed = false;
    QTableView::mouseMoveEvent(event);
}

QMimeData* PlayerGridView::playerDragData(int playerIndex) {
    auto* data = new QMimeData;
    data->setData(kPlayerMimeType, QByteArray::number(playerIndex));
    return data;
}

std::optional<int> PlayerGridView::draggedPlayerIndex(const QMimeData* data) {
    if (data == nullptr || !data->hasFormat(kPlayerMimeType)) {
        return std::nullopt;
    }
    bool ok = false;
    const int index = data->data(kPlayerMimeType).toInt(&ok);
    return ok && index >= 0 ? std::optional<int>(index) : std::nullopt;
}

void PlayerGridView::setDragRefusal(std::function<bool(int)> refuses) {
    m_dragRefusal = std::move(refuses);
}

void PlayerGridView::startPlayerDrag() {
    const PlayerGridRow* row = m_model != nullptr ? m_model->rowAt(currentRow()) : nullptr;
    if (row == nullptr || row->playerIndex < 0) {
        return;
    }
    Q_EMIT playerDragStarted(row->playerIndex);
    auto* drag = new QDrag(this);
    drag->setMimeData(playerDragData(row->playerIndex));
    drag->exec(Qt::CopyAction | Qt::MoveAction, Qt::CopyAction);
}

void PlayerGridView::refuseDrag(QDropEvent* event, bool tell) {
    const std::optional<int> player = draggedPlayerIndex(event->mimeData());
    if (player && m_dragRefusal && m_dragRefusal(*player)) {
        QDrag::cancel();
        if (tell) {
            Q_EMIT playerDragRefused(*player);
        }
    }
}

// The grid is no drop target: drags are only watched, to stop refused players.
void PlayerGridView::dragEnterEvent(QDragEnterEvent* event) {
    refuseDrag(event, true);
    event->ignore();
}

void PlayerGridView::dragMoveEvent(QDragMoveEvent* event) {
    refuseDrag(event, false);
    event->ignore();
}

void PlayerGridView::dropEvent(QDropEvent* event) {
    event->ignore();
}

}  // namespace zt::ui
