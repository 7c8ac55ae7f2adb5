#include <QLocale>

#include "app/guarded_application.h"
#include "app/main_window.h"

int main(int argc, char** argv) {
    zt::app::GuardedApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("ztedit"));
    QApplication::setOrganizationName(QStringLiteral("ztedit"));
    // No application display name: X11 and Wayland would append it to every window title, and the
    // titles are the editor's own captions, exactly.
    // Numbers are shown and typed with "." whatever the user's locale.
    QLocale::setDefault(QLocale::c());

    zt::app::TForm1 window;
    QStringList arguments = QApplication::arguments();
    arguments.removeFirst();
    window.startUp(arguments);
    window.show();
    return QApplication::exec();
}
