#pragma once

#include <optional>

#include "league/player_record.h"
#include "ratings/league_constants.h"

namespace zt {

// The three rates of a line of counting statistics, each held as the game holds it: a 32-bit float.
struct Rates {
    float avg = 0;
    float obp = 0;
    float slg = 0;
};

// avg = h / ab, obp = (h + bb) * obpa / (ab + bb), slg = total bases / ab. Each rate is rounded
// to a 32-bit float before anything else uses it. The caller makes sure ab is not 0.
Rates ComputeRates(
    float ab, float h, float doubles, float triples, float hr, float bb, const LeagueConstants& constants);

// The factors of one hand against left- and right-handed opponents.
struct HandFactor {
    float vsLeft = 0;
    float vsRight = 0;
};

// Hand 0 (left) and 1 (right) have factors; any other hand (a switch-hitter) has none.
std::optional<HandFactor> HandFactors(int hand, const LeagueConstants& constants);

// Round(rate * factor * 1000) / 1000, or Round(rate * 1000) / 1000 without a factor, halves to
// even, stored as a 32-bit float.
float roundSplit(float rate, std::optional<float> factor);

// The six split values in the order the record and the pitch slots keep them.
struct SplitValues {
    float avgVsL = 0;
    float avgVsR = 0;
    float obpVsL = 0;
    float obpVsR = 0;
    float slgVsL = 0;
    float slgVsR = 0;
    bool operator==(const SplitValues&) const = default;
};

// The rounded split values of the rates for a player of the given hand.
SplitValues splitValues(const Rates& rates, int hand, const LeagueConstants& constants);

// Counting statistics as typed into the editor's boxes.
struct PerformanceData {
    double atBats = 0;
    double hits = 0;
    double doubles = 0;
    double triples = 0;
    double homeRuns = 0;
    double walks = 0;
};

// The calculator buttons' computation: the rounded split values of typed counts for a player of
// the given hand. Throws zt::Error when the counts give no rates (0 at-bats, or no plate
// appearances for the on-base rate), so that nothing is written.
SplitValues splitValuesFromCounts(const PerformanceData& counts, int hand, const LeagueConstants& constants);

// The six split ratings of a batter from his batting performance data and his `bats`.
// Nothing changes when `batAB` is 0.
void ComputeBatterSplits(PlayerRecord& player, const LeagueConstants& constants);

// The pitcher's six split values from his opponents' totals and his `throws`, distributed over his
// pitches. Nothing changes when `pitAB` is 0; his own batter splits are never touched.
void ComputePitcherSplits(PlayerRecord& player, const LeagueConstants& constants);

// Writes the six values of every pitch slot in use (slots 0 .. pitchCount-1), weighted by the
// pitches' quality so that the quality-weighted sum of each value equals the input. Nothing
// changes for pitchCount 0 or above 6, or when the weights sum to 0.
void DistributePitchSplits(
    PlayerRecord& player, float avgVsL, float avgVsR, float obpVsL, float obpVsR, float slgVsL, float slgVsR);
void DistributePitchSplits(PlayerRecord& player, const SplitValues& values);

// Derivations of ratings from real statistics, used by the CSV import. Each returns whether it
// applied (its preconditions held); when it did not, the record is unchanged.

// An absent input (a column the row did not have) is std::nullopt.

// runSpeed = SB / (singles + batWalks) * 25.4 + 2.4, when SB > 0, CS >= 0 and singles > 0.
bool deriveRunSpeed(PlayerRecord& player, std::optional<double> stolenBases, std::optional<double> caughtStealing);

// fieldingPct = PO / (PO + E), when A >= 0, PO > 0 and E >= 0.
bool deriveFieldingPct(PlayerRecord& player,
                       std::optional<double> assists,
                       std::optional<double> putouts,
                       std::optional<double> errors);

// pitAB = Round(IP * ABPI + H).
void deriveOpponentsAtBats(PlayerRecord& player, double innings, double hitsAllowed, double abpi);

// endurance = IP / G * ECF, when G > 0.
bool deriveEndurance(PlayerRecord& player, double innings, double games, double ecf);

// pitDoubles and pitTriples from pitHits and pitAB (both 0 when pitAB is 0).
void deriveExtraBaseHitsAllowed(PlayerRecord& player);

// armRating = k * k + ln(k) + 10.8 with k = pitStrikeouts / pitAB, when both are above 0.
bool derivePitcherArm(PlayerRecord& player);

// pitWalks = Round(WAF * pitWalks * (pitAB - pitWalks) / pitAB), when pitAB > 0.
bool adjustWalks(PlayerRecord& player, double waf);

// batHits, batDoubles, batTriples and batHomeRuns multiplied by BAF.
void adjustBatting(PlayerRecord& player, double baf);

// The batting counts scaled to 600 at-bats, the pitching counts to 800, when the at-bats are above 0.
bool normaliseBattingTo600(PlayerRecord& player);
bool normalisePitchingTo800(PlayerRecord& player);

}  // namespace zt
