#pragma once

#include <QTableView>

namespace zt::reports::ui {

class ReportTableModel;

// The view of a report table: hidden columns follow the table, link cells are clicked, the
// first column can stay in place while the rest scrolls, and captions can be dragged. A dragged
// caption is reported and put back: the window rebuilds its table in the new order, so the
// table's column order stays the order shown.
class ReportTableView : public QTableView {
    Q_OBJECT

public:
    explicit ReportTableView(QWidget* parent = nullptr);

    void setReportModel(ReportTableModel* model);
    ReportTableModel* reportModel() const { return m_model; }

    // Keeps the first column in view while scrolling sideways.
    void setFixedColumn(bool fixed);
    bool fixedColumn() const { return m_frozen != nullptr; }
    // Lets the user drag the captions of columns from `firstMovable` on.
    void setColumnsMovable(bool movable, int firstMovable = 0);

Q_SIGNALS:
    // A link cell was clicked: its table row and column and the link's target.
    void linkActivated(int tableRow, int column, const QString& target);
    // The caption at position `from` was dropped at position `to` (positions count hidden columns).
    void columnMoved(int from, int to);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void syncColumns();
    void onClicked(const QModelIndex& index);
    void onSectionMoved(int logical, int oldVisual, int newVisual);
    void updateFrozenGeometry();

    ReportTableModel* m_model = nullptr;
    QTableView* m_frozen = nullptr;
    int m_firstMovable = 0;
    bool m_reverting = false;
};

}  // namespace zt::reports::ui
