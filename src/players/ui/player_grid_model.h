#pragma once

#include <QAbstractTableModel>
#include <QString>
#include <vector>

#include "players/player_grid.h"

namespace zt::ui {

// The player grid's rows as a table of seven columns. The model holds the rows the core built
// and turns them into texts and colours only for the cells the view asks for, so filling and
// sorting many thousands of rows stays cheap. Colours are worked out from the league and the
// settings at paint time, so a change of either shows at the next repaint.
class PlayerGridModel : public QAbstractTableModel {
    Q_OBJECT

public:
    explicit PlayerGridModel(QObject* parent = nullptr);

    // Where rows are read from; both may be null (no rows are then shown with colours).
    void setSources(const League* league, const EditorSettings* settings);
    // Roster colours are only drawn while the grid is enabled.
    void setGridEnabled(bool enabled);

    // Replaces every row in one reset. `levelColumnHoldsValues` marks column 3 as holding a
    // searched field's values (sorted as numbers, shown under `levelHeader`).
    void setRows(std::vector<PlayerGridRow> rows,
                 bool levelColumnHoldsValues = false,
                 const QString& levelHeader = QString());
    void clear();

    const std::vector<PlayerGridRow>& rows() const { return m_rows; }
    // Null outside the rows.
    const PlayerGridRow* rowAt(int row) const;
    // First row listing that player, or -1.
    int rowOfPlayer(int playerIndex) const;
    bool levelColumnHoldsValues() const { return m_levelValues; }

    // Replaces one row's content in place.
    void replaceRow(int row, PlayerGridRow content);
    // Tells the view that every row's colours and roster flag may have changed.
    void repaintAll();
    // Stable sort by one column; selection and current row follow their players.
    void sortBy(int column, SortOrder order);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

private:
    RowPaint paintOf(const PlayerGridRow& row) const;

    std::vector<PlayerGridRow> m_rows;
    const League* m_league = nullptr;
    const EditorSettings* m_settings = nullptr;
    bool m_enabled = false;
    bool m_levelValues = false;
    QString m_levelHeader;
};

}  // namespace zt::ui
