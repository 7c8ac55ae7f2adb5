#pragma once

#include <array>
#include <vector>

#include "sample/player_profile.h"
#include "sample/random.h"

namespace zt::sample {

// Lineup and rotation entries refer to players by their index in Organisation::players.
struct LineupEntry {
    int player = -1;  // -1: the pitcher's turn in a lineup without DH
    int position = 1;
};
using Lineup = std::array<LineupEntry, 9>;

struct TeamPlan {
    std::vector<int> roster;                        // the players on the team roster, in roster order
    std::vector<int> hidden;                        // players of the team beyond its 120 roster places
    std::array<Lineup, 7> lineups{};                // indexed like LineupKind
    std::array<std::array<int, 5>, 4> rotations{};  // levels 0 (ML) to 3 (A)
    std::vector<int> majorHitters;                  // major-league position players
    std::vector<int> majorRelievers;                // major-league relievers, closer excluded
    int majorCloser = -1;
};

// The players of the whole organisation: every team's levels and disabled list, then the
// free agents. A player's id is his index + 1, so ids run from 1 upward in list order.
struct Organisation {
    std::vector<Profile> players;
    std::vector<TeamPlan> teams;
    int playersPerTeam = 0;  // what each team really holds

    const Profile& player(int index) const { return players[static_cast<std::size_t>(index)]; }
};

// Major league 25, each minor level a full lineup with a DH, a five-man rotation and a closer:
// below this a team cannot field every level, so smaller requests are raised to it. A team of
// more than 120 fills its roster and keeps the rest as players of the team who are not on the
// roster (the game's hidden players), spread over the minor levels.
inline constexpr int kMajorRoster = 25;
inline constexpr int kMinorCore = 15;
inline constexpr int kMinimumDisabled = 2;
inline constexpr int kMinimumPlayersPerTeam = kMajorRoster + 3 * kMinorCore + kMinimumDisabled;

Organisation buildOrganisation(int teamCount, int playersPerTeam, int freeAgents, Random& rng);

}  // namespace zt::sample
