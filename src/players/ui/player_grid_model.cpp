#include "players/ui/player_grid_model.h"

#include <QBrush>

#include "league/ui/qt_text.h"

namespace zt::ui {

namespace {

QString levelHeaderText() {
    return QStringLiteral("Level");
}

}  // namespace

PlayerGridModel::PlayerGridModel(QObject* parent) : QAbstractTableModel(parent), m_levelHeader(levelHeaderText()) {}

void PlayerGridModel::setSources(const League* league, const EditorSettings* settings) {
    m_league = league;
    m_settings = settings;
    repaintAll();
}

void PlayerGridModel::setGridEnabled(bool enabled) {
    if (m_enabled != enabled) {
        m_enabled = enabled;
        repaintAll();
    }
}

void PlayerGridModel::setRows(std::vector<PlayerGridRow> rows,
                              bool levelColumnHoldsValues,
                              const QString& levelHeader) {
    beginResetModel();
    m_rows = std::move(rows);
    m_levelValues = levelColumnHoldsValues;
    const QString header = levelHeader.isEmpty() ? levelHeaderText() : levelHeader;
    const bool headerChanged = header != m_levelHeader;
    m_levelHeader = header;
    endResetModel();
    if (headerChanged) {
        Q_EMIT headerDataChanged(Qt::Horizontal, kGridLevelColumn, kGridLevelColumn);
    }
}

void PlayerGridModel::clear() {
    setRows({});
}

const PlayerGridRow* PlayerGridModel::rowAt(int row) const {
    if (row < 0 || static_cast<std::size_t>(row) >= m_rows.size()) {
        return nullptr;
    }
    return &m_rows[static_cast<std::size_t>(row)];
}

int PlayerGridModel::rowOfPlayer(int playerIndex) const {
    for (std::size_t i = 0; i < m_rows.size(); ++i) {
        if (m_rows[i].playerIndex == playerIndex) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

void PlayerGridModel::replaceRow(int row, PlayerGridRow content) {
    if (rowAt(row) == nullptr) {
        return;
    }
    m_rows[static_cast<std::size_t>(row)] = std::move(content);
    Q_EMIT dataChanged(index(row, 0), index(row, kGridColumnCount - 1));
}

void PlayerGridModel::repaintAll() {
    if (m_rows.empty()) {
        return;
    }
    Q_EMIT dataChanged(index(0, 0),
                       index(rowCount() - 1, kGridColumnCount - 1),
                       {Qt::DisplayRole, Qt::ForegroundRole, Qt::BackgroundRole});
}

void PlayerGridModel::sortBy(int column, SortOrder order) {
    if (column < 0 || column >= kGridColumnCount) {
        return;
    }
    Q_EMIT layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    const std::vector<int> oldRowOf = sortRows(m_rows, column, order, m_levelValues);
    std::vector<int> newRowOf(oldRowOf.size());
    for (std::size_t newRow = 0; newRow < oldRowOf.size(); ++newRow) {
        newRowOf[static_cast<std::size_t>(oldRowOf[newRow])] = static_cast<int>(newRow);
    }
    const QModelIndexList before = persistentIndexList();
    QModelIndexList after;
    after.reserve(before.size());
    for (const QModelIndex& old : before) {
        after.append(index(newRowOf[static_cast<std::size_t>(old.row())], old.column()));
    }
    changePersistentIndexList(before, after);
    Q_EMIT layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

void PlayerGridModel::sort(int column, Qt::SortOrder order) {
    sortBy(column, order == Qt::AscendingOrder ? SortOrder::Ascending : SortOrder::Descending);
}

int PlayerGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int PlayerGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kGridColumnCount;
}

RowPaint PlayerGridModel::paintOf(const PlayerGridRow& row) const {
    if (m_league == nullptr || m_settings == nullptr) {
        return {};
    }
    return paintRow(*m_league, row, *m_settings, m_enabled);
}

QVariant PlayerGridModel::data(const QModelIndex& index, int role) const {
    const PlayerGridRow* row = index.isValid() ? rowAt(index.row()) : nullptr;
    if (row == nullptr) {
        return {};
    }
    const int column = index.column();
    switch (role) {
        case Qt::DisplayRole:
            if (column < kGridTextColumns) {
                return fromLeagueText(row->texts[static_cast<std::size_t>(column)]);
            }
            if (column == kGridIndexColumn) {
                return QString::number(row->playerIndex);
            }
            if (column == kGridPoolColumn) {
                return row->inExportPool ? QStringLiteral("O") : QString();
            }
            if (column == kGridRosterColumn) {
                return paintOf(*row).onRoster ? QStringLiteral("R") : QStringLiteral("N");
            }
            return {};
        case Qt::ForegroundRole: {
            const auto font = paintOf(*row).font;
            return font ? QVariant(QBrush(toQColor(*font))) : QVariant();
        }
        case Qt::BackgroundRole: {
            const auto background = paintOf(*row).background;
            return background ? QVariant(QBrush(toQColor(*background))) : QVariant();
        }
        default:
            return {};
    }
}

QVariant PlayerGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) {
        return QAbstractTableModel::headerData(section, orientation, role);
    }
    switch (section) {
        case kGridNumberColumn:
            return QStringLiteral("#");
        case kGridNameColumn:
            return QStringLiteral("Name");
        case kGridPositionColumn:
            return QStringLiteral("Pos");
        case kGridLevelColumn:
            return m_levelHeader;
        case kGridIndexColumn:
            return QStringLiteral("Index");
        case kGridPoolColumn:
            return QStringLiteral("Pool");
        case kGridRosterColumn:
            return QStringLiteral("Roster");
        default:
            return {};
    }
}

}  // namespace zt::ui
