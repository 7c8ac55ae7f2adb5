#pragma once

#include <QAbstractTableModel>
#include <QColor>
#include <QStringList>
#include <optional>

#include "reports/report_table.h"

namespace zt::reports::ui {

// Any ReportTable as a Qt table: the one adapter every report window shows its tables through.
// A table with a fixed caption row shows that row as the header; otherwise the header shows the
// captions the window gives. Link cells show their text, underlined, and carry their target
// under LinkRole. The table is read at paint time, so a window refills it and calls reset().
class ReportTableModel : public QAbstractTableModel {
    Q_OBJECT

public:
    static constexpr int LinkRole = Qt::UserRole + 1;

    explicit ReportTableModel(QObject* parent = nullptr);

    // The table shown (may be null); the model does not own it.
    void setTable(const ReportTable* table);
    const ReportTable* table() const { return m_table; }
    // The table changed: rows, cells or hidden columns.
    void reset();

    // Header captions of a table without a caption row.
    void setCaptions(const QStringList& captions);
    // The caption row's colours and bold text; no value keeps the style's own look.
    void setHeaderColors(std::optional<QColor> background, std::optional<QColor> text);

    // The table row of a model row (the caption row is not a model row).
    int tableRow(int modelRow) const;
    int modelRow(int tableRow) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    QVariant cellData(int row, int column, int role) const;

    const ReportTable* m_table = nullptr;
    QStringList m_captions;
    std::optional<QColor> m_headerBackground;
    std::optional<QColor> m_headerText;
};

}  // namespace zt::reports::ui
