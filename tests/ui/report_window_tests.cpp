// The report windows from the Reports menu: placement, sorting, column moves kept in files and
// settings, name links, the HTML Settings dialog, and exports through pre-answered dialogs that
// write the same bytes as ztedit-cli report with the same settings.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>
#include <fstream>
#include <functional>
#include <sstream>

#include "app/report_commands.h"
#include "cli/cli_command.h"
#include "league/league.h"
#include "league/ui/qt_text.h"
#include "main_window_fixture.h"
#include "reports/column_order.h"
#include "reports/report_names.h"
#include "reports/rosters_stats.h"
#include "reports/ui/html_settings_dialog.h"
#include "reports/ui/report_save_dialog.h"
#include "reports/ui/report_table_model.h"
#include "reports/ui/report_table_view.h"
#include "reports/ui/rosters_stats_window.h"
#include "reports/ui/standings_window.h"
#include "reports/ui/team_performance_window.h"
#include "support/league_builder.h"

namespace zt::test {
namespace {

namespace fs = std::filesystem;
using reports::ui::ReportTableView;

std::string contents(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

QString q(const fs::path& path) {
    return ui::fromPath(path.string());
}

class ReportWindowTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        m_sea = generateLeague("league", 5);
        writeText(m_sea.parent_path() / "SampleSeason" / "header.txt", "<html><body>\r\n");
        writeText(m_sea.parent_path() / "SampleSeason" / "footer.txt", "</body></html>\r\n");
        startWindow({q(m_sea)});
    }

    // ztedit-cli report with the same league; returns what it wrote to `out`.
    std::string cli(std::vector<std::string> args, const fs::path& out) {
        args.insert(args.begin() + 1, m_sea.string());
        args.insert(args.begin(), "report");
        args.insert(args.end(), {"--out", out.string()});
        std::ostringstream stdoutText, stderrText;
        EXPECT_EQ(cli::runCli(args, stdoutText, stderrText), 0) << stderrText.str();
        return contents(out);
    }

    // Runs `inspect` on the modal window that `open` brings up, then closes that window.
    void whileModal(const std::function<void()>& open, const std::function<void(QWidget&)>& inspect) {
        bool inspected = false;
        QTimer::singleShot(0, m_window.get(), [&] {
            QWidget* modal = QApplication::activeModalWidget();
            ASSERT_NE(modal, nullptr);
            inspect(*modal);
            inspected = true;
            modal->close();
        });
        open();
        EXPECT_TRUE(inspected);
    }

    template <class T>
    static T* in(QWidget* window, const char* name) {
        auto* widget = window->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << "no " << name;
        return widget;
    }

    static void click(QWidget* window, const char* button) {
        QTest::mouseClick(in<QPushButton>(window, button), Qt::LeftButton);
    }

    fs::path m_sea;
};

TEST_F(ReportWindowTest, BuildLeagueWebSiteWritesTheSiteTheCommandLineWrites) {
    const fs::path byWindow = m_dir / "site-window";
    m_dialogs.setNextFileName(q(byWindow));
    action("BuildSite1")->trigger();
    ASSERT_TRUE(fs::exists(byWindow / "index.html"));

    const fs::path byTool = m_dir / "site-tool";
    std::ostringstream out, err;
    ASSERT_EQ(cli::runCli({"site", m_sea.string(), byTool.string(), "--data-dir", (m_dir / "data").string()}, out, err),
              0)
        << err.str();
    std::size_t pages = 0;
    for (const auto& entry : fs::directory_iterator(byTool)) {
        ++pages;
        EXPECT_EQ(contents(byWindow / entry.path().filename()), contents(entry.path())) << entry.path().filename();
    }
    EXPECT_GT(pages, 30u);
}

TEST_F(ReportWindowTest, TheMenuOpensEachWindowPlacedAtTheMainWindowsLeftEdge) {
    struct Item {
        const char* action;
        const char* title;
        QKeySequence shortcut;
    };
    const Item items[] = {{"RostersStats1", "Stats", QKeySequence(Qt::Key_F10)},
                          {"Standings1", "League Standings", QKeySequence(Qt::Key_F11)},
                          {"TeamsCharts1", "Teams Performances", QKeySequence()},
                          {"Leaders1", "Leaders", QKeySequence(Qt::Key_F12)}};
    m_window->setGeometry(100, 80, 900, 900);
    for (const Item& item : items) {
        QAction* command = action(item.action);
        EXPECT_TRUE(command->isEnabled());
        EXPECT_EQ(command->shortcut(), item.shortcut);
        whileModal([&] { command->trigger(); },
                   [&](QWidget& report) {
                       EXPECT_EQ(report.windowTitle(), QString::fromLatin1(item.title));
                       const QRect main = m_window->frameGeometry();
                       EXPECT_EQ(report.frameGeometry().left(), main.left());
                       EXPECT_EQ(report.frameGeometry().top(),
                                 main.top() + main.height() / 2 - report.frameGeometry().height() / 2);
                   });
    }
}

TEST_F(ReportWindowTest, RostersStatsSortMoveColumnsAndKeepBothInFilesAndSettings) {
    auto* stats = app::createRostersStatsWindow(*m_window);
    stats->show();
    auto* grid = in<ReportTableView>(stats, "gridbat");
    const reports::ReportTable& batting = stats->tables().batting;
    EXPECT_EQ(grid->model()->rowCount(), batting.rowCount() - 1);
    EXPECT_EQ(grid->model()->headerData(3, Qt::Horizontal).toString(), QStringLiteral("Avg"));

    in<QComboBox>(stats, "cbbsort")->setCurrentIndex(2);  // G, descending
    for (int row = 2; row < batting.rowCount(); ++row) {
        EXPECT_GE(std::stoi(batting.text(row - 1, 2)), std::stoi(batting.text(row, 2)));
    }
    in<QCheckBox>(stats, "cbfixed")->click();
    auto* fixed = grid->findChild<QTableView*>(QStringLiteral("fixedColumn"));
    ASSERT_NE(fixed, nullptr);
    EXPECT_FALSE(fixed->isColumnHidden(0));
    EXPECT_TRUE(fixed->isColumnHidden(1));
    in<QCheckBox>(stats, "cbgrid")->click();
    EXPECT_FALSE(grid->showGrid());

    grid->horizontalHeader()->moveSection(3, 6);  // the user drags "Avg" to position 6
    EXPECT_EQ(stats->tables().batting.text(0, 6), "Avg");
    EXPECT_EQ(grid->model()->headerData(6, Qt::Horizontal).toString(), QStringLiteral("Avg"));
    EXPECT_EQ(grid->horizontalHeader()->visualIndex(6), 6);
    click(stats, "btclose");

    const fs::path data = m_dir / "data";
    reports::Captions expected = reports::battingCaptions();
    reports::moveCaption(expected, 3, 6);
    EXPECT_EQ(reports::readColumnOrder(data / "BatStOrder.ini", reports::battingCaptions()), expected);
    EXPECT_EQ(m_window->settings().batSort, 2);

    auto* again = app::createRostersStatsWindow(*m_window);
    again->show();
    EXPECT_EQ(in<QComboBox>(again, "cbbsort")->currentIndex(), 2);
    EXPECT_EQ(again->tables().batting.text(0, 6), "Avg");
    again->close();
}

TEST_F(ReportWindowTest, ANameLinkShowsThePlayerInTheMainWindow) {
    auto* stats = app::createRostersStatsWindow(*m_window);
    stats->show();
    in<QComboBox>(stats, "cbteam")->setCurrentIndex(6);
    auto* grid = in<ReportTableView>(stats, "gridpit");
    const QModelIndex name = grid->model()->index(1, 0);
    ASSERT_FALSE(name.data(reports::ui::ReportTableModel::LinkRole).toString().isEmpty());
    const int player = std::stoi(stats->tables().pitching.text(2, reports::kPitchingIndexColumn));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(name).center());
    ASSERT_NE(m_window->league()->currentPlayer, nullptr);
    EXPECT_EQ(m_window->league()->currentPlayer, m_window->league()->players[static_cast<std::size_t>(player)].get());
    stats->close();
}

TEST_F(ReportWindowTest, RostersPagesFromTheWindowEqualTheCommandLinesPages) {
    auto* stats = app::createRostersStatsWindow(*m_window);
    stats->show();
    in<QComboBox>(stats, "cbteam")->setCurrentIndex(4);
    in<QComboBox>(stats, "cbpsort")->setCurrentIndex(1);
    in<QLineEdit>(stats, "edityears")->setText(QStringLiteral("2024-2026"));
    QTest::keyClick(in<QLineEdit>(stats, "edityears"), Qt::Key_Return);
    in<QCheckBox>(stats, "cbhtmltable")->click();

    const fs::path page = m_dir / "team4.html";
    m_dialogs.setNextFileName(q(page));
    click(stats, "btthisteam");
    EXPECT_EQ(m_dialogs.lastFilter, QStringLiteral("HTML Files (*.html)"));
    EXPECT_EQ(m_dialogs.lastSuffix, QStringLiteral("html"));
    EXPECT_EQ(app::reportSaveDialog(*m_window).filter(), QStringLiteral("CSV Files (*.csv)"));
    EXPECT_EQ(in<QComboBox>(stats, "cblevel")->currentIndex(), 3);  // pages leave the last level selected
    EXPECT_EQ(contents(page),
              cli({"rosters", "--team", "4", "--years", "2024-2026", "--pitching-sort", "ERA", "--html-table"},
                  m_dir / "cli4.html"));

    const fs::path folder = m_dir / "all";
    fs::create_directory(folder);
    m_dialogs.setNextFileName(q(folder));
    click(stats, "btallteams");
    EXPECT_EQ(m_dialogs.lastDirectory, q(page.parent_path()));  // where the last file was saved
    const fs::path cliFolder = m_dir / "cli-all";
    cli({"rosters", "--all-teams", "--years", "2024-2026", "--pitching-sort", "ERA", "--html-table"}, cliFolder);
    for (const auto& team : m_window->league()->teams) {
        const std::string name = reports::TeamPageName(team.record);
        EXPECT_EQ(contents(folder / name), contents(cliFolder / name)) << name;
    }
    EXPECT_TRUE(m_interaction.shown().empty());
    stats->close();
}

TEST_F(ReportWindowTest, CancellingAnHtmlExportWritesNothingAndLeavesTheCsvState) {
    auto* standings = app::createStandingsWindow(*m_window);
    standings->show();
    const auto before = snapshotFolder(m_dir.path());
    click(standings, "bthtml");  // no file name prepared: the user cancels
    EXPECT_EQ(m_dialogs.lastFilter, QStringLiteral("HTML Files (*.html)"));
    EXPECT_EQ(app::reportSaveDialog(*m_window).filter(), QStringLiteral("CSV Files (*.csv)"));
    EXPECT_EQ(app::reportSaveDialog(*m_window).defaultSuffix(), QStringLiteral("csv"));
    EXPECT_EQ(snapshotFolder(m_dir.path()), before);
    standings->close();
}

TEST_F(ReportWindowTest, StandingsExportsEqualTheCommandLinesFiles) {
    auto* standings = app::createStandingsWindow(*m_window);
    standings->show();
    in<QRadioButton>(standings, "rbboth")->click();
    in<QCheckBox>(standings, "cblinks")->click();
    EXPECT_FALSE(in<QCheckBox>(standings, "cbcol13")->isEnabled());  // "Extra"
    const int shown = static_cast<int>(standings->table().visibleColumns().size());
    in<QCheckBox>(standings, "cbcol3")->click();  // "Pct" hidden
    EXPECT_EQ(static_cast<int>(standings->table().visibleColumns().size()), shown - 1);
    EXPECT_TRUE(in<ReportTableView>(standings, "gridstand")->isColumnHidden(3));
    in<QCheckBox>(standings, "cbcol3")->click();
    const QString firstTeam = in<ReportTableView>(standings, "gridstand")->model()->index(1, 0).data().toString();
    EXPECT_EQ(firstTeam.toStdString(), standings->table().text(1, 0));

    const fs::path html = m_dir / "standings.html";
    m_dialogs.setNextFileName(q(html));
    click(standings, "bthtml");
    EXPECT_EQ(contents(html), cli({"standings", "--teams-by", "both", "--no-links"}, m_dir / "cli.html"));
    EXPECT_EQ(contents(html).find("<html><body>\r\n<table border=\"0\""), 0u);

    const fs::path text = m_dir / "standings.txt";
    m_dialogs.setNextFileName(q(text));
    click(standings, "btcsv");
    EXPECT_EQ(m_dialogs.lastFilter, QStringLiteral("Txt Files (*.txt)"));
    EXPECT_EQ(m_dialogs.lastSuffix, QStringLiteral("txt"));
    EXPECT_EQ(m_dialogs.lastCaption, QStringLiteral("Save report file"));
    EXPECT_EQ(contents(text), cli({"standings", "--teams-by", "both", "--no-links", "--csv"}, m_dir / "cli.txt"));
    standings->close();
}

TEST_F(ReportWindowTest, TeamPerformanceSortsByACaptionAndExportsLikeTheCommandLine) {
    auto* performance = app::createTeamPerformanceWindow(*m_window);
    performance->show();
    in<QComboBox>(performance, "cbteam")->setCurrentIndex(2);
    auto* grid = in<ReportTableView>(performance, "gridperf");
    EXPECT_EQ(grid->selectionModel()->selectedRows().value(0).row(), 0);
    const reports::ReportTable& table = performance->table();
    QTest::mouseClick(grid->horizontalHeader()->viewport(),
                      Qt::LeftButton,
                      {},
                      QPoint(grid->horizontalHeader()->sectionViewportPosition(4) + 5, 5));  // RunsFor
    for (int row = 2; row < table.rowCount() - 1; ++row) {
        EXPECT_GE(std::stoi(table.text(row - 1, 4)), std::stoi(table.text(row, 4)));
    }
    EXPECT_EQ(table.text(table.rowCount() - 1, 0), "Totals");

    const struct {
        const char* button;
        const char* file;
        std::vector<std::string> args;
    } exports[] = {
        {"btthiscsv", "this.csv", {"team-performance", "--team", "2", "--csv"}},
        {"btallhtml", "all.html", {"team-performance", "--all-teams"}},
        {"btallcsv", "all.csv", {"team-performance", "--all-teams", "--csv"}},
        {"btthishtml", "this.html", {"team-performance", "--team", "2"}},
    };
    for (const auto& e : exports) {
        if (std::string(e.button) == "btthishtml") {
            // A table the user sorted is written as shown: sort back as the command line writes it.
            QTest::mouseClick(grid->horizontalHeader()->viewport(),
                              Qt::LeftButton,
                              {},
                              QPoint(grid->horizontalHeader()->sectionViewportPosition(1) + 5, 5));
        }
        m_dialogs.setNextFileName(q(m_dir / e.file));
        click(performance, e.button);
        EXPECT_EQ(contents(m_dir / e.file), cli(e.args, m_dir / (std::string("cli-") + e.file))) << e.file;
    }
    performance->close();
}

TEST_F(ReportWindowTest, HtmlSettingsOkStoresCancelDropsAndPreviewOpensThePage) {
    auto* standings = app::createStandingsWindow(*m_window);
    standings->show();
    const auto setBorder = [&](int border, const char* button) {
        whileModal([&] { click(standings, "btsettings"); },
                   [&](QWidget& dialog) {
                       EXPECT_EQ(dialog.windowTitle(), QStringLiteral("HTML Settings"));
                       for (const char* group : {"grpgeneral", "grpcells", "grptags", "grpfiles"}) {
                           EXPECT_TRUE(in<QWidget>(&dialog, group)->isVisible()) << group;
                       }
                       in<QSpinBox>(&dialog, "spinborder")->setValue(border);
                       in<QLineEdit>(&dialog, "editsuffix")->setText(QStringLiteral("<hr>"));
                       click(&dialog, button);
                   });
    };
    setBorder(4, "btcancel");
    EXPECT_EQ(standings->htmlSettings().borderSize, 0);
    setBorder(4, "btok");
    EXPECT_EQ(standings->htmlSettings().borderSize, 4);
    EXPECT_EQ(standings->htmlSettings().suffixTags, "<hr>");

    const fs::path temp = m_dir / "tmp";
    fs::create_directory(temp);
    qputenv("TMPDIR", QByteArray::fromStdString(temp.string()));
    setBorder(7, "btpreview");
    qunsetenv("TMPDIR");
    EXPECT_EQ(standings->htmlSettings().borderSize, 7);
    ASSERT_EQ(m_dialogs.shellTargets.size(), 1);
    EXPECT_EQ(m_dialogs.shellTargets.front(), q(temp / "temp001.htm"));
    EXPECT_NE(contents(temp / "temp001.htm").find("<table border=\"7\""), std::string::npos);

    // The rosters statistics offer the files only.
    auto* stats = app::createRostersStatsWindow(*m_window);
    stats->show();
    whileModal([&] { click(stats, "bthtmlsetting"); },
               [&](QWidget& dialog) {
                   EXPECT_FALSE(in<QWidget>(&dialog, "grpcells")->isVisible());
                   EXPECT_TRUE(in<QWidget>(&dialog, "grpfiles")->isVisible());
                   EXPECT_EQ(in<QLineEdit>(&dialog, "editheader")->text(),
                             q(m_sea.parent_path() / "SampleSeason" / "header.txt"));
               });
    stats->close();
    standings->close();
}

TEST_F(ReportWindowTest, AFileThatCannotBeWrittenIsReportedAndNothingIsLeft) {
    auto* performance = app::createTeamPerformanceWindow(*m_window);
    performance->show();
    const fs::path target = m_dir / "missing" / "x.csv";
    m_dialogs.setNextFileName(q(target));
    click(performance, "btallcsv");
    EXPECT_EQ(m_interaction.texts(), (std::vector<std::string>{"Cannot Create file " + target.string()}));
    EXPECT_FALSE(fs::exists(m_dir / "missing"));
    performance->close();
}

}  // namespace
}  // namespace zt::test
