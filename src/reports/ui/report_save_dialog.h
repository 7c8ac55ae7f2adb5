#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace zt::reports::ui {

// The one "Save report file" dialog of the main window that every report export asks. It rests
// in its CSV state; an HTML or text export switches it for that one question and always puts the
// CSV state back, whether the user saved or cancelled.
class ReportSaveDialog {
public:
    // Shows the system's dialog: parent, caption, directory, filter, default suffix; an empty
    // name when the user cancelled.
    using Chooser = std::function<QString(QWidget*, const QString&, const QString&, const QString&, const QString&)>;

    static constexpr char kCaption[] = "Save report file";
    static constexpr char kCsvFilter[] = "CSV Files (*.csv)";
    static constexpr char kHtmlFilter[] = "HTML Files (*.html)";
    static constexpr char kTextFilter[] = "Txt Files (*.txt)";

    explicit ReportSaveDialog(Chooser chooser) : m_chooser(std::move(chooser)) {}

    QString chooseCsv(QWidget* parent);
    QString chooseHtml(QWidget* parent);
    // The HTML filter with ".htm" added to a name without suffix (the league scores page).
    QString chooseHtmPage(QWidget* parent);
    QString chooseText(QWidget* parent);

    const QString& filter() const { return m_filter; }
    const QString& defaultSuffix() const { return m_suffix; }

private:
    QString choose(QWidget* parent, const char* filter, const char* suffix);

    Chooser m_chooser;
    QString m_filter = QString::fromLatin1(kCsvFilter);
    QString m_suffix = QStringLiteral("csv");
    QString m_directory;
};

}  // namespace zt::reports::ui
