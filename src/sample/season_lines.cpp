#include "sample/season_lines.h"

#include <algorithm>
#include <cmath>

#include "sample/hit_mix.h"

namespace zt::sample {

namespace {

// A binomial count drawn through its normal approximation, kept within 0..n.
int binomial(int n, double p, Random& rng) {
    if (n <= 0) {
        return 0;
    }
    const double mean = n * p;
    const double deviation = std::sqrt(std::max(0.0, mean * (1.0 - p)));
    return std::clamp(rng.roundRandom(rng.normal(mean, deviation)), 0, n);
}

// Splits `total` into a share for split 0 and the rest for split 1.
std::array<int, 2> divide(int total, double share0, Random& rng) {
    const int first = std::min(total, rng.roundRandom(total * share0));
    return {first, total - first};
}

void limitExtraBaseHits(int hits, int& doubles, int& triples, int& homeRuns) {
    while (doubles + triples + homeRuns > hits) {
        if (doubles > 0) {
            --doubles;
        } else if (triples > 0) {
            --triples;
        } else {
            --homeRuns;
        }
    }
}

BattingTotals battingSplit(
    const Profile& p, int split, int plateAppearances, double form, double pinchShare, Random& rng) {
    BattingTotals t;
    const std::size_t s = static_cast<std::size_t>(split);
    const double avg = std::clamp(p.avg[s] * form, 0.05, 0.45);
    const double obp = std::max(avg + 0.01, p.obp[s] * form);
    const double slg = std::max(avg, p.slg[s] * form);
    // On-base ratings count hit batsmen and reaching on errors too; walks are the rest.
    const double walkRate = std::clamp(0.85 * (obp - avg) / (1.0 - avg), 0.01, 0.3);
    const int pa = plateAppearances;

    t.hitByPitch = rng.roundRandom(pa * 0.008);
    t.walks = rng.roundRandom(pa * walkRate * rng.uniform(0.85, 1.15));
    t.intentionalWalks = std::min(t.walks, rng.roundRandom(t.walks * 0.06));
    t.sacFlies = rng.roundRandom(pa * 0.007);
    t.sacHits = rng.roundRandom(pa * (p.pitcher ? 0.05 : 0.003));
    t.atBats = std::max(0, pa - t.walks - t.hitByPitch - t.sacFlies - t.sacHits);
    t.hits = binomial(t.atBats, avg, rng);

    const HitMix mix = hitMix(avg, slg, p.speed);
    t.homeRuns = rng.roundRandom(t.hits * mix.homeRuns);
    t.triples = rng.roundRandom(t.hits * mix.triples);
    t.doubles = rng.roundRandom(t.hits * mix.doubles);
    limitExtraBaseHits(t.hits, t.doubles, t.triples, t.homeRuns);

    const double power = std::max(0.0, slg - avg - 0.10);
    const double strikeoutShare = std::clamp(0.30 * (0.8 + 1.5 * power) * (p.pitcher ? 1.6 : 1.0), 0.1, 0.6);
    t.strikeouts = std::min(t.atBats - t.hits, rng.roundRandom((t.atBats - t.hits) * strikeoutShare));

    const int singles = t.hits - t.doubles - t.triples - t.homeRuns;
    const int onBase = t.hits + t.walks + t.hitByPitch;
    t.runs = std::min(onBase, rng.roundRandom((onBase - t.homeRuns) * (0.26 + p.speed * 0.012) + t.homeRuns));
    t.rbi = rng.roundRandom(t.homeRuns * 1.6 + (t.hits - t.homeRuns) * 0.26 + t.sacFlies);
    const int onFirst = singles + t.walks + t.hitByPitch;
    const int attempts = rng.roundRandom(onFirst * std::max(0.0, p.speed - 5.0) * 0.035);
    t.stolenBases = std::min(attempts, rng.roundRandom(attempts * std::clamp(0.55 + p.speed * 0.03, 0.4, 0.9)));
    t.caughtStealing = attempts - t.stolenBases;
    t.pickoffs = rng.roundRandom(onFirst * 0.004);
    t.gidp = std::min(t.atBats - t.hits - t.strikeouts, rng.roundRandom(t.atBats * 0.02 * (1.5 - p.speed / 10.0)));
    t.pinchAtBats = std::min(t.atBats, rng.roundRandom(t.atBats * pinchShare));
    t.pinchBaseHits = std::min({t.hits, t.pinchAtBats, rng.roundRandom(t.pinchAtBats * avg)});
    return t;
}

PitchingTotals pitchingSplit(const Profile& p, int split, int outs, double form, Random& rng) {
    PitchingTotals t;
    if (outs <= 0) {
        return t;
    }
    const std::size_t s = static_cast<std::size_t>(split);
    const double avg = std::clamp(p.allowedAvg[s] * form, 0.15, 0.40);
    const double obp = std::max(avg + 0.01, p.allowedObp[s] * form);
    const double slg = std::max(avg, p.allowedSlg[s] * form);
    const double walkRate = std::clamp(0.85 * (obp - avg) / (1.0 - avg), 0.01, 0.3);

    t.outsPitched = outs;
    t.hits = binomial(rng.roundRandom(outs / (1.0 - avg)), avg, rng);
    t.walks = rng.roundRandom((outs + t.hits) * walkRate / (1.0 - walkRate));
    t.hitBatsmen = rng.roundRandom((outs + t.hits + t.walks) * 0.008);
    const HitMix mix = hitMix(avg, slg, 4.5);
    t.homeRuns = rng.roundRandom(t.hits * mix.homeRuns);
    t.triples = rng.roundRandom(t.hits * mix.triples);
    t.doubles = rng.roundRandom(t.hits * mix.doubles);
    limitExtraBaseHits(t.hits, t.doubles, t.triples, t.homeRuns);
    t.strikeouts = std::min(outs, rng.roundRandom(outs * 0.30 * (0.55 + 0.75 * p.stuff)));
    // Runs from the base runners allowed, as a simple run estimator would count them.
    t.runs = rng.roundRandom(0.30 * (t.hits - t.homeRuns) + 0.28 * (t.walks + t.hitBatsmen) + 1.40 * t.homeRuns);
    t.earnedRuns = std::min(t.runs, rng.roundRandom(t.runs * rng.uniform(0.86, 0.96)));
    t.stolenBases = rng.roundRandom((t.hits - t.homeRuns + t.walks) * 0.035);
    t.caughtStealing = rng.roundRandom(t.stolenBases * 0.4);
    t.wildPitches = rng.roundRandom(outs / 27.0 * 0.35);
    t.balks = rng.roundRandom(outs / 27.0 * 0.04);
    t.pitchCount = rng.roundRandom((outs + t.hits + t.walks + t.hitBatsmen) * 3.85);
    return t;
}

}  // namespace

std::array<BattingTotals, 2> battingSeason(
    const Profile& p, int plateAppearances, int games, double form, double pinchShare, Random& rng) {
    const double share = std::clamp(rng.normal(0.28, 0.03), 0.15, 0.4);
    const std::array<int, 2> pa = divide(plateAppearances, share, rng);
    std::array<int, 2> g = divide(games, share, rng);
    // A game counts in one split, and only where he came to the plate.
    g[0] = std::min(g[0], pa[0]);
    g[1] = std::min(games - g[0], pa[1]);
    if (pa[1] > 0 && g[1] == 0) {
        g[1] = 1;
    }
    std::array<BattingTotals, 2> result;
    for (int split = 0; split < 2; ++split) {
        if (pa[static_cast<std::size_t>(split)] == 0 && g[static_cast<std::size_t>(split)] == 0) {
            continue;
        }
        result[static_cast<std::size_t>(split)] =
            battingSplit(p, split, pa[static_cast<std::size_t>(split)], form, pinchShare, rng);
        result[static_cast<std::size_t>(split)].games = g[static_cast<std::size_t>(split)];
    }
    return result;
}

std::array<PitchingTotals, 2> pitchingSeason(const Profile& p, const PitchingUsage& usage, double form, Random& rng) {
    // Right-handers face left-handed batters a little less than half the time, left-handers less.
    const double share = p.throws == 1 ? 0.44 : 0.28;
    const std::array<int, 2> outs = divide(usage.outs, share, rng);
    std::array<PitchingTotals, 2> result = {pitchingSplit(p, 0, outs[0], form, rng),
                                            pitchingSplit(p, 1, outs[1], form, rng)};

    const double allowed = 0.5 * (p.allowedAvg[0] + p.allowedAvg[1]) * form;
    const double winShare = std::clamp(0.5 + (0.252 - allowed) * 6.0, 0.3, 0.7);
    for (int game = 0; game < usage.games; ++game) {
        PitchingTotals& t = result[rng.chance(share) ? 0 : 1];
        t.games += 1;
        const double u = rng.uniform();
        if (game < usage.starts) {
            t.gamesStarted += 1;
            // About two starts in three end with a decision for the starter.
            if (u < 0.66 * winShare) {
                t.wins += 1;
            } else if (u < 0.66) {
                t.losses += 1;
            }
            if (rng.chance(0.03)) {
                t.completeGames += 1;
                t.shutouts += rng.chance(0.25) ? 1 : 0;
            }
            t.qualityStarts += rng.chance(0.25 + winShare * 0.5) ? 1 : 0;
        } else if (p.role == role::Closer) {
            if (u < 0.55) {
                t.saves += 1;
            } else if (u < 0.62) {
                t.blownSaves += 1;
            } else if (u < 0.62 + 0.08 * winShare) {
                t.wins += 1;
            } else if (u < 0.70) {
                t.losses += 1;
            }
        } else {
            if (u < 0.12 * winShare) {
                t.wins += 1;
            } else if (u < 0.12) {
                t.losses += 1;
            } else if (u < 0.24) {
                t.holds += 1;
            } else if (u < 0.27) {
                t.blownSaves += 1;
            }
        }
    }
    return result;
}

FieldingTotals fieldingSeason(const Profile& p, int position, int games, int outs, Random& rng) {
    // Putouts, assists and double plays per nine innings at each position.
    struct Rates {
        double putouts, assists, doublePlays;
    };
    static constexpr Rates kRates[10] = {
        {0, 0, 0},
        {0.7, 1.4, 0.12},
        {7.2, 0.55, 0.08},
        {8.6, 0.65, 0.9},
        {2.0, 2.9, 0.7},
        {0.75, 1.9, 0.17},
        {1.55, 2.9, 0.65},
        {1.85, 0.05, 0.01},
        {2.6, 0.06, 0.02},
        {1.95, 0.07, 0.015},
    };
    FieldingTotals t;
    t.games = games;
    t.outsPlayed = outs;
    const Rates& r = kRates[position];
    const double nines = outs / 27.0;
    t.putouts = rng.roundRandom(r.putouts * nines * rng.uniform(0.9, 1.1));
    t.assists = rng.roundRandom(r.assists * nines * rng.uniform(0.9, 1.1));
    t.doublePlays = std::min(t.putouts + t.assists, rng.roundRandom(r.doublePlays * nines * rng.uniform(0.8, 1.2)));
    t.errors = rng.roundRandom((t.putouts + t.assists) * (1.0 - p.fieldingPct) / p.fieldingPct);
    if (position == pos::C) {
        t.stolenBasesAllowed = rng.roundRandom(nines * 0.7);
        t.caughtStealing = rng.roundRandom(nines * 0.22);
        t.passedBalls = rng.roundRandom(nines * 0.06);
    }
    return t;
}

}  // namespace zt::sample
