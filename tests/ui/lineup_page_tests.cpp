// The lineup page in the main window: drops from the grid, exchanges between slots, clearing,
// positions, colours, the Check button, and the grid's drag start.
#include <QApplication>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include "league/ui/qt_text.h"
#include "players/ui/player_grid_model.h"
#include "players/ui/player_grid_panel.h"
#include "players/ui/player_grid_view.h"
#include "roster_window_fixture.h"
#include "rosters/ui/slot_panel.h"

namespace zt::test {
namespace {

using ui::PlayerGridView;
using ui::SlotPanel;

constexpr int kTeam = 2;

class LineupPageTest : public RosterWindowTest {
protected:
    void SetUp() override {
        RosterWindowTest::SetUp();
        showTeam(kTeam);
    }

    TeamRecord& team() { return league().teams[kTeam].record; }
    SlotPanel* panel(const char* name) { return child<SlotPanel>(name); }
    QString nameOf(int index) {
        const PlayerRecord& p = playerAt(index);
        return ui::fromLeagueText(p.get(pf::lastName) + " , " + p.get(pf::firstName));
    }
    // A healthy player of the team at the level, a pitcher or not, who stands in no lineup or
    // rotation of the level.
    int freePlayer(int level, bool pitcher) {
        const TeamRecord& record = team();
        return findPlayer([&](const PlayerRecord& p) {
            if (p.teamIndex() != kTeam || p.level() != level || (p.get(pf::position) == 1) != pitcher ||
                p.get(pf::daysOut) != 0 || !league().isOnRoster(p, kTeam)) {
                return false;
            }
            for (int kind = 0; kind < kLineupKinds; ++kind) {
                for (int slot = 0; slot < kLineupSlots; ++slot) {
                    if (record.lineupSlot(static_cast<LineupKind>(kind), slot).playerId == p.playerId()) {
                        return false;
                    }
                }
            }
            for (int slot = 0; slot < kRotationSlots; ++slot) {
                if (record.rotationSlot(level, slot) == p.playerId()) {
                    return false;
                }
            }
            return true;
        });
    }
    std::unique_ptr<QMimeData> gridDrag(int playerIndex) {
        EXPECT_TRUE(grid().selectPlayerRow(playerIndex));
        return std::unique_ptr<QMimeData>(PlayerGridView::playerDragData(playerIndex));
    }
    QColor textColour(QWidget* widget) { return widget->palette().color(QPalette::WindowText); }
};

TEST_F(LineupPageTest, APlayerDroppedFromTheGridTakesTheLineupSlotAndItsPosition) {
    const int index = freePlayer(0, false);
    ASSERT_GE(index, 0);
    const LineupSlot before = team().lineupSlot(LineupKind::MajorVsL, 2);
    const auto data = gridDrag(index);

    ASSERT_TRUE(dropOn(panel("ln3"), *data));
    EXPECT_EQ(team().lineupSlot(LineupKind::MajorVsL, 2), (LineupSlot{playerAt(index).playerId(), before.position}));
    EXPECT_EQ(playerAt(index).get(pf::secondPosition), before.position);
    EXPECT_EQ(panel("ln3")->text(), nameOf(index));
    EXPECT_EQ(textColour(panel("ln3")), QColor(Qt::black));
    EXPECT_EQ(child<QComboBox>("cbpos2")->currentIndex(), before.position - 1);
    EXPECT_TRUE(league().changed());
}

TEST_F(LineupPageTest, AGridPlayerOfAnotherLevelIsNotAccepted) {
    const int index = findPlayer(
        [](const PlayerRecord& p) { return p.teamIndex() == kTeam && p.level() == 1 && p.get(pf::daysOut) == 0; });
    ASSERT_GE(index, 0);
    const auto data = gridDrag(index);
    const auto before = team().bytes();
    EXPECT_FALSE(dropOn(panel("ln3"), *data));  // the majors are shown
    EXPECT_FALSE(dropOn(panel("rot1"), *data));
    EXPECT_FALSE(dropOn(panel("closerpanel"), *data));
    EXPECT_EQ(team().bytes(), before);

    child<QComboBox>("cblinelev")->setCurrentIndex(1);  // AAA
    EXPECT_TRUE(dropOn(panel("ln3"), *data));
    EXPECT_EQ(team().lineupSlot(LineupKind::AAA, 2).playerId, playerAt(index).playerId());
}

TEST_F(LineupPageTest, APitcherDroppedOnTheCloserPanelBecomesTheOnlyCloser) {
    const int previous = findPlayer(
        [](const PlayerRecord& p) { return p.teamIndex() == kTeam && p.level() == 0 && p.get(pf::role) == 4; });
    const int index = freePlayer(0, true);
    ASSERT_GE(previous, 0);
    ASSERT_GE(index, 0);
    ASSERT_NE(previous, index);
    const auto data = gridDrag(index);
    ASSERT_TRUE(dropOn(panel("closerpanel"), *data));
    EXPECT_EQ(playerAt(index).get(pf::role), 4);
    EXPECT_EQ(playerAt(previous).get(pf::role), 3);
    EXPECT_EQ(panel("closerpanel")->text(), nameOf(index));
    EXPECT_EQ(child<QComboBox>("cbrole")->currentIndex(), 3);  // the editor shows "Closer"
}

TEST_F(LineupPageTest, APlayerDroppedOnTheRotationStartsThere) {
    const int index = freePlayer(0, true);
    ASSERT_GE(index, 0);
    const auto data = gridDrag(index);
    ASSERT_TRUE(dropOn(panel("rot4"), *data));
    EXPECT_EQ(team().rotationSlot(0, 3), playerAt(index).playerId());
    EXPECT_EQ(playerAt(index).get(pf::role), 1);
    EXPECT_EQ(panel("rot4")->text(), nameOf(index));
}

TEST_F(LineupPageTest, TwoLineupSlotsDraggedOntoEachOtherExchangePlayersAndPositions) {
    child<QComboBox>("linevs")->setCurrentIndex(3);  // VsR DH
    const LineupSlot first = team().lineupSlot(LineupKind::MajorVsRWithDH, 0);
    const LineupSlot fourth = team().lineupSlot(LineupKind::MajorVsRWithDH, 3);
    const QString firstText = panel("ln1")->text();
    const QString fourthText = panel("ln4")->text();
    ASSERT_NE(first.playerId, -1);

    const std::unique_ptr<QMimeData> data(panel("ln1")->dragData());
    ASSERT_TRUE(dropOn(panel("ln4"), *data));
    EXPECT_EQ(team().lineupSlot(LineupKind::MajorVsRWithDH, 0), fourth);
    EXPECT_EQ(team().lineupSlot(LineupKind::MajorVsRWithDH, 3), first);
    EXPECT_EQ(panel("ln1")->text(), fourthText);
    EXPECT_EQ(panel("ln4")->text(), firstText);
    EXPECT_EQ(child<QComboBox>("l1pos")->currentIndex(), fourth.position - 1);
    EXPECT_EQ(child<QComboBox>("l4pos")->currentIndex(), first.position - 1);

    // The rotation and the closer panel do not take lineup slots, nor each other's players.
    EXPECT_FALSE(dragEnter(panel("rot2"), *data));
    const std::unique_ptr<QMimeData> rotation(panel("rot1")->dragData());
    EXPECT_FALSE(dragEnter(panel("closerpanel"), *rotation));
    EXPECT_FALSE(dragEnter(panel("ln2"), *rotation));
}

TEST_F(LineupPageTest, RotationSlotsExchangeTheirPitchers) {
    const std::int32_t one = team().rotationSlot(0, 0);
    const std::int32_t five = team().rotationSlot(0, 4);
    const std::unique_ptr<QMimeData> data(panel("rot5")->dragData());
    ASSERT_TRUE(dropOn(panel("rot1"), *data));
    EXPECT_EQ(team().rotationSlot(0, 0), five);
    EXPECT_EQ(team().rotationSlot(0, 4), one);
}

TEST_F(LineupPageTest, TheRightButtonClearsALineupSlotInTheUnfilledColour) {
    ASSERT_NE(team().lineupSlot(LineupKind::MajorVsL, 1).playerId, -1);
    QTest::mouseClick(panel("ln2"), Qt::RightButton);
    EXPECT_EQ(team().lineupSlot(LineupKind::MajorVsL, 1), (LineupSlot{-1, 1}));
    EXPECT_EQ(panel("ln2")->text(), QStringLiteral("Pitcher Slot or Empty spot"));
    EXPECT_EQ(child<QComboBox>("l2pos")->currentText(), QStringLiteral("P"));
    EXPECT_EQ(textColour(panel("ln2")), ui::toQColor(m_window->settings().emptyColor));
    EXPECT_TRUE(league().changed());

    // A rotation slot does not clear with the right button.
    const std::int32_t starter = team().rotationSlot(0, 0);
    QTest::mouseClick(panel("rot1"), Qt::RightButton);
    EXPECT_EQ(team().rotationSlot(0, 0), starter);
}

TEST_F(LineupPageTest, ANewUnfilledColourRepaintsTheEmptySlots) {
    QTest::mouseClick(panel("ln5"), Qt::RightButton);
    m_dialogs.setNextColor(QColor(10, 200, 30));
    action("ColorUnfilled1")->trigger();
    EXPECT_EQ(textColour(panel("ln5")), QColor(10, 200, 30));
    EXPECT_EQ(textColour(panel("ln1")), QColor(Qt::black));
}

TEST_F(LineupPageTest, ChangingASlotsPositionExchangesItWithTheSlotThatHeldIt) {
    const LineupSlot third = team().lineupSlot(LineupKind::MajorVsL, 2);
    int other = -1;
    for (int slot = 0; slot < kLineupSlots; ++slot) {
        if (slot != 2 && team().lineupSlot(LineupKind::MajorVsL, slot).position != third.position &&
            team().lineupSlot(LineupKind::MajorVsL, slot).playerId != -1) {
            other = slot;
            break;
        }
    }
    ASSERT_GE(other, 0);
    const LineupSlot target = team().lineupSlot(LineupKind::MajorVsL, other);
    auto* combo = child<QComboBox>("l3pos");
    combo->setCurrentIndex(target.position - 1);
    Q_EMIT combo->activated(target.position - 1);

    EXPECT_EQ(team().lineupSlot(LineupKind::MajorVsL, 2).position, target.position);
    EXPECT_EQ(team().lineupSlot(LineupKind::MajorVsL, other).position, third.position);
    EXPECT_EQ(league().findPlayerById(static_cast<std::uint32_t>(third.playerId))->get(pf::secondPosition),
              target.position);
    EXPECT_EQ(league().findPlayerById(static_cast<std::uint32_t>(target.playerId))->get(pf::secondPosition),
              third.position);
    const QString otherCombo = QStringLiteral("l%1pos").arg(other + 1);
    EXPECT_EQ(m_window->findChild<QComboBox*>(otherCombo)->currentIndex(), third.position - 1);
}

TEST_F(LineupPageTest, CheckRemovesADepartedPlayerAndShowsTheSlotEmpty) {
    const std::int32_t departed = team().lineupSlot(LineupKind::AA, 4).playerId;
    ASSERT_NE(departed, -1);
    league().findPlayerById(static_cast<std::uint32_t>(departed))->set(pf::level, std::uint8_t{1});
    child<QComboBox>("cblinelev")->setCurrentIndex(2);  // AA
    EXPECT_EQ(child<QComboBox>("linevs")->currentIndex(), 0);
    EXPECT_NE(panel("ln5")->text(), QStringLiteral("Pitcher Slot or Empty spot"));

    QTest::mouseClick(child<QPushButton>("btcheck"), Qt::LeftButton);
    EXPECT_EQ(team().lineupSlot(LineupKind::AA, 4).playerId, -1);
    EXPECT_EQ(panel("ln5")->text(), QStringLiteral("Pitcher Slot or Empty spot"));
    EXPECT_TRUE(m_interaction.texts().empty());
}

TEST_F(LineupPageTest, TheNextStarterIsMarkedBesideHisSlot) {
    team().set(tf::nextStarter, 3);
    showTeam(kTeam);
    auto* indicator = child<QLabel>("NextIndicator");
    EXPECT_FALSE(indicator->isHidden());
    EXPECT_EQ(indicator->text(), QStringLiteral("*"));
    // The marker stands in the row of the fourth rotation slot.
    auto* layout = qobject_cast<QGridLayout*>(indicator->parentWidget()->layout());
    ASSERT_NE(layout, nullptr);
    const auto rowOf = [layout](QWidget* widget) {
        int row = -1;
        int column = -1;
        int rowSpan = 0;
        int columnSpan = 0;
        layout->getItemPosition(layout->indexOf(widget), &row, &column, &rowSpan, &columnSpan);
        return row;
    };
    EXPECT_EQ(rowOf(indicator), rowOf(panel("rot4")));

    team().set(tf::nextStarter, 7);  // names no slot
    showTeam(kTeam);
    EXPECT_TRUE(indicator->isHidden());
}

TEST_F(LineupPageTest, AppliedEditsRunTheLineupCheck) {
    // A player of another team stands in the AAA lineup; APPLY of any player of the team removes him.
    const int stranger = findPlayer([](const PlayerRecord& p) { return p.teamIndex() == kTeam + 1; });
    ASSERT_GE(stranger, 0);
    LineupSlot slot = team().lineupSlot(LineupKind::AAA, 6);
    slot.playerId = playerAt(stranger).playerId();
    team().setLineupSlot(LineupKind::AAA, 6, slot);
    apply();
    EXPECT_EQ(team().lineupSlot(LineupKind::AAA, 6).playerId, -1);
}

TEST_F(LineupPageTest, TheGridStartsADragAfterSeventyFivePixels) {
    const int index = listedPlayers().at(2);
    const int row = grid().model()->rowOfPlayer(index);
    QWidget* viewport = view().viewport();
    const QPoint start = view().visualRect(grid().model()->index(row, 1)).center();
    QSignalSpy started(&view(), &PlayerGridView::playerDragStarted);

    QTest::mousePress(viewport, Qt::LeftButton, Qt::NoModifier, start);
    const auto move = [&](QPoint to, Qt::MouseButton held = Qt::LeftButton) {
        QMouseEvent event(
            QEvent::MouseMove, QPointF(to), viewport->mapToGlobal(QPointF(to)), Qt::NoButton, held, Qt::NoModifier);
        QApplication::sendEvent(viewport, &event);
    };
    move(start + QPoint(40, 30));
    move(start + QPoint(74, -74));
    EXPECT_EQ(started.count(), 0);
    move(start + QPoint(0, 75));
    ASSERT_EQ(started.count(), 1);
    EXPECT_EQ(started.at(0).at(0).toInt(), index);
    EXPECT_EQ(grid().currentPlayerIndex(), index);
    QTest::mouseRelease(viewport, Qt::LeftButton, Qt::NoModifier, start + QPoint(0, 75));

    // The right button never drags.
    QTest::mousePress(viewport, Qt::RightButton, Qt::NoModifier, start);
    move(start + QPoint(100, 0), Qt::RightButton);
    EXPECT_EQ(started.count(), 1);
}

TEST_F(LineupPageTest, AnInjuredPlayerDraggedOverTheGridIsStoppedWithAMessage) {
    const int injured =
        findPlayer([](const PlayerRecord& p) { return p.teamIndex() == kTeam && p.get(pf::daysOut) > 0; });
    ASSERT_GE(injured, 0);
    QSignalSpy refused(&view(), &PlayerGridView::playerDragRefused);
    const std::unique_ptr<QMimeData> data(PlayerGridView::playerDragData(injured));
    EXPECT_FALSE(dragEnter(view().viewport(), *data));
    QApplication::processEvents();
    EXPECT_EQ(refused.count(), 1);
    EXPECT_EQ(m_interaction.texts(),
              std::vector<std::string>{"You can't put an injured player in the starting lineup"});

    const int healthy = freePlayer(0, false);
    const std::unique_ptr<QMimeData> fine(PlayerGridView::playerDragData(healthy));
    EXPECT_FALSE(dragEnter(view().viewport(), *fine));  // the grid takes no drops
    QApplication::processEvents();
    EXPECT_EQ(refused.count(), 1);
}

}  // namespace
}  // namespace zt::test
