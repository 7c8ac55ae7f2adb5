#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <vector>

#include "league/league.h"
#include "support/scripted_interaction.h"

namespace zt::test {

struct PlayerShape {
    std::uint16_t id = 0;
    int team = 0;
    int level = 0;
    int position = 2;  // catcher: not a pitcher unless asked
    int role = 2;
    int daysOut = 0;
    bool onRoster = true;
};

// A league of three teams with empty rosters, lineups ({-1, P}) and rotations, and players
// added by each test as it needs them.
class RosterTest : public ::testing::Test {
protected:
    void SetUp() override;

    PlayerRecord& add(const PlayerShape& shape);
    PlayerRecord& player(std::uint16_t id);
    int indexOf(std::uint16_t id) const;
    TeamRecord& team(int t);

    void setLineup(int t, LineupKind kind, int slot, std::int32_t id, std::int32_t position);
    void setRotation(int t, int level, int slot, std::int32_t id);
    // Every roster slot of the team holds an id, none -1 or 0.
    void fillRoster(int t);
    // How often the id stands in the team's roster.
    int rosterCount(int t, std::int32_t id);

    std::unique_ptr<League> m_league;
    ScriptedInteraction m_ask;
};

}  // namespace zt::test
