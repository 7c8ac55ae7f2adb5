#pragma once

#include <array>
#include <vector>

#include "sample/stat_totals.h"

namespace zt::sample {

// One player's batting in one game, split by the hand of the pitchers he faced.
struct BatterGame {
    int player = -1;
    int slot = 0;      // batting-order slot 0-8
    int position = 0;  // 1-10 as fielded (10: DH), 0 for a pinch hitter
    std::array<BattingTotals, 2> bySplit{};
    int firstSplit = -1;  // the split his game counts in: that of his first plate appearance

    BattingTotals total() const {
        BattingTotals t = bySplit[0];
        t += bySplit[1];
        return t;
    }
    int split() const { return firstSplit < 0 ? 1 : firstSplit; }
};

// One pitcher's appearance, split by the batting hand of the batters he faced.
struct PitcherGame {
    int player = -1;
    std::array<PitchingTotals, 2> bySplit{};
    int firstSplit = -1;
    bool starter = false;
    int entryLead = 0;           // his team's lead when he came in
    bool saveSituation = false;  // he came in with a lead of one to three runs
    bool tyingRunNear = false;   // ... or with the tying run on base, at bat or on deck
    bool blownSave = false;
    int exitLead = 0;
    int entrySerial = 0;  // orders appearances against lead changes
    int runsThisOuting = 0;

    PitchingTotals total() const {
        PitchingTotals t = bySplit[0];
        t += bySplit[1];
        return t;
    }
    int split() const { return firstSplit < 0 ? 1 : firstSplit; }
};

struct FieldingGame {
    int player = -1;
    int position = 0;
    FieldingTotals totals;
};

struct TeamBox {
    int team = 0;
    std::vector<BatterGame> batters;    // in order of entry
    std::vector<PitcherGame> pitchers;  // in order of appearance
    std::vector<FieldingGame> fielding;
    std::vector<int> inningRuns;  // runs per inning; -1 for a bottom half not played
    int runs = 0, hits = 0, errors = 0;
};

// Everything one simulated game produced: the box score and the pitchers of record.
struct GameLog {
    int day = 0;                   // 1-based
    std::array<TeamBox, 2> sides;  // 0 visitors, 1 home
    int winningSide = 1;
    int winner = -1, loser = -1, saver = -1;  // player indices, -1: none
};

}  // namespace zt::sample
