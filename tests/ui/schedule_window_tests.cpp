// The schedule, box score, playoffs and league scores windows in the main window: navigation,
// stored teams and runs surviving Save and a new open, and files equal to ztedit-cli's.
#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTextEdit>
#include <sstream>

#include "app/report_commands.h"
#include "app/season_commands.h"
#include "cli/cli_command.h"
#include "league/league_io.h"
#include "reports/ui/league_scores_window.h"
#include "reports/ui/report_save_dialog.h"
#include "season/schedule.h"
#include "season/ui/box_score_window.h"
#include "season/ui/playoffs_window.h"
#include "season/ui/schedule_window.h"
#include "season_window_fixture.h"
#include "support/fault_sweep.h"
#include "support/league_builder.h"

namespace zt::test {
namespace {

namespace fs = std::filesystem;
using season::Side;

std::string cliOutput(const std::vector<std::string>& args) {
    std::ostringstream out, err;
    EXPECT_EQ(cli::runCli(args, out, err), 0) << err.str();
    return out.str();
}

std::string fileText(const fs::path& file) {
    const auto bytes = readBytes(file);
    return {bytes.begin(), bytes.end()};
}

QString q(const fs::path& path) {
    return ui::fromPath(path.string());
}

class ScheduleWindowTest : public SeasonWindowTest {
protected:
    season::ui::Tschedulefrm* openSchedule() {
        auto* form = app::createScheduleWindow(*m_window);
        form->show();
        return form;
    }
    static void enterDay(season::ui::Tschedulefrm* form, const QString& text) {
        auto* box = in<QLineEdit>(form, "editgameno");
        box->clear();
        QTest::keyClicks(box, text);
        QTest::keyClick(box, Qt::Key_Return);
    }
    static QDate shownDate(season::ui::Tschedulefrm* form) {
        return in<QCalendarWidget>(form, "calendar")->selectedDate();
    }
};

TEST_F(ScheduleWindowTest, DaysStayWithinTheScheduleOnEveryPath) {
    EXPECT_TRUE(action("SeasonSchedule1")->isEnabled());
    EXPECT_EQ(action("SeasonSchedule1")->shortcut(), QKeySequence(Qt::Key_F6));
    auto* form = openSchedule();
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Velmora Zantrip 2002 Editor Schedule Module"));
    auto* calendar = in<QCalendarWidget>(form, "calendar");
    EXPECT_EQ(calendar->minimumDate(), QDate(2026, 4, 1));
    EXPECT_EQ(calendar->maximumDate(), QDate(2026, 4, 13)) << "April 1 + 12 days";
    EXPECT_EQ(form->shownDay(), 1);

    QTest::mouseClick(in<QPushButton>(form, "btprev"), Qt::LeftButton);
    EXPECT_EQ(form->shownDay(), 1);
    QTest::mouseClick(in<QPushButton>(form, "btnext"), Qt::LeftButton);
    EXPECT_EQ(form->shownDay(), 2);
    EXPECT_EQ(shownDate(form), QDate(2026, 4, 2));
    enterDay(form, QStringLiteral("999"));
    EXPECT_EQ(form->shownDay(), 12);
    QTest::mouseClick(in<QPushButton>(form, "btnext"), Qt::LeftButton);
    EXPECT_EQ(form->shownDay(), 12);
    enterDay(form, QStringLiteral("0"));
    EXPECT_EQ(form->shownDay(), 1);
    enterDay(form, QStringLiteral("123456789012345678901234"));
    EXPECT_EQ(form->shownDay(), 12);
    enterDay(form, QStringLiteral("x7"));  // only digits reach the box
    EXPECT_EQ(in<QLineEdit>(form, "editgameno")->text(), QStringLiteral("7"));
    EXPECT_EQ(form->shownDay(), 7);
    Q_EMIT calendar->clicked(QDate(2026, 4, 13));  // the date after the last day
    EXPECT_EQ(form->shownDay(), 12);
    Q_EMIT calendar->clicked(QDate(2026, 4, 5));
    EXPECT_EQ(form->shownDay(), 5);
    EXPECT_EQ(in<QLineEdit>(form, "editgameno")->text(), QStringLiteral("5"));
    form->close();
}

TEST_F(ScheduleWindowTest, TheRowsShowTheDayAndTeamChangesSurviveSaveAndOpen) {
    auto* form = openSchedule();
    const GameResult& first = league().gameScores[0].games[0];
    EXPECT_EQ(form->teamCombo(1, Side::Home)->currentIndex(), first.get(gr::homeTeam) + 1);
    EXPECT_EQ(form->scoreEdit(1, Side::Visitor)->text().toInt(), first.get(gr::visitorRuns));
    const QStringList expectedEnd = {QStringLiteral("AL A-S"), QStringLiteral("NL A-S")};
    auto* combo = form->teamCombo(13, Side::Visitor);
    EXPECT_EQ(combo->itemText(0), QStringLiteral("N/A"));
    EXPECT_EQ(combo->itemText(31), expectedEnd[0]);
    EXPECT_EQ(combo->itemText(32), expectedEnd[1]);
    EXPECT_EQ(league().changed(), false) << "showing days stores nothing";

    enterDay(form, QStringLiteral("10"));
    EXPECT_TRUE(form->scoreEdit(2, Side::Home)->text().isEmpty()) << "day 10 is not played";
    form->teamCombo(2, Side::Visitor)->setCurrentIndex(0);         // N/A: -1
    form->teamCombo(12, Side::Home)->setCurrentIndex(32);          // NL A-S: teamCount + 1
    form->teamCombo(12, Side::Visitor)->setCurrentIndex(5);        // team 4
    form->scoreEdit(3, Side::Home)->setText(QStringLiteral("9"));  // scores are for information only
    form->close();

    saveAndReopen();
    const GameScore& day = league().gameScores[9];
    EXPECT_EQ(day.games[1].get(gr::visitingTeam), -1);
    EXPECT_EQ(day.games[11].get(gr::homeTeam), 31);
    EXPECT_EQ(day.games[11].get(gr::visitingTeam), 4);
    EXPECT_EQ(day.games[2].get(gr::homeRuns), -1);
    auto* again = openSchedule();
    enterDay(again, QStringLiteral("10"));
    EXPECT_EQ(again->teamCombo(12, Side::Home)->currentText(), QStringLiteral("NL A-S"));
    again->close();
}

TEST_F(ScheduleWindowTest, TheQuestionMarkShowsTheSummaryAndTheBoxScore) {
    auto* form = openSchedule();
    QTest::mouseClick(form->gameButton(1), Qt::LeftButton);
    ASSERT_FALSE(m_interaction.texts().empty());
    EXPECT_EQ(m_interaction.texts().back().rfind("Win: ", 0), 0u) << m_interaction.texts().back();

    const GameResult& game = league().gameScores[0].games[0];
    const std::string expected = cliOutput({"boxscore",
                                            m_sea.string(),
                                            "--day",
                                            "1",
                                            "--home",
                                            std::to_string(game.get(gr::homeTeam)),
                                            "--visitor",
                                            std::to_string(game.get(gr::visitingTeam))});
    const fs::path text = m_dir / "box.txt";
    const fs::path html = m_dir / "box.htm";
    whileModal([&] { Q_EMIT form->gameButton(1)->customContextMenuRequested(QPoint(2, 2)); },
               [&](QWidget& window) {
                   EXPECT_EQ(window.windowTitle(), QStringLiteral("Boxscore (Right Click to invoke the export menu)"));
                   auto* view = in<QTextEdit>(&window, "RichEdit1");
                   EXPECT_TRUE(view->isReadOnly());
                   EXPECT_EQ(view->textCursor().position(), 0);
                   auto& box = static_cast<season::ui::Tboxscorefrm&>(window);
                   m_dialogs.setNextFileName(q(text));
                   box.popupMenu()->findChild<QAction*>(QStringLiteral("SaveasTXT1"))->trigger();
                   EXPECT_EQ(m_dialogs.lastSuffix, QStringLiteral("txt"));
                   m_dialogs.setNextFileName(q(html));
                   box.popupMenu()->findChild<QAction*>(QStringLiteral("SaveasHTML1"))->trigger();
                   EXPECT_EQ(m_dialogs.lastFilter, QStringLiteral("Htm Files (*.htm)"));

                   // Each file operation of a save failing in turn leaves no part of the file.
                   const fs::path faults = m_dir / "faults";
                   fs::create_directories(faults);
                   const FaultSweep sweep = sweepWriteFaults({faults}, [&] {
                       return messageShownBy([&] {
                           m_dialogs.setNextFileName(q(faults / "box.txt"));
                           box.popupMenu()->findChild<QAction*>(QStringLiteral("SaveasTXT1"))->trigger();
                       });
                   });
                   EXPECT_TRUE(sweep.problems.empty()) << problemList(sweep);
                   EXPECT_EQ(sweep.failedRuns, sweep.operations);
               });
    EXPECT_EQ(fileText(text), expected);
    EXPECT_NE(fileText(html).find("<PRE>\r\n" + expected + "</pre></body></html>"), std::string::npos);

    enterDay(form, QStringLiteral("11"));
    Q_EMIT form->gameButton(1)->customContextMenuRequested(QPoint(2, 2));
    EXPECT_EQ(m_interaction.texts().back(), "Bosxcore not found");
    form->close();
}

TEST_F(ScheduleWindowTest, CsvExportEqualsTheCommandLineAndImportChecksEveryLineFirst) {
    auto* form = openSchedule();
    const fs::path exported = m_dir / "window.csv";
    m_dialogs.setNextFileName(q(exported));
    QTest::mouseClick(in<QPushButton>(form, "btexport"), Qt::LeftButton);
    EXPECT_EQ(m_interaction.texts().back(), "Done");
    const fs::path cli = m_dir / "cli.csv";
    cliOutput({"schedule", "export", m_sea.string(), cli.string()});
    EXPECT_EQ(fileText(exported), fileText(cli));

    const fs::path bad = m_dir / "bad.csv";
    writeText(bad, "Day,Game,Home Team,Vis Team\r\n1,1,1,2\r\n1,16,1,2\r\n");
    m_dialogs.setNextFileName(q(bad));
    QTest::mouseClick(in<QPushButton>(form, "btimport"), Qt::LeftButton);
    EXPECT_EQ(
        m_interaction.texts().back(),
        "Line 3 of " + bad.string() + ": game 16 is not a game of a day (1 to 15). The schedule was not changed.");
    EXPECT_FALSE(league().changed());

    const fs::path longer = m_dir / "longer.csv";
    writeText(longer, "Day,Game,Home Team,Vis Team\r\n20,3,7,8\r\n");
    m_dialogs.setNextFileName(q(longer));
    QTest::mouseClick(in<QPushButton>(form, "btimport"), Qt::LeftButton);
    EXPECT_EQ(m_interaction.texts().back(), "Done");
    EXPECT_EQ(in<QCalendarWidget>(form, "calendar")->maximumDate(), QDate(2026, 4, 21));
    enterDay(form, QStringLiteral("20"));
    EXPECT_EQ(form->teamCombo(3, Side::Home)->currentIndex(), 8);
    form->close();

    saveAndReopen();
    ASSERT_EQ(league().gameScores.size(), 20u);
    EXPECT_EQ(league().gameScores[19].games[2].get(gr::visitingTeam), 8);
    EXPECT_EQ(league().gameScores[0].games[0].get(gr::homeTeam), -1);
}

TEST_F(ScheduleWindowTest, WithoutTheirFilesTheWindowsShowAMessageInstead) {
    fs::remove(m_sea.parent_path() / "SampleSeason" / "scores.zt");
    fs::remove(m_sea.parent_path() / "SampleSeason" / "playoffs.zt");
    ASSERT_TRUE(m_window->openLeagueFile(q(m_sea)));
    action("SeasonSchedule1")->trigger();
    EXPECT_EQ(m_interaction.texts().back(), "No schedule file found or corrupted file");
    action("Playoffs1")->trigger();
    EXPECT_EQ(m_interaction.texts().back(), "No playoffs file found or corrupted file");
    action("LeagueScores1")->trigger();
    EXPECT_EQ(m_interaction.texts().back(), "No schedule file found or corrupted file");
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(ScheduleWindowTest, PlayoffTeamsAndRunsSurviveSaveAndOpen) {
    EXPECT_EQ(action("Playoffs1")->shortcut(), QKeySequence(Qt::Key_F7));
    auto* form = app::createPlayoffsWindow(*m_window);
    form->show();
    EXPECT_EQ(form->windowTitle(), QStringLiteral("RA2vIvav Playoffs Edition"));
    auto* series = in<QComboBox>(form, "cbseries");
    EXPECT_EQ(series->currentIndex(), 0);
    series->setCurrentIndex(6);
    form->teamCombo(2, true)->setCurrentIndex(2);    // BOS: 1
    form->teamCombo(2, false)->setCurrentIndex(31);  // "FA ": 30
    QTest::keyClicks(form->runsEdit(2, true), QStringLiteral("4"));
    QTest::keyClicks(form->runsEdit(2, false), QStringLiteral("1x1"));  // only digits reach the box
    EXPECT_EQ(form->runsEdit(2, false)->text(), QStringLiteral("11"));
    form->close();

    saveAndReopen();
    const GameResult& game = league().playoffSeries[6].games[1];
    EXPECT_EQ(game.get(gr::visitingTeam), 1);
    EXPECT_EQ(game.get(gr::homeTeam), 30);
    EXPECT_EQ(game.get(gr::visitorRuns), 4);
    EXPECT_EQ(game.get(gr::homeRuns), 11);
    auto* again = app::createPlayoffsWindow(*m_window);
    again->show();
    in<QComboBox>(again, "cbseries")->setCurrentIndex(6);
    EXPECT_EQ(again->teamCombo(2, false)->currentText(), QStringLiteral("FA "));
    EXPECT_EQ(again->runsEdit(2, true)->text(), QStringLiteral("4"));
    again->close();
}

TEST_F(ScheduleWindowTest, LeagueScoresFromTheWindowEqualTheCommandLinesPages) {
    auto* form = app::createLeagueScoresWindow(*m_window);
    form->show();
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Leagues Scores"));
    auto* from = in<QDateEdit>(form, "startdate");
    auto* to = in<QDateEdit>(form, "enddate");
    EXPECT_EQ(from->minimumDate(), QDate(2026, 4, 1));
    EXPECT_EQ(to->maximumDate(), QDate(2026, 4, 12));
    from->setDate(QDate(2026, 4, 2));
    to->setDate(QDate(2026, 4, 3));
    in<QCheckBox>(form, "links")->setChecked(true);
    in<QComboBox>(form, "cbbox")->setCurrentIndex(2);
    const fs::path folder = m_dir / "window";
    fs::create_directory(folder);
    m_dialogs.setNextFileName(q(folder / "scores.htm"));
    QTest::mouseClick(in<QPushButton>(form, "btgenerate"), Qt::LeftButton);
    EXPECT_EQ(m_dialogs.lastFilter, QStringLiteral("HTML Files (*.html)"));
    EXPECT_EQ(m_dialogs.lastSuffix, QStringLiteral("htm"));
    EXPECT_EQ(app::reportSaveDialog(*m_window).filter(), QStringLiteral("CSV Files (*.csv)"));
    form->close();

    const fs::path cliFolder = m_dir / "cli";
    fs::create_directory(cliFolder);
    cliOutput({"report",
               "league-scores",
               m_sea.string(),
               "--from",
               "2026-04-02",
               "--to",
               "2026-04-03",
               "--links",
               "--boxscores",
               "complete",
               "--out",
               (cliFolder / "scores.htm").string()});
    EXPECT_EQ(snapshotFolder(folder), snapshotFolder(cliFolder));
    EXPECT_TRUE(fs::exists(folder / "1_1.htm"));
}

}  // namespace
}  // namespace zt::test
