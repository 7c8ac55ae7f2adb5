// The card, scouting, pro years and winning percentage chart windows: each writes what
// ztedit-cli report writes, and the chart renders offscreen into a picture of its series'
// colours.
#include <QApplication>
#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QComboBox>
#include <QImage>
#include <QLineEdit>
#include <QTest>
#include <fstream>
#include <sstream>

#include "app/report_commands.h"
#include "cli/cli_command.h"
#include "league/league.h"
#include "league/ui/qt_text.h"
#include "main_window_fixture.h"
#include "reports/league_index.h"
#include "reports/player_card.h"
#include "reports/report_names.h"
#include "reports/ui/card_window.h"
#include "reports/ui/scouting_window.h"
#include "reports/ui/win_chart_window.h"

namespace zt::test {
namespace {

namespace fs = std::filesystem;

std::string contents(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

QString q(const fs::path& path) {
    return ui::fromPath(path.string());
}

class MoreReportWindows : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        m_sea = generateLeague("league", 5);
        startWindow({q(m_sea)});
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

    void cli(std::vector<std::string> args) {
        args.insert(args.begin(), {"report", args.front(), m_sea.string()});
        args.erase(args.begin() + 3);
        std::ostringstream out, err;
        EXPECT_EQ(cli::runCli(args, out, err), 0) << err.str();
    }

    // The first player with a career of several seasons.
    int veteran() {
        const League& league = *m_window->league();
        const reports::LeagueIndex index(league);
        for (std::size_t i = 0; i < league.players.size(); ++i) {
            const StatHistory* history = index.history(league.players[i]->playerId());
            if (history != nullptr && history->batting.size() > 4) {
                return static_cast<int>(i);
            }
        }
        ADD_FAILURE() << "no veteran";
        return 0;
    }

    fs::path m_sea;
};

TEST_F(MoreReportWindows, ACardFromTheWindowEqualsTheCommandLinesInBothForms) {
    const int player = veteran();
    auto* card = app::createCardWindow(*m_window, player);
    card->show();
    EXPECT_GT(card->tables().batting.rowCount(), 2);
    for (const bool table : {false, true}) {
        in<QCheckBox>(card, "cbhtmltable")->setChecked(table);
        const fs::path folder = m_dir.path() / (table ? "window_table" : "window");
        fs::create_directories(folder);
        m_dialogs.setNextFileName(q(folder));
        m_interaction.answerYesNo(false);
        click(card, "btthiscard");
        EXPECT_EQ(m_interaction.texts().back(), "Do you want to launch your web browser ?");
        const std::string name = reports::CardFileName(*m_window->league()->players[static_cast<std::size_t>(player)]);
        const fs::path fromCli = m_dir.path() / (table ? "cli_table" : "cli");
        std::vector<std::string> args = {"cards", "--player", std::to_string(player), "--out", fromCli.string()};
        if (table) {
            args.push_back("--html-table");
        }
        cli(args);
        EXPECT_FALSE(contents(folder / name).empty());
        EXPECT_EQ(contents(folder / name), contents(fromCli / name));
        EXPECT_TRUE(fs::exists(folder / "blank.bmp"));
    }
    card->close();
}

TEST_F(MoreReportWindows, ScoutingAndProYearsWriteTheCommandLinesFiles) {
    auto* scouting = app::createScoutingWindow(*m_window);
    scouting->show();
    click(scouting, "btall3");  // every Misc column
    in<QCheckBox>(scouting, "cbcompatible")->setChecked(true);
    const fs::path csv = m_dir.path() / "scouting.csv";
    m_dialogs.setNextFileName(q(csv));
    click(scouting, "btexport");
    scouting->close();
    cli({"scouting",
         "--compatible",
         "--columns",
         "Age,BAVGL,BOBPL,BSLGL,BAVGR,BOBPR,BSLGR,BAB,BHITS,B2B,B3B,BHR,BWALKS,BSO,ARM,RUN,PAB,PHITS,P2B,P3B,PHR,"
         "PWALKS,PSO,ENDURANCE,FAMP,FAMC,FAM1B,FAM2B,FAM3B,FAMSS,FAMLF,FAMCF,FAMRF,INFIELDR,OUTFIELDR,FIELDING,ROLE,"
         "DAYSDL,SUSPENSION,FACE,COMPLEXION,HEIGHT,WEIGHT,HAIR,STANCE,PSTYLE,NUMBER,LEVEL,STAR RATING,PROSPECT "
         "RATING,PEAK SHIFT",
         "--out",
         (m_dir.path() / "cli.csv").string()});
    EXPECT_EQ(contents(csv), contents(m_dir.path() / "cli.csv"));

    auto* years = app::createProYearsWindow(*m_window);
    years->show();
    in<QLineEdit>(years, "editab")->setText(QStringLiteral("100"));
    const fs::path pro = m_dir.path() / "pro.csv";
    m_dialogs.setNextFileName(q(pro));
    click(years, "btreport");
    EXPECT_EQ(m_interaction.texts().back(), "Report written");
    in<QLineEdit>(years, "editip")->setText(QStringLiteral("x"));
    m_dialogs.setNextFileName(q(m_dir.path() / "never.csv"));
    click(years, "btreport");
    EXPECT_FALSE(fs::exists(m_dir.path() / "never.csv"));
    years->close();
    cli({"pro-years", "--ab", "100", "--out", (m_dir.path() / "cli_pro.csv").string()});
    EXPECT_EQ(contents(pro), contents(m_dir.path() / "cli_pro.csv"));
}

// Whether the picture holds pixels of about this colour.
bool holds(const QImage& image, QColor color) {
    for (int y = 0; y < image.height(); y += 1) {
        for (int x = 0; x < image.width(); x += 1) {
            const QColor c = image.pixelColor(x, y);
            if (std::abs(c.red() - color.red()) < 8 && std::abs(c.green() - color.green()) < 8 &&
                std::abs(c.blue() - color.blue()) < 8) {
                return true;
            }
        }
    }
    return false;
}

TEST_F(MoreReportWindows, TheChartAddsUndoesAndSavesAPictureOfItsSeries) {
    auto* chart = app::createWinChartWindow(*m_window);
    chart->resize(900, 520);
    chart->show();
    in<QComboBox>(chart, "cbstyle")->setCurrentIndex(2);  // lines
    in<QCheckBox>(chart, "cbgradient")->setChecked(false);
    chart->setSeriesColor(QColor(255, 0, 0));
    click(chart, "btadd");
    click(chart, "btadd");
    EXPECT_EQ(m_interaction.texts().back(), "There is already a team with this color on the chart");
    EXPECT_EQ(chart->seriesCount(), 1);
    in<QComboBox>(chart, "cbteam")->setCurrentIndex(1);
    chart->setSeriesColor(QColor(0, 0, 255));
    click(chart, "btadd");
    EXPECT_EQ(chart->seriesCount(), 2);

    const fs::path bmp = m_dir.path() / "chart.bmp";
    m_dialogs.setNextFileName(q(bmp));
    click(chart, "btsavebmp");
    const QImage picture(q(bmp), "BMP");
    ASSERT_FALSE(picture.isNull());
    EXPECT_EQ(picture.size(), chart->chartView()->size());
    EXPECT_TRUE(holds(picture, QColor(255, 0, 0)));
    EXPECT_TRUE(holds(picture, QColor(0, 0, 255)));
    const fs::path jpg = m_dir.path() / "chart.jpg";
    m_dialogs.setNextFileName(q(jpg));
    click(chart, "btsavejpg");
    EXPECT_FALSE(QImage(q(jpg), "JPG").isNull());

    m_interaction.answerYesNo(true);
    click(chart, "btundo");
    EXPECT_EQ(chart->seriesCount(), 1);
    click(chart, "btclear");
    EXPECT_EQ(chart->seriesCount(), 0);
    EXPECT_TRUE(in<QPushButton>(chart, "btundo")->isEnabled());  // Clear leaves Undo as it was
    m_interaction.answerYesNo(true);
    click(chart, "btundo");
    EXPECT_FALSE(in<QPushButton>(chart, "btundo")->isEnabled());
    chart->close();
}

}  // namespace
}  // namespace zt::test
