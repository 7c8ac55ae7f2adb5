// Team Info, Manager profile, League Options and the import destination dialog in the main window:
// what they show, what they store, and that it survives Save and a new open.
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

#include "app/season_commands.h"
#include "cli/cli_command.h"
#include "league/league_io.h"
#include "players/ui/player_grid_panel.h"
#include "season/manager_profile.h"
#include "season/ui/import_destination_dialog.h"
#include "season/ui/manager_profile_window.h"
#include "season/ui/season_options_window.h"
#include "season/ui/team_info_window.h"
#include "season_window_fixture.h"
#include "support/league_builder.h"

namespace zt::test {
namespace {

namespace fs = std::filesystem;

void setText(QWidget* window, const char* edit, const QString& text) {
    auto* box = window->findChild<QLineEdit*>(QString::fromLatin1(edit));
    ASSERT_NE(box, nullptr) << edit;
    box->setText(text);
}

void click(QWidget* window, const char* button) {
    auto* widget = window->findChild<QPushButton*>(QString::fromLatin1(button));
    ASSERT_NE(widget, nullptr) << button;
    QTest::mouseClick(widget, Qt::LeftButton);
}

class TeamWindowsTest : public SeasonWindowTest {
protected:
    int currentTeam() { return league().currentPlayer->teamIndex(); }
};

TEST_F(TeamWindowsTest, TheMenuItemsAreOfferedWithALeague) {
    for (const char* name : {"TeamInfo1", "ManagerProfile1", "SeasonInfo1"}) {
        EXPECT_TRUE(action(name)->isEnabled()) << name;
    }
    whileModal([&] { action("TeamInfo1")->trigger(); },
               [&](QWidget& window) { EXPECT_EQ(window.windowTitle(), QStringLiteral("Team Info")); });
    whileModal([&] { action("ManagerProfile1")->trigger(); },
               [&](QWidget& window) { EXPECT_EQ(window.windowTitle(), QStringLiteral("Manager profile")); });
    whileModal([&] { action("SeasonInfo1")->trigger(); },
               [&](QWidget& window) { EXPECT_EQ(window.windowTitle(), QStringLiteral("League Options")); });
}

TEST_F(TeamWindowsTest, TeamInfoStoresTheNumbersAndKeepsTheNamesOfAStandardSeason) {
    const int team = currentTeam();
    auto* form = app::createTeamInfoWindow(*m_window);
    ASSERT_NE(form, nullptr);
    form->show();
    EXPECT_FALSE(in<QLineEdit>(form, "Edit1")->isEnabled());
    EXPECT_EQ(ui::toLeagueText(in<QLineEdit>(form, "Edit1")->text()), league().teamName(team));
    EXPECT_EQ(in<QLineEdit>(form, "Edit5")->text().toInt(), league().team(team).record.get(tf::wins));
    EXPECT_EQ(in<QGroupBox>(form, "grprecords")->title(), QStringLiteral("Records and achievements"));
    setText(form, "Edit5", QStringLiteral("91"));
    setText(form, "edws", QStringLiteral("x4"));
    click(form, "btok");
    EXPECT_EQ(m_interaction.texts().back(), "'x4' is not a valid integer value");
    EXPECT_TRUE(form->isVisible()) << "the window stays open";
    setText(form, "edws", QStringLiteral("4"));
    click(form, "btok");
    EXPECT_FALSE(form->isVisible());

    saveAndReopen();
    EXPECT_EQ(league().team(team).record.get(tf::wins), 91);
    EXPECT_EQ(league().team(team).record.get(tf::worldSeriesWon), 4);
}

TEST_F(TeamWindowsTest, RenamingInACustomSeasonChangesTheListsCaptionAndEditorButNotTheTeamsMenu) {
    league().seasonHeader.set(sh::customSeason, std::uint8_t{1});
    const int team = currentTeam();
    const QString menuCaption = action(QStringLiteral("Team%1").arg(team).toLatin1().constData())->text();
    auto* form = app::createTeamInfoWindow(*m_window);
    form->show();
    ASSERT_TRUE(in<QLineEdit>(form, "Edit1")->isEnabled());
    setText(form, "Edit1", QStringLiteral("Comètes"));
    setText(form, "Edit4", QStringLiteral("CMT"));
    click(form, "btok");
    EXPECT_EQ(child<QLabel>("lblteam")->text(), QStringLiteral("Comètes"));
    EXPECT_EQ(child<QComboBox>("cbteam")->itemText(team + 1), QStringLiteral("CMT"));
    EXPECT_EQ(action(QStringLiteral("Team%1").arg(team).toLatin1().constData())->text(), menuCaption);

    saveAndReopen();
    EXPECT_EQ(league().teamName(team), "Com\xE8tes");
    EXPECT_EQ(league().teamAbbrev(team), "CMT");
}

TEST_F(TeamWindowsTest, TeamWindowsWaitForAPlayerOfATeam) {
    m_window->showFreeAgents();
    ASSERT_EQ(league().currentPlayer->teamIndex(), kFreeAgentTeam);
    EXPECT_EQ(app::createTeamInfoWindow(*m_window), nullptr);
    EXPECT_EQ(app::createManagerProfileWindow(*m_window), nullptr);
    action("TeamInfo1")->trigger();  // nothing opens, nothing is asked
    EXPECT_TRUE(m_interaction.texts().empty());
}

TEST_F(TeamWindowsTest, ManagerProfileAppliesDefaultsAndExportsLikeTheCommandLine) {
    const int opened = currentTeam();
    const int other = (opened + 3) % league().teamCount();
    season::setManagerProfile(
        league(), opened, {0.1f, 0.1f, 0.1f, 0.1f, 0.1f, 0.1f, 0.1f, 0.1f, 0.1f, 0.1f, 0.1f, 0.1f, 0.1f});
    auto* form = app::createManagerProfileWindow(*m_window);
    form->show();
    auto* teams = in<QComboBox>(form, "cbteamprof");
    EXPECT_EQ(teams->currentIndex(), opened);
    EXPECT_EQ(in<QLabel>(form, "lblprof4")->text(), QStringLiteral("Intentional walks (-0.273..0.4)"));
    EXPECT_EQ(in<QLineEdit>(form, "Edit1")->text(), QStringLiteral("0.1"));
    teams->setCurrentIndex(other);
    setText(form, "Edit4", QStringLiteral("-0.273"));
    setText(form, "Edit13", QStringLiteral("0.9"));
    click(form, "btapplyteam");
    click(form, "btdefaultteam");  // the team the window was opened for
    EXPECT_EQ(in<QLineEdit>(form, "Edit4")->text(), QStringLiteral("-0.273")) << "the edits are not refreshed";

    const fs::path windowFile = m_dir / "window.mps";
    m_dialogs.setNextFileName(ui::fromPath(windowFile.string()));
    click(form, "btexport");
    EXPECT_EQ(m_dialogs.lastFilter, QStringLiteral("Manager Profile Settings (*.mps)"));
    form->close();

    saveAndReopen();
    EXPECT_EQ(league().team(other).record.managerProfile(3), -0.273f);
    EXPECT_EQ(league().team(other).record.managerProfile(12), 0.9f);
    EXPECT_EQ(season::managerProfileOf(league().team(opened).record), season::ManagerProfile{});
    const fs::path cliFile = m_dir / "cli.mps";
    std::ostringstream out, err;
    ASSERT_EQ(
        cli::runCli({"manager", "export", m_sea.string(), "--team", std::to_string(other), cliFile.string()}, out, err),
        0)
        << err.str();
    EXPECT_EQ(readBytes(windowFile), readBytes(cliFile));
}

TEST_F(TeamWindowsTest, ManagerProfileImportAsksAndShowsTheChosenTeam) {
    const fs::path file = m_dir / "in.mps";
    season::ManagerProfile profile{};
    profile[4] = 0.5f;
    writeBytes(file, season::serialiseManagerProfile(profile));
    auto* form = app::createManagerProfileWindow(*m_window);
    form->show();
    in<QComboBox>(form, "cbteamprof")->setCurrentIndex(6);
    m_dialogs.setNextFileName(ui::fromPath(file.string()));
    m_interaction.answerYesNo(false);
    click(form, "btimport");
    EXPECT_EQ(m_interaction.texts().back(), "Do you want to apply these settings to all teams ?");
    EXPECT_EQ(in<QLineEdit>(form, "Edit5")->text(), QStringLiteral("0.5"));
    form->close();
    saveAndReopen();
    EXPECT_EQ(season::managerProfileOf(league().team(6).record), profile);
}

TEST_F(TeamWindowsTest, LeagueOptionsStoreEverySettingInTheFiles) {
    league().seasonHeader.set(sh::customSeason, std::uint8_t{1});
    auto* form = app::createSeasonOptionsWindow(*m_window);
    form->show();
    auto* dh = in<QComboBox>(form, "cbdhrule");
    EXPECT_EQ(dh->itemText(0), QStringLiteral("National League only"));
    EXPECT_EQ(dh->itemText(1), QStringLiteral("American League only"));
    EXPECT_EQ(dh->currentIndex(), 1);
    EXPECT_EQ(in<QComboBox>(form, "cbinningsrule")->currentIndex(), 8);
    setText(form, "l1name", QStringLiteral("Junior Circuit"));
    EXPECT_EQ(dh->itemText(1), QStringLiteral("Junior Circuit only")) << "renamed as it is typed";
    EXPECT_EQ(dh->currentIndex(), 1);
    dh->setCurrentIndex(3);
    in<QComboBox>(form, "cbinningsrule")->setCurrentIndex(6);
    in<QSpinBox>(form, "edyear")->setValue(2031);
    setText(form, "editgames", QStringLiteral("300"));
    setText(form, "editday", QStringLiteral("20"));
    setText(form, "l2div3", QStringLiteral("Coast"));
    click(form, "btapply");
    EXPECT_FALSE(form->isVisible());

    saveAndReopen();
    const SeasonHeader& header = league().seasonHeader;
    EXPECT_EQ(header.get(sh::dhRule), 3);
    EXPECT_EQ(header.get(sh::dhRuleCopy), 3);
    EXPECT_EQ(header.get(sh::inningsRule), 7);
    EXPECT_EQ(header.get(sh::seasonYear), 2031);
    EXPECT_EQ(header.get(sh::seasonGames), 44);
    EXPECT_EQ(header.get(sh::seasonDay), 20);
    EXPECT_EQ(league().leagueNames[0].get(LeagueNames::name), "Junior Circuit");
    EXPECT_EQ(league().leagueNames[1].divisionName(2), "Coast");
}

TEST_F(TeamWindowsTest, CloseDropsTheEditsAndExecuteShiftsTheHistoryYears) {
    const int year = decodeBattingLine(league().teamHistories[0]->batting[0]).year;
    auto* form = app::createSeasonOptionsWindow(*m_window);
    form->show();
    EXPECT_FALSE(in<QLineEdit>(form, "l1name")->isEnabled()) << "not a custom season";
    setText(form, "editgames", QStringLiteral("100"));
    setText(form, "edadjust", QStringLiteral("-30"));
    m_interaction.answerYesNo(true);
    click(form, "btexecute");
    EXPECT_EQ(m_interaction.shown().at(m_interaction.shown().size() - 2).text,
              "Do you want to adjust all historical stats by -30 years ?");
    click(form, "btclose");

    saveAndReopen();
    EXPECT_EQ(decodeBattingLine(league().teamHistories[0]->batting[0]).year, year - 30);
    EXPECT_EQ(league().seasonHeader.get(sh::seasonGames), 12) << "Close stores nothing: the sample plays twelve days";
}

TEST_F(TeamWindowsTest, TheImportDestinationDialogGivesTheDestinationCodes) {
    season::ui::Timportdestfrm dialog(league(), m_window.get());
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Imported Players Destination Team"));
    auto* items = in<QComboBox>(&dialog, "cbdest");
    ASSERT_EQ(items->count(), league().teamCount() + 2);
    EXPECT_EQ(items->itemText(0), QStringLiteral("Imported player team"));
    EXPECT_EQ(items->itemText(1), QStringLiteral("Free Agents"));
    EXPECT_EQ(ui::toLeagueText(items->itemText(2)), league().teamName(0));
    const std::pair<int, int> codes[] = {{0, 999}, {1, 255}, {2, 0}, {7, 5}};
    for (const auto& [item, code] : codes) {
        items->setCurrentIndex(item);
        EXPECT_EQ(dialog.destination(), code) << "item " << item;
    }
}

}  // namespace
}  // namespace zt::test
