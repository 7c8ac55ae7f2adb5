#include <gtest/gtest.h>

#include <QApplication>
#include <QBrush>
#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>

#include "league/ui/qt_text.h"
#include "players/player_grid.h"
#include "players/ui/player_grid_model.h"
#include "players/ui/player_grid_panel.h"
#include "players/ui/player_grid_view.h"
#include "support/league_builder.h"

namespace zt::test {
namespace {

using ui::PlayerGridPanel;
using ui::PlayerGridView;

// Team 0: six players, indexes 0-5; team 1: six players, 6-11; free agents 12-14. Uniform
// numbers and last names run against list order, so any sort shows.
std::unique_ptr<League> gridLeague() {
    LeagueShape shape;
    shape.teams = 2;
    shape.playersPerTeam = 6;
    shape.freeAgents = 3;
    auto league = buildLeague(shape);
    constexpr std::array<std::string_view, 6> kLastNames = {"Young", "Adams", "Moss", "baker", "Zane", "Hill"};
    constexpr std::array<std::uint8_t, 6> kLevels = {0, 1, 0, 7, 1, 0};
    for (std::size_t i = 0; i < league->players.size(); ++i) {
        auto& player = *league->players[i];
        player.set(pf::uniformNumber, static_cast<std::uint8_t>(90 - i * 7));
        player.set(pf::lastName, kLastNames[i % kLastNames.size()]);
        player.set(pf::position, static_cast<std::uint8_t>(1 + i % 10));
        player.set(pf::level, kLevels[i % kLevels.size()]);
    }
    return league;
}

EditorSettings gridSettings() {
    EditorSettings settings;
    settings.majorColor = 0x102030;
    settings.aaaColor = 0x405060;
    settings.dlColor = 0x708090;
    settings.rosterColor = 0xF0E0D0;
    settings.nonRosterColor = 0xC0B0A0;
    settings.showHidden = true;
    return settings;
}

class PlayerGridPanelTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_league = gridLeague();
        m_settings = gridSettings();
        m_panel = std::make_unique<PlayerGridPanel>();
        m_panel->resize(420, 700);
        m_panel->show();
        m_panel->setLeague(m_league.get(), &m_settings);
        QApplication::processEvents();
        m_grid = m_panel->findChild<PlayerGridView*>(QStringLiteral("grille"));
        m_count = m_panel->findChild<QLabel*>(QStringLiteral("lblcount"));
        m_filter = m_panel->findChild<QComboBox*>(QStringLiteral("rosterfilter"));
        ASSERT_NE(m_grid, nullptr);
        ASSERT_NE(m_count, nullptr);
        ASSERT_NE(m_filter, nullptr);
    }

    QAbstractItemModel* model() const { return m_grid->model(); }

    QString cell(int row, int column) const { return model()->index(row, column).data().toString(); }

    // Player indexes of the rows, top to bottom, as the hidden column holds them.
    std::vector<int> shownIndexes() const {
        std::vector<int> indexes;
        for (int row = 0; row < model()->rowCount(); ++row) {
            indexes.push_back(cell(row, kGridIndexColumn).toInt());
        }
        return indexes;
    }

    QPoint rowPoint(int row) const { return m_grid->visualRect(model()->index(row, kGridNameColumn)).center(); }

    void clickRow(int row, Qt::KeyboardModifiers modifiers = Qt::NoModifier, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mouseClick(m_grid->viewport(), button, modifiers, rowPoint(row));
    }

    void clickHeader(int column) {
        QHeaderView* header = m_grid->horizontalHeader();
        const QPoint point(header->sectionViewportPosition(column) + header->sectionSize(column) / 2,
                           header->height() / 2);
        QTest::mouseClick(header->viewport(), Qt::LeftButton, Qt::NoModifier, point);
    }

    QColor foreground(int row) const {
        return model()->index(row, kGridNameColumn).data(Qt::ForegroundRole).value<QBrush>().color();
    }
    QVariant background(int row) const { return model()->index(row, kGridNameColumn).data(Qt::BackgroundRole); }

    std::unique_ptr<League> m_league;
    EditorSettings m_settings;
    std::unique_ptr<PlayerGridPanel> m_panel;
    PlayerGridView* m_grid = nullptr;
    QLabel* m_count = nullptr;
    QComboBox* m_filter = nullptr;
};

TEST_F(PlayerGridPanelTest, FillListsTheTeamWithItsCount) {
    m_panel->fillTeam(1, kAllLevels);
    EXPECT_EQ(shownIndexes(), (std::vector<int>{6, 7, 8, 9, 10, 11}));
    EXPECT_EQ(m_count->text(), QStringLiteral("6"));
    EXPECT_EQ(m_panel->shownTeam(), 1);
    EXPECT_EQ(cell(1, kGridNumberColumn), QStringLiteral("41"));
    EXPECT_EQ(cell(1, kGridNameColumn),
              QStringLiteral("Adams , ") + ui::fromLeagueText(m_league->players[7]->get(pf::firstName)));
    EXPECT_EQ(cell(1, kGridLevelColumn), QStringLiteral("AAA"));
    EXPECT_EQ(model()->headerData(kGridLevelColumn, Qt::Horizontal).toString(), QStringLiteral("Level"));
    for (int column = 0; column < kGridColumnCount; ++column) {
        EXPECT_EQ(m_grid->isColumnHidden(column), column >= kGridIndexColumn) << "column " << column;
    }
}

TEST_F(PlayerGridPanelTest, LevelWithoutPlayersShowsEveryLevelUnderTheChosenFilter) {
    m_panel->fillTeam(0, 1);
    EXPECT_EQ(shownIndexes(), (std::vector<int>{1, 4}));
    EXPECT_EQ(m_filter->currentText(), QStringLiteral("AAA"));
    m_panel->fillTeam(0, 3);
    EXPECT_EQ(shownIndexes(), (std::vector<int>{0, 1, 2, 3, 4, 5}));
    EXPECT_EQ(m_filter->currentText(), QStringLiteral("A"));
    EXPECT_EQ(m_count->text(), QStringLiteral("6"));
}

TEST_F(PlayerGridPanelTest, TeamWithoutPlayersShowsNoRowAndSelectsNobody) {
    for (int i = 6; i < 12; ++i) {
        m_league->players[static_cast<std::size_t>(i)]->set(pf::teamIndex, std::uint8_t{0});
    }
    m_panel->fillTeam(0, kAllLevels);
    QSignalSpy selected(m_panel.get(), &PlayerGridPanel::playerSelected);
    m_panel->fillTeam(1, kAllLevels);
    EXPECT_EQ(model()->rowCount(), 0);
    EXPECT_EQ(m_count->text(), QStringLiteral("0"));
    EXPECT_EQ(selected.count(), 0);
    EXPECT_EQ(m_panel->currentPlayerIndex(), -1);
    EXPECT_TRUE(m_panel->selectedPlayerIndexes().empty());
}

TEST_F(PlayerGridPanelTest, RosterFilterChoiceAsksForTheLevelOnly) {
    m_panel->fillTeam(0, kAllLevels);
    QSignalSpy changed(m_panel.get(), &PlayerGridPanel::levelFilterChanged);
    QObject::connect(m_panel.get(), &PlayerGridPanel::levelFilterChanged, m_panel.get(), [this](int level) {
        m_panel->fillTeam(m_panel->shownTeam(), level);
    });
    m_filter->setFocus();
    QTest::keyClick(m_filter, Qt::Key_Down);  // "ML"
    QTest::keyClick(m_filter, Qt::Key_Down);  // "AAA"
    ASSERT_EQ(changed.count(), 2);
    EXPECT_EQ(changed.at(0).at(0).toInt(), 0);
    EXPECT_EQ(changed.at(1).at(0).toInt(), 1);
    EXPECT_EQ(m_panel->levelFilter(), 1);
    EXPECT_EQ(shownIndexes(), (std::vector<int>{1, 4}));

    QTest::keyClick(m_filter, Qt::Key_Down);  // "AA": nobody there, so every level
    EXPECT_EQ(changed.at(2).at(0).toInt(), 2);
    EXPECT_EQ(model()->rowCount(), 6);

    m_panel->setLevelFilterIndex(5);
    EXPECT_EQ(changed.count(), 3);
    EXPECT_EQ(m_panel->levelFilter(), 7);
}

TEST_F(PlayerGridPanelTest, RowsKeepListOrderUntilAHeaderIsClicked) {
    m_panel->fillTeam(0, kAllLevels);
    EXPECT_EQ(shownIndexes(), (std::vector<int>{0, 1, 2, 3, 4, 5}));
    EXPECT_FALSE(m_grid->isSorted());
}

TEST_F(PlayerGridPanelTest, HeaderClickSortsSelectsTheFirstRowAndTheSortStays) {
    m_panel->fillTeam(0, kAllLevels);
    clickRow(4);
    QSignalSpy selected(m_panel.get(), &PlayerGridPanel::playerSelected);

    clickHeader(kGridNameColumn);
    // Young, Adams, Moss, baker, Zane, Hill: by name without regard to case.
    EXPECT_EQ(shownIndexes(), (std::vector<int>{1, 3, 5, 2, 0, 4}));
    EXPECT_EQ(m_grid->currentRow(), 0);
    ASSERT_EQ(selected.count(), 1);
    EXPECT_EQ(selected.at(0).at(0).toInt(), 1);
    EXPECT_EQ(m_league->currentPlayer, m_league->players[1].get());

    clickHeader(kGridNameColumn);
    EXPECT_EQ(shownIndexes(), (std::vector<int>{4, 0, 2, 5, 3, 1}));
    EXPECT_EQ(m_grid->horizontalHeader()->sortIndicatorOrder(), Qt::DescendingOrder);

    // The next fill, of another team, comes sorted the same way.
    m_panel->fillTeam(1, kAllLevels);
    EXPECT_EQ(shownIndexes(), (std::vector<int>{10, 6, 8, 11, 9, 7}));

    clickHeader(kGridNumberColumn);
    // Numbers 48 .. 13 fall with the index: ascending by value puts the last player first.
    EXPECT_EQ(shownIndexes(), (std::vector<int>{11, 10, 9, 8, 7, 6}));
}

TEST_F(PlayerGridPanelTest, FillKeepsTheCurrentPlayerWhenStillListed) {
    m_panel->fillTeam(0, kAllLevels);
    clickRow(3);
    ASSERT_EQ(m_panel->currentPlayerIndex(), 3);
    QSignalSpy selected(m_panel.get(), &PlayerGridPanel::playerSelected);
    m_panel->fillTeam(0, kAllLevels);
    EXPECT_EQ(m_panel->currentPlayerIndex(), 3);
    ASSERT_EQ(selected.count(), 1);
    EXPECT_EQ(selected.at(0).at(0).toInt(), 3);

    m_panel->fillTeam(0, 1);  // player 3 is on the DL, not listed: the first row becomes current
    EXPECT_EQ(m_panel->currentPlayerIndex(), 1);
    EXPECT_EQ(m_league->currentPlayer, m_league->players[1].get());
}

TEST_F(PlayerGridPanelTest, UpAndDownMoveAndSelect) {
    m_panel->fillTeam(0, kAllLevels);
    m_grid->setFocus();
    QSignalSpy selected(m_panel.get(), &PlayerGridPanel::playerSelected);

    QTest::keyClick(m_grid, Qt::Key_Down);
    EXPECT_EQ(m_grid->currentRow(), 1);
    QTest::keyClick(m_grid, Qt::Key_Down);
    EXPECT_EQ(m_grid->currentRow(), 2);
    QTest::keyClick(m_grid, Qt::Key_Up);
    EXPECT_EQ(m_grid->currentRow(), 1);
    ASSERT_EQ(selected.count(), 3);
    EXPECT_EQ(selected.at(2).at(0).toInt(), 1);
    EXPECT_EQ(m_league->currentPlayer, m_league->players[1].get());
    EXPECT_EQ(m_panel->selectedPlayerIndexes(), std::vector<int>{1});

    QTest::keyClick(m_grid, Qt::Key_Up);
    QTest::keyClick(m_grid, Qt::Key_Up);  // already on the first row
    EXPECT_EQ(m_grid->currentRow(), 0);
    EXPECT_EQ(selected.count(), 4);
    for (int i = 0; i < 8; ++i) {
        QTest::keyClick(m_grid, Qt::Key_Down);
    }
    EXPECT_EQ(m_grid->currentRow(), 5);
    EXPECT_EQ(selected.count(), 9);
}

TEST_F(PlayerGridPanelTest, RightAndKeypadSixDoNothing) {
    m_panel->fillTeam(0, kAllLevels);
    m_grid->setFocus();
    m_grid->setCurrentIndex(model()->index(2, kGridNumberColumn));
    QSignalSpy selected(m_panel.get(), &PlayerGridPanel::playerSelected);
    QTest::keyClick(m_grid, Qt::Key_Right);
    QTest::keyClick(m_grid, Qt::Key_6, Qt::KeypadModifier);
    EXPECT_EQ(m_grid->currentIndex().row(), 2);
    EXPECT_EQ(m_grid->currentIndex().column(), kGridNumberColumn);
    EXPECT_EQ(selected.count(), 0);
    // Other navigation keys keep working and select as usual.
    QTest::keyClick(m_grid, Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(m_grid->currentIndex().row(), 5);
    ASSERT_EQ(selected.count(), 1);
    EXPECT_EQ(selected.at(0).at(0).toInt(), 5);
}

TEST_F(PlayerGridPanelTest, ClickSelectsOncePerSelection) {
    m_panel->fillTeam(0, kAllLevels);
    QSignalSpy selected(m_panel.get(), &PlayerGridPanel::playerSelected);
    clickRow(4);
    ASSERT_EQ(selected.count(), 1);
    EXPECT_EQ(selected.at(0).at(0).toInt(), 4);
    EXPECT_EQ(m_league->currentPlayer, m_league->players[4].get());
    clickRow(2);
    ASSERT_EQ(selected.count(), 2);
    EXPECT_EQ(selected.at(1).at(0).toInt(), 2);
    EXPECT_EQ(m_panel->selectedPlayerIndexes(), std::vector<int>{2});
}

TEST_F(PlayerGridPanelTest, CtrlClickAddsRowsAndNeverDropsTheCurrentOne) {
    m_panel->fillTeam(0, kAllLevels);
    clickRow(4);
    clickRow(1, Qt::ControlModifier);
    clickRow(2, Qt::ControlModifier);
    EXPECT_EQ(m_panel->selectedPlayerIndexes(), (std::vector<int>{1, 2, 4}));
    EXPECT_EQ(m_panel->currentPlayerIndex(), 2);
    clickRow(4, Qt::ControlModifier);
    EXPECT_EQ(m_panel->selectedPlayerIndexes(), (std::vector<int>{1, 2, 4}));
    EXPECT_EQ(m_panel->currentPlayerIndex(), 4);
    clickRow(0);
    EXPECT_EQ(m_panel->selectedPlayerIndexes(), std::vector<int>{0});
}

TEST_F(PlayerGridPanelTest, RightButtonMovesTheCurrentRowOnlyWithOneRowSelected) {
    m_panel->fillTeam(0, kAllLevels);
    clickRow(1);
    clickRow(3, Qt::NoModifier, Qt::RightButton);
    EXPECT_EQ(m_panel->currentPlayerIndex(), 3);
    EXPECT_EQ(m_panel->selectedPlayerIndexes(), std::vector<int>{3});

    clickRow(4, Qt::ControlModifier);
    clickRow(0, Qt::NoModifier, Qt::RightButton);
    EXPECT_EQ(m_panel->currentPlayerIndex(), 4);
    EXPECT_EQ(m_panel->selectedPlayerIndexes(), (std::vector<int>{3, 4}));
}

TEST_F(PlayerGridPanelTest, DoubleClickReportsThePlayer) {
    m_panel->fillTeam(1, kAllLevels);
    QSignalSpy doubled(m_panel.get(), &PlayerGridPanel::rowDoubleClicked);
    // A double click reaches a widget as press, release, then the double-click event.
    clickRow(3);
    EXPECT_EQ(doubled.count(), 0);
    QTest::mouseDClick(m_grid->viewport(), Qt::LeftButton, Qt::NoModifier, rowPoint(3));
    ASSERT_EQ(doubled.count(), 1);
    EXPECT_EQ(doubled.at(0).at(0).toInt(), 9);
    EXPECT_EQ(m_panel->currentPlayerIndex(), 9);
}

TEST_F(PlayerGridPanelTest, ColoursComeFromTheSettings) {
    m_league->players[5]->set(pf::level, std::uint8_t{1});
    m_league->exportPool.push_back({m_league->players[2].get(), nullptr});
    m_league->loadedPlayerCount = 5;
    m_league->teams[0].record.setRosterId(3, -1);  // player 3 off the roster
    m_panel->fillTeam(0, kAllLevels);              // selects player 0, who is on team 0

    EXPECT_EQ(foreground(0), ui::toQColor(m_settings.majorColor));
    EXPECT_EQ(foreground(1), ui::toQColor(m_settings.aaaColor));
    EXPECT_EQ(foreground(2), ui::toQColor(kMaroon));
    EXPECT_EQ(cell(2, kGridNumberColumn), QStringLiteral("*76"));
    EXPECT_EQ(cell(2, kGridPoolColumn), QStringLiteral("O"));
    EXPECT_EQ(foreground(3), ui::toQColor(m_settings.dlColor));
    EXPECT_EQ(foreground(5), ui::toQColor(kRed));

    EXPECT_EQ(background(0).value<QBrush>().color(), ui::toQColor(m_settings.rosterColor));
    EXPECT_EQ(background(3).value<QBrush>().color(), ui::toQColor(m_settings.nonRosterColor));
    EXPECT_EQ(cell(0, kGridRosterColumn), QStringLiteral("R"));
    EXPECT_EQ(cell(3, kGridRosterColumn), QStringLiteral("N"));

    m_settings.majorColor = 0x0000AA;
    QSignalSpy changed(model(), &QAbstractItemModel::dataChanged);
    m_panel->repaintRows();
    ASSERT_EQ(changed.count(), 1);
    EXPECT_EQ(changed.at(0).at(0).toModelIndex().row(), 0);
    EXPECT_EQ(changed.at(0).at(1).toModelIndex().row(), 5);
    EXPECT_EQ(foreground(0), ui::toQColor(0x0000AA));
}

TEST_F(PlayerGridPanelTest, FreeAgentViewHasNoRosterBackground) {
    m_panel->fillTeam(kFreeAgentTeam, kAllLevels);
    EXPECT_EQ(shownIndexes(), (std::vector<int>{12, 13, 14}));
    EXPECT_FALSE(background(0).isValid());
    EXPECT_EQ(cell(0, kGridRosterColumn), QStringLiteral("N"));

    // Showing a team again brings the backgrounds back once its player is current.
    m_panel->fillTeam(1, kAllLevels);
    EXPECT_EQ(background(0).value<QBrush>().color(), ui::toQColor(m_settings.rosterColor));
}

TEST_F(PlayerGridPanelTest, ExportPoolIsListedInPoolOrder) {
    m_league->exportPool = {{m_league->players[9].get(), nullptr},
                            {m_league->players[13].get(), nullptr},
                            {m_league->players[0].get(), nullptr}};
    m_panel->fillTeam(0, kAllLevels);
    clickHeader(kGridNameColumn);
    QSignalSpy selected(m_panel.get(), &PlayerGridPanel::playerSelected);
    m_panel->setHumanChecked(true);

    m_panel->fillExportPool();
    EXPECT_EQ(shownIndexes(), (std::vector<int>{9, 13, 0}));
    EXPECT_EQ(m_panel->teamCaption(), QStringLiteral("Export Pool"));
    EXPECT_TRUE(m_panel->showsExportPool());
    EXPECT_EQ(m_panel->shownTeam(), kExportPoolView);
    EXPECT_FALSE(m_panel->isHumanChecked());
    EXPECT_EQ(m_count->text(), QStringLiteral("3"));
    for (int row = 0; row < 3; ++row) {
        EXPECT_TRUE(cell(row, kGridNumberColumn).startsWith(QLatin1Char('*')));
        EXPECT_EQ(foreground(row), ui::toQColor(kMaroon));
    }
    EXPECT_EQ(selected.count(), 1);
}

TEST_F(PlayerGridPanelTest, EmptyExportPoolShowsTheDefaultTeam) {
    m_settings.defaultTeam = 1;
    m_settings.defaultTeamName = "Chicago Roster";
    m_panel->fillExportPool();
    EXPECT_EQ(m_panel->shownTeam(), 1);
    EXPECT_EQ(m_panel->teamCaption(), QStringLiteral("Chicago Roster"));
    EXPECT_EQ(model()->rowCount(), 6);
}

TEST_F(PlayerGridPanelTest, RefreshCurrentRowRereadsThePlayer) {
    m_panel->fillTeam(0, kAllLevels);
    clickRow(2);
    auto& player = *m_league->players[2];
    player.set(pf::lastName, "Novak");
    player.set(pf::uniformNumber, std::uint8_t{5});
    player.set(pf::level, std::uint8_t{2});
    EXPECT_TRUE(cell(2, kGridNameColumn).startsWith(QStringLiteral("Moss")));
    m_panel->refreshCurrentRow();
    EXPECT_TRUE(cell(2, kGridNameColumn).startsWith(QStringLiteral("Novak , ")));
    EXPECT_EQ(cell(2, kGridNumberColumn), QStringLiteral("5"));
    EXPECT_EQ(cell(2, kGridLevelColumn), QStringLiteral("AA"));
    EXPECT_TRUE(cell(1, kGridNameColumn).startsWith(QStringLiteral("Adams")));
}

TEST_F(PlayerGridPanelTest, SelectingCreatesAMissingHistoryBlock) {
    const auto id = m_league->players[4]->playerId();
    auto& histories = m_league->playerHistories;
    std::erase_if(histories, [id](const auto& block) { return block->key == id; });
    const std::size_t blocks = histories.size();
    m_panel->fillTeam(0, kAllLevels);
    clickRow(4);
    ASSERT_EQ(histories.size(), blocks + 1);
    EXPECT_EQ(histories.back()->key, id);
    EXPECT_EQ(m_league->currentHistory, histories.back().get());
    EXPECT_FALSE(m_league->changed());
}

TEST_F(PlayerGridPanelTest, NoLeagueMeansAnEmptyDisabledGrid) {
    m_panel->fillTeam(0, kAllLevels);
    m_panel->setLeague(nullptr, nullptr);
    EXPECT_EQ(model()->rowCount(), 0);
    EXPECT_FALSE(m_grid->isEnabled());
    EXPECT_FALSE(m_filter->isEnabled());
    EXPECT_EQ(m_count->text(), QStringLiteral("0"));
    m_panel->fillTeam(0, kAllLevels);
    EXPECT_EQ(model()->rowCount(), 0);
    EXPECT_EQ(m_panel->shownTeam(), -1);
}

TEST_F(PlayerGridPanelTest, HumanBoxReportsOnlyTheUsersClick) {
    auto* box = m_panel->findChild<QCheckBox*>(QStringLiteral("humanbox"));
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->toolTip(), QStringLiteral("Human Controlled"));
    QSignalSpy toggled(m_panel.get(), &PlayerGridPanel::humanBoxToggled);
    m_panel->setHumanChecked(true);
    EXPECT_EQ(toggled.count(), 0);
    QTest::mouseClick(box, Qt::LeftButton, Qt::NoModifier, box->rect().center());
    ASSERT_EQ(toggled.count(), 1);
    EXPECT_FALSE(toggled.at(0).at(0).toBool());
}

TEST_F(PlayerGridPanelTest, NewestFirstSortForCommandsThatAddPlayers) {
    m_panel->fillTeam(kFreeAgentTeam, kAllLevels);
    m_panel->sortBy(kGridIndexColumn, SortOrder::Descending);
    EXPECT_EQ(shownIndexes(), (std::vector<int>{14, 13, 12}));
    EXPECT_TRUE(m_panel->selectPlayerRow(14));
    EXPECT_EQ(m_grid->currentRow(), 0);
    EXPECT_FALSE(m_panel->selectPlayerRow(3));
}

}  // namespace
}  // namespace zt::test
