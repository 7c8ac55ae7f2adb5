#pragma once

#include <QDialog>
#include <QTimer>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "netleague/ui/transfer_monitor.h"
#include "netleague/web_update.h"

class QLabel;
class QProgressBar;
class QPushButton;
class QTextEdit;

namespace zt {
class Interaction;
}

namespace zt::ui {

// "Check for Update": Check reads the update server's version file and shows the release notes
// of the patch for this version; Update Now downloads the patch and hands it to `startPatch`
// (which starts it and ends the editor) only when exactly the announced size arrived.
class TCheckUpdateForm : public QDialog {
    Q_OBJECT

public:
    // Starts the patch with its arguments in the editor's folder; false when it could not start.
    using PatchStarter = std::function<bool(const std::filesystem::path& patch,
                                            const std::vector<std::string>& arguments,
                                            const std::filesystem::path& folder)>;

    TCheckUpdateForm(std::string server,
                     std::filesystem::path editorDir,
                     Interaction& interaction,
                     PatchStarter startPatch,
                     QWidget* parent = nullptr);

    void checkClicked();
    void updateNowClicked();

private:
    void showPercent();

    std::string m_server;
    std::filesystem::path m_editorDir;
    Interaction& m_interaction;
    PatchStarter m_startPatch;
    std::optional<PatchEntry> m_patch;
    TransferMonitor m_monitor;
    QTimer m_timer;

    QPushButton* m_check = nullptr;
    QPushButton* m_updateNow = nullptr;
    QPushButton* m_close = nullptr;
    QLabel* m_notesLabel = nullptr;
    QTextEdit* m_notes = nullptr;
    QProgressBar* m_bar = nullptr;
};

}  // namespace zt::ui
