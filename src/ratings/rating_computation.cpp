#include "ratings/rating_computation.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>

#include "league/error.h"
#include "league/numbers.h"

namespace zt {

namespace {

bool finite(const Rates& rates) {
    return std::isfinite(rates.avg) && std::isfinite(rates.obp) && std::isfinite(rates.slg);
}

}  // namespace

Rates ComputeRates(
    float ab, float h, float doubles, float triples, float hr, float bb, const LeagueConstants& constants) {
    const double atBats = ab;
    const double hits = h;
    const double walks = bb;
    // A hit counts once; each extra base of a double, triple or home run is added to it.
    const double totalBases = hits + 2.0 * doubles + 3.0 * triples + 4.0 * hr - doubles - triples - hr;
    Rates rates;
    rates.avg = static_cast<float>(hits / atBats);
    rates.obp = static_cast<float>((hits + walks) * static_cast<double>(constants.obpa) / (atBats + walks));
    rates.slg = static_cast<float>(totalBases / atBats);
    return rates;
}

std::optional<HandFactor> HandFactors(int hand, const LeagueConstants& constants) {
    switch (hand) {
        case 0:
            return HandFactor{constants.lvsl, constants.lvsr};
        case 1:
            return HandFactor{constants.rvsl, constants.rvsr};
        default:
            return std::nullopt;
    }
}

float roundSplit(float rate, std::optional<float> factor) {
    const double scaled =
        factor ? static_cast<double>(rate) * static_cast<double>(*factor) * 1000.0 : static_cast<double>(rate) * 1000.0;
    return static_cast<float>(roundHalfEven(scaled) / 1000.0);
}

SplitValues splitValues(const Rates& rates, int hand, const LeagueConstants& constants) {
    const std::optional<HandFactor> factors = HandFactors(hand, constants);
    const std::optional<float> vsLeft = factors ? std::optional<float>(factors->vsLeft) : std::nullopt;
    const std::optional<float> vsRight = factors ? std::optional<float>(factors->vsRight) : std::nullopt;
    SplitValues values;
    values.avgVsL = roundSplit(rates.avg, vsLeft);
    values.avgVsR = roundSplit(rates.avg, vsRight);
    values.obpVsL = roundSplit(rates.obp, vsLeft);
    values.obpVsR = roundSplit(rates.obp, vsRight);
    values.slgVsL = roundSplit(rates.slg, vsLeft);
    values.slgVsR = roundSplit(rates.slg, vsRight);
    return values;
}

SplitValues splitValuesFromCounts(const PerformanceData& counts, int hand, const LeagueConstants& constants) {
    const auto ab = static_cast<float>(counts.atBats);
    if (ab == 0) {
        throw Error("At bats is 0: the averages cannot be computed.");
    }
    const Rates rates = ComputeRates(ab,
                                     static_cast<float>(counts.hits),
                                     static_cast<float>(counts.doubles),
                                     static_cast<float>(counts.triples),
                                     static_cast<float>(counts.homeRuns),
                                     static_cast<float>(counts.walks),
                                     constants);
    // Writing a rate that is not a number would spoil the player's ratings for the game.
    if (!finite(rates)) {
        throw Error("The averages cannot be computed from these numbers.");
    }
    return splitValues(rates, hand, constants);
}

void ComputeBatterSplits(PlayerRecord& player, const LeagueConstants& constants) {
    const float ab = player.get(pf::batAB);
    if (ab == 0) {
        return;
    }
    const Rates rates = ComputeRates(ab,
                                     player.get(pf::batHits),
                                     player.get(pf::batDoubles),
                                     player.get(pf::batTriples),
                                     player.get(pf::batHomeRuns),
                                     player.get(pf::batWalks),
                                     constants);
    // Counts that give no rate (no plate appearances, a corrupt count) leave the ratings as they were.
    if (!finite(rates)) {
        return;
    }
    const SplitValues values = splitValues(rates, player.get(pf::bats), constants);
    player.set(pf::avgVsL, values.avgVsL);
    player.set(pf::avgVsR, values.avgVsR);
    player.set(pf::obpVsL, values.obpVsL);
    player.set(pf::obpVsR, values.obpVsR);
    player.set(pf::slgVsL, values.slgVsL);
    player.set(pf::slgVsR, values.slgVsR);
}

void ComputePitcherSplits(PlayerRecord& player, const LeagueConstants& constants) {
    const float ab = player.get(pf::pitAB);
    if (ab == 0) {
        return;
    }
    const Rates rates = ComputeRates(ab,
                                     player.get(pf::pitHits),
                                     player.get(pf::pitDoubles),
                                     player.get(pf::pitTriples),
                                     player.get(pf::pitHomeRuns),
                                     player.get(pf::pitWalks),
                                     constants);
    if (!finite(rates)) {
        return;
    }
    DistributePitchSplits(player, splitValues(rates, player.get(pf::throws), constants));
}

namespace {

// The six split values of a pitch slot in the order of DistributePitchSplits' arguments.
constexpr std::array<std::size_t, 6> kValueOffsets = {
    ps::avgVsL.offset, ps::avgVsR.offset, ps::obpVsL.offset, ps::obpVsR.offset, ps::slgVsL.offset, ps::slgVsR.offset};

void writeSlot(PlayerRecord& player, int slot, const std::array<float, 6>& values) {
    PitchSlot pitch = player.pitch(slot);
    for (std::size_t i = 0; i < kValueOffsets.size(); ++i) {
        pitch.setAt<float>(kValueOffsets[i], values[i]);
    }
    player.setPitch(slot, pitch);
}

template <class F>
std::array<float, 6> each(const std::array<float, 6>& values, F f) {
    std::array<float, 6> out{};
    for (std::size_t i = 0; i < values.size(); ++i) {
        out[i] = f(values[i]);
    }
    return out;
}

}  // namespace

void DistributePitchSplits(
    PlayerRecord& player, float avgVsL, float avgVsR, float obpVsL, float obpVsR, float slgVsL, float slgVsR) {
    const int n = player.get(pf::pitchCount);
    const std::array<float, 6> inputs{avgVsL, avgVsR, obpVsL, obpVsR, slgVsL, slgVsR};
    if (n == 0 || n > pf::kPitchSlots) {
        return;
    }
    if (n == 1) {
        writeSlot(player, 0, inputs);
        return;
    }
    if (n == 2) {
        const double d = (static_cast<double>(player.pitch(0).get(ps::quality)) - 0.5) * 0.0875;
        writeSlot(player, 0, each(inputs, [d](float v) { return static_cast<float>(v - d); }));
        writeSlot(player, 1, each(inputs, [d](float v) { return static_cast<float>(v + d); }));
        return;
    }
    // The k-th best quality sets slot k's share, while slot k's own quality weighs it in the
    // divisor; the quality-weighted sum of the slots thus equals the input.
    std::array<double, 6> quality{};
    for (int k = 0; k < n; ++k) {
        quality[static_cast<std::size_t>(k)] = player.pitch(k).get(ps::quality);
        // A corrupt quality cannot be ordered or weighed: the slots stay as they are.
        if (!std::isfinite(quality[static_cast<std::size_t>(k)])) {
            return;
        }
    }
    std::array<double, 6> sorted = quality;
    std::sort(sorted.begin(), sorted.begin() + n, std::greater<>());
    const auto last = static_cast<std::size_t>(n - 1);
    double divisor = quality[last];
    for (std::size_t k = 0; k < last; ++k) {
        divisor += (1.0 - sorted[k] + sorted[last]) * quality[k];
    }
    if (divisor == 0) {
        return;
    }
    std::array<std::array<float, 6>, 6> slots{};
    for (std::size_t i = 0; i < inputs.size(); ++i) {
        const auto x = static_cast<float>(inputs[i] / divisor);
        if (!std::isfinite(x)) {
            return;
        }
        for (std::size_t k = 0; k < last; ++k) {
            slots[k][i] = static_cast<float>(x - x * (sorted[k] - sorted[last]));
        }
        slots[last][i] = x;
    }
    for (int k = 0; k < n; ++k) {
        writeSlot(player, k, slots[static_cast<std::size_t>(k)]);
    }
}

void DistributePitchSplits(PlayerRecord& player, const SplitValues& values) {
    DistributePitchSplits(
        player, values.avgVsL, values.avgVsR, values.obpVsL, values.obpVsR, values.slgVsL, values.slgVsR);
}

}  // namespace zt
