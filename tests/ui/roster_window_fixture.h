#pragma once

#include <QMimeData>
#include <functional>
#include <memory>

#include "league/league.h"
#include "main_window_fixture.h"

namespace zt::ui {
class PlayerGridPanel;
class PlayerGridView;
}  // namespace zt::ui

namespace zt::test {

// The main window with a generated league open, and helpers to find players, select grid rows
// and deliver drags to the lineup page's panels as Qt's drag loop would.
class RosterWindowTest : public MainWindowTest {
protected:
    void SetUp() override;

    League& league() { return *m_window->league(); }
    ui::PlayerGridPanel& grid();
    ui::PlayerGridView& view();

    // Lists team t as its Teams menu item does.
    void showTeam(int t);
    // Index of the first player matching, -1 when none.
    int findPlayer(const std::function<bool(const PlayerRecord&)>& matches);
    PlayerRecord& playerAt(int index) { return *league().players[static_cast<std::size_t>(index)]; }
    // Clicks the players' rows: the first alone, the others with Ctrl.
    void selectRows(const std::vector<int>& playerIndexes);
    // Player indexes of the grid's rows in order.
    std::vector<int> listedPlayers();

    // A drag entering `target`; true when the target accepts it.
    static bool dragEnter(QWidget* target, const QMimeData& data);
    // A drag entering and dropped on `target`; true when the drop was taken.
    static bool dropOn(QWidget* target, const QMimeData& data);
};

}  // namespace zt::test
