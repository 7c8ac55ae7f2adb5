#pragma once

namespace zt::globaledit::ui {
class Tglobalfrm;
}

namespace zt::app {

class TForm1;

// The global-editing window over the main window: its current team is the selected player's
// team, its .gbe files are chosen with the main window's dialogs, and when it closes the grid
// and the player editor show the league again. It deletes itself when closed. The menu command
// runs it modally; tests show it.
globaledit::ui::Tglobalfrm* createGlobalEditWindow(TForm1& window);

}  // namespace zt::app
