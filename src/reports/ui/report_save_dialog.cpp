#include "reports/ui/report_save_dialog.h"

#include <QFileInfo>

namespace zt::reports::ui {

QString ReportSaveDialog::chooseCsv(QWidget* parent) {
    return choose(parent, kCsvFilter, "csv");
}

QString ReportSaveDialog::chooseHtml(QWidget* parent) {
    return choose(parent, kHtmlFilter, "html");
}

QString ReportSaveDialog::chooseHtmPage(QWidget* parent) {
    return choose(parent, kHtmlFilter, "htm");
}

QString ReportSaveDialog::chooseText(QWidget* parent) {
    return choose(parent, kTextFilter, "txt");
}

QString ReportSaveDialog::choose(QWidget* parent, const char* filter, const char* suffix) {
    m_filter = QString::fromLatin1(filter);
    m_suffix = QString::fromLatin1(suffix);
    const QString name = m_chooser(parent, QString::fromLatin1(kCaption), m_directory, m_filter, m_suffix);
    m_filter = QString::fromLatin1(kCsvFilter);
    m_suffix = QStringLiteral("csv");
    if (!name.isEmpty()) {
        // Like one dialog kept for the whole session, the next export starts where this one saved.
        m_directory = QFileInfo(name).absolutePath();
    }
    return name;
}

}  // namespace zt::reports::ui
