#include "ratings/calculator_input.h"

#include "league/error.h"
#include "league/numbers.h"

namespace zt {

PerformanceData performanceDataFromTexts(std::span<const std::string> boxes) {
    if (boxes.size() < 6) {
        throw Error("The performance data needs six boxes.");
    }
    PerformanceData data;
    data.atBats = parseFloat(boxes[0]);
    data.hits = parseFloat(boxes[1]);
    data.doubles = parseFloat(boxes[2]);
    data.triples = parseFloat(boxes[3]);
    data.homeRuns = parseFloat(boxes[4]);
    data.walks = parseFloat(boxes[5]);
    return data;
}

PitchSlots pitchSlots(const PlayerRecord& player) {
    PitchSlots slots;
    for (int k = 0; k < pf::kPitchSlots; ++k) {
        slots[static_cast<std::size_t>(k)] = player.pitch(k);
    }
    return slots;
}

void setPitchSlots(PlayerRecord& player, const PitchSlots& slots) {
    for (int k = 0; k < pf::kPitchSlots; ++k) {
        player.setPitch(k, slots[static_cast<std::size_t>(k)]);
    }
}

}  // namespace zt
