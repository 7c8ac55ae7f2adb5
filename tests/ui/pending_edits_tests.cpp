// Edits typed into the player editor and not yet applied are never lost without a word, and a
// box that does not convert gets the focus back.
#include <QApplication>
#include <QComboBox>
#include <QTabWidget>
#include <QTableView>
#include <QTest>

#include "league/league.h"
#include "league/ui/qt_text.h"
#include "main_window_fixture.h"
#include "players/ui/player_grid_model.h"
#include "players/ui/player_grid_panel.h"

namespace zt::test {
namespace {

// How the user goes to another player.
enum class Move { ClickRow, KeyDown, TeamsMenu, FreeAgents, RosterFilter };

struct PendingCase {
    std::string name;
    Move move;
    Answer answer;
};

std::ostream& operator<<(std::ostream& os, const PendingCase& c) {
    return os << c.name;
}

class PendingEditsTest : public MainWindowTest, public ::testing::WithParamInterface<PendingCase> {
protected:
    QTableView* view() { return child<QTableView>("grille"); }

    void move(Move how) {
        auto* grid = view();
        switch (how) {
            case Move::ClickRow: {
                const QModelIndex target = grid->model()->index(grid->currentIndex().row() + 1, 1);
                QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(target).center());
                break;
            }
            case Move::KeyDown:
                QTest::keyClick(grid, Qt::Key_Down);
                break;
            case Move::TeamsMenu:
                action("Team5")->trigger();
                break;
            case Move::FreeAgents:
                action("FreeAgents1")->trigger();
                break;
            case Move::RosterFilter: {
                auto* filter = child<QComboBox>("rosterfilter");
                filter->setCurrentIndex(2);
                Q_EMIT filter->activated(2);
                break;
            }
        }
    }
};

TEST_P(PendingEditsTest, TheAnswerDecidesWhatBecomesOfTheEdits) {
    const auto sea = generateLeague("a");
    auto& window = startWindow({ui::fromPath(sea.string())});
    PlayerRecord* before = window.league()->currentPlayer;
    ASSERT_NE(before, nullptr);
    const std::string oldName = before->get(pf::lastName);
    const int oldRow = view()->currentIndex().row();
    type("editnom", QStringLiteral("Typedname"));

    m_interaction.answerYesNoCancel(GetParam().answer);
    move(GetParam().move);

    EXPECT_EQ(m_interaction.texts(),
              std::vector<std::string>{"Apply the changes made to " + before->get(pf::firstName) + " " + oldName +
                                       " before going on ?"});
    switch (GetParam().answer) {
        case Answer::Yes:
            EXPECT_EQ(before->get(pf::lastName), "Typedname");
            EXPECT_NE(window.league()->currentPlayer, before);
            EXPECT_TRUE(window.league()->changed());
            break;
        case Answer::No:
            EXPECT_EQ(before->get(pf::lastName), oldName);
            EXPECT_NE(window.league()->currentPlayer, before);
            EXPECT_FALSE(window.league()->changed());
            break;
        case Answer::Cancel:
            EXPECT_EQ(before->get(pf::lastName), oldName);
            EXPECT_EQ(window.league()->currentPlayer, before);
            EXPECT_EQ(view()->currentIndex().row(), oldRow);
            EXPECT_EQ(text("editnom"), QStringLiteral("Typedname"));
            EXPECT_EQ(child<QComboBox>("rosterfilter")->currentIndex(), 0);
            break;
    }
}

std::vector<PendingCase> pendingCases() {
    std::vector<PendingCase> cases;
    const std::pair<const char*, Move> moves[] = {{"ClickRow", Move::ClickRow},
                                                  {"KeyDown", Move::KeyDown},
                                                  {"TeamsMenu", Move::TeamsMenu},
                                                  {"FreeAgents", Move::FreeAgents},
                                                  {"RosterFilter", Move::RosterFilter}};
    const std::pair<const char*, Answer> answers[] = {
        {"Yes", Answer::Yes}, {"No", Answer::No}, {"Cancel", Answer::Cancel}};
    for (const auto& [moveName, how] : moves) {
        for (const auto& [answerName, answer] : answers) {
            cases.push_back({std::string(moveName) + answerName, how, answer});
        }
    }
    return cases;
}

INSTANTIATE_TEST_SUITE_P(Moves, PendingEditsTest, ::testing::ValuesIn(pendingCases()), [](const auto& info) {
    return info.param.name;
});

TEST_F(MainWindowTest, NothingIsAskedWithoutEditsAndClosingAsksFirst) {
    const auto sea = generateLeague("a");
    auto& window = startWindow({ui::fromPath(sea.string())});
    action("Team5")->trigger();  // no edits: no question
    EXPECT_TRUE(m_interaction.texts().empty());

    type("editage", QStringLiteral("39"));
    m_interaction.answerYesNoCancel(Answer::Cancel);
    window.close();
    EXPECT_TRUE(window.isVisible());
    m_interaction.answerYesNoCancel(Answer::Yes);  // apply ...
    m_interaction.answerYesNoCancel(Answer::No);   // ... but do not save
    window.close();
    EXPECT_EQ(m_interaction.texts().size(), 3u);
    EXPECT_EQ(m_interaction.texts().back(), "Changes have been made. Do you want to save the league ?");
}

TEST_F(MainWindowTest, ABoxThatDoesNotConvertGetsTheFocusWithItsTextSelected) {
    const auto sea = generateLeague("a");
    auto& window = startWindow({ui::fromPath(sea.string())});
    QApplication::setActiveWindow(&window);
    type("editinfield", QStringLiteral("wide"));
    auto* pages = child<QTabWidget>("pages");
    pages->setCurrentIndex(0);
    apply();
    EXPECT_EQ(m_interaction.texts().back(), "'wide' is not a valid floating point value");
    auto* box = child<QLineEdit>("editinfield");
    EXPECT_EQ(pages->currentWidget(), pages->widget(3));  // the Fld page
    EXPECT_EQ(window.focusWidget(), box);
    EXPECT_EQ(box->selectedText(), QStringLiteral("wide"));
}

}  // namespace
}  // namespace zt::test
