// The search panel in the main window: shown by Edit > Advanced Search, listing what the
// searches find in the player grid, and search mode ending when a team is chosen.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QTabWidget>
#include <QTest>
#include <algorithm>
#include <array>
#include <cctype>

#include "league/league.h"
#include "league/ui/qt_text.h"
#include "main_window_fixture.h"
#include "players/player_grid.h"
#include "players/ui/player_grid_model.h"
#include "players/ui/player_grid_panel.h"
#include "players/ui/player_grid_view.h"

namespace zt::test {
namespace {

QString pathText(const std::filesystem::path& path) {
    return ui::fromPath(path.string());
}

class SearchWindowTest : public MainWindowTest {
protected:
    app::TForm1& openLeague() {
        auto& window = startWindow({pathText(generateLeague("a"))});
        action("AdvancedSearch1")->trigger();
        return window;
    }

    ui::PlayerGridModel& grid() { return *m_window->gridPanel()->model(); }

    std::vector<int> listedPlayers() {
        std::vector<int> indexes;
        for (int row = 0; row < grid().rowCount(); ++row) {
            indexes.push_back(grid().index(row, kGridIndexColumn).data().toInt());
        }
        return indexes;
    }

    QStringList column(int column) {
        QStringList texts;
        for (int row = 0; row < grid().rowCount(); ++row) {
            texts << grid().index(row, column).data().toString();
        }
        return texts;
    }

    QString column3Header() { return grid().headerData(kGridLevelColumn, Qt::Horizontal).toString(); }

    const PlayerRecord& player(int index) { return *m_window->league()->players.at(static_cast<std::size_t>(index)); }

    // Chooses list items by their text, as the user picks them.
    void choose(const char* combo, const QString& item) {
        auto* box = child<QComboBox>(combo);
        const int index = box->findText(item);
        ASSERT_GE(index, 0) << item.toStdString();
        box->setCurrentIndex(index);
    }

    void advancedSearch(const QString& field, const QString& comparison, const QString& value, bool valueColumn) {
        choose("cbsearchfield", field);
        choose("cbsearchoperator", comparison);
        type("editsearchvalue", value);
        child<QCheckBox>("chkfieldvalue")->setChecked(valueColumn);
        QTest::mouseClick(child<QPushButton>("btnadvancedsearch"), Qt::LeftButton);
    }

    QString teamColumnText(const PlayerRecord& p) {
        return p.teamIndex() >= 50 ? QStringLiteral("FA")
                                   : ui::fromLeagueText(m_window->league()->teamAbbrev(p.teamIndex()));
    }
};

std::string lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
    return text;
}

TEST_F(SearchWindowTest, AdvancedSearchShowsThePanelOnTheGeneralPage) {
    auto& window = startWindow({pathText(generateLeague("a"))});
    auto* panel = child<QWidget>("searchpanel");
    EXPECT_FALSE(panel->isVisible());
    auto* pages = child<QTabWidget>("pages");
    pages->setCurrentIndex(1);
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QTest::keyClick(&window, Qt::Key_F1);
    EXPECT_TRUE(panel->isVisible());
    EXPECT_EQ(pages->currentWidget(), child<QWidget>("genpage"));
    EXPECT_EQ(QApplication::focusWidget(), child<QWidget>("editsearchname"));
    EXPECT_EQ(child<QLabel>("lblsearchhint")->text(),
              QStringLiteral("Levels for sel. criteria are 0: ML, 1:AAA, 2:AA , 3:A"));

    QTest::mouseClick(child<QPushButton>("btnclosesearch"), Qt::LeftButton);
    EXPECT_FALSE(panel->isVisible());
}

TEST_F(SearchWindowTest, AdvancedSearchNeedsAnOpenLeague) {
    auto& window = startWindow();
    EXPECT_FALSE(action("AdvancedSearch1")->isEnabled());
    ASSERT_TRUE(window.openLeagueFile(pathText(generateLeague("a"))));
    EXPECT_TRUE(action("AdvancedSearch1")->isEnabled());
}

TEST_F(SearchWindowTest, SimpleSearchListsThePlayersWhoseLastNameBeginsWithTheText) {
    openLeague();
    const std::string name = player(100).get(pf::lastName);
    const std::string prefix = lower(name.substr(0, 2));
    std::vector<int> expected;
    for (std::size_t i = 0; i < m_window->league()->players.size(); ++i) {
        if (lower(m_window->league()->players[i]->get(pf::lastName)).rfind(prefix, 0) == 0) {
            expected.push_back(static_cast<int>(i));
        }
    }
    type("editsearchname", QString::fromStdString(prefix));
    QTest::keyClick(child<QLineEdit>("editsearchname"), Qt::Key_Return);

    EXPECT_EQ(listedPlayers(), expected);
    EXPECT_EQ(child<QLabel>("lblteam")->text(), QStringLiteral("Search Results"));
    EXPECT_EQ(child<QLabel>("lblcount")->text(), QString::number(expected.size()));
    EXPECT_EQ(column3Header(), QStringLiteral("Team"));
    const QStringList teams = column(kGridLevelColumn);
    for (std::size_t row = 0; row < expected.size(); ++row) {
        EXPECT_EQ(teams[static_cast<int>(row)], teamColumnText(player(expected[row])));
    }
    EXPECT_TRUE(m_window->gridPanel()->inSearchMode());
    EXPECT_TRUE(m_interaction.shown().empty());
    // The first player found is the one the editor shows.
    EXPECT_EQ(m_window->league()->currentPlayer, &player(expected.front()));
    EXPECT_EQ(text("editnom"), ui::fromLeagueText(player(expected.front()).get(pf::lastName)));
}

TEST_F(SearchWindowTest, SimpleSearchWithoutMatchLeavesTheGridAsItWas) {
    openLeague();
    const std::vector<int> before = listedPlayers();
    const QString caption = child<QLabel>("lblteam")->text();
    type("editsearchname", QStringLiteral("Qqzx"));
    QTest::mouseClick(child<QPushButton>("btnsimplesearch"), Qt::LeftButton);
    EXPECT_EQ(listedPlayers(), before);
    EXPECT_EQ(child<QLabel>("lblteam")->text(), caption);
    EXPECT_FALSE(m_window->gridPanel()->inSearchMode());
    EXPECT_TRUE(m_interaction.shown().empty());
}

TEST_F(SearchWindowTest, PitchersYoungerThan25AreListedWithTheirAges) {
    openLeague();
    choose("cbsearchposition", QStringLiteral("Pitchers only"));
    advancedSearch(QStringLiteral("Age"), QStringLiteral("<"), QStringLiteral("25"), true);

    std::vector<int> expected;
    for (std::size_t i = 0; i < m_window->league()->players.size(); ++i) {
        const auto& p = *m_window->league()->players[i];
        if (p.get(pf::position) == 1 && p.get(pf::age) < 25) {
            expected.push_back(static_cast<int>(i));
        }
    }
    ASSERT_GT(expected.size(), 1u);
    EXPECT_EQ(listedPlayers(), expected);
    EXPECT_EQ(m_interaction.texts(),
              (std::vector<std::string>{std::to_string(expected.size()) + " players have met the selection criteria"}));
    EXPECT_EQ(column3Header(), QStringLiteral("Age"));
    EXPECT_EQ(child<QLabel>("lblteam")->text(), QStringLiteral("Search Results"));
    EXPECT_EQ(child<QLabel>("lblcount")->text(), QString::number(expected.size()));
    const QStringList ages = column(kGridLevelColumn);
    for (std::size_t row = 0; row < expected.size(); ++row) {
        EXPECT_EQ(ages[static_cast<int>(row)], QString::number(player(expected[row]).get(pf::age)));
    }
}

TEST_F(SearchWindowTest, ClickOnTheValueHeaderSortsByNumber) {
    openLeague();
    advancedSearch(QStringLiteral("Number"), QStringLiteral(">="), QStringLiteral("0"), true);
    ASSERT_TRUE(grid().levelColumnHoldsValues());
    QHeaderView* header = m_window->gridPanel()->view()->horizontalHeader();
    QTest::mouseClick(header->viewport(),
                      Qt::LeftButton,
                      {},
                      QPoint(header->sectionViewportPosition(kGridLevelColumn) + 5, header->height() / 2));
    const QStringList sorted = column(kGridLevelColumn);
    ASSERT_GT(sorted.size(), 100);
    // Numbers of one and two digits alike, so text order would differ from this.
    EXPECT_LT(sorted.front().toInt(), 10);
    EXPECT_GE(sorted.back().toInt(), 10);
    for (int row = 1; row < sorted.size(); ++row) {
        EXPECT_LE(sorted[row - 1].toInt(), sorted[row].toInt()) << row;
    }
}

TEST_F(SearchWindowTest, LevelValuesAreTextsOfTheLevelList) {
    openLeague();
    choose("cbsearchteam", QStringLiteral("Current Team"));
    advancedSearch(QStringLiteral("Level"), QStringLiteral(">="), QStringLiteral("0"), true);
    const auto listed = listedPlayers();
    ASSERT_FALSE(listed.empty());
    const int team = player(listed.front()).teamIndex();
    const QStringList levels = column(kGridLevelColumn);
    const std::array<QString, 8> texts = {QStringLiteral("ML"),
                                          QStringLiteral("AAA"),
                                          QStringLiteral("AA"),
                                          QStringLiteral("A"),
                                          QStringLiteral(" "),
                                          QStringLiteral(" "),
                                          QStringLiteral("Inactive List "),
                                          QStringLiteral("DL")};
    for (std::size_t row = 0; row < listed.size(); ++row) {
        const auto& p = player(listed[row]);
        EXPECT_EQ(p.teamIndex(), team);
        EXPECT_EQ(levels[static_cast<int>(row)], texts.at(p.level()));
    }
    EXPECT_EQ(column3Header(), QStringLiteral("Level"));
    EXPECT_FALSE(grid().levelColumnHoldsValues());  // words sort as text
}

TEST_F(SearchWindowTest, ValueThatIsNoNumberIsReportedAndTheGridStays) {
    openLeague();
    const std::vector<int> before = listedPlayers();
    advancedSearch(QStringLiteral("Age"), QStringLiteral("="), QStringLiteral("twenty"), true);
    EXPECT_EQ(m_interaction.texts(), (std::vector<std::string>{"'twenty' is not a valid floating point value"}));
    EXPECT_EQ(listedPlayers(), before);
    EXPECT_FALSE(m_window->gridPanel()->inSearchMode());
}

TEST_F(SearchWindowTest, NoResultIsReportedAndTheGridStays) {
    openLeague();
    const std::vector<int> before = listedPlayers();
    advancedSearch(QStringLiteral("Age"), QStringLiteral(">"), QStringLiteral("200"), false);
    ASSERT_EQ(m_interaction.shown().size(), 1u);
    EXPECT_EQ(m_interaction.shown()[0].kind, ScriptedInteraction::Shown::Kind::Warning);
    EXPECT_EQ(m_interaction.shown()[0].text, "No player has met the selecion criteria or a setting is missing");
    EXPECT_EQ(listedPlayers(), before);
}

TEST_F(SearchWindowTest, ChoosingATeamLeavesSearchMode) {
    openLeague();
    advancedSearch(QStringLiteral("Run Speed"), QStringLiteral(">="), QStringLiteral("0"), true);
    ASSERT_TRUE(m_window->gridPanel()->inSearchMode());
    ASSERT_EQ(column3Header(), QStringLiteral("Run Speed"));

    action("Team3")->trigger();
    EXPECT_FALSE(m_window->gridPanel()->inSearchMode());
    EXPECT_FALSE(grid().levelColumnHoldsValues());
    EXPECT_EQ(column3Header(), QStringLiteral("Level"));
    EXPECT_EQ(child<QLabel>("lblteam")->text(),
              ui::fromLeagueText(m_window->league()->teams[3].record.get(tf::city)) + QStringLiteral(" Roster"));
    for (const int index : listedPlayers()) {
        EXPECT_EQ(player(index).teamIndex(), 3);
    }
    EXPECT_EQ(column(kGridLevelColumn).front(), ui::fromLeagueText(levelText(player(listedPlayers().front()).level())));

    type("editsearchname", QString());
    QTest::mouseClick(child<QPushButton>("btnsimplesearch"), Qt::LeftButton);
    ASSERT_TRUE(m_window->gridPanel()->inSearchMode());
    action("FreeAgents1")->trigger();
    EXPECT_FALSE(m_window->gridPanel()->inSearchMode());
    EXPECT_EQ(child<QLabel>("lblteam")->text(), QStringLiteral("Free Agents"));
}

// Applying the editor to a player found refreshes his row but keeps the searched value.
TEST_F(SearchWindowTest, ApplyKeepsTheSearchedValue) {
    openLeague();
    advancedSearch(QStringLiteral("Age"), QStringLiteral(">="), QStringLiteral("0"), true);
    ASSERT_TRUE(m_window->gridPanel()->inSearchMode());
    const int row = m_window->gridPanel()->view()->currentRow();
    ASSERT_GE(row, 0);
    const QString value = column(kGridLevelColumn)[row];
    type("editnumber", QStringLiteral("77"));
    apply();
    EXPECT_EQ(column(kGridNumberColumn)[row], QStringLiteral("77"));
    EXPECT_EQ(column(kGridLevelColumn)[row], value);
}

}  // namespace
}  // namespace zt::test
