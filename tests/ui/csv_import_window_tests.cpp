// File > "CSV Data Import": the window over a started main window, its data directory seeded with
// the shipped csvcols.txt and sample database.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QProgressBar>
#include <QSpinBox>
#include <QTableView>
#include <QTest>

#include "app/csv_import_commands.h"
#include "league/league.h"
#include "league/ui/qt_text.h"
#include "main_window_fixture.h"
#include "ratings/import_factors.h"
#include "ratings/ui/csv_import_window.h"
#include "support/league_builder.h"

namespace zt::test {
namespace {

class CsvImportWindowTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        startWindow({ui::fromPath(generateLeague("a").string())});
        ASSERT_NE(m_window->league(), nullptr);
        m_form = app::createCsvImportWindow(*m_window);
        m_form->show();
    }

    template <class T>
    T* control(const char* name) {
        auto* widget = m_form->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << "no " << name;
        return widget;
    }

    void click(const char* name) { QTest::mouseClick(control<QPushButton>(name), Qt::LeftButton); }

    ui::Tcsvimportfrm* m_form = nullptr;
};

TEST_F(CsvImportWindowTest, OpensWithTheParametersTeamsAndDestination) {
    EXPECT_EQ(m_form->windowTitle(), QStringLiteral("CSV Import"));
    EXPECT_EQ(control<QLineEdit>("editminab")->text(), QStringLiteral("200"));
    EXPECT_EQ(control<QLineEdit>("editabpi")->text(), QStringLiteral("2.8"));
    EXPECT_EQ(control<QLineEdit>("editwaf")->text(), QStringLiteral("0.91"));
    EXPECT_EQ(control<QLineEdit>("editecf")->text(), QStringLiteral("1.27"));
    EXPECT_TRUE(control<QCheckBox>("cbcreate")->isChecked());
    EXPECT_TRUE(control<QCheckBox>("cblahman")->isChecked());
    EXPECT_FALSE(control<QCheckBox>("cbnocheck")->isChecked());
    EXPECT_EQ(control<QComboBox>("cbendurance")->currentText(), QStringLiteral("Career stats"));
    EXPECT_FALSE(control<QProgressBar>("progressbar")->isVisible());
    EXPECT_FALSE(control<QLabel>("lblstatus")->isVisible());
    auto* grid = control<QTableView>("gridteams");
    EXPECT_EQ(grid->model()->rowCount(), 6);
    EXPECT_TRUE(grid->isColumnHidden(0));
    EXPECT_TRUE(grid->isColumnHidden(1));
    EXPECT_EQ(grid->model()->headerData(5, Qt::Horizontal).toString(), QStringLiteral("Name"));
    const League& league = *m_window->league();
    const int team = league.currentPlayer->teamIndex();
    EXPECT_EQ(control<QComboBox>("cbdestination")->currentData().toInt(), team);
}

TEST_F(CsvImportWindowTest, ImportTeamCreatesTheRosterAndTheGridShowsThem) {
    League& league = *m_window->league();
    const std::size_t before = league.players.size();
    auto* grid = control<QTableView>("gridteams");
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(grid->model()->index(1, 2)).center());
    auto* year = control<QSpinBox>("edityear");
    EXPECT_EQ(year->minimum(), 1991);
    EXPECT_EQ(year->maximum(), 2000);
    EXPECT_EQ(control<QLineEdit>("editselectedteam")->text(), QStringLiteral("Beacons"));
    year->setValue(1995);
    control<QComboBox>("cbdestination")->setCurrentIndex(2);
    // The lineup check of each transfer would ask about an injured player of the team.
    for (const auto& player : league.players) {
        if (player->teamIndex() == 1) {
            player->set(pf::daysOut, std::uint16_t{0});
        }
    }
    click("btimportteam");
    EXPECT_EQ(m_interaction.texts().back(), "40 players created");
    EXPECT_EQ(league.players.size(), before + 40);
    EXPECT_EQ(league.seasonHeader.get(sh::seasonDay), 12);
    EXPECT_TRUE(league.changed());
    EXPECT_TRUE(control<QCheckBox>("cbnocheck")->isChecked());
    EXPECT_FALSE(control<QProgressBar>("progressbar")->isVisible());
    EXPECT_EQ(league.players.back()->teamIndex(), 1);
}

TEST_F(CsvImportWindowTest, StandardImportReportsTheCountsAndCloseStoresTheParameters) {
    writeText(m_dir / "new.csv", "FirstName,LastName,H\nBrand,Newman,42\n");
    m_dialogs.setNextFileName(ui::fromPath((m_dir / "new.csv").string()));
    click("btstandard");
    EXPECT_EQ(m_interaction.texts().back(), "Processed lines : 0  Created players: 1");
    EXPECT_EQ(control<QLabel>("lblstatus")->text(), QStringLiteral("Import done"));
    EXPECT_EQ(m_window->league()->players.back()->get(pf::batHits), 42.0f);

    writeText(m_dir / "bad.csv", "FirstName,LastName,Hitz\nA,B,1\n");
    m_dialogs.setNextFileName(ui::fromPath((m_dir / "bad.csv").string()));
    click("btstandard");
    EXPECT_EQ(m_interaction.texts().back(), "\"Hitz\" is not a valid column header (bad.csv, line 1)");

    auto* minAb = control<QLineEdit>("editminab");
    minAb->setText(QStringLiteral("150"));
    click("btclose");
    const auto factors = readImportFactors(factorsFile(m_dir / "data"));
    ASSERT_TRUE(factors.has_value());
    EXPECT_EQ(factors->minAb, 150);
    EXPECT_EQ(factors->abpi, 2.8);
}

}  // namespace
}  // namespace zt::test
