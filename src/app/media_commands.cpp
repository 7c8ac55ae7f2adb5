// The game media in the main window: the photo box beside the player editor's general page, the
// Patches menu, and File's Sound Editor, unpacker and repackers.
#include <QAction>
#include <QFrame>
#include <QObject>
#include <QVBoxLayout>

#include "app/app_dialogs.h"
#include "app/command_modules.h"
#include "app/main_window.h"
#include "league/league.h"
#include "league/ui/busy_cursor.h"
#include "league/ui/qt_text.h"
#include "media/appearance_patch.h"
#include "media/ui/media_services.h"
#include "media/ui/media_tools.h"
#include "media/ui/photo_box.h"
#include "players/ui/player_editor.h"
#include "players/ui/player_grid_panel.h"

namespace zt::app {

namespace {

class MediaCommands final : public QObject {
public:
    explicit MediaCommands(TForm1& window) : QObject(&window), m_window(window) {
        setObjectName(QStringLiteral("mediaCommands"));
        m_services.interaction = [&window]() -> Interaction& { return window.interaction(); };
        m_services.openFile =
            [&window](QWidget* parent, const QString& caption, const QString& directory, const QString& filter) {
                return window.dialogs().openFileName(parent, caption, directory, filter);
            };
        m_services.saveFile = [&window](QWidget* parent,
                                        const QString& caption,
                                        const QString& directory,
                                        const QString& filter,
                                        const QString& suffix) {
            return window.dialogs().saveFileName(parent, caption, directory, filter, suffix);
        };
        m_services.chooseFolder = [&window](QWidget* parent, const QString& caption, const QString& directory) {
            return window.dialogs().chooseFolder(parent, caption, directory);
        };
        m_services.gameDirectory = [&window] { return window.gameFolder(); };
        m_services.dataDirectory = [&window] { return window.dataDirectory(); };

        QFrame* frame = window.playerEditor()->photoBox();
        auto* layout = new QVBoxLayout(frame);
        layout->setContentsMargins(0, 0, 0, 0);
        m_photoBox = new media::ui::PhotoBox(m_services, frame);
        layout->addWidget(m_photoBox);

        connect(&window, &TForm1::startedUp, this, [this] { m_photoBox->loadAlbum(); });
        connect(&window, &TForm1::leagueOpened, this, [this] {
            m_photoBox->setLeague(m_window.league());
            showCurrentPhoto();
        });
        connect(&window, &TForm1::leagueClosed, this, [this] { m_photoBox->setLeague(nullptr); });
        connect(window.gridPanel(), &ui::PlayerGridPanel::playerSelected, this, window.command([this](int) {
            showCurrentPhoto();
        }));
        // A renamed player loses his photo: the box follows what APPLY stored.
        connect(window.playerEditor(), &ui::PlayerEditor::playerApplied, this, window.command([this] {
            showCurrentPhoto();
        }));
        connect(m_photoBox, &media::ui::PhotoBox::leagueSaved, this, [this] {
            if (League* league = m_window.league(); league != nullptr && league->currentPlayer != nullptr) {
                m_window.playerEditor()->loadPlayer(*league->currentPlayer);
            }
            m_window.showStatus("Saved " + league()->selectedFile.string());
        });

        const MainMenu& menu = window.menu();
        addPatch(menu.facesPatch, media::PatchKind::Faces, "Faces patch files (*.fce)");
        addPatch(menu.stancesPatch, media::PatchKind::Stances, "Batting stances patch files (*.bst)");
        addPatch(menu.stylesPatch, media::PatchKind::Styles, "Pitching styles patch files (*.pst)");
        addTool(menu.soundEditor, [this] { return media::ui::createSoundEditor(m_services, &m_window); });
        addTool(menu.unpacker, [this] { return media::ui::createUnpacker(m_services, &m_window); });
        addTool(menu.modRepacker, [this] { return media::ui::createModRepacker(m_services, &m_window); });
        addTool(menu.albRepacker, [this] { return media::ui::createAlbRepacker(m_services, &m_window); });
    }

private:
    League* league() const { return m_window.league(); }

    void showCurrentPhoto() {
        const League* open = league();
        m_photoBox->showPlayer(open != nullptr ? open->currentPlayer : nullptr);
    }

    void addPatch(QAction* action, media::PatchKind kind, const char* filter) {
        connect(action, &QAction::triggered, this, m_window.command([this, kind, filter] {
            if (league() == nullptr || !m_window.confirmPendingEdits()) {
                return;
            }
            const QString file = m_window.dialogs().openFileName(
                &m_window, QStringLiteral("Open"), QString(), QString::fromLatin1(filter));
            if (file.isEmpty()) {
                return;
            }
            {
                ui::BusyCursor busy;
                media::applyPatchFile(*league(), kind, ui::toPath(file), m_window.interaction());
            }
            if (league()->currentPlayer != nullptr) {
                m_window.gridPanel()->refreshCurrentRow();
                m_window.playerEditor()->loadPlayer(*league()->currentPlayer);
            }
        }));
        m_window.addLeagueCommand(action);
    }

    template <class Create>
    void addTool(QAction* action, Create create) {
        connect(action, &QAction::triggered, this, m_window.command([create] {
            if (QDialog* form = create()) {
                form->setAttribute(Qt::WA_DeleteOnClose);
                form->exec();
            }
        }));
        // The tools work on the game's files, not on the league: they are offered at all times.
        action->setEnabled(true);
    }

    TForm1& m_window;
    media::ui::MediaServices m_services;
    media::ui::PhotoBox* m_photoBox = nullptr;
};

}  // namespace

void installMediaCommands(TForm1& window) {
    new MediaCommands(window);
}

}  // namespace zt::app
