#pragma once

#include <QDialog>
#include <filesystem>
#include <functional>

#include "league/net_info.h"

class QLineEdit;

namespace zt {
class Interaction;
}

namespace zt::ui {

inline constexpr char kHtmlFilesFilter[] = "HTML files (*.htm *.html);;All files (*)";

// "League and mail info": the nine texts of net.txt. There is no OK button: closing the window by
// any means takes the edits back into `info` (the two file paths without their double quotes) and
// rewrites net.txt; `closed` then runs so the report settings take the new header and footer.
class TNetInfoForm : public QDialog {
    Q_OBJECT

public:
    // Chooses a file for a path edit: the current path in, the chosen one out (empty: none).
    using FileChooser = std::function<QString(const QString& current)>;

    TNetInfoForm(NetLeagueInfo& info,
                 std::filesystem::path netFile,
                 Interaction& interaction,
                 FileChooser chooseFile,
                 std::function<void()> closed,
                 QWidget* parent = nullptr);

    void done(int result) override;

private:
    QLineEdit* addEdit(const char* name, const std::string& text);
    void browse(QLineEdit* edit);
    void takeBack();

    NetLeagueInfo& m_info;
    std::filesystem::path m_netFile;
    Interaction& m_interaction;
    FileChooser m_chooseFile;
    std::function<void()> m_closed;
    bool m_written = false;

    QLineEdit* m_league = nullptr;
    QLineEdit* m_director = nullptr;
    QLineEdit* m_leagueMail = nullptr;
    QLineEdit* m_smtp = nullptr;
    QLineEdit* m_name = nullptr;
    QLineEdit* m_mail = nullptr;
    QLineEdit* m_filesUrl = nullptr;
    QLineEdit* m_header = nullptr;
    QLineEdit* m_footer = nullptr;
};

}  // namespace zt::ui
