// The history page ("His") of the player editor in the main window: selecting lines, editing and
// confirming them, adding and removing lines, the edit grid's keys and the summary grid's exports.
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <sstream>

#include "app/player_tool_commands.h"
#include "cli/cli_command.h"
#include "league/league.h"
#include "league/ui/qt_text.h"
#include "players/history_lines.h"
#include "players/ui/history_edit_grid.h"
#include "players/ui/history_page.h"
#include "players/ui/player_editor.h"
#include "reports/ui/report_table_view.h"
#include "roster_window_fixture.h"
#include "support/league_builder.h"

namespace zt::test {
namespace {

class HistoryPageTest : public RosterWindowTest {
protected:
    void SetUp() override {
        RosterWindowTest::SetUp();
        showTeam(2);
        // A player of the team with several batting lines.
        m_player = findPlayer([&](const PlayerRecord& p) {
            const StatHistory* block = findHistory(league().playerHistories, p.playerId());
            return p.teamIndex() == 2 && league().isOnRoster(p, 2) && block != nullptr && block->batting.size() >= 3;
        });
        ASSERT_GE(m_player, 0);
        selectRows({m_player});
        m_window->playerEditor()->setCurrentWidget(m_window->playerEditor()->historyPage());
    }

    ui::HistoryPage& page() { return *app::historyPage(*m_window); }
    ui::HistoryEditGrid& edit() { return *child<ui::HistoryEditGrid>("gridedit"); }
    reports::ui::ReportTableView& summary() { return *child<reports::ui::ReportTableView>("gridhistory"); }
    StatHistory& history() { return *findHistory(league().playerHistories, playerAt(m_player).playerId()); }
    void click(const char* button) { QTest::mouseClick(child<QPushButton>(button), Qt::LeftButton); }
    void selectSummaryRow(int row) { summary().setCurrentIndex(summary().model()->index(row, 0)); }
    QStringList shownCells(std::size_t line) {
        QStringList cells;
        for (const std::string& cell : historyLineCells(league(), history(), page().kind(), line)) {
            cells << QString::fromLatin1(cell.c_str());
        }
        return cells;
    }
    QPoint currentCell() { return {edit().currentColumn(), edit().currentRow()}; }

    int m_player = -1;
};

TEST_F(HistoryPageTest, SelectingAPlayerShowsHisLinesAndTheFirstInTheEditGrid) {
    EXPECT_TRUE(child<QRadioButton>("rbbatting")->isChecked());
    EXPECT_EQ(summary().model()->rowCount(), static_cast<int>(history().batting.size()));
    EXPECT_EQ(summary().model()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Year"));
    EXPECT_EQ(page().editedLine(), 0);
    EXPECT_EQ(edit().cells(), shownCells(0));
    EXPECT_EQ(edit().item(0, 1)->text(), QStringLiteral("Level"));
    EXPECT_EQ(edit().rowCount(), 12);
    EXPECT_EQ(edit().columnCount(), 5);

    selectSummaryRow(2);
    EXPECT_EQ(page().editedLine(), 2);
    EXPECT_EQ(edit().cells(), shownCells(2));
}

TEST_F(HistoryPageTest, ConfirmStoresTheEditedCellsAndShowsTheLineAgain) {
    selectSummaryRow(1);
    league().clearChanged();
    edit().valueItem(4)->setText(QStringLiteral("77"));  // G
    edit().valueItem(1)->setText(QStringLiteral("AA"));  // Level
    click("btconfirm");
    const BattingLineData data = decodeBattingLine(history().batting[1]);
    EXPECT_EQ(data.games, 77);
    EXPECT_EQ(data.level, 2);
    EXPECT_TRUE(league().changed());
    EXPECT_EQ(page().editedLine(), 1);
    EXPECT_EQ(summary().model()->index(1, 4).data().toString(), QStringLiteral("77"));
    EXPECT_EQ(summary().model()->index(1, 1).data().toString(), QStringLiteral("AA"));
    EXPECT_TRUE(m_interaction.texts().empty());
}

TEST_F(HistoryPageTest, AddingALineSelectsItAndRemovingItAsksFirst) {
    const int lines = static_cast<int>(history().batting.size());
    click("btaddline");
    ASSERT_EQ(static_cast<int>(history().batting.size()), lines + 1);
    EXPECT_EQ(summary().model()->rowCount(), lines + 1);
    EXPECT_EQ(page().editedLine(), lines);
    EXPECT_EQ(edit().valueItem(2)->text(), ui::fromLeagueText(league().teamAbbrev(2)));
    EXPECT_EQ(edit().valueItem(0)->text(), QStringLiteral("0"));

    m_interaction.answerYesNo(false);
    click("btremoveline");
    EXPECT_EQ(static_cast<int>(history().batting.size()), lines + 1);
    m_interaction.answerYesNo(true);
    click("btremoveline");
    EXPECT_EQ(static_cast<int>(history().batting.size()), lines);
    EXPECT_EQ(summary().model()->rowCount(), lines);
    EXPECT_EQ(m_interaction.yesNoDefaults(), (std::vector<DefaultButton>{DefaultButton::No, DefaultButton::No}));
}

TEST_F(HistoryPageTest, TheEditGridsDropDownsOfferTheirItems) {
    EXPECT_EQ(edit().choices(1),
              (QStringList{QStringLiteral("ML"), QStringLiteral("AAA"), QStringLiteral("AA"), QStringLiteral("A")}));
    EXPECT_EQ(edit().choices(2).first(), QStringLiteral("FA"));
    EXPECT_EQ(edit().choices(2).size(), league().teamCount() + 1);
    EXPECT_EQ(edit().choices(3), (QStringList{QStringLiteral("VsL"), QStringLiteral("VsR")}));
    EXPECT_TRUE(edit().choices(4).isEmpty());

    edit().setCurrentCell(1, 2);
    edit().editItem(edit().item(1, 2));
    auto* combo = edit().findChild<QComboBox*>(QStringLiteral("historychoice"));
    ASSERT_NE(combo, nullptr);
    EXPECT_EQ(combo->currentText(), edit().item(1, 2)->text());
    combo->setCurrentIndex(0);
    Q_EMIT combo->activated(0);
    EXPECT_EQ(edit().item(1, 2)->text(), QStringLiteral("FA"));
    // Computed cells and captions are not edited.
    EXPECT_FALSE(edit().valueItem(23)->flags().testFlag(Qt::ItemIsEditable));
    EXPECT_FALSE(edit().item(0, 0)->flags().testFlag(Qt::ItemIsEditable));
}

TEST_F(HistoryPageTest, KeysMoveByPairsOfRowsAndTabStaysInTheGrid) {
    QApplication::setActiveWindow(m_window.get());
    edit().setFocus();
    edit().setCurrentCell(1, 0);
    const struct {
        Qt::Key key;
        QPoint expected;  // column, row
    } moves[] = {
        {Qt::Key_Down, {0, 3}},
        {Qt::Key_Down, {0, 5}},
        {Qt::Key_Up, {0, 3}},
        {Qt::Key_Up, {0, 1}},
        {Qt::Key_Up, {0, 1}},
        {Qt::Key_Left, {0, 1}},
        {Qt::Key_Right, {1, 1}},
        {Qt::Key_Tab, {2, 1}},
        {Qt::Key_Right, {3, 1}},
        {Qt::Key_Right, {4, 1}},
        {Qt::Key_Right, {0, 3}},
        {Qt::Key_Left, {4, 1}},
        {Qt::Key_Tab, {0, 3}},
    };
    for (const auto& move : moves) {
        QTest::keyClick(&edit(), move.key);
        EXPECT_EQ(currentCell(), move.expected) << QTest::toString(move.key);
    }
    // The last value row: Down and Right stay, Tab neither moves nor leaves.
    edit().setCurrentCell(11, 4);
    for (const Qt::Key key : {Qt::Key_Down, Qt::Key_Right, Qt::Key_Tab}) {
        QTest::keyClick(&edit(), key);
        EXPECT_EQ(currentCell(), QPoint(4, 11));
    }
    EXPECT_EQ(m_window->focusWidget(), &edit());
}

TEST_F(HistoryPageTest, TheCsvExportIsTheFileTheCommandLinePrints) {
    const auto file = m_dir / "history.csv";
    m_dialogs.setNextFileName(ui::fromPath(file.string()));
    action("HistoryExportCsv1")->trigger();

    std::ostringstream out;
    std::ostringstream err;
    const std::string league = (m_dir / "a" / "Sample.sea").string();
    ASSERT_EQ(
        cli::runCli({"history", league, "--player", std::to_string(playerAt(m_player).playerId()), "--csv"}, out, err),
        0)
        << err.str();
    const std::vector<std::uint8_t> bytes = readBytes(file);
    EXPECT_EQ(std::string(bytes.begin(), bytes.end()), out.str());
    EXPECT_EQ(m_dialogs.lastFilter, QStringLiteral("CSV Files (*.csv)"));
}

TEST_F(HistoryPageTest, TheHtmlExportNamesThePlayerAndTheKind) {
    QTest::mouseClick(child<QRadioButton>("rbfielding"), Qt::LeftButton);
    const auto file = m_dir / "history.html";
    m_dialogs.setNextFileName(ui::fromPath(file.string()));
    action("HistoryExportHtml1")->trigger();
    const std::vector<std::uint8_t> bytes = readBytes(file);
    const std::string page(bytes.begin(), bytes.end());
    const PlayerRecord& player = playerAt(m_player);
    const std::string prefix = "<font size=\"4\">" + player.get(pf::firstName) + " " + player.get(pf::lastName) +
                               " Fielding Stats</font> </p>\r\n";
    EXPECT_NE(page.find(prefix + "<table border=\"1\""), std::string::npos) << page.substr(0, 300);
    EXPECT_NE(page.find("<B>Inn</B>"), std::string::npos);
    EXPECT_EQ(m_dialogs.lastFilter, QStringLiteral("HTML Files (*.html)"));
}

}  // namespace
}  // namespace zt::test
