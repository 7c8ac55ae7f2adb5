// Roster commands survive a save and a re-open: the league files hold what the commands did.
#include <gtest/gtest.h>

#include "league/league_io.h"
#include "roster_fixture.h"
#include "rosters/level_commands.h"
#include "rosters/lineup_edit.h"
#include "rosters/player_creation.h"
#include "rosters/team_commands.h"
#include "rosters/transfers.h"
#include "sample/sample_league.h"
#include "support/scripted_interaction.h"
#include "support/temp_dir.h"

namespace zt::test {
namespace {

// What the roster commands change, player by player and team by team.
struct RosterState {
    std::vector<std::array<int, 5>> players;  // id, team, level, role, secondPosition
    std::vector<std::vector<std::int32_t>> rosters;
    std::vector<std::vector<LineupSlot>> lineups;
    std::vector<std::vector<std::int32_t>> rotations;
    std::vector<std::int32_t> humanFlags;
    bool operator==(const RosterState&) const = default;
};

RosterState stateOf(const League& league) {
    RosterState state;
    for (const auto& p : league.players) {
        state.players.push_back(
            {p->playerId(), p->teamIndex(), p->level(), p->get(pf::role), p->get(pf::secondPosition)});
    }
    for (const auto& team : league.teams) {
        auto& roster = state.rosters.emplace_back();
        for (int slot = 0; slot < kRosterSize; ++slot) {
            roster.push_back(team.record.rosterId(slot));
        }
        auto& lineups = state.lineups.emplace_back();
        for (int kind = 0; kind < kLineupKinds; ++kind) {
            for (int slot = 0; slot < kLineupSlots; ++slot) {
                lineups.push_back(team.record.lineupSlot(static_cast<LineupKind>(kind), slot));
            }
        }
        auto& rotations = state.rotations.emplace_back();
        for (int level = 0; level < kRotationLevels; ++level) {
            for (int slot = 0; slot < kRotationSlots; ++slot) {
                rotations.push_back(team.record.rotationSlot(level, slot));
            }
        }
        state.humanFlags.push_back(team.record.get(tf::humanControlled));
    }
    return state;
}

int firstOf(const League& league, int team, int level, bool pitcher) {
    for (std::size_t i = 0; i < league.players.size(); ++i) {
        const auto& p = *league.players[i];
        if (p.teamIndex() == team && p.level() == level && (p.get(pf::position) == 1) == pitcher &&
            p.get(pf::daysOut) == 0) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

TEST(RosterRoundTrip, SavedAndReopenedLeagueHoldsWhatTheCommandsDid) {
    TempDir dir;
    sample::SampleOptions options;
    options.playersPerTeam = 80;
    options.freeAgents = 30;
    options.years = 1;
    options.days = 10;
    const auto sea = sample::generateSampleLeague(dir.path(), options);
    auto league = openLeague(sea);
    ScriptedInteraction ask;

    // A transfer, a level move, a swap, lineup and rotation edits, a clone and a deletion.
    const int traded = firstOf(*league, 3, 0, false);
    ASSERT_GE(traded, 0);
    const std::vector<int> trade = {traded};
    ASSERT_EQ(transferPlayers(*league, trade, 4, ask).moved.size(), 1u);

    const int demoted = firstOf(*league, 5, 0, true);
    ASSERT_GE(demoted, 0);
    league->currentPlayer = league->players[static_cast<std::size_t>(demoted)].get();
    const std::vector<int> demotion = {demoted};
    moveToLevel(*league, demotion, 2, ask);

    ask.answerYesNo(true);
    ASSERT_TRUE(swapLevels(*league, 6, 1, ask));

    const int batter = firstOf(*league, 7, 0, false);
    const int pitcher = firstOf(*league, 7, 0, true);
    ASSERT_GE(batter, 0);
    ASSERT_GE(pitcher, 0);
    putInLineup(*league, 7, LineupKind::MajorVsRWithDH, 8, *league->players[static_cast<std::size_t>(batter)]);
    makeCloser(*league, 7, *league->players[static_cast<std::size_t>(pitcher)]);
    exchangeRotationSlots(*league, 7, 0, 0, 4);
    clearLineupSlot(*league, 7, LineupKind::AA, 3);
    SlotPositions positions;
    for (int slot = 0; slot < kLineupSlots; ++slot) {
        positions.shown[static_cast<std::size_t>(slot)] =
            league->teams[7].record.lineupSlot(LineupKind::MajorVsL, slot).position - 1;
    }
    positions.old = positions.shown;
    changeSlotPosition(*league, 7, LineupKind::MajorVsL, 0, 9, positions);

    league->currentPlayer = league->players[static_cast<std::size_t>(firstOf(*league, 8, 0, false))].get();
    applyHumanFlag(*league, "Somewhere Roster", true);
    toggleRosterMembership(*league, *league->currentPlayer);

    ask.answerPrompt(std::string("Clone"));
    ask.answerPrompt(std::nullopt);
    ASSERT_TRUE(clonePlayer(*league, ask).has_value());
    ask.answerYesNo(true);
    ASSERT_TRUE(deletePlayer(*league, firstOf(*league, 9, 1, false), ask).deleted);
    ASSERT_TRUE(league->changed());

    const RosterState expected = stateOf(*league);
    saveLeague(*league);
    const auto reopened = openLeague(sea);
    EXPECT_TRUE(stateOf(*reopened) == expected);
    EXPECT_EQ(reopened->players.size(), league->players.size());
    EXPECT_EQ(reopened->players.back()->get(pf::firstName), "Clone");
}

}  // namespace
}  // namespace zt::test
