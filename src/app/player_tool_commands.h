#pragma once

#include <functional>
#include <optional>

class QWidget;

namespace zt {
class League;
}

namespace zt::ui {
class HistoryPage;
}

namespace zt::app {

class TForm1;

// Where "Import Players" puts the players it reads: 999 keeps each player's own team, 255 makes
// them free agents, a team number sends them to that team; no value when the user cancels. The
// window asks through this seam so that the import's destination dialog can be replaced (and
// tests answer it in advance).
using ImportDestinationChooser = std::function<std::optional<int>(QWidget* parent, const League& league)>;

// The chooser the window starts with: a list of "Imported player team", "Free Agents" and the
// league's team names under the caption "Imported Players Destination Team".
std::optional<int> chooseImportDestination(QWidget* parent, const League& league);

void setImportDestinationChooser(TForm1& window, ImportDestinationChooser chooser);

// The history page of the window's player editor.
ui::HistoryPage* historyPage(const TForm1& window);

}  // namespace zt::app
