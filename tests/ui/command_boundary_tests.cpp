// Failures of window commands: shown as messages, never thrown into Qt, and a command stopped
// by a fault leaves the league as it was.
#include <new>

#include "league/error.h"
#include "league/ui/command_boundary.h"
#include "roster_window_fixture.h"

namespace zt::test {
namespace {

TEST(CommandBoundary, ShowsTheEditorsMessagesAsTheyAreAndOtherFailuresClearly) {
    struct Case {
        std::function<void()> command;
        std::string shown;
    };
    const Case cases[] = {
        {[] { throw Error("Wrong season version"); }, "Wrong season version"},
        {[] { throw std::out_of_range("vector::at"); }, "An unexpected error stopped the command: vector::at"},
        {[] { throw std::bad_alloc(); }, "There was not enough memory to complete the command."},
        {[] { throw 42; }, "An unexpected error stopped the command."},
    };
    for (const Case& c : cases) {
        ScriptedInteraction interaction;
        EXPECT_FALSE(ui::runCommand(interaction, c.command));
        EXPECT_EQ(interaction.texts(), std::vector<std::string>{c.shown});
    }
    ScriptedInteraction quiet;
    EXPECT_TRUE(ui::runCommand(quiet, [] {}));
    EXPECT_TRUE(quiet.texts().empty());
}

class FaultInCommandTest : public RosterWindowTest, public ::testing::WithParamInterface<const char*> {};

// Each command asks a question first; the fault comes from inside it, as from a broken helper.
TEST_P(FaultInCommandTest, IsShownAndLeavesTheLeagueAsItWas) {
    showTeam(3);
    selectRows({listedPlayers().at(2)});
    std::vector<std::vector<std::uint8_t>> before;
    for (const auto& player : league().players) {
        before.emplace_back(player->bytes().begin(), player->bytes().end());
    }
    const auto teamBefore = league().teams[3].record.bytes();

    m_interaction.failNextQuestion("scripted fault");
    action(GetParam())->trigger();

    EXPECT_EQ(m_interaction.texts().back(), "An unexpected error stopped the command: scripted fault");
    ASSERT_EQ(league().players.size(), before.size());
    for (std::size_t i = 0; i < before.size(); ++i) {
        EXPECT_TRUE(std::equal(before[i].begin(), before[i].end(), league().players[i]->bytes().begin())) << i;
    }
    EXPECT_EQ(league().teams[3].record.bytes(), teamBefore);
    EXPECT_FALSE(league().changed());
}

INSTANTIATE_TEST_SUITE_P(Commands,
                         FaultInCommandTest,
                         ::testing::Values("DeletePlayer1", "DeleteAllPlayers1", "SwapAAA1"),
                         [](const auto& info) { return std::string(info.param); });

}  // namespace
}  // namespace zt::test
