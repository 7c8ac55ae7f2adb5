#pragma once

#include <QDialog>
#include <QTimer>
#include <filesystem>
#include <functional>
#include <string>

#include "netleague/league_update.h"
#include "netleague/ui/transfer_monitor.h"

class QLabel;
class QProgressBar;
class QPushButton;

namespace zt {
class Interaction;
}

namespace zt::ui {

// "Updating League Files": Update downloads the league archive on a worker thread while the
// labels and the bar follow the transfer; Cancel asks first and stops it. A complete download is
// extracted and `reload` is offered; a failed one leaves the league's files as they were.
class TUpdateLeagueForm : public QDialog {
    Q_OBJECT

public:
    TUpdateLeagueForm(std::filesystem::path leagueDir,
                      std::string url,
                      Interaction& interaction,
                      std::function<void()> reload,
                      QWidget* parent = nullptr);

    void updateClicked();
    void cancelClicked();
    bool transferring() const { return m_transferring; }
    const LeagueUpdateResult& result() const { return m_result; }

    void reject() override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void showProgress();
    void finish();

    std::filesystem::path m_leagueDir;
    std::string m_url;
    Interaction& m_interaction;
    std::function<void()> m_reload;
    TransferMonitor m_monitor;
    LeagueUpdateResult m_result;
    bool m_transferring = false;
    bool m_cancelled = false;
    QTimer m_timer;

    QLabel* m_state = nullptr;
    QLabel* m_received = nullptr;
    QLabel* m_of = nullptr;
    QLabel* m_size = nullptr;
    QProgressBar* m_bar = nullptr;
    QPushButton* m_update = nullptr;
    QPushButton* m_cancel = nullptr;
};

}  // namespace zt::ui
