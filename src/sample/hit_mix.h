#pragma once

#include <algorithm>

namespace zt::sample {

// Shares of doubles, triples and home runs among a batter's hits, derived from his extra bases
// per hit (slugging minus average, over average) and his speed. Used by the simulated games
// and the statistical seasons alike, so both produce the same kind of hitter.
struct HitMix {
    double doubles, triples, homeRuns;
};

inline HitMix hitMix(double avg, double slg, double speed) {
    const double iso = std::max(0.0, slg - avg);
    const double extraPerHit = avg > 0 ? iso / avg : 0.0;
    double triples = std::clamp(0.003 + 0.0035 * speed, 0.008, 0.045);
    const double rest = std::max(0.0, extraPerHit - 2.0 * triples);
    const double ratio = std::clamp(0.6 + 3.0 * (iso - 0.15), 0.2, 1.6);
    double doubles = rest / (1.0 + 3.0 * ratio);
    double homeRuns = ratio * doubles;
    const double sum = doubles + triples + homeRuns;
    if (sum > 0.85) {
        doubles *= 0.85 / sum;
        triples *= 0.85 / sum;
        homeRuns *= 0.85 / sum;
    }
    return {doubles, triples, homeRuns};
}

}  // namespace zt::sample
