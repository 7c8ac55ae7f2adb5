#pragma once

#include <QDialog>
#include <string>
#include <vector>

class QAction;
class QMenu;
class QTextEdit;

namespace zt::season::ui {

struct SeasonServices;

// The box score of one game in a read-only text view (`RichEdit1`, Courier) whose pop-up menu
// saves it as text or HTML or copies it as HTML.
class Tboxscorefrm : public QDialog {
    Q_OBJECT

public:
    Tboxscorefrm(std::vector<std::string> lines, const SeasonServices& services, QWidget* parent = nullptr);

    QMenu* popupMenu() const { return m_popup; }
    QTextEdit* view() const { return m_view; }

private:
    void saveAs(const char* filter, const char* suffix, bool html);
    void copyAsHtml();

    std::vector<std::string> m_lines;
    const SeasonServices& m_services;
    QTextEdit* m_view = nullptr;
    QMenu* m_popup = nullptr;
};

}  // namespace zt::season::ui
