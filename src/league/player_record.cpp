#include "league/player_record.h"

#include <algorithm>
#include <stdexcept>

namespace zt {

namespace {

std::size_t pitchOffset(int slot) {
    if (slot < 0 || slot >= pf::kPitchSlots) {
        throw std::out_of_range("pitch slot out of range");
    }
    return pf::kPitchesOffset + static_cast<std::size_t>(slot) * PitchSlot::kSize;
}

std::size_t familiarityOffset(int index) {
    if (index < 0 || index >= pf::kFamiliarityCount) {
        throw std::out_of_range("familiarity index out of range");
    }
    return pf::kFamiliarityOffset + static_cast<std::size_t>(index) * sizeof(float);
}

}  // namespace

PitchSlot PlayerRecord::pitch(int slot) const {
    PitchSlot result;
    const auto begin = m_bytes.begin() + static_cast<std::ptrdiff_t>(pitchOffset(slot));
    std::copy_n(begin, PitchSlot::kSize, result.bytes().begin());
    return result;
}

void PlayerRecord::setPitch(int slot, const PitchSlot& pitch) {
    std::copy_n(
        pitch.bytes().begin(), PitchSlot::kSize, m_bytes.begin() + static_cast<std::ptrdiff_t>(pitchOffset(slot)));
}

float PlayerRecord::familiarity(int index) const {
    return getAt<float>(familiarityOffset(index));
}

void PlayerRecord::setFamiliarity(int index, float value) {
    setAt<float>(familiarityOffset(index), value);
}

}  // namespace zt
