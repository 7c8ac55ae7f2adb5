// File > "Check League Integrity" in the window: a message for a sound league, the findings
// listed for a broken one.
#include <QDialog>
#include <QListWidget>

#include "league/ui/qt_text.h"
#include "roster_window_fixture.h"
#include "rosters/league_check.h"

namespace zt::test {
namespace {

using LeagueCheckWindowTest = RosterWindowTest;

TEST_F(LeagueCheckWindowTest, SaysTheLeagueIsSoundOrListsWhatIsWrong) {
    EXPECT_TRUE(action("CheckLeague1")->isEnabled());
    action("CheckLeague1")->trigger();
    EXPECT_EQ(m_interaction.texts(), std::vector<std::string>{"No problem found in the league."});

    playerAt(7).set(pf::playerId, playerAt(6).playerId());
    action("CheckLeague1")->trigger();
    auto* list = m_window->findChild<QListWidget*>(QStringLiteral("findingslist"));
    ASSERT_NE(list, nullptr);
    const auto findings = checkLeague(league());
    ASSERT_EQ(list->count(), static_cast<int>(findings.size()));
    EXPECT_EQ(list->item(0)->text(), ui::fromMessage(findings.front().text));
    EXPECT_EQ(m_interaction.texts().size(), 1u);  // the list, no further message
}

}  // namespace
}  // namespace zt::test
