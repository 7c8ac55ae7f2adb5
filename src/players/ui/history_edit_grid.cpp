#include "players/ui/history_edit_grid.h"

#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QStyledItemDelegate>

#include "league/codes.h"

namespace zt::ui {

namespace {

constexpr int kChoiceRow = 1;  // the drop-down cells are all on the first value row

// Drop-down lists for the cells that have them, the usual line edit elsewhere. A cell whose
// text is not one of the items (a disabled-list level, a free agent's empty team, "VsS") keeps
// that text as an extra item, so opening and closing the list changes nothing.
class ChoiceDelegate final : public QStyledItemDelegate {
public:
    explicit ChoiceDelegate(HistoryEditGrid* grid) : QStyledItemDelegate(grid), m_grid(grid) {}

    QWidget* createEditor(QWidget* parent,
                          const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override {
        const QStringList items = choicesAt(index);
        if (items.isEmpty()) {
            return QStyledItemDelegate::createEditor(parent, option, index);
        }
        auto* combo = new QComboBox(parent);
        combo->setObjectName(QStringLiteral("historychoice"));
        combo->addItems(items);
        // One choice is the whole edit: the cell takes it at once.
        connect(combo, &QComboBox::activated, this, [this, combo] {
            auto* self = const_cast<ChoiceDelegate*>(this);
            Q_EMIT self->commitData(combo);
            Q_EMIT self->closeEditor(combo);
        });
        return combo;
    }

    void setEditorData(QWidget* editor, const QModelIndex& index) const override {
        auto* combo = qobject_cast<QComboBox*>(editor);
        if (combo == nullptr) {
            QStyledItemDelegate::setEditorData(editor, index);
            return;
        }
        const QString text = index.data(Qt::EditRole).toString();
        int item = combo->findText(text);
        if (item < 0) {
            combo->insertItem(0, text);
            item = 0;
        }
        combo->setCurrentIndex(item);
    }

    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override {
        if (auto* combo = qobject_cast<QComboBox*>(editor)) {
            model->setData(index, combo->currentText(), Qt::EditRole);
            return;
        }
        QStyledItemDelegate::setModelData(editor, model, index);
    }

private:
    QStringList choicesAt(const QModelIndex& index) const {
        if (index.row() != kChoiceRow) {
            return {};
        }
        return m_grid->choices(index.column());
    }

    HistoryEditGrid* m_grid;
};

QString latin1(std::string_view text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

HistoryEditGrid::HistoryEditGrid(QWidget* parent) : QTableWidget(parent) {
    horizontalHeader()->hide();
    verticalHeader()->hide();
    horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                    QAbstractItemView::AnyKeyPressed | QAbstractItemView::SelectedClicked);
    setItemDelegate(new ChoiceDelegate(this));
    setTabKeyNavigation(true);
    setKind(HistoryKind::Batting, {});
}

void HistoryEditGrid::setKind(HistoryKind kind, const QStringList& teams) {
    m_kind = kind;
    m_teams = teams;
    m_columns = historyEditColumnCount(kind);
    const auto columns = historyColumns(kind);
    m_cellCount = static_cast<int>(columns.size());
    const int pairs = (m_cellCount + m_columns - 1) / m_columns;
    clear();
    setColumnCount(m_columns);
    setRowCount(2 * pairs);

    QFont bold = font();
    bold.setBold(true);
    const QBrush captionBackground = palette().button();
    for (int row = 0; row < rowCount(); ++row) {
        for (int column = 0; column < m_columns; ++column) {
            auto* item = new QTableWidgetItem;
            const int index = (row / 2) * m_columns + column;
            const bool exists = index < m_cellCount;
            if (row % 2 == 0) {
                if (exists) {
                    item->setText(latin1(columns[static_cast<std::size_t>(index)].editCaption));
                }
                item->setFont(bold);
                item->setBackground(captionBackground);
                item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            } else {
                const bool editable = exists && !columns[static_cast<std::size_t>(index)].computed();
                item->setFlags(editable ? Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable
                                        : Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            }
            setItem(row, column, item);
        }
    }
    setCurrentCell(1, 0);
}

void HistoryEditGrid::setCells(const QStringList& cells) {
    for (int i = 0; i < m_cellCount; ++i) {
        valueItem(i)->setText(i < cells.size() ? cells[i] : QString());
    }
}

QStringList HistoryEditGrid::cells() const {
    QStringList texts;
    for (int i = 0; i < m_cellCount; ++i) {
        texts << valueItem(i)->text();
    }
    return texts;
}

void HistoryEditGrid::commitOpenEditor() {
    if (state() != EditingState) {
        return;
    }
    QWidget* editor = QApplication::focusWidget();
    if (editor != nullptr && viewport()->isAncestorOf(editor)) {
        commitData(editor);
        closeEditor(editor, QAbstractItemDelegate::NoHint);
    }
}

void HistoryEditGrid::clearCells() {
    setCells({});
}

QTableWidgetItem* HistoryEditGrid::valueItem(int index) const {
    return item(valueRow(index), valueColumn(index));
}

QStringList HistoryEditGrid::choices(int index) const {
    switch (index) {
        case 1:
            return {QStringLiteral("ML"), QStringLiteral("AAA"), QStringLiteral("AA"), QStringLiteral("A")};
        case 2:
            return m_teams;
        case 3:
            if (m_kind == HistoryKind::Fielding) {
                QStringList positions;
                for (int code = 1; code <= kPositionCount; ++code) {
                    positions << latin1(positionText(code));
                }
                return positions;
            }
            return {QStringLiteral("VsL"), QStringLiteral("VsR")};
        default:
            return {};
    }
}

QModelIndex HistoryEditGrid::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) {
    const QModelIndex current = currentIndex();
    if (!current.isValid()) {
        return QTableWidget::moveCursor(action, modifiers);
    }
    const int row = current.row();
    const int column = current.column();
    const int lastRow = rowCount() - 1;
    const int lastColumn = columnCount() - 1;
    const auto at = [this](int r, int c) { return model()->index(r, c); };
    switch (action) {
        case MoveDown:
            return row < lastRow - 1 ? at(row + 2, column) : current;
        case MoveUp:
            return row > 1 ? at(row - 2, column) : current;
        case MoveRight:
        case MoveNext:
            if (column < lastColumn) {
                return at(row, column + 1);
            }
            return row < lastRow - 1 ? at(row + 2, 0) : current;
        case MoveLeft:
        case MovePrevious:
            if (column > 0) {
                return at(row, column - 1);
            }
            return row >= 2 ? at(row - 2, lastColumn) : current;
        default:
            return QTableWidget::moveCursor(action, modifiers);
    }
}

bool HistoryEditGrid::focusNextPrevChild(bool next) {
    // Tab and Backtab move within the grid; the focus stays here even on its last cell.
    const QModelIndex target = moveCursor(next ? MoveNext : MovePrevious, Qt::NoModifier);
    if (target.isValid() && target != currentIndex()) {
        setCurrentIndex(target);
    }
    return true;
}

}  // namespace zt::ui
