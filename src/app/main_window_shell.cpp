// Start and end of the editor, and the small commands of the Help menu.
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/app_dialogs.h"
#include "app/editor_data_dir.h"
#include "app/main_window.h"
#include "app/qsettings_store.h"
#include "league/interaction.h"
#include "league/ui/qt_text.h"
#include "league/ui/title_width.h"
#include "players/ui/player_editor.h"

namespace zt::app {

void TForm1::startUp(const QStringList& arguments) {
    setWindowTitle(QString::fromLatin1(kStartCaption));
    {
        const QSettingsStore store;
        m_settings = readEditorSettings(store);
    }
    m_menu.showHidden->setChecked(m_settings.showHidden);
    m_gameDirectory = ui::fromPath(gameDirectory(m_settings, qgetenv("ZTEDIT_GAME_DIR").constData()));
    refreshRecentItems();
    m_editor->showGeneralPage();

    if (!arguments.isEmpty() && !arguments.constFirst().isEmpty()) {
        openLeagueFile(arguments.constFirst());
    }

    const QString dataDir = dataDirectory();
    seedEditorDataDirectory(dataDir);
    m_constants = readLeagueConstants(ui::toPath(dataDir + QString::fromLatin1(kConstantsFileName.data())));
    Q_EMIT startedUp();
}

void TForm1::shutDown() {
    if (m_shutDown) {
        return;
    }
    m_shutDown = true;
    // Failures to write at exit are not reported: there is nobody left to tell.
    try {
        const QString dataDir = dataDirectory();
        QDir().mkpath(dataDir);
        writeLeagueConstants(ui::toPath(dataDir + QString::fromLatin1(kConstantsFileName.data())), m_constants);
    } catch (const std::exception&) {
    }
    QSettingsStore store;
    writeEditorSettings(m_settings, store);
    store.sync();
}

QString TForm1::dataDirectory() const {
    return editorDataDirectory(ui::fromPath(m_settings.dataPath));
}

void TForm1::launchGame() {
    if (!close()) {
        return;
    }
    if (m_gameDirectory.isEmpty()) {
        return;
    }
    dialogs().shellOpen(m_gameDirectory + QStringLiteral("zt2003.exe"), {}, m_gameDirectory);
}

void TForm1::showAbout() {
    auto* box = new QDialog(this);
    box->setObjectName(QStringLiteral("AboutBox"));
    box->setWindowTitle(QStringLiteral("About"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    auto* layout = new QVBoxLayout(box);
    auto* title = new QLabel(QStringLiteral("Zantrip 2003 Editor"), box);
    auto* version = new QLabel(QString::fromLatin1(kVersionText), box);
    version->setObjectName(QStringLiteral("Version"));
    auto* ok = new QPushButton(QStringLiteral("OK"), box);
    connect(ok, &QPushButton::clicked, box, &QDialog::accept);
    layout->addWidget(title);
    layout->addWidget(version);
    layout->addWidget(ok);
    ui::fitTitle(*box);
    box->open();
}

void TForm1::openDonationPage() {
    dialogs().shellOpen(QString::fromLatin1(kDonationPage), {}, QString());
}

}  // namespace zt::app
