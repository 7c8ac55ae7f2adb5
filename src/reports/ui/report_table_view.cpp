#include "reports/ui/report_table_view.h"

#include <QHeaderView>
#include <QScrollBar>

#include "reports/ui/report_table_model.h"

namespace zt::reports::ui {

ReportTableView::ReportTableView(QWidget* parent) : QTableView(parent) {
    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setWordWrap(false);
    horizontalHeader()->setHighlightSections(false);
    connect(this, &QAbstractItemView::clicked, this, &ReportTableView::onClicked);
    connect(horizontalHeader(), &QHeaderView::sectionMoved, this, &ReportTableView::onSectionMoved);
}

void ReportTableView::setReportModel(ReportTableModel* model) {
    m_model = model;
    setModel(model);
    connect(model, &QAbstractItemModel::modelReset, this, &ReportTableView::syncColumns);
    syncColumns();
}

void ReportTableView::syncColumns() {
    if (m_model == nullptr || m_model->table() == nullptr) {
        return;
    }
    const ReportTable& table = *m_model->table();
    for (int c = 0; c < table.columnCount(); ++c) {
        setColumnHidden(c, table.isColumnHidden(c));
        if (m_frozen != nullptr) {
            m_frozen->setColumnHidden(c, c != 0);
        }
    }
    if (m_frozen != nullptr) {
        m_frozen->setColumnWidth(0, columnWidth(0));
        updateFrozenGeometry();
    }
}

void ReportTableView::setColumnsMovable(bool movable, int firstMovable) {
    m_firstMovable = firstMovable;
    horizontalHeader()->setSectionsMovable(movable);
}

void ReportTableView::onClicked(const QModelIndex& index) {
    const QString target = index.data(ReportTableModel::LinkRole).toString();
    if (!target.isEmpty() && m_model != nullptr) {
        Q_EMIT linkActivated(m_model->tableRow(index.row()), index.column(), target);
    }
}

void ReportTableView::onSectionMoved(int, int oldVisual, int newVisual) {
    if (m_reverting) {
        return;
    }
    m_reverting = true;
    horizontalHeader()->moveSection(newVisual, oldVisual);
    m_reverting = false;
    if (oldVisual >= m_firstMovable && newVisual >= m_firstMovable) {
        Q_EMIT columnMoved(oldVisual, newVisual);
    }
}

// The fixed column is a second view over the same model, laid over the first column and
// scrolled with the main view (the arrangement Qt's own frozen-column example uses).
void ReportTableView::setFixedColumn(bool fixed) {
    if (fixed == (m_frozen != nullptr)) {
        return;
    }
    if (!fixed) {
        delete m_frozen;
        m_frozen = nullptr;
        return;
    }
    m_frozen = new QTableView(this);
    m_frozen->setObjectName(QStringLiteral("fixedColumn"));
    m_frozen->setModel(model());
    m_frozen->setSelectionModel(selectionModel());
    m_frozen->setFocusPolicy(Qt::NoFocus);
    m_frozen->verticalHeader()->hide();
    m_frozen->verticalHeader()->setDefaultSectionSize(verticalHeader()->defaultSectionSize());
    m_frozen->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_frozen->horizontalHeader()->setHighlightSections(false);
    m_frozen->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_frozen->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_frozen->setSelectionBehavior(selectionBehavior());
    m_frozen->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_frozen->setShowGrid(showGrid());
    m_frozen->setWordWrap(false);
    viewport()->stackUnder(m_frozen);
    connect(m_frozen, &QAbstractItemView::clicked, this, &ReportTableView::onClicked);
    connect(horizontalHeader(), &QHeaderView::sectionResized, m_frozen, [this](int logical, int, int size) {
        if (m_frozen != nullptr && logical == 0) {
            m_frozen->setColumnWidth(0, size);
            updateFrozenGeometry();
        }
    });
    connect(
        verticalScrollBar(), &QAbstractSlider::valueChanged, m_frozen->verticalScrollBar(), &QAbstractSlider::setValue);
    syncColumns();
    m_frozen->show();
}

void ReportTableView::updateFrozenGeometry() {
    if (m_frozen == nullptr) {
        return;
    }
    m_frozen->setShowGrid(showGrid());
    const int header = verticalHeader()->isVisible() ? verticalHeader()->width() : 0;
    m_frozen->setGeometry(
        header + frameWidth(), frameWidth(), columnWidth(0), viewport()->height() + horizontalHeader()->height());
}

void ReportTableView::resizeEvent(QResizeEvent* event) {
    QTableView::resizeEvent(event);
    updateFrozenGeometry();
}

}  // namespace zt::reports::ui
