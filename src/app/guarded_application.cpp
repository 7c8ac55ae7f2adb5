#include "app/guarded_application.h"

#include "league/ui/command_boundary.h"
#include "league/ui/qt_interaction.h"

namespace zt::app {

bool GuardedApplication::notify(QObject* receiver, QEvent* event) {
    bool handled = false;
    ui::QtInteraction interaction(QApplication::activeWindow());
    ui::runCommand(interaction, [&] { handled = QApplication::notify(receiver, event); });
    return handled;
}

}  // namespace zt::app
