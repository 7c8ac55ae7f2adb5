#include "reports/ui/report_table_model.h"

#include <QFont>

#include "league/ui/qt_text.h"
#include "reports/report_names.h"

namespace zt::reports::ui {

namespace {

const QColor kLinkColor(0, 0, 238);

Qt::Alignment alignmentOf(CellAlign align) {
    switch (align) {
        case CellAlign::Right:
            return Qt::AlignRight | Qt::AlignVCenter;
        case CellAlign::Center:
            return Qt::AlignCenter;
        case CellAlign::Left:
            break;
    }
    return Qt::AlignLeft | Qt::AlignVCenter;
}

}  // namespace

ReportTableModel::ReportTableModel(QObject* parent) : QAbstractTableModel(parent) {}

void ReportTableModel::setTable(const ReportTable* table) {
    beginResetModel();
    m_table = table;
    endResetModel();
}

void ReportTableModel::reset() {
    beginResetModel();
    endResetModel();
}

void ReportTableModel::setCaptions(const QStringList& captions) {
    m_captions = captions;
    if (columnCount() > 0) {
        Q_EMIT headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
    }
}

void ReportTableModel::setHeaderColors(std::optional<QColor> background, std::optional<QColor> text) {
    m_headerBackground = background;
    m_headerText = text;
    if (columnCount() > 0) {
        Q_EMIT headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
    }
}

int ReportTableModel::tableRow(int modelRow) const {
    return m_table != nullptr && m_table->fixedRow ? modelRow + 1 : modelRow;
}

int ReportTableModel::modelRow(int tableRow) const {
    return m_table != nullptr && m_table->fixedRow ? tableRow - 1 : tableRow;
}

int ReportTableModel::rowCount(const QModelIndex& parent) const {
    if (parent.isValid() || m_table == nullptr) {
        return 0;
    }
    return std::max(0, m_table->rowCount() - (m_table->fixedRow ? 1 : 0));
}

int ReportTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() || m_table == nullptr ? 0 : m_table->columnCount();
}

QVariant ReportTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || m_table == nullptr) {
        return {};
    }
    return cellData(tableRow(index.row()), index.column(), role);
}

QVariant ReportTableModel::cellData(int row, int column, int role) const {
    const std::string& text = m_table->text(row, column);
    const CellFormat& format = m_table->format(row, column);
    const std::optional<LinkParts> link = format.html ? parseLink(text) : std::nullopt;
    switch (role) {
        case Qt::DisplayRole:
            return zt::ui::fromLeagueText(link ? link->text : text);
        case LinkRole:
            return link ? QVariant(zt::ui::fromLeagueText(link->target)) : QVariant();
        case Qt::BackgroundRole:
            return format.hasBackground() ? QVariant(zt::ui::toQColor(format.background)) : QVariant();
        case Qt::ForegroundRole:
            if (format.hasTextColor()) {
                return zt::ui::toQColor(format.textColor);
            }
            return link ? QVariant(kLinkColor) : QVariant();
        case Qt::FontRole: {
            if (!format.bold && !format.italic && !format.underline && !link) {
                return {};
            }
            QFont font;
            font.setBold(format.bold);
            font.setItalic(format.italic);
            font.setUnderline(format.underline || link.has_value());
            return font;
        }
        case Qt::TextAlignmentRole:
            return QVariant::fromValue(alignmentOf(format.align));
        default:
            return {};
    }
}

QVariant ReportTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || m_table == nullptr || section < 0 || section >= m_table->columnCount()) {
        return QAbstractTableModel::headerData(section, orientation, role);
    }
    switch (role) {
        case Qt::DisplayRole:
            if (m_table->fixedRow && m_table->rowCount() > 0) {
                return zt::ui::fromLeagueText(m_table->text(0, section));
            }
            return section < m_captions.size() ? m_captions[section] : QString();
        case Qt::BackgroundRole:
            return m_headerBackground ? QVariant(*m_headerBackground) : QVariant();
        case Qt::ForegroundRole:
            return m_headerText ? QVariant(*m_headerText) : QVariant();
        case Qt::FontRole:
            if (m_headerBackground || m_headerText) {
                QFont font;
                font.setBold(true);
                return font;
            }
            return {};
        default:
            return {};
    }
}

}  // namespace zt::reports::ui
