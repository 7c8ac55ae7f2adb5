#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "league/stat_lines.h"

namespace zt::sample {

// Counting statistics as plain integers while the generator adds them up. They become stored
// lines only at the end, where every value is limited to the width of its bit field.
struct BattingTotals {
    int games = 0, atBats = 0, hits = 0, doubles = 0, triples = 0, homeRuns = 0, walks = 0, strikeouts = 0, rbi = 0,
        stolenBases = 0, caughtStealing = 0, runs = 0, pickoffs = 0, hitByPitch = 0, gidp = 0, intentionalWalks = 0,
        sacFlies = 0, sacHits = 0, pinchAtBats = 0, pinchBaseHits = 0;

    using Member = int BattingTotals::*;
    static const std::array<std::pair<std::string_view, Member>, 20>& fields();
    BattingTotals& operator+=(const BattingTotals& other);
    bool empty() const;
};

struct PitchingTotals {
    int outsPitched = 0, hits = 0, doubles = 0, triples = 0, homeRuns = 0, walks = 0, strikeouts = 0, earnedRuns = 0,
        runs = 0, stolenBases = 0, caughtStealing = 0, wins = 0, losses = 0, saves = 0, blownSaves = 0,
        completeGames = 0, shutouts = 0, gamesStarted = 0, games = 0, balks = 0, hitBatsmen = 0, wildPitches = 0,
        extra = 0, holds = 0, qualityStarts = 0, pitchCount = 0;

    using Member = int PitchingTotals::*;
    static const std::array<std::pair<std::string_view, Member>, 26>& fields();
    PitchingTotals& operator+=(const PitchingTotals& other);
    bool empty() const;
};

struct FieldingTotals {
    int games = 0, assists = 0, putouts = 0, errors = 0, doublePlays = 0, stolenBasesAllowed = 0, caughtStealing = 0,
        passedBalls = 0, outsPlayed = 0;

    using Member = int FieldingTotals::*;
    static const std::array<std::pair<std::string_view, Member>, 9>& fields();
    FieldingTotals& operator+=(const FieldingTotals& other);
    bool empty() const;
};

// The fields that say which season, level, split (or fielding position) and team a line is for.
struct LineKey {
    int year = 0;
    int level = 0;
    int detail = 0;  // split of batting and pitching lines, position of fielding lines
    int team = 0;
};

// Stored lines built from totals. Each value is clamped to its bit field (never wrapped into the
// neighbouring bits); `spare` fills the bytes of the line the game does not interpret.
BattingLine makeBattingLine(const LineKey& key, const BattingTotals& totals, std::uint8_t spare);
PitchingLine makePitchingLine(const LineKey& key,
                              const PitchingTotals& totals,
                              const std::array<std::uint8_t, 3>& spare);
FieldingLine makeFieldingLine(const LineKey& key, const FieldingTotals& totals, std::uint8_t spare);

// The counting values of a decoded line, added to totals.
void addLine(BattingTotals& totals, const BattingLineData& line);
void addLine(PitchingTotals& totals, const PitchingLineData& line);
void addLine(FieldingTotals& totals, const FieldingLineData& line);

}  // namespace zt::sample
