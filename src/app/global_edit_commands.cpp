// Global editing: Edit > "Global Editing" (F3) opens the global-editing window modally.
#include "app/global_edit_commands.h"

#include <QAction>

#include "app/app_dialogs.h"
#include "app/command_modules.h"
#include "app/main_window.h"
#include "globaledit/ui/global_edit_window.h"
#include "league/league.h"
#include "players/ui/player_grid_panel.h"

namespace zt::app {

namespace {

constexpr char kGbeFilter[] = "Global Edting Files (*.gbe)";

int selectedPlayersTeam(const TForm1& window) {
    const League* league = window.league();
    if (league != nullptr && league->currentPlayer != nullptr) {
        return league->currentPlayer->teamIndex();
    }
    return window.gridPanel()->shownTeam();
}

}  // namespace

globaledit::ui::Tglobalfrm* createGlobalEditWindow(TForm1& window) {
    auto* form = new globaledit::ui::Tglobalfrm(
        *window.league(), selectedPlayersTeam(window), window.constants(), window.interaction(), &window);
    form->setAttribute(Qt::WA_DeleteOnClose);
    form->setFileChooser([&window, form](globaledit::ui::Tglobalfrm::FileChoice choice) {
        const QString filter = QString::fromLatin1(kGbeFilter);
        if (choice == globaledit::ui::Tglobalfrm::FileChoice::Open) {
            return window.dialogs().openFileName(form, QStringLiteral("Open"), QString(), filter);
        }
        // Append adds to the file it is given: replacing it is not what happens, so not asked.
        const auto existing = choice == globaledit::ui::Tglobalfrm::FileChoice::Append
                                  ? AppDialogs::ExistingFile::Accept
                                  : AppDialogs::ExistingFile::AskToReplace;
        return window.dialogs().saveFileName(
            form, QStringLiteral("Save"), QString(), filter, QStringLiteral("gbe"), existing);
    });
    QObject::connect(form, &QDialog::finished, &window, [&window] { window.showLeagueAgain(); });
    return form;
}

void installGlobalEditCommands(TForm1& window) {
    QAction* action = window.menu().globalEditing;
    QObject::connect(action, &QAction::triggered, &window, [&window] {
        if (window.league() != nullptr) {
            createGlobalEditWindow(window)->exec();
        }
    });
    window.addLeagueCommand(action);
}

}  // namespace zt::app
