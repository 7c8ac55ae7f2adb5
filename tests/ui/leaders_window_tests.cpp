// The "Leaders" window: selectors recompute and re-sort, an invalid year is refused, a page is
// built table by table and its template replayed by the window and by ztedit-cli to the same
// bytes.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>
#include <fstream>
#include <sstream>

#include "app/report_commands.h"
#include "cli/cli_command.h"
#include "league/league.h"
#include "league/ui/qt_text.h"
#include "main_window_fixture.h"
#include "reports/leaders.h"
#include "reports/table_writers.h"
#include "reports/ui/leaders_window.h"
#include "reports/ui/report_table_model.h"
#include "reports/ui/report_table_view.h"
#include "support/league_builder.h"

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

class LeadersWindowTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        m_sea = generateLeague("league", 5);
        writeText(m_sea.parent_path() / "SampleSeason" / "header.txt", "<html><body>\r\n");
        writeText(m_sea.parent_path() / "SampleSeason" / "footer.txt", "</body></html>\r\n");
        startWindow({q(m_sea)});
        m_leaders = app::createLeadersWindow(*m_window);
        m_leaders->show();
    }

    template <class T>
    T* in(const char* name) {
        auto* widget = m_leaders->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << "no " << name;
        return widget;
    }

    void click(const char* button) { QTest::mouseClick(in<QPushButton>(button), Qt::LeftButton); }

    std::string cli(std::vector<std::string> args) {
        args.insert(args.begin(), {"report", "leaders", m_sea.string()});
        std::ostringstream out, err;
        EXPECT_EQ(cli::runCli(args, out, err), 0) << err.str();
        return out.str();
    }

    fs::path m_sea;
    reports::ui::Tleadersfrm* m_leaders = nullptr;
};

TEST_F(LeadersWindowTest, OpensOnTheSeasonYearWithTenRankedBatters) {
    const reports::ReportTable& table = m_leaders->table();
    EXPECT_EQ(in<QLineEdit>("edityears")->text().toInt(), m_window->league()->seasonHeader.get(sh::seasonYear));
    EXPECT_EQ(in<QComboBox>("cbstat")->count(), reports::kBattingCategories);
    EXPECT_EQ(table.text(0, 3), "Avg");
    ASSERT_GT(table.rowCount(), 1);
    EXPECT_LE(table.rowCount(), 11);
    in<QRadioButton>("rbpitching")->setChecked(true);
    EXPECT_EQ(in<QComboBox>("cbstat")->count(), reports::kPitchingCategories);
    EXPECT_EQ(m_leaders->table().text(0, 3), "ERA");
    in<QComboBox>("cbstat")->setCurrentIndex(1);  // W
    const reports::ReportTable& wins = m_leaders->table();
    for (int row = 2; row < wins.rowCount(); ++row) {
        EXPECT_GE(std::stoi(wins.text(row - 1, 3)), std::stoi(wins.text(row, 3)));
    }
    // The window shows the rows ztedit-cli prints.
    EXPECT_EQ(cli({"--stat", "W", "--pitching"}), reports::tableCsv(wins));
}

TEST_F(LeadersWindowTest, AnInvalidYearIsRefusedAndTheTableStays) {
    const std::string before = m_leaders->table().text(1, 1);
    in<QLineEdit>("edityears")->setText(QStringLiteral("20x1"));
    QTest::keyClick(in<QLineEdit>("edityears"), Qt::Key_Return);
    ASSERT_FALSE(m_interaction.texts().empty());
    EXPECT_EQ(m_interaction.texts().back(), "Invalid year");
    EXPECT_EQ(m_leaders->table().text(1, 1), before);
}

TEST_F(LeadersWindowTest, APageOfFiveTablesItsTemplateAndTheReplaysWriteTheSameBytes) {
    const fs::path page = m_dir.path() / "page.htm";
    const fs::path lea = m_dir.path() / "five.lea";
    EXPECT_FALSE(in<QPushButton>("btaddpage")->isEnabled());
    m_dialogs.setNextFileName(q(page));
    click("btnewpage");
    EXPECT_TRUE(in<QPushButton>("btaddpage")->isEnabled());
    for (const int stat : {7, 4, 12}) {  // HR, Hits, SB
        in<QComboBox>("cbstat")->setCurrentIndex(stat);
        click("btaddpage");
    }
    in<QRadioButton>("rbpitching")->setChecked(true);
    in<QComboBox>("cbteam")->setCurrentIndex(2);  // the first team
    click("btaddpage");
    EXPECT_EQ(in<QPlainTextEdit>("memolayout")->toPlainText(), QStringLiteral("Avg\n   HR\n   Hits\nSB\n   ERA"));
    m_dialogs.setNextFileName(q(lea));
    click("btsavetemplate");
    m_leaders->close();
    const std::string recorded = contents(page);
    EXPECT_TRUE(recorded.ends_with("</td></table></body></html>\r\n"));

    const std::string year = std::to_string(m_window->league()->seasonHeader.get(sh::seasonYear));
    const fs::path fromCli = m_dir.path() / "cli.htm";
    cli({"--template", lea.string(), "--years", year, "--out", fromCli.string()});
    EXPECT_EQ(contents(fromCli), recorded);

    auto* again = app::createLeadersWindow(*m_window);
    again->show();
    const fs::path replayed = m_dir.path() / "replayed.htm";
    m_dialogs.setNextFileName(q(lea));
    m_dialogs.setNextFileName(q(replayed));
    QTest::mouseClick(again->findChild<QPushButton*>(QStringLiteral("btloadtemplate")), Qt::LeftButton);
    again->close();
    EXPECT_EQ(contents(replayed), recorded);
}

}  // namespace
}  // namespace zt::test
