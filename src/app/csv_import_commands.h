#pragma once

namespace zt::ui {
class Tcsvimportfrm;
}

namespace zt::app {

class TForm1;

// The CSV import window over the main window: it works in the editor's data directory, chooses
// its CSV file with the main window's dialogs and, after every import, has the grid and the
// player editor show the league again. It deletes itself when closed. The menu command runs it
// modally; tests show it.
ui::Tcsvimportfrm* createCsvImportWindow(TForm1& window);

}  // namespace zt::app
