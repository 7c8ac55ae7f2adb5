#include "netleague/ui/update_league_window.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "league/interaction.h"
#include "league/ui/command_boundary.h"
#include "league/ui/qt_text.h"
#include "netleague/ui/off_thread.h"

namespace zt::ui {

namespace {

QLabel* namedLabel(const char* name, const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    return label;
}

// The bar counts bytes; past the range of an int it counts KiB.
int barUnits(std::int64_t bytes, std::int64_t total) {
    return static_cast<int>(total > 0x7fffffff ? bytes / 1024 : bytes);
}

}  // namespace

TUpdateLeagueForm::TUpdateLeagueForm(std::filesystem::path leagueDir,
                                     std::string url,
                                     Interaction& interaction,
                                     std::function<void()> reload,
                                     QWidget* parent)
    : QDialog(parent),
      m_leagueDir(std::move(leagueDir)),
      m_url(std::move(url)),
      m_interaction(interaction),
      m_reload(std::move(reload)) {
    setObjectName(QStringLiteral("TUpdateLeagueForm"));
    setWindowTitle(QStringLiteral("Updating League Files"));
    setModal(true);

    m_state = namedLabel("lbstate", QString::fromLatin1(kUpdateStatusIdle), this);
    QFont bold = m_state->font();
    bold.setBold(true);
    m_state->setFont(bold);
    m_received = namedLabel("lbrcvbytes", QString(), this);
    m_of = namedLabel("lblof", QStringLiteral("of"), this);
    m_of->hide();
    m_size = namedLabel("lbsize", QString(), this);
    m_bar = new QProgressBar(this);
    m_bar->setObjectName(QStringLiteral("pb"));
    m_bar->setRange(0, 100);
    m_bar->setValue(0);
    m_update = new QPushButton(QStringLiteral("Update"), this);
    m_update->setObjectName(QStringLiteral("btupdate"));
    m_cancel = new QPushButton(QStringLiteral("Cancel"), this);
    m_cancel->setObjectName(QStringLiteral("btcancel"));

    auto* bytes = new QHBoxLayout;
    bytes->addWidget(m_received);
    bytes->addWidget(m_of);
    bytes->addWidget(m_size);
    bytes->addStretch();
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_update);
    buttons->addWidget(m_cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_state);
    layout->addLayout(bytes);
    layout->addWidget(m_bar);
    layout->addLayout(buttons);
    resize(420, sizeHint().height());

    const auto failureShown = [this]() -> Interaction& { return m_interaction; };
    connect(m_update, &QPushButton::clicked, this, commandSlot(failureShown, [this] { updateClicked(); }));
    connect(m_cancel, &QPushButton::clicked, this, commandSlot(failureShown, [this] { cancelClicked(); }));
    // The labels follow the transfer four times as often as the eye needs.
    m_timer.setInterval(100);
    connect(&m_timer, &QTimer::timeout, this, [this] { showProgress(); });
}

void TUpdateLeagueForm::showProgress() {
    const std::string status = m_monitor.statusText();
    if (!status.empty()) {
        m_state->setText(fromMessage(status));
    }
    if (!m_monitor.hasStarted()) {
        return;
    }
    const std::int64_t expected = m_monitor.expected();
    const std::int64_t received = m_monitor.receivedBytes();
    m_of->show();
    m_received->setText(QString::number(received));
    if (expected >= 0) {
        m_size->setText(QString::number(expected));
        m_bar->setRange(0, std::max(1, barUnits(expected, expected)));
        m_bar->setValue(std::min(barUnits(received, expected), m_bar->maximum()));
    } else {
        m_bar->setRange(0, 0);  // a busy bar when the server announced no length
    }
}

void TUpdateLeagueForm::updateClicked() {
    if (m_transferring) {
        return;
    }
    m_monitor.reset();
    m_monitor.status(kUpdateStatusContacting);
    m_update->setEnabled(false);
    m_transferring = true;
    showProgress();
    m_timer.start();
    try {
        runOffThread([this] { m_result = updateLeagueFiles(m_leagueDir, m_url, m_monitor); });
    } catch (...) {
        m_transferring = false;
        m_timer.stop();
        m_update->setEnabled(true);
        throw;
    }
    m_transferring = false;
    m_timer.stop();
    showProgress();
    finish();
}

void TUpdateLeagueForm::finish() {
    switch (m_result.outcome) {
        case LeagueUpdateOutcome::Cancelled:
            done(QDialog::Rejected);
            return;
        case LeagueUpdateOutcome::TransferFailed:
            // The status line shows the error; the league's files are untouched, so Update may be tried again.
            m_update->setEnabled(true);
            return;
        case LeagueUpdateOutcome::ExtractFailed:
            m_interaction.warning(kExtractErrorMessage);
            done(QDialog::Rejected);
            return;
        case LeagueUpdateOutcome::Extracted:
            break;
    }
    const bool reload = m_interaction.askYesNo(kReloadLeagueQuestion);
    done(QDialog::Accepted);
    if (reload && m_reload) {
        m_reload();
    }
}

void TUpdateLeagueForm::cancelClicked() {
    if (!m_transferring) {
        done(QDialog::Rejected);
        return;
    }
    if (m_cancelled || !m_interaction.askYesNo(kCancelDownloadQuestion)) {
        return;
    }
    // The worker sees the mark within a second and the Update command closes the window.
    m_cancelled = true;
    m_monitor.requestCancel();
}

void TUpdateLeagueForm::reject() {
    // Escape and the title bar's close button cancel like the Cancel button.
    if (m_transferring) {
        runCommand(m_interaction, [this] { cancelClicked(); });
        return;
    }
    QDialog::reject();
}

void TUpdateLeagueForm::closeEvent(QCloseEvent* event) {
    if (m_transferring) {
        event->ignore();
        runCommand(m_interaction, [this] { cancelClicked(); });
        return;
    }
    QDialog::closeEvent(event);
}

}  // namespace zt::ui
