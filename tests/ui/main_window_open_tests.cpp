// Opening, saving and closing leagues in the main window.
#include <QComboBox>
#include <QLabel>
#include <QSettings>
#include <QTabWidget>

#include "league/league.h"
#include "league/league_io.h"
#include "league/players_file.h"
#include "league/ui/qt_text.h"
#include "main_window_fixture.h"
#include "players/ui/player_grid_panel.h"
#include "support/league_builder.h"

namespace zt::test {
namespace {

QString pathText(const std::filesystem::path& path) {
    return ui::fromPath(path.string());
}

TEST_F(MainWindowTest, StartsWithoutLeagueAndWithTheLeagueCommandsDisabled) {
    auto& window = startWindow();
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Zantrip 2003 Editor 1.05  Beta"));
    EXPECT_EQ(window.league(), nullptr);
    EXPECT_TRUE(action("Open1")->isEnabled());
    EXPECT_FALSE(action("Save1")->isEnabled());
    EXPECT_FALSE(action("Saveas1")->isEnabled());
    EXPECT_FALSE(child<QMenu>("Edit1")->isEnabled());
    EXPECT_FALSE(child<QMenu>("Teams1")->isEnabled());
    EXPECT_FALSE(child<QMenu>("NetLeague1")->isEnabled());
    EXPECT_FALSE(child<QWidget>("grille")->isEnabled());
    EXPECT_FALSE(action("RecentSeparator")->isVisible());
}

TEST_F(MainWindowTest, OpensTheLeagueNamedOnTheCommandLine) {
    const auto sea = generateLeague("a");
    auto& window = startWindow({pathText(sea)});
    ASSERT_NE(window.league(), nullptr);
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Zantrip 2003 Editor 1.05 ") + pathText(sea));
    EXPECT_TRUE(action("Save1")->isEnabled());
    EXPECT_TRUE(child<QMenu>("Teams1")->isEnabled());
    EXPECT_TRUE(child<QWidget>("grille")->isEnabled());
    EXPECT_TRUE(child<QTabWidget>("pages")->isEnabled());
    // The history page is usable because the league has stats.zt.
    auto* pages = child<QTabWidget>("pages");
    EXPECT_TRUE(pages->isTabEnabled(pages->indexOf(child<QWidget>("hispage"))));
    EXPECT_EQ(action("Recent1")->text(), pathText(sea));
    EXPECT_TRUE(action("Recent1")->isVisible());
    EXPECT_TRUE(action("RecentSeparator")->isVisible());
    EXPECT_FALSE(action("Recent2")->isVisible());
    EXPECT_EQ(child<QComboBox>("rosterfilter")->currentText(), QStringLiteral("ALL"));
}

TEST_F(MainWindowTest, OpenCommandShowsTheDialogAndOpensTheChosenLeague) {
    const auto sea = generateLeague("a");
    auto& window = startWindow();
    m_dialogs.setNextFileName(pathText(sea));
    action("Open1")->trigger();
    ASSERT_NE(window.league(), nullptr);
    EXPECT_EQ(m_dialogs.fileDialogsShown, 1);
    EXPECT_EQ(m_dialogs.lastFilter, QStringLiteral("ZT Season Files (*.sea);;Players Files (players.zt)"));
    EXPECT_EQ(window.league()->leagueDir, sea.parent_path() / "SampleSeason" / "");
}

TEST_F(MainWindowTest, OpenDialogStartsInTheGameSavesFolder) {
    qputenv("ZTEDIT_GAME_DIR", QByteArray::fromStdString((m_dir / "game").string()));
    startWindow();
    action("Open1")->trigger();
    EXPECT_EQ(m_dialogs.lastDirectory, pathText(m_dir / "game" / "Stats" / "Saves" / ""));
}

TEST_F(MainWindowTest, FailedOpenShowsTheMessageAndLeavesNoLeagueOpen) {
    const auto sea = generateLeague("a");
    auto& window = startWindow({pathText(sea)});
    ASSERT_NE(window.league(), nullptr);
    const auto missing = m_dir / "missing" / "Gone.sea";
    m_dialogs.setNextFileName(pathText(missing));
    action("Open1")->trigger();
    EXPECT_EQ(window.league(), nullptr);
    ASSERT_FALSE(m_interaction.texts().empty());
    EXPECT_EQ(m_interaction.texts().back(),
              "Directory " + (m_dir / "missing" / "GoneSeason").string() + "/ does not exist. League not loaded");
    EXPECT_FALSE(action("Save1")->isEnabled());
    EXPECT_EQ(window.findChild<QAction*>(QStringLiteral("Team0")), nullptr);
}

TEST_F(MainWindowTest, WrongSeasonVersionIsRefused) {
    const auto sea = generateLeague("a");
    auto bytes = readBytes(m_dir / "a" / "SampleSeason" / "season.zt");
    bytes[9] = '8';
    writeBytes(m_dir / "a" / "SampleSeason" / "season.zt", bytes);
    auto& window = startWindow({pathText(sea)});
    EXPECT_EQ(window.league(), nullptr);
    EXPECT_EQ(m_interaction.texts(), std::vector<std::string>{"Wrong season version"});
}

TEST_F(MainWindowTest, TeamMenusListEveryTeamByCityUnderItsDivisionAndAreRebuiltAtTheNextOpen) {
    const auto first = generateLeague("a");
    const auto second = generateLeague("b", 2);
    auto& window = startWindow({pathText(first)});
    const auto& league = *window.league();
    EXPECT_EQ(action("Lmenu0")->text(), ui::fromLeagueText(league.leagueNames[0].get(LeagueNames::name)));
    EXPECT_TRUE(action("Lmenu0")->isEnabled());
    EXPECT_TRUE(action("TLmenu0")->isEnabled());
    EXPECT_TRUE(child<QMenu>("NetLeague1")->isEnabled());
    auto* division = child<QMenu>("D0L0");
    EXPECT_EQ(division->title(),
              ui::fromLeagueText(league.leagueNames[0].divisionName(0) + " (" +
                                 league.leagueNames[0].get(LeagueNames::abbreviation) + ")"));
    QStringList cities;
    for (QAction* team : division->actions()) {
        cities << team->text();
    }
    QStringList sorted = cities;
    std::sort(sorted.begin(), sorted.end(), [](const QString& a, const QString& b) {
        return a.compare(b, Qt::CaseInsensitive) < 0;
    });
    EXPECT_EQ(cities, sorted);
    EXPECT_FALSE(cities.isEmpty());
    for (int t = 0; t < league.teamCount(); ++t) {
        EXPECT_NE(window.findChild<QAction*>(QStringLiteral("Team%1").arg(t)), nullptr) << t;
        EXPECT_NE(window.findChild<QAction*>(QStringLiteral("TTeam%1").arg(t)), nullptr) << t;
    }

    m_dialogs.setNextFileName(pathText(second));
    action("Open1")->trigger();
    EXPECT_EQ(window.findChildren<QAction*>(QStringLiteral("Team3")).size(), 1);
    EXPECT_EQ(window.findChildren<QMenu*>(QStringLiteral("D0L0")).size(), 1);
}

TEST_F(MainWindowTest, AllStarTeamsGetNoMenuEntry) {
    const auto sea = generateLeague("a");
    auto league = openLeague(sea);
    league->teams[4].record.set(tf::city, "AL All Stars");
    saveLeague(*league);
    auto& window = startWindow({pathText(sea)});
    ASSERT_NE(window.league(), nullptr);
    EXPECT_EQ(window.findChild<QAction*>(QStringLiteral("Team4")), nullptr);
    EXPECT_NE(window.findChild<QAction*>(QStringLiteral("Team5")), nullptr);
}

TEST_F(MainWindowTest, RestorePreviousSaveBringsBackTheFilesAndOpensThemAgain) {
    const auto sea = generateLeague("a");
    auto& window = startWindow({pathText(sea)});
    action("RestoreSave1")->trigger();
    EXPECT_EQ(m_interaction.texts().back(), app::kNothingToRestoreMessage);

    const std::string name = window.league()->players[3]->get(pf::lastName);
    window.league()->players[3]->set(pf::lastName, std::string("Renamed"));
    window.league()->markChanged();
    action("Save1")->trigger();
    m_interaction.answerYesNo(false);
    action("RestoreSave1")->trigger();
    EXPECT_EQ(m_interaction.yesNoDefaults().back(), DefaultButton::No);
    EXPECT_EQ(window.league()->players[3]->get(pf::lastName), "Renamed");
    m_interaction.answerYesNo(true);
    action("RestoreSave1")->trigger();
    EXPECT_EQ(window.league()->players[3]->get(pf::lastName), name);  // opened again from the restored files
    EXPECT_FALSE(window.league()->changed());
}

TEST_F(MainWindowTest, SaveWritesTheLeagueAndEmptiesTheSeasonFile) {
    const auto sea = generateLeague("a");
    const auto before = snapshotFolder(m_dir / "a" / "SampleSeason");
    auto& window = startWindow({pathText(sea)});
    window.league()->markChanged();
    action("Save1")->trigger();
    EXPECT_FALSE(window.league()->changed());
    EXPECT_EQ(snapshotWithoutBackups(m_dir / "a" / "SampleSeason"), before);
    EXPECT_EQ(std::filesystem::file_size(sea), 0u);
}

TEST_F(MainWindowTest, SaveAsWritesTheNewFolderAndNamesItInTheCaption) {
    const auto sea = generateLeague("a");
    auto& window = startWindow({pathText(sea)});
    const auto copy = m_dir / "Copy.sea";
    m_dialogs.setNextFileName(pathText(copy));
    action("Saveas1")->trigger();
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Zantrip 2003 Editor 1.05  Beta") + pathText(copy));
    EXPECT_EQ(snapshotFolder(m_dir / "CopySeason"), snapshotFolder(m_dir / "a" / "SampleSeason"));
    EXPECT_EQ(action("Recent1")->text(), pathText(copy));
    EXPECT_EQ(action("Recent2")->text(), pathText(sea));
}

TEST_F(MainWindowTest, RecentFilesFollowTheMostRecentFirstRules) {
    const auto a = generateLeague("a");
    const auto b = generateLeague("b", 2);
    const auto c = generateLeague("c", 3);
    startWindow();
    const auto openFile = [&](const std::filesystem::path& sea) {
        m_dialogs.setNextFileName(pathText(sea));
        action("Open1")->trigger();
    };
    const auto items = [&] {
        return QStringList{action("Recent1")->text(), action("Recent2")->text(), action("Recent3")->text()};
    };
    openFile(a);
    openFile(b);
    openFile(c);
    EXPECT_EQ(items(), (QStringList{pathText(c), pathText(b), pathText(a)}));
    openFile(b);  // item 2 swaps with item 1
    EXPECT_EQ(items(), (QStringList{pathText(b), pathText(c), pathText(a)}));
    openFile(b);  // item 1 changes nothing
    EXPECT_EQ(items(), (QStringList{pathText(b), pathText(c), pathText(a)}));
    openFile(a);  // item 3 goes to the top
    EXPECT_EQ(items(), (QStringList{pathText(a), pathText(b), pathText(c)}));
    action("Recent3")->trigger();  // a recent item opens its league
    EXPECT_EQ(m_window->league()->selectedFile, c);
    EXPECT_EQ(items(), (QStringList{pathText(c), pathText(a), pathText(b)}));
}

// The unsaved-changes question on Open, on a recent item and on closing the window.
struct PromptCase {
    const char* name;
    enum class Via { Open, Recent, Close } via;
    Answer answer;
    bool saved;            // the league was written
    bool otherLeagueOpen;  // the other league is open afterwards (Open and Recent)
    bool windowStaysOpen;  // for Close
};

void PrintTo(const PromptCase& c, std::ostream* out) {
    *out << c.name;
}

class UnsavedChangesTest : public MainWindowTest, public ::testing::WithParamInterface<PromptCase> {};

TEST_P(UnsavedChangesTest, AnswerDecidesWhatHappens) {
    const auto& c = GetParam();
    const auto a = generateLeague("a");
    const auto b = generateLeague("b", 2);
    auto& window = startWindow({pathText(b)});
    m_dialogs.setNextFileName(pathText(a));
    action("Open1")->trigger();
    ASSERT_EQ(window.league()->selectedFile, a);
    std::filesystem::resize_file(a, 5);  // an empty .sea shows that the league was saved
    window.league()->markChanged();

    m_interaction.answerYesNoCancel(c.answer);
    if (c.via == PromptCase::Via::Open) {
        m_dialogs.setNextFileName(pathText(b));
        action("Open1")->trigger();
    } else if (c.via == PromptCase::Via::Recent) {
        action("Recent2")->trigger();
    } else {
        const bool closed = window.close();
        EXPECT_EQ(closed, !c.windowStaysOpen);
    }
    ASSERT_FALSE(m_interaction.shown().empty());
    EXPECT_EQ(m_interaction.shown().back().text, "Changes have been made. Do you want to save the league ?");
    EXPECT_EQ(std::filesystem::file_size(a) == 0, c.saved);
    if (c.via != PromptCase::Via::Close) {
        ASSERT_NE(window.league(), nullptr);
        EXPECT_EQ(window.league()->selectedFile == b, c.otherLeagueOpen);
    }
    if (c.via == PromptCase::Via::Open) {
        // Yes saves and ends the command without showing the dialog; Cancel shows nothing.
        EXPECT_EQ(m_dialogs.fileDialogsShown, c.answer == Answer::No ? 2 : 1);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases,
    UnsavedChangesTest,
    ::testing::Values(PromptCase{"OpenYes", PromptCase::Via::Open, Answer::Yes, true, false, false},
                      PromptCase{"OpenNo", PromptCase::Via::Open, Answer::No, false, true, false},
                      PromptCase{"OpenCancel", PromptCase::Via::Open, Answer::Cancel, false, false, false},
                      PromptCase{"RecentYes", PromptCase::Via::Recent, Answer::Yes, true, false, false},
                      PromptCase{"RecentNo", PromptCase::Via::Recent, Answer::No, false, true, false},
                      PromptCase{"RecentCancel", PromptCase::Via::Recent, Answer::Cancel, false, false, false},
                      PromptCase{"CloseYes", PromptCase::Via::Close, Answer::Yes, true, false, false},
                      PromptCase{"CloseNo", PromptCase::Via::Close, Answer::No, false, false, false},
                      PromptCase{"CloseCancel", PromptCase::Via::Close, Answer::Cancel, false, false, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(MainWindowTest, ClosingWithoutChangesAsksNothing) {
    const auto sea = generateLeague("a");
    auto& window = startWindow({pathText(sea)});
    EXPECT_TRUE(window.close());
    EXPECT_TRUE(m_interaction.shown().empty());
}

}  // namespace
}  // namespace zt::test
