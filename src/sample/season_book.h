#pragma once

#include <array>
#include <vector>

#include "sample/game_log.h"
#include "sample/organisation.h"

namespace zt::sample {

// The current season of the major leaguers as the games are played: their statistics, the
// streaks, and when each pitcher last pitched.
struct SeasonRecord {
    std::array<BattingTotals, 2> batting{};
    std::array<PitchingTotals, 2> pitching{};
    std::array<FieldingTotals, 10> fielding{};  // by position 1-9 (index 0 unused)
    int hitStreak = 0, longestHitStreak = 0;
    int winStreak = 0, lossStreak = 0, longestWinStreak = 0, longestLossStreak = 0;
    int lastDayPitched = -100, lastPitches = 0, daysInRow = 0;

    int wins() const { return pitching[0].wins + pitching[1].wins; }
    int losses() const { return pitching[0].losses + pitching[1].losses; }
    int saves() const { return pitching[0].saves + pitching[1].saves; }
};

class SeasonBook {
public:
    explicit SeasonBook(const Organisation& org);

    // The record of a major leaguer; null for anybody else.
    SeasonRecord* find(int player);
    const SeasonRecord* find(int player) const;
    SeasonRecord& at(int player);

    // Adds a finished game to the players' season records.
    void addGame(const GameLog& game);

    // Whether a pitcher can work today after his recent outings.
    bool rested(int player, int day, bool starter) const;

private:
    std::vector<int> m_slot;  // player index -> record index, -1 when not a major leaguer
    std::vector<SeasonRecord> m_records;
};

}  // namespace zt::sample
