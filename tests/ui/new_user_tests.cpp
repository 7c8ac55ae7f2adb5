// What a new user meets in the first minutes: the status bar says what happened, lists follow
// their filter, Enter searches, dialogs start where the league is, destructive questions default
// to No, controls say what they are.
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QStatusBar>
#include <QTest>

#include "league/codes.h"
#include "league/league.h"
#include "league/ui/qt_text.h"
#include "players/ui/player_grid_panel.h"
#include "roster_window_fixture.h"

namespace zt::test {
namespace {

class NewUserTest : public RosterWindowTest {
protected:
    QString status() { return m_window->statusBar()->currentMessage(); }
    std::string fullName(const PlayerRecord& p) { return p.get(pf::firstName) + " " + p.get(pf::lastName); }
};

TEST_F(NewUserTest, TheStatusBarSaysWhatJustHappened) {
    showTeam(3);
    const int index = listedPlayers().at(4);
    selectRows({index});
    action("TFreeAgents1")->trigger();
    EXPECT_EQ(status().toStdString(), fullName(playerAt(index)) + " transferred to Free Agents");

    showTeam(2);
    const std::vector<int> two = {listedPlayers().at(1), listedPlayers().at(2)};
    selectRows(two);
    action("MoveAA1")->trigger();
    EXPECT_EQ(status(), QStringLiteral("2 players moved to AA"));

    action("Save1")->trigger();
    EXPECT_TRUE(status().startsWith(QStringLiteral("Saved /"))) << status().toStdString();
}

TEST_F(NewUserTest, MovedPlayersLeaveAListFilteredByLevel) {
    showTeam(2);
    auto* filter = child<QComboBox>("rosterfilter");
    filter->setCurrentIndex(2);  // "AAA"
    Q_EMIT filter->activated(2);
    const int moved = listedPlayers().at(0);
    selectRows({moved});
    action("MoveAA1")->trigger();
    for (const int index : listedPlayers()) {
        EXPECT_EQ(playerAt(index).level(), static_cast<int>(RosterLevel::AAA)) << index;
    }
    EXPECT_EQ(playerAt(moved).level(), static_cast<int>(RosterLevel::AA));
}

TEST_F(NewUserTest, EnterInTheSearchValueBoxRunsTheSearch) {
    action("AdvancedSearch1")->trigger();
    auto* value = child<QLineEdit>("editsearchvalue");
    child<QComboBox>("cbsearchfield")->setCurrentIndex(3);     // Age
    child<QComboBox>("cbsearchoperator")->setCurrentIndex(2);  // ">"
    value->setText(QStringLiteral("0"));
    QTest::keyClick(value, Qt::Key_Return);
    EXPECT_TRUE(grid().inSearchMode());
    EXPECT_EQ(grid().rowCount(), static_cast<int>(league().players.size()));  // everybody is older than 0
}

TEST_F(NewUserTest, FileDialogsStartInTheLeaguesFolderThenTheLastOneUsed) {
    const QString leagueFolder = ui::fromPath(m_window->league()->selectedFile.parent_path().string());
    action("Saveas1")->trigger();  // cancelled
    EXPECT_EQ(m_dialogs.lastDirectory, leagueFolder);
    const auto elsewhere = m_dir / "elsewhere";
    std::filesystem::create_directories(elsewhere);
    m_dialogs.setNextFileName(ui::fromPath((elsewhere / "Copy.sea").string()));
    action("Saveas1")->trigger();
    action("Open1")->trigger();  // cancelled
    EXPECT_EQ(m_dialogs.lastDirectory, ui::fromPath(elsewhere.string()));
}

TEST_F(NewUserTest, QuestionsThatDestroyDefaultToNo) {
    showTeam(3);
    selectRows({listedPlayers().at(1)});
    for (const char* command : {"DeletePlayer1", "DeleteAllPlayers1", "SwapAAA1"}) {
        m_interaction.answerYesNo(false);
        action(command)->trigger();
        EXPECT_EQ(m_interaction.yesNoDefaults().back(), DefaultButton::No) << command;
    }
    EXPECT_EQ(m_interaction.yesNoDefaults().size(), 3u);
    EXPECT_FALSE(league().changed());
}

TEST_F(NewUserTest, ControlsWithoutACaptionHaveANameAndTip) {
    for (const char* name : {"lblcount", "humanbox", "rosterfilter"}) {
        auto* control = child<QWidget>(name);
        EXPECT_FALSE(control->accessibleName().isEmpty()) << name;
        EXPECT_FALSE(control->toolTip().isEmpty()) << name;
    }
}

TEST_F(NewUserTest, SmallDialogsAreWideEnoughForTheirTitles) {
    action("About1")->trigger();
    action("Constants1")->trigger();
    int dialogs = 0;
    for (QDialog* dialog : m_window->findChildren<QDialog*>()) {
        if (dialog->isVisible()) {
            ++dialogs;
            EXPECT_GE(dialog->width(), dialog->fontMetrics().horizontalAdvance(dialog->windowTitle()) + 100)
                << dialog->windowTitle().toStdString();
            dialog->close();
        }
    }
    EXPECT_EQ(dialogs, 2);
}

}  // namespace
}  // namespace zt::test
