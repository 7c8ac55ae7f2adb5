#include "sample/player_factory.h"

#include <algorithm>
#include <span>

#include "sample/name_lists.h"

namespace zt::sample {

namespace {

struct CalibreTraits {
    double ageMean, ageDeviation;
    int ageMin, ageMax;
    double averageMean;  // hitters' batting average
    double qualityMean;  // pitchers' pitch quality
};

constexpr CalibreTraits kTraits[] = {
    {29.0, 3.6, 22, 40, 0.253, 0.64},  // major league
    {26.0, 2.8, 21, 36, 0.254, 0.58},  // AAA
    {23.5, 2.0, 20, 31, 0.249, 0.54},  // AA
    {21.0, 1.5, 19, 26, 0.244, 0.50},  // A
    {29.0, 4.0, 22, 38, 0.250, 0.55},  // free agents
};

const CalibreTraits& traitsOf(Calibre calibre) {
    return kTraits[static_cast<int>(calibre)];
}

double clampTo(double x, double low, double high) {
    return std::clamp(x, low, high);
}

// A second position that a player of that primary position is likely to manage.
int secondPositionFor(int position, Random& rng) {
    static constexpr int kChoices[11][3] = {
        {0, 0, 0},
        {pos::P, pos::P, pos::P},
        {pos::B1, pos::B3, pos::C},
        {pos::LF, pos::RF, pos::B3},
        {pos::SS, pos::B3, pos::B2},
        {pos::B1, pos::SS, pos::B2},
        {pos::B2, pos::B3, pos::B2},
        {pos::RF, pos::B1, pos::CF},
        {pos::LF, pos::RF, pos::LF},
        {pos::LF, pos::B1, pos::CF},
        {pos::B1, pos::LF, pos::RF},
    };
    return kChoices[position][rng.below(3)];
}

void makeBody(Profile& p, Random& rng) {
    p.height = static_cast<int>(clampTo(rng.normal(p.pitcher ? 74.5 : 73.0, 2.0), 67, 80) + 0.5);
    p.weight = static_cast<int>(clampTo(rng.normal(200.0 + (p.height - 73) * 6.0, 14.0), 160, 265) + 0.5);
    p.complexion = rng.between(1, 3);
    p.facialHair = rng.chance(0.3) ? rng.between(1, 3) : 0;
    p.faceNumber = rng.between(0, 39);
    p.peakShift = rng.between(-2, 2);
    p.waggle = rng.between(0, 3);
    p.wave = rng.between(0, 3);
    p.stride = rng.between(0, 3);
    p.batColor = rng.between(0, 3);
    p.stance = rng.between(0, 21);
}

void makeHandedness(Profile& p, Random& rng) {
    if (p.pitcher) {
        p.throws = rng.chance(0.72) ? 1 : 0;
        p.bats = rng.chance(0.06) ? 2 : p.throws;
        return;
    }
    // Catchers and infielders other than the first baseman throw right-handed.
    const bool mustThrowRight = p.position == pos::C || (p.position >= pos::B2 && p.position <= pos::SS);
    p.throws = mustThrowRight || rng.chance(0.82) ? 1 : 0;
    const double u = rng.uniform();
    p.bats = u < 0.1 ? 2 : (u < 0.42 || p.throws == 0 ? 0 : 1);
}

// Batting ratings with the usual platoon split: better against pitchers of the other hand.
void makeBatting(Profile& p, double averageMean, Random& rng) {
    if (p.pitcher) {
        const double avg = rng.uniform(0.120, 0.180);
        const double walk = rng.uniform(0.02, 0.05);
        const double power = rng.uniform(0.03, 0.07);
        for (int hand = 0; hand < 2; ++hand) {
            const double a = avg + rng.uniform(-0.008, 0.008);
            p.avg[hand] = a;
            p.obp[hand] = a + walk;
            p.slg[hand] = a + power;
        }
        p.groundBall = rng.uniform(0.45, 0.60);
    } else {
        static constexpr double kPowerByPosition[11] = {
            0, 0, -0.01, 0.04, -0.03, 0.015, -0.035, 0.02, -0.01, 0.02, 0.05};
        const double base = clampTo(rng.normal(averageMean, 0.018), 0.205, 0.325);
        const double walk = rng.uniform(0.05, 0.10);
        const double power = clampTo(rng.normal(0.15 + kPowerByPosition[p.position], 0.04), 0.08, 0.28);
        Pair shift{};
        if (p.bats == 1) {
            shift = {rng.uniform(0.0, 0.015), -rng.uniform(0.0, 0.008)};
        } else if (p.bats == 0) {
            shift = {-rng.uniform(0.005, 0.025), rng.uniform(0.0, 0.010)};
        } else {
            shift = {rng.uniform(-0.006, 0.006), rng.uniform(-0.006, 0.006)};
        }
        for (int hand = 0; hand < 2; ++hand) {
            const double a = clampTo(base + shift[hand], 0.200, 0.330);
            p.avg[hand] = a;
            p.obp[hand] = a + clampTo(walk + rng.uniform(-0.004, 0.004), 0.05, 0.10);
            p.slg[hand] = a + clampTo(power + shift[hand] * 1.5, 0.08, 0.28);
        }
        p.groundBall = rng.uniform(0.30, 0.55);
    }
    p.pull = rng.uniform(0.30, 0.48);
    p.opposite = rng.uniform(0.18, 0.30);
    p.middle = 1.0 - p.pull - p.opposite;
}

void makeFielding(Profile& p, Random& rng) {
    const int position = p.position;
    const bool outfielder = position >= pos::LF && position <= pos::RF;
    const bool infielder = position >= pos::B1 && position <= pos::SS;
    static constexpr double kSpeedByPosition[11] = {0, 3.5, 3.5, 4.0, 5.5, 4.5, 6.5, 5.5, 7.0, 5.5, 4.0};
    static constexpr double kArmByPosition[11] = {0, 7.0, 7.0, 4.5, 5.5, 7.0, 7.0, 5.0, 6.5, 7.5, 4.0};
    static constexpr double kFieldingByPosition[11] = {
        0, 0.975, 0.989, 0.991, 0.982, 0.962, 0.970, 0.982, 0.986, 0.982, 0.975};
    p.speed = clampTo(rng.normal(kSpeedByPosition[position], 1.5), 1.0, 10.0);
    p.arm = clampTo(rng.normal(kArmByPosition[position], 1.3), 1.0, 10.0);
    p.outfieldRange = clampTo(rng.normal(outfielder ? 7.0 : 3.5, 1.2), 0.0, 10.0);
    p.infieldRange =
        clampTo(rng.normal(infielder ? 7.0 : (position == pos::C || p.pitcher ? 4.5 : 3.5), 1.2), 0.0, 10.0);
    p.fieldingPct = clampTo(rng.normal(kFieldingByPosition[position], 0.006), 0.950, 0.995);
    p.endurance = p.pitcher ? 0.0 : clampTo(rng.normal(7.0, 1.0), 4.0, 10.0);

    // Familiarity: at home at his own position, fair at the second one, a stranger elsewhere.
    for (int i = 0; i < 9; ++i) {
        p.familiarity[static_cast<std::size_t>(i)] = rng.chance(0.25) ? rng.uniform(0.0, 0.3) : 0.0;
    }
    if (position <= pos::RF) {
        p.familiarity[static_cast<std::size_t>(position - 1)] = rng.uniform(0.9, 1.0);
    }
    if (p.secondPosition != position && p.secondPosition <= pos::RF) {
        p.familiarity[static_cast<std::size_t>(p.secondPosition - 1)] = rng.uniform(0.5, 0.8);
    }
}

// Pitches 1 Fastball .. 9 Screwball; a fastball for nearly everybody, then a few others.
void makeRepertoire(Profile& p, double qualityMean, Random& rng) {
    const int count = p.role == role::Starter ? rng.between(3, 5) : rng.between(2, 4);
    std::vector<int> types = {2, 3, 4, 5, 6, 7, 8, 9};
    rng.shuffle(types);
    // Knuckleballs are rare; move them to the back so few pitchers get one.
    std::stable_partition(types.begin(), types.end(), [](int t) { return t != 5; });
    std::vector<int> chosen;
    if (rng.chance(0.97)) {
        chosen.push_back(1);
    }
    for (const int type : types) {
        if (static_cast<int>(chosen.size()) >= count) {
            break;
        }
        chosen.push_back(type);
    }
    const double talent = clampTo(rng.normal(qualityMean, 0.07), 0.35, 0.85);
    const bool rightHanded = p.throws == 1;
    double weight = 0;
    p.allowedAvg = {};
    p.allowedObp = {};
    p.allowedSlg = {};
    for (const int type : chosen) {
        PitchRating pitch;
        pitch.type = type;
        pitch.quality = clampTo(talent + rng.normal(0.0, 0.06), 0.3, 0.9);
        const double base = 0.255 - (pitch.quality - 0.6) * 0.10 + rng.normal(0.0, 0.006);
        const double walk = rng.uniform(0.055, 0.085);
        const double power = rng.uniform(0.12, 0.19) - (pitch.quality - 0.6) * 0.05;
        for (int hand = 0; hand < 2; ++hand) {
            // Batters see a pitcher of their own hand worse.
            const bool sameHand = (hand == 1) == rightHanded;
            const double a = clampTo(base + (sameHand ? -0.008 : 0.008), 0.220, 0.290);
            pitch.avg[hand] = a;
            pitch.obp[hand] = a + walk;
            pitch.slg[hand] = a + power;
            p.allowedAvg[hand] += pitch.quality * pitch.avg[hand];
            p.allowedObp[hand] += pitch.quality * pitch.obp[hand];
            p.allowedSlg[hand] += pitch.quality * pitch.slg[hand];
        }
        weight += pitch.quality;
        p.pitches.push_back(pitch);
    }
    for (int hand = 0; hand < 2; ++hand) {
        p.allowedAvg[hand] /= weight;
        p.allowedObp[hand] /= weight;
        p.allowedSlg[hand] /= weight;
    }
    p.stuff = weight / static_cast<double>(chosen.size());
    p.pitchGroundBall = rng.uniform(0.35, 0.60);
    p.endurance = p.role == role::Starter ? rng.uniform(6.5, 9.5) : rng.uniform(2.5, 5.0);
    p.delivery = rng.chance(0.8) ? rng.between(0, 2) : rng.between(3, 8);
    p.fromStretch = rng.chance(p.role == role::Starter ? 0.2 : 0.5) ? -1 : 0;
}

// Last season's numbers consistent with the ratings: a .300 hitter has about 3 hits in 10 AB.
void makeRecords(Profile& p, Random& rng) {
    const int atBats = p.pitcher ? rng.between(0, 70) : rng.between(180, 620);
    const double avg = 0.3 * p.avg[0] + 0.7 * p.avg[1];
    const double iso = 0.3 * (p.slg[0] - p.avg[0]) + 0.7 * (p.slg[1] - p.avg[1]);
    const double walkRate = 0.3 * (p.obp[0] - p.avg[0]) + 0.7 * (p.obp[1] - p.avg[1]);
    const int hits = std::min(atBats, rng.roundRandom(atBats * avg));
    const int homeRuns = std::min(hits, rng.roundRandom(hits * iso / avg * 0.18));
    const int triples = std::min(hits - homeRuns, rng.roundRandom(hits * 0.02 * p.speed / 5.0));
    const int doubles = std::min(hits - homeRuns - triples, rng.roundRandom(hits * iso / avg * 0.40));
    const int walks = rng.roundRandom(atBats * walkRate / (1.0 - walkRate));
    const int strikeouts = std::min(atBats - hits, rng.roundRandom(atBats * (p.pitcher ? 0.35 : 0.15 + iso * 0.5)));
    p.battingRecord = {atBats, hits, doubles, triples, homeRuns, walks, strikeouts};

    if (p.pitcher) {
        const int faced = p.role == role::Starter ? rng.between(450, 800) : rng.between(150, 330);
        const double allowed = 0.42 * p.allowedAvg[0] + 0.58 * p.allowedAvg[1];
        const double allowedIso =
            0.42 * (p.allowedSlg[0] - p.allowedAvg[0]) + 0.58 * (p.allowedSlg[1] - p.allowedAvg[1]);
        const int pHits = std::min(faced, rng.roundRandom(faced * allowed));
        const int pHomeRuns = std::min(pHits, rng.roundRandom(pHits * allowedIso / allowed * 0.18));
        const int pTriples = std::min(pHits - pHomeRuns, rng.roundRandom(pHits * 0.02));
        const int pDoubles =
            std::min(pHits - pHomeRuns - pTriples, rng.roundRandom(pHits * allowedIso / allowed * 0.40));
        const int pWalks = rng.roundRandom(faced * 0.085);
        const int pStrikeouts = std::min(faced - pHits, rng.roundRandom(faced * (0.12 + p.stuff * 0.18)));
        p.pitchingRecord = {faced, pHits, pDoubles, pTriples, pHomeRuns, pWalks, pStrikeouts};
    }
}

}  // namespace

Profile makePlayer(const PlayerRequest& request, Random& rng) {
    const CalibreTraits& traits = traitsOf(request.calibre);
    Profile p;
    p.pitcher = request.pitcher;
    p.position = request.pitcher ? pos::P : request.position;
    p.secondPosition = request.pitcher ? pos::P : secondPositionFor(p.position, rng);
    p.role = request.role;
    p.firstName = std::string(rng.pick(firstNames()));
    p.lastName = std::string(rng.pick(lastNames()));
    p.age =
        static_cast<int>(clampTo(rng.normal(traits.ageMean, traits.ageDeviation), traits.ageMin, traits.ageMax) + 0.5);

    makeBody(p, rng);
    makeHandedness(p, rng);
    makeBatting(p, traits.averageMean, rng);
    makeFielding(p, rng);
    if (p.pitcher) {
        makeRepertoire(p, traits.qualityMean, rng);
        p.arm = clampTo(rng.normal(6.5, 1.2), 1.0, 10.0);
        p.speed = clampTo(rng.normal(3.5, 1.0), 1.0, 10.0);
    }
    p.fatigue = rng.uniform(0.0, 0.3);
    makeRecords(p, rng);

    const double strength = p.pitcher ? (p.stuff - 0.3) / 0.12 : (0.3 * p.ops(0) + 0.7 * p.ops(1) - 0.55) / 0.07;
    p.starRating = static_cast<float>(static_cast<int>(clampTo(strength, 0.5, 5.0) * 2.0 + 0.5)) / 2.0;
    p.prospectRating = p.age < 25 ? rng.between(2, 10) / 2.0 : 0.0;
    return p;
}

}  // namespace zt::sample
