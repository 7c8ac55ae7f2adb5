#include "roster_window_fixture.h"

#include <QApplication>
#include <QDragEnterEvent>
#include <QTest>

#include "players/ui/player_grid_model.h"
#include "players/ui/player_grid_panel.h"
#include "players/ui/player_grid_view.h"

namespace zt::test {

void RosterWindowTest::SetUp() {
    MainWindowTest::SetUp();
    const auto sea = generateLeague("a");
    startWindow({QString::fromStdString(sea.string())});
    ASSERT_NE(m_window->league(), nullptr);
}

ui::PlayerGridPanel& RosterWindowTest::grid() {
    return *m_window->gridPanel();
}

ui::PlayerGridView& RosterWindowTest::view() {
    return *grid().view();
}

void RosterWindowTest::showTeam(int t) {
    action(QStringLiteral("Team%1").arg(t).toLatin1().constData())->trigger();
}

int RosterWindowTest::findPlayer(const std::function<bool(const PlayerRecord&)>& matches) {
    for (std::size_t i = 0; i < league().players.size(); ++i) {
        if (matches(*league().players[i])) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

void RosterWindowTest::selectRows(const std::vector<int>& playerIndexes) {
    bool first = true;
    for (const int index : playerIndexes) {
        const int row = grid().model()->rowOfPlayer(index);
        ASSERT_GE(row, 0) << "player " << index << " is not listed";
        const QModelIndex cell = grid().model()->index(row, 1);
        view().scrollTo(cell);
        QTest::mouseClick(view().viewport(),
                          Qt::LeftButton,
                          first ? Qt::NoModifier : Qt::ControlModifier,
                          view().visualRect(cell).center());
        first = false;
    }
}

std::vector<int> RosterWindowTest::listedPlayers() {
    std::vector<int> indexes;
    for (const auto& row : grid().model()->rows()) {
        indexes.push_back(row.playerIndex);
    }
    return indexes;
}

bool RosterWindowTest::dragEnter(QWidget* target, const QMimeData& data) {
    QDragEnterEvent enter(
        target->rect().center(), Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    return enter.isAccepted();
}

bool RosterWindowTest::dropOn(QWidget* target, const QMimeData& data) {
    if (!dragEnter(target, data)) {
        return false;
    }
    QDropEvent drop(
        QPointF(target->rect().center()), Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
    return drop.isAccepted();
}

}  // namespace zt::test
