#pragma once

#include <cstdint>

#include "league/byte_record.h"

namespace zt {

// One pitch of a pitcher's repertoire (32 bytes inside the player record).
class PitchSlot : public ByteRecord<32> {};

namespace ps {
inline constexpr NumField<std::int32_t, 0> pitchType;
inline constexpr NumField<float, 4> quality;
inline constexpr NumField<float, 8> avgVsL;
inline constexpr NumField<float, 12> avgVsR;
inline constexpr NumField<float, 16> obpVsL;
inline constexpr NumField<float, 20> obpVsR;
inline constexpr NumField<float, 24> slgVsL;
inline constexpr NumField<float, 28> slgVsR;
}  // namespace ps

// The named fields of the 768-byte player record of players.zt. Bytes between them are not
// interpreted and are carried through unchanged.
namespace pf {
inline constexpr TextField<0, 16> lastName;
inline constexpr TextField<16, 16> firstName;
inline constexpr NumField<std::uint16_t, 34> playerId;
inline constexpr NumField<std::int16_t, 36> photoIndex;
inline constexpr NumField<std::uint8_t, 38> teamIndex;
inline constexpr NumField<std::uint8_t, 39> uniformNumber;
inline constexpr NumField<std::uint8_t, 40> age;
inline constexpr NumField<float, 44> starRating;
inline constexpr NumField<float, 48> prospectRating;
inline constexpr NumField<std::int8_t, 56> peakShift;
inline constexpr NumField<std::uint8_t, 57> complexion;
inline constexpr NumField<std::uint8_t, 58> facialHair;
inline constexpr NumField<std::uint8_t, 59> height;
inline constexpr NumField<std::uint16_t, 60> weight;
inline constexpr NumField<std::uint16_t, 64> daysOut;
inline constexpr NumField<std::uint8_t, 77> level;
inline constexpr NumField<float, 80> fatigue;
inline constexpr NumField<std::uint8_t, 85> role;
inline constexpr NumField<std::uint8_t, 86> position;
inline constexpr NumField<std::uint8_t, 87> secondPosition;
inline constexpr NumField<std::uint8_t, 88> throws;
inline constexpr NumField<std::uint8_t, 89> bats;
inline constexpr NumField<std::uint8_t, 90> battingStance;
inline constexpr NumField<std::uint8_t, 91> waggleType;
inline constexpr NumField<std::uint8_t, 92> waveType;
inline constexpr NumField<std::uint8_t, 93> strideType;
inline constexpr NumField<std::uint8_t, 94> batColor;
inline constexpr NumField<float, 96> armRating;
inline constexpr NumField<float, 100> runSpeed;
inline constexpr NumField<float, 236> batGroundBallPct;
inline constexpr NumField<float, 240> pullPct;
inline constexpr NumField<float, 244> middlePct;
inline constexpr NumField<float, 248> oppFieldPct;
inline constexpr NumField<float, 252> avgVsL;
inline constexpr NumField<float, 256> avgVsR;
inline constexpr NumField<float, 260> obpVsL;
inline constexpr NumField<float, 264> obpVsR;
inline constexpr NumField<float, 268> slgVsL;
inline constexpr NumField<float, 272> slgVsR;
inline constexpr NumField<float, 280> batAB;
inline constexpr NumField<float, 284> batHits;
inline constexpr NumField<float, 288> batDoubles;
inline constexpr NumField<float, 292> batTriples;
inline constexpr NumField<float, 296> batHomeRuns;
inline constexpr NumField<float, 300> batWalks;
inline constexpr NumField<float, 304> batStrikeouts;
inline constexpr NumField<float, 372> pitGroundBallPct;
inline constexpr NumField<float, 376> endurance;
inline constexpr NumField<float, 404> pitAB;
inline constexpr NumField<float, 408> pitHits;
inline constexpr NumField<float, 412> pitDoubles;
inline constexpr NumField<float, 416> pitTriples;
inline constexpr NumField<float, 420> pitHomeRuns;
inline constexpr NumField<float, 424> pitWalks;
inline constexpr NumField<float, 428> pitStrikeouts;
inline constexpr NumField<std::uint8_t, 480> pitchCount;
inline constexpr NumField<std::uint8_t, 676> delivery;
inline constexpr NumField<std::int32_t, 688> fromStretch;
inline constexpr NumField<float, 692> outfieldRange;
inline constexpr NumField<float, 696> infieldRange;
inline constexpr NumField<float, 700> fieldingPct;
inline constexpr NumField<std::uint16_t, 760> suspensionDays;
inline constexpr NumField<std::uint16_t, 766> faceNumber;

inline constexpr ArrayField<PitchSlot, 484, 6> pitches;
// Familiarity with P, C, 1B, 2B, 3B, SS, LF, CF, RF in that order.
inline constexpr ArrayField<float, 704, 9> familiarity;

inline constexpr int kPitchSlots = pitches.count;
inline constexpr int kFamiliarityCount = familiarity.count;
}  // namespace pf

class PlayerRecord : public ByteRecord<768> {
public:
    PitchSlot pitch(int slot) const { return get(pf::pitches[slot]); }
    void setPitch(int slot, const PitchSlot& pitch) { set(pf::pitches[slot], pitch); }

    float familiarity(int index) const { return get(pf::familiarity[index]); }
    void setFamiliarity(int index, float value) { set(pf::familiarity[index], value); }

    // Shorthands for the fields nearly every command reads.
    std::uint16_t playerId() const { return get(pf::playerId); }
    std::uint8_t teamIndex() const { return get(pf::teamIndex); }
    std::uint8_t level() const { return get(pf::level); }
};

static_assert(pf::pitches.offset + pf::pitches.size <= PlayerRecord::kSize);
static_assert(pf::familiarity.offset + pf::familiarity.size <= PlayerRecord::kSize);

}  // namespace zt
