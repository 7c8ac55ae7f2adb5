// The player tools in the main window: export pool marks in the grid, Export and Import Players,
// Free Export Pool, Create missing stats entries and the rosters management files, each file the
// same as the one ztedit-cli writes.
#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QTest>
#include <sstream>

#include "app/player_tool_commands.h"
#include "cli/cli_command.h"
#include "league/league.h"
#include "league/ui/qt_text.h"
#include "players/editor_settings.h"
#include "players/player_grid.h"
#include "players/transfer_file.h"
#include "players/ui/player_grid_model.h"
#include "players/ui/player_grid_panel.h"
#include "players/ui/player_grid_view.h"
#include "roster_window_fixture.h"
#include "rosters/lineup_edit.h"
#include "rosters/player_import.h"
#include "rosters/rosters_file.h"
#include "support/league_builder.h"

namespace zt::test {
namespace {

class PlayerToolsWindowTest : public RosterWindowTest {
protected:
    std::string leagueFile() const { return (m_dir / "a" / "Sample.sea").string(); }

    // Runs ztedit-cli in-process; returns its exit status.
    int cli(const std::vector<std::string>& args) {
        std::ostringstream out;
        std::ostringstream err;
        const int status = cli::runCli(args, out, err);
        m_cliErr = err.str();
        return status;
    }

    QModelIndex cell(int playerIndex, int column) {
        return grid().model()->index(grid().model()->rowOfPlayer(playerIndex), column);
    }
    QString number(int playerIndex) { return cell(playerIndex, kGridNumberColumn).data().toString(); }
    QColor font(int playerIndex) {
        return cell(playerIndex, kGridNameColumn).data(Qt::ForegroundRole).value<QBrush>().color();
    }
    bool inPool(int playerIndex) { return league().inExportPool(playerAt(playerIndex)); }

    std::string m_cliErr;
};

TEST_F(PlayerToolsWindowTest, CtrlEMarksTheCurrentPlayerWithAStarInMaroonAndAgainUnmarksHim) {
    showTeam(1);
    const std::vector<int> listed = listedPlayers();
    const int player = listed.at(1);
    selectRows({player});
    const QString plain = QString::number(playerAt(player).get(pf::uniformNumber));
    const QColor before = font(player);

    QApplication::setActiveWindow(m_window.get());  // a window's shortcuts need it active
    QTest::keyClick(&view(), Qt::Key_E, Qt::ControlModifier);
    EXPECT_TRUE(inPool(player));
    EXPECT_EQ(number(player), QStringLiteral("*") + plain);
    EXPECT_EQ(font(player), ui::toQColor(kMaroon));
    EXPECT_FALSE(league().changed());

    action("MarkForExport1")->trigger();
    EXPECT_FALSE(inPool(player));
    EXPECT_EQ(number(player), plain);
    EXPECT_EQ(font(player), before);
}

TEST_F(PlayerToolsWindowTest, DoubleClickingARowSelectsAndMarksIt) {
    showTeam(1);
    const int player = listedPlayers().at(3);
    const QRect rect = view().visualRect(cell(player, kGridNameColumn));
    QTest::mouseClick(view().viewport(), Qt::LeftButton, {}, rect.center());
    QTest::mouseDClick(view().viewport(), Qt::LeftButton, {}, rect.center());
    EXPECT_EQ(grid().currentPlayerIndex(), player);
    EXPECT_TRUE(inPool(player));
    EXPECT_TRUE(number(player).startsWith(QLatin1Char('*')));
}

TEST_F(PlayerToolsWindowTest, SelectAllTogglesEveryRowOfTheGrid) {
    showTeam(1);
    const std::vector<int> listed = listedPlayers();
    selectRows({listed[0]});
    action("MarkForExport1")->trigger();

    action("SelectAllForExport1")->trigger();
    EXPECT_FALSE(inPool(listed[0]));
    for (std::size_t i = 1; i < listed.size(); ++i) {
        EXPECT_TRUE(inPool(listed[i]));
        EXPECT_TRUE(number(listed[i]).startsWith(QLatin1Char('*')));
    }
    EXPECT_EQ(league().exportPool.size(), listed.size() - 1);

    action("SelectAllForExport1")->trigger();
    EXPECT_EQ(league().exportPool.size(), 1U);
    EXPECT_TRUE(inPool(listed[0]));
}

TEST_F(PlayerToolsWindowTest, ExportPlayersWritesThePoolAsTheCommandLineDoes) {
    showTeam(4);
    const std::vector<int> listed = listedPlayers();
    std::string ids;
    for (const int player : {listed[2], listed[0], listed[5]}) {
        selectRows({player});
        action("MarkForExport1")->trigger();
        ids += (ids.empty() ? "" : ",") + std::to_string(playerAt(player).playerId());
    }
    const auto file = m_dir / "window.plr";
    m_dialogs.setNextFileName(ui::fromPath(file.string()));
    action("ExportPlayers1")->trigger();
    EXPECT_EQ(m_dialogs.lastCaption, QStringLiteral("Export team rosters"));
    EXPECT_EQ(m_interaction.texts(), std::vector<std::string>{"3 players exported successfully"});

    const auto cliFile = m_dir / "cli.plr";
    ASSERT_EQ(cli({"export-players", leagueFile(), "--ids", ids, "--out", cliFile.string()}), 0) << m_cliErr;
    EXPECT_EQ(readBytes(file), readBytes(cliFile));
    EXPECT_EQ(league().exportPool.size(), 3U);  // the pool is kept
}

TEST_F(PlayerToolsWindowTest, ImportPlayersAsksForTheDestinationAndListsTheFreeAgents) {
    showTeam(4);
    const std::vector<int> listed = listedPlayers();
    for (const int player : {listed[0], listed[1]}) {
        selectRows({player});
        action("MarkForExport1")->trigger();
    }
    const auto file = m_dir / "two.plr";
    m_dialogs.setNextFileName(ui::fromPath(file.string()));
    action("ExportPlayers1")->trigger();

    int asked = 0;
    app::setImportDestinationChooser(*m_window, [&](QWidget*, const League&) -> std::optional<int> {
        ++asked;
        return asked == 1 ? std::nullopt : std::optional<int>(kFreeAgentTeam);
    });
    const std::size_t before = league().players.size();
    m_dialogs.setNextFileName(ui::fromPath(file.string()));
    action("ImportPlayers1")->trigger();  // the destination is cancelled: nothing happens
    EXPECT_EQ(league().players.size(), before);
    m_dialogs.setNextFileName(ui::fromPath(file.string()));
    action("ImportPlayers1")->trigger();

    ASSERT_EQ(league().players.size(), before + 2);
    EXPECT_EQ(m_dialogs.lastCaption, QStringLiteral("Import team rosters"));
    EXPECT_EQ(m_interaction.texts().back(), "2 player(s) imported successfully");
    EXPECT_EQ(grid().shownTeam(), kFreeAgentTeam);
    EXPECT_EQ(grid().teamCaption(), QStringLiteral("Free Agents Roster"));
    EXPECT_EQ(font(static_cast<int>(before)), ui::toQColor(kRed));
    EXPECT_EQ(font(static_cast<int>(before) + 1), ui::toQColor(kRed));
}

TEST_F(PlayerToolsWindowTest, FreeExportPoolEmptiesThePoolAfterAskingAndShowsTheDefaultTeam) {
    showTeam(1);
    selectRows({listedPlayers().at(0)});
    action("MarkForExport1")->trigger();
    action("ExportPool1")->trigger();
    EXPECT_TRUE(grid().showsExportPool());

    m_interaction.answerYesNo(false);
    action("FreeExportPool1")->trigger();
    EXPECT_EQ(league().exportPool.size(), 1U);
    m_interaction.answerYesNo(true);
    action("FreeExportPool1")->trigger();
    EXPECT_TRUE(league().exportPool.empty());
    EXPECT_FALSE(grid().showsExportPool());
    EXPECT_EQ(m_interaction.yesNoDefaults().back(), DefaultButton::No);
}

TEST_F(PlayerToolsWindowTest, ExportRostersWritesTheCurrentTeamsFileAsTheCommandLineDoes) {
    showTeam(6);
    selectRows({listedPlayers().at(0)});
    const auto file = m_dir / "team6.ssr";
    m_interaction.answerYesNo(true);  // should the generated lineups be incomplete after the check
    m_dialogs.setNextFileName(ui::fromPath(file.string()));
    action("ExportRosters1")->trigger();
    EXPECT_EQ(m_dialogs.lastFilter, QStringLiteral("ZEVive Rosters files (*.ssr)"));
    EXPECT_EQ(m_dialogs.lastSuffix, QStringLiteral("ssr"));

    const auto cliFile = m_dir / "cli6.ssr";
    ASSERT_EQ(cli({"export-rosters", leagueFile(), "--team", "6", "--out", cliFile.string(), "--force"}), 0)
        << m_cliErr;
    EXPECT_EQ(readBytes(file), readBytes(cliFile));
    EXPECT_EQ(readBytes(file).size() % 6, 1728U % 6);
}

TEST_F(PlayerToolsWindowTest, ImportingTwoFilesShowsTwoMessagesAndListsTheLastTeam) {
    const auto first = m_dir / "t5.ssr";
    const auto second = m_dir / "t7.ssr";
    writeRostersFile(league(), 5, first);
    writeRostersFile(league(), 7, second);
    ASSERT_TRUE(lineupsComplete(league(), 5) && lineupsComplete(league(), 7));
    m_dialogs.setNextFileNames({ui::fromPath(first.string()), ui::fromPath(second.string())});
    action("ImportRosters1")->trigger();
    EXPECT_EQ(m_interaction.texts(),
              (std::vector<std::string>{league().teamName(5) + " Rosters management succesfully imported",
                                        league().teamName(7) + " Rosters management succesfully imported"}));
    EXPECT_EQ(grid().shownTeam(), 7);
    EXPECT_EQ(grid().teamCaption(), QStringLiteral("Detroit Roster"));
}

}  // namespace
}  // namespace zt::test
