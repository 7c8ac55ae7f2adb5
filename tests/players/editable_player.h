#pragma once

#include "league/player_record.h"
#include "support/league_builder.h"

namespace zt::test {

inline PitchSlot makeSlot(
    int type, float quality, float avgL, float avgR, float obpL, float obpR, float slgL, float slgR) {
    PitchSlot slot;
    slot.set(ps::pitchType, type);
    slot.set(ps::quality, quality);
    slot.set(ps::avgVsL, avgL);
    slot.set(ps::avgVsR, avgR);
    slot.set(ps::obpVsL, obpL);
    slot.set(ps::obpVsR, obpR);
    slot.set(ps::slgVsL, slgL);
    slot.set(ps::slgVsR, slgR);
    return slot;
}

// A player whose every editable field holds a value that its box shows exactly, so that
// applying the boxes unchanged gives back the same bytes. The bytes the editor does not know
// keep the builder's pattern.
inline PlayerRecord makeEditablePlayer() {
    PlayerRecord p = test::makePlayer(321, "Carver", "Cal", 1, 7);
    p.set(pf::photoIndex, std::int16_t{-1});
    p.set(pf::uniformNumber, std::uint8_t{24});
    p.set(pf::age, std::uint8_t{29});
    p.set(pf::starRating, 3.5f);
    p.set(pf::prospectRating, 2.25f);
    p.set(pf::peakShift, std::int8_t{-2});
    p.set(pf::complexion, std::uint8_t{2});
    p.set(pf::facialHair, std::uint8_t{0});
    p.set(pf::height, std::uint8_t{73});
    p.set(pf::weight, std::uint16_t{205});
    p.set(pf::daysOut, std::uint16_t{0});
    p.set(pf::level, std::uint8_t{1});
    p.set(pf::fatigue, 0.25f);
    p.set(pf::role, std::uint8_t{1});
    p.set(pf::position, std::uint8_t{1});
    p.set(pf::secondPosition, std::uint8_t{7});
    p.set(pf::throws, std::uint8_t{1});
    p.set(pf::bats, std::uint8_t{2});
    p.set(pf::battingStance, std::uint8_t{5});
    p.set(pf::waggleType, std::uint8_t{3});
    p.set(pf::waveType, std::uint8_t{4});
    p.set(pf::strideType, std::uint8_t{2});
    p.set(pf::batColor, std::uint8_t{1});
    p.set(pf::armRating, 6.5f);
    p.set(pf::runSpeed, 4.75f);
    p.set(pf::batGroundBallPct, 0.45f);
    p.set(pf::pullPct, 0.4f);
    p.set(pf::middlePct, 0.35f);
    p.set(pf::oppFieldPct, 0.25f);
    p.set(pf::avgVsL, 0.281f);
    p.set(pf::avgVsR, 0.275f);
    p.set(pf::obpVsL, 0.35f);
    p.set(pf::obpVsR, 0.342f);
    p.set(pf::slgVsL, 0.45f);
    p.set(pf::slgVsR, 0.438f);
    p.set(pf::batAB, 520.0f);
    p.set(pf::batHits, 146.0f);
    p.set(pf::batDoubles, 30.0f);
    p.set(pf::batTriples, 3.0f);
    p.set(pf::batHomeRuns, 18.0f);
    p.set(pf::batWalks, 55.0f);
    p.set(pf::batStrikeouts, 90.0f);
    p.set(pf::pitGroundBallPct, 0.5f);
    p.set(pf::endurance, 7.5f);
    p.set(pf::pitAB, 700.0f);
    p.set(pf::pitHits, 180.0f);
    p.set(pf::pitDoubles, 35.0f);
    p.set(pf::pitTriples, 4.0f);
    p.set(pf::pitHomeRuns, 20.0f);
    p.set(pf::pitWalks, 60.0f);
    p.set(pf::pitStrikeouts, 150.0f);
    p.set(pf::pitchCount, std::uint8_t{3});
    p.setPitch(0, makeSlot(1, 0.8f, 0.25f, 0.24f, 0.31f, 0.3f, 0.4f, 0.39f));
    p.setPitch(1, makeSlot(2, 0.6f, 0.26f, 0.255f, 0.32f, 0.315f, 0.41f, 0.405f));
    p.setPitch(2, makeSlot(4, 0.5f, 0.27f, 0.265f, 0.33f, 0.325f, 0.42f, 0.415f));
    for (int k = 3; k < pf::kPitchSlots; ++k) {
        p.setPitch(k, PitchSlot{});
    }
    p.set(pf::delivery, std::uint8_t{1});
    p.set(pf::fromStretch, std::int32_t{0});
    p.set(pf::outfieldRange, 6.25f);
    p.set(pf::infieldRange, 5.5f);
    p.set(pf::fieldingPct, 0.975f);
    for (int i = 0; i < pf::kFamiliarityCount; ++i) {
        p.setFamiliarity(i, static_cast<float>(i) / 10.0f);
    }
    p.set(pf::suspensionDays, std::uint16_t{0});
    p.set(pf::faceNumber, std::uint16_t{12});
    return p;
}

}  // namespace zt::test
