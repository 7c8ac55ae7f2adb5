// What the main window shows, the player editor in it, and the settings kept between runs.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QSettings>
#include <QTabWidget>
#include <QTableView>
#include <clocale>
#include <fstream>

#include "league/league.h"
#include "league/league_io.h"
#include "league/ui/qt_text.h"
#include "main_window_fixture.h"
#include "players/player_grid.h"
#include "players/ui/player_grid_model.h"
#include "players/ui/player_grid_panel.h"
#include "support/league_builder.h"

namespace zt::test {
namespace {

QString pathText(const std::filesystem::path& path) {
    return ui::fromPath(path.string());
}

void writeSetting(const QString& name, const QVariant& value) {
    QSettings settings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("ztedit"), QStringLiteral("ztedit"));
    settings.setValue(name, value);
}

// The user picks an item of the roster filter.
void chooseFilter(QComboBox* filter, int item) {
    filter->setCurrentIndex(item);
    Q_EMIT filter->activated(item);
}

// Player indexes listed in the grid, in row order.
std::vector<int> listedPlayers(const app::TForm1& window) {
    std::vector<int> indexes;
    auto* model = window.gridPanel()->model();
    for (int row = 0; row < model->rowCount(); ++row) {
        indexes.push_back(model->index(row, 4).data().toInt());
    }
    return indexes;
}

TEST_F(MainWindowTest, DefaultTeamBeyondTheTeamsFallsBackToTeamZero) {
    const auto sea = generateLeague("a");
    auto& window = startWindow({pathText(sea)});  // no settings: the default team is 255
    const auto& league = *window.league();
    EXPECT_EQ(child<QLabel>("lblteam")->text(),
              ui::fromLeagueText(league.teams[0].record.get(tf::city)) + QStringLiteral(" roster"));
    for (const int index : listedPlayers(window)) {
        EXPECT_EQ(league.players[static_cast<std::size_t>(index)]->teamIndex(), 0);
    }
    EXPECT_FALSE(listedPlayers(window).empty());
    // The human-team box follows only a default team that exists.
    EXPECT_FALSE(child<QCheckBox>("humanbox")->isChecked());
}

TEST_F(MainWindowTest, DefaultTeamFromTheSettingsIsShownAtAllLevels) {
    const auto sea = generateLeague("a");
    writeSetting(QStringLiteral("DefaultTeam"), QStringLiteral("5"));
    writeSetting(QStringLiteral("Name"), QStringLiteral("Somewhere Roster"));
    auto& window = startWindow({pathText(sea)});
    const auto& league = *window.league();
    std::size_t expected = 0;
    for (const auto& player : league.players) {
        expected += player->teamIndex() == 5 && league.isOnRoster(*player, 5) ? 1 : 0;
    }
    EXPECT_EQ(listedPlayers(window).size(), expected);
    EXPECT_EQ(child<QLabel>("lblcount")->text(), QString::number(expected));
    EXPECT_FALSE(child<QCheckBox>("humanbox")->isChecked());
    EXPECT_TRUE(action("MakeDefault1")->isChecked());
}

TEST_F(MainWindowTest, TeamChosenFromTheTeamsMenuIsListedWithItsCaption) {
    const auto sea = generateLeague("a");
    auto& window = startWindow({pathText(sea)});
    action("Team7")->trigger();
    const auto& league = *window.league();
    EXPECT_EQ(child<QLabel>("lblteam")->text(),
              ui::fromLeagueText(league.teams[7].record.get(tf::city)) + QStringLiteral(" Roster"));
    const auto listed = listedPlayers(window);
    ASSERT_FALSE(listed.empty());
    for (const int index : listed) {
        EXPECT_EQ(league.players[static_cast<std::size_t>(index)]->teamIndex(), 7);
    }
    ASSERT_NE(league.currentPlayer, nullptr);
    EXPECT_EQ(league.currentPlayer->teamIndex(), 7);
    EXPECT_TRUE(child<QWidget>("manpage")->isEnabled());
}

TEST_F(MainWindowTest, FreeAgentsAreListedAtAllLevelsWithoutTheLineupPage) {
    const auto sea = generateLeague("a");
    auto& window = startWindow({pathText(sea)});
    chooseFilter(child<QComboBox>("rosterfilter"), 2);  // "AAA"
    action("FreeAgents1")->trigger();
    EXPECT_EQ(child<QLabel>("lblteam")->text(), QStringLiteral("Free Agents"));
    EXPECT_EQ(child<QComboBox>("rosterfilter")->currentText(), QStringLiteral("ALL"));
    EXPECT_FALSE(child<QCheckBox>("humanbox")->isChecked());
    const auto listed = listedPlayers(window);
    EXPECT_EQ(listed.size(), 20u);
    for (const int index : listed) {
        EXPECT_EQ(window.league()->players[static_cast<std::size_t>(index)]->teamIndex(), kFreeAgentTeam);
    }
    auto* pages = child<QTabWidget>("pages");
    EXPECT_EQ(pages->currentIndex(), 0);
    EXPECT_FALSE(pages->isTabVisible(pages->indexOf(child<QWidget>("manpage"))));
}

TEST_F(MainWindowTest, RosterFilterListsOneLevelOfTheCurrentTeam) {
    const auto sea = generateLeague("a");
    auto& window = startWindow({pathText(sea)});
    chooseFilter(child<QComboBox>("rosterfilter"), 1);  // "ML"
    const auto listed = listedPlayers(window);
    ASSERT_FALSE(listed.empty());
    for (const int index : listed) {
        const auto& player = *window.league()->players[static_cast<std::size_t>(index)];
        EXPECT_EQ(player.teamIndex(), 0);
        EXPECT_EQ(player.level(), 0);
    }
}

TEST_F(MainWindowTest, SelectingARowFillsTheEditorPages) {
    const auto sea = generateLeague("a");
    auto& window = startWindow({pathText(sea)});
    auto* view = child<QTableView>("grille");
    view->setCurrentIndex(view->model()->index(3, 1));
    const auto* player = window.league()->currentPlayer;
    ASSERT_NE(player, nullptr);
    EXPECT_EQ(player, window.league()->players[static_cast<std::size_t>(listedPlayers(window)[3])].get());
    EXPECT_EQ(text("editnom"), ui::fromLeagueText(player->get(pf::lastName)));
    EXPECT_EQ(text("editprenom"), ui::fromLeagueText(player->get(pf::firstName)));
    EXPECT_EQ(text("editage"), QString::number(player->get(pf::age)));
    EXPECT_EQ(text("editweight"), QString::number(player->get(pf::weight)));
    EXPECT_EQ(child<QComboBox>("cbteam")->currentText(), ui::fromLeagueText(window.league()->teamAbbrev(0)));
    EXPECT_FALSE(child<QComboBox>("cbteam")->isEnabled());
    ASSERT_NE(window.league()->currentHistory, nullptr);
    EXPECT_EQ(window.league()->currentHistory->key, player->playerId());
}

TEST_F(MainWindowTest, AppliedEditsReachTheSavedFileAndNothingElseChanges) {
    const auto sea = generateLeague("a");
    const auto playersFile = m_dir / "a" / "SampleSeason" / "players.zt";
    const auto before = readBytes(playersFile);
    auto& window = startWindow({pathText(sea)});
    const auto* player = window.league()->currentPlayer;
    ASSERT_NE(player, nullptr);
    std::size_t index = 0;
    while (window.league()->players[index].get() != player) {
        ++index;
    }
    type("editage", QStringLiteral("41"));
    type("editweight", QStringLiteral("233"));
    apply();
    ASSERT_TRUE(m_interaction.texts().empty()) << m_interaction.texts().front();
    EXPECT_TRUE(window.league()->changed());
    action("Save1")->trigger();

    const auto after = readBytes(playersFile);
    ASSERT_EQ(after.size(), before.size());
    const std::size_t record = 8 + 768 * index;
    std::vector<std::size_t> changed;
    for (std::size_t i = 0; i < after.size(); ++i) {
        if (after[i] != before[i]) {
            changed.push_back(i - record);
        }
    }
    // Age at 40, weight at 60 (two bytes): boxes not edited leave their fields exactly as stored,
    // however the editor rounds them for display. APPLY then runs the lineup check of the
    // player's team, which may set other players' role (85) and played position (87).
    for (const std::size_t offset : changed) {
        const std::size_t field = (offset + record - 8) % 768;
        const bool lineupCheck = field == 85 || field == 87;
        const bool edited = offset == 40 || offset == 60 || offset == 61;
        EXPECT_TRUE(lineupCheck || edited) << "byte changed: " << offset;
    }
    EXPECT_EQ(after[record + 40], 41);
    EXPECT_EQ(after[record + 60] | (after[record + 61] << 8), 233);
}

TEST_F(MainWindowTest, ANumberThatDoesNotConvertIsReportedAndNothingIsStored) {
    const auto sea = generateLeague("a");
    auto& window = startWindow({pathText(sea)});
    const PlayerRecord before = *window.league()->currentPlayer;
    type("editage", QStringLiteral("x"));
    apply();
    EXPECT_EQ(m_interaction.texts(), std::vector<std::string>{"'x' is not a valid integer value"});
    type("editage", QStringLiteral("30"));
    type("editarm", QStringLiteral("fast"));
    apply();
    EXPECT_EQ(m_interaction.texts().back(), "'fast' is not a valid floating point value");
    EXPECT_EQ(window.league()->currentPlayer->bytes(), before.bytes());
    EXPECT_FALSE(window.league()->changed());
}

TEST_F(MainWindowTest, NumbersUseADotUnderAGermanLocale) {
    const auto sea = generateLeague("a");
    const QLocale previous;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const std::string cLocale = std::setlocale(LC_ALL, nullptr);
    const bool german = std::setlocale(LC_ALL, "de_DE.UTF-8") != nullptr;
    auto& window = startWindow({pathText(sea)});
    type("editarm", QStringLiteral("7.25"));
    apply();
    EXPECT_TRUE(m_interaction.texts().empty());
    EXPECT_EQ(window.league()->currentPlayer->get(pf::armRating), 7.25f);
    EXPECT_EQ(text("editarm"), QStringLiteral("7.25"));
    std::setlocale(LC_ALL, cLocale.c_str());
    QLocale::setDefault(previous);
    if (!german) {
        GTEST_SKIP() << "de_DE.UTF-8 is not installed; only Qt's default locale was German";
    }
}

TEST_F(MainWindowTest, HiddenPlayersAreListedOnlyWithTheOption) {
    const auto sea = generateLeague("a");
    {
        auto league = openLeague(sea);
        // Take the first player of team 0 off the roster: he becomes a hidden player.
        auto& record = league->teams[0].record;
        for (int slot = 0; slot < kRosterSize; ++slot) {
            if (record.rosterId(slot) > 0) {
                record.setRosterId(slot, -1);
                break;
            }
        }
        saveLeague(*league);
    }
    auto& window = startWindow({pathText(sea)});
    EXPECT_TRUE(action("ShowHidden1")->isChecked());  // the option starts checked
    const auto withHidden = listedPlayers(window).size();
    action("ShowHidden1")->trigger();
    EXPECT_EQ(listedPlayers(window).size(), withHidden - 1);
    action("ShowHidden1")->trigger();
    EXPECT_EQ(listedPlayers(window).size(), withHidden);
}

TEST_F(MainWindowTest, ColourCommandsStoreTheChosenColourAndRepaintTheGrid) {
    const auto sea = generateLeague("a");
    auto& window = startWindow({pathText(sea)});
    chooseFilter(child<QComboBox>("rosterfilter"), 1);  // ML players only
    m_dialogs.setNextColor(QColor(10, 20, 30));
    action("ColorMajors1")->trigger();
    EXPECT_EQ(window.settings().majorColor, 0x1E140Au);
    const auto foreground = window.gridPanel()->model()->index(0, 1).data(Qt::ForegroundRole).value<QBrush>();
    EXPECT_EQ(foreground.color(), QColor(10, 20, 30));
    m_dialogs.setNextColor(std::nullopt);  // cancelled: nothing changes
    action("ColorMajors1")->trigger();
    EXPECT_EQ(window.settings().majorColor, 0x1E140Au);
    action("AllBlack1")->trigger();
    EXPECT_EQ(window.settings().majorColor, 0u);
    EXPECT_EQ(window.settings().dlColor, 0u);
}

TEST_F(MainWindowTest, SettingsAreWrittenAtExitAndReadAtTheNextStart) {
    const auto sea = generateLeague("a");
    startWindow({pathText(sea)});
    m_dialogs.setNextColor(QColor(1, 2, 3));
    action("ColorRoster1")->trigger();
    action("ShowHidden1")->trigger();
    closeWindow();

    auto& window = startWindow();
    EXPECT_EQ(window.settings().rosterColor, 0x030201u);
    EXPECT_FALSE(window.settings().showHidden);
    EXPECT_FALSE(action("ShowHidden1")->isChecked());
    EXPECT_EQ(action("Recent1")->text(), pathText(sea));
    EXPECT_TRUE(std::filesystem::exists(m_dir / "data" / "constants.ini"));
}

TEST_F(MainWindowTest, ConstantsAreReadAtStartAndWrittenBackAtExit) {
    std::filesystem::create_directories(m_dir / "data");
    writeText(m_dir / "data" / "constants.ini", "[Constants]\nlvsl=0.5\nobpa=1.25\n");
    auto& window = startWindow();
    EXPECT_EQ(window.constants().lvsl, 0.5f);
    EXPECT_EQ(window.constants().obpa, 1.25f);
    closeWindow();
    const auto written = readBytes(m_dir / "data" / "constants.ini");
    EXPECT_EQ(std::string(written.begin(), written.end()),
              "[Constants]\nlvsl=0.5\nobpa=1.25\nlvsr=0\r\nrvsl=0\r\nrvsr=0\r\n");
}

TEST_F(MainWindowTest, ANewDataFolderIsSeededWithTheShippedConstants) {
    auto& window = startWindow();
    EXPECT_EQ(window.constants(), LeagueConstants::defaults());
    EXPECT_TRUE(std::filesystem::exists(m_dir / "data" / "constants.ini"));
}

TEST_F(MainWindowTest, AboutShowsTheVersionAndDonationOpensTheWebPage) {
    startWindow();
    action("About1")->trigger();
    auto* about = m_window->findChild<QDialog*>(QStringLiteral("AboutBox"));
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(about->findChild<QLabel*>(QStringLiteral("Version"))->text(), QStringLiteral("Version 1.05"));
    about->close();
    action("Donate1")->trigger();
    ASSERT_EQ(m_dialogs.shellTargets.size(), 1);
    EXPECT_TRUE(m_dialogs.shellTargets.front().startsWith(QStringLiteral("https://")));
}

TEST_F(MainWindowTest, MenuKeepsItsShortcutsAndHidesTheLineupsReport) {
    const auto sea = generateLeague("a");
    startWindow({pathText(sea)});
    EXPECT_EQ(action("Leaders1")->shortcut(), QKeySequence(Qt::Key_F12));
    EXPECT_EQ(action("Open1")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_O));
    EXPECT_EQ(action("LaunchGame1")->shortcut(), QKeySequence(Qt::Key_F4));
    EXPECT_FALSE(action("LineupsReport1")->isVisible());
}

}  // namespace
}  // namespace zt::test
