#include "netleague/ui/check_update_window.h"

#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTextEdit>
#include <QVBoxLayout>

#include "league/interaction.h"
#include "league/ui/command_boundary.h"
#include "league/ui/qt_text.h"
#include "netleague/ui/off_thread.h"

namespace zt::ui {

TCheckUpdateForm::TCheckUpdateForm(std::string server,
                                   std::filesystem::path editorDir,
                                   Interaction& interaction,
                                   PatchStarter startPatch,
                                   QWidget* parent)
    : QDialog(parent),
      m_server(std::move(server)),
      m_editorDir(std::move(editorDir)),
      m_interaction(interaction),
      m_startPatch(std::move(startPatch)) {
    setObjectName(QStringLiteral("TCheckUpdateForm"));
    setWindowTitle(QStringLiteral("Check for Update"));
    setModal(true);

    m_notesLabel = new QLabel(QStringLiteral("Update Notes"), this);
    m_notesLabel->setObjectName(QStringLiteral("lbnotes"));
    m_notes = new QTextEdit(this);
    m_notes->setObjectName(QStringLiteral("notes"));
    m_notes->setReadOnly(true);
    m_bar = new QProgressBar(this);
    m_bar->setObjectName(QStringLiteral("pb"));
    m_check = new QPushButton(QStringLiteral("Check"), this);
    m_check->setObjectName(QStringLiteral("btcheck"));
    m_updateNow = new QPushButton(QStringLiteral("Update Now"), this);
    m_updateNow->setObjectName(QStringLiteral("btupdatenow"));
    m_close = new QPushButton(QStringLiteral("Close"), this);
    m_close->setObjectName(QStringLiteral("btclose"));
    for (QWidget* hidden : {static_cast<QWidget*>(m_notesLabel),
                            static_cast<QWidget*>(m_notes),
                            static_cast<QWidget*>(m_bar),
                            static_cast<QWidget*>(m_updateNow)}) {
        hidden->hide();
    }

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_check);
    buttons->addWidget(m_updateNow);
    buttons->addStretch();
    buttons->addWidget(m_close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_notesLabel);
    layout->addWidget(m_notes);
    layout->addWidget(m_bar);
    layout->addLayout(buttons);
    resize(480, 360);

    const auto failureShown = [this]() -> Interaction& { return m_interaction; };
    connect(m_check, &QPushButton::clicked, this, commandSlot(failureShown, [this] { checkClicked(); }));
    connect(m_updateNow, &QPushButton::clicked, this, commandSlot(failureShown, [this] { updateNowClicked(); }));
    connect(m_close, &QPushButton::clicked, this, &QDialog::reject);
    m_timer.setInterval(100);
    connect(&m_timer, &QTimer::timeout, this, [this] { showPercent(); });
}

void TCheckUpdateForm::checkClicked() {
    // A failed check leaves Check disabled until the window is opened again.
    m_check->setEnabled(false);
    m_patch.reset();
    UpdateCheckResult result;
    runOffThread([&] { result = checkForUpdate(m_server, m_editorDir, m_monitor); });
    m_interaction.information(result.check.message());
    if (result.check.patch) {
        // The notes are rich text; shown as their text where no reader for that format exists.
        QFile notes(fromPath(result.notesFile.string()));
        if (notes.open(QIODevice::ReadOnly)) {
            m_notes->setPlainText(QString::fromUtf8(notes.readAll()));
        }
        m_notes->moveCursor(QTextCursor::Start);
        m_notesLabel->show();
        m_notes->show();
        m_updateNow->show();
        m_patch = result.check.patch;
    }
    m_check->setEnabled(true);
}

void TCheckUpdateForm::showPercent() {
    if (m_patch) {
        m_bar->setValue(patchPercent(m_monitor.receivedBytes(), m_patch->size));
    }
}

void TCheckUpdateForm::updateNowClicked() {
    if (!m_patch) {
        return;
    }
    if (m_patch->tooOld()) {
        m_interaction.information(tooOldMessage(m_server));
        return;
    }
    m_bar->setRange(0, 100);
    m_bar->setValue(0);
    m_bar->show();
    m_updateNow->setEnabled(false);
    m_monitor.reset();
    m_timer.start();
    std::filesystem::path patch;
    try {
        runOffThread([&] { patch = downloadPatch(*m_patch, m_server, m_editorDir, m_monitor); });
    } catch (...) {
        m_timer.stop();
        m_updateNow->setEnabled(true);
        throw;
    }
    m_timer.stop();
    showPercent();
    if (m_startPatch && !m_startPatch(patch, patchArguments(m_editorDir), m_editorDir)) {
        m_updateNow->setEnabled(true);
        m_interaction.warning("The patch " + patch.string() + " could not be started.");
    }
}

}  // namespace zt::ui
