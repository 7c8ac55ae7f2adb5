#include "sample/player_record_writer.h"

namespace zt::sample {

namespace {

float f(double x) {
    return static_cast<float>(x);
}

std::uint8_t u8(int x) {
    return static_cast<std::uint8_t>(x);
}

}  // namespace

PlayerRecord makePlayerRecord(const Profile& p, Random& filler) {
    PlayerRecord r;
    filler.fill(r.bytes());

    r.set(pf::lastName, p.lastName);
    r.set(pf::firstName, p.firstName);
    r.set(pf::playerId, p.id);
    r.set(pf::photoIndex, static_cast<std::int16_t>(p.photoIndex));
    r.set(pf::teamIndex, u8(p.team));
    r.set(pf::uniformNumber, u8(p.uniformNumber));
    r.set(pf::age, u8(p.age));
    r.set(pf::starRating, f(p.starRating));
    r.set(pf::prospectRating, f(p.prospectRating));
    r.set(pf::peakShift, static_cast<std::int8_t>(p.peakShift));
    r.set(pf::complexion, u8(p.complexion));
    r.set(pf::facialHair, u8(p.facialHair));
    r.set(pf::height, u8(p.height));
    r.set(pf::weight, static_cast<std::uint16_t>(p.weight));
    r.set(pf::daysOut, static_cast<std::uint16_t>(p.daysOut));
    r.set(pf::level, u8(p.level));
    r.set(pf::fatigue, f(p.fatigue));
    r.set(pf::role, u8(p.role));
    r.set(pf::position, u8(p.position));
    r.set(pf::secondPosition, u8(p.secondPosition));
    r.set(pf::throws, u8(p.throws));
    r.set(pf::bats, u8(p.bats));
    r.set(pf::battingStance, u8(p.stance));
    r.set(pf::waggleType, u8(p.waggle));
    r.set(pf::waveType, u8(p.wave));
    r.set(pf::strideType, u8(p.stride));
    r.set(pf::batColor, u8(p.batColor));
    r.set(pf::armRating, f(p.arm));
    r.set(pf::runSpeed, f(p.speed));
    r.set(pf::batGroundBallPct, f(p.groundBall));
    r.set(pf::pullPct, f(p.pull));
    r.set(pf::middlePct, f(p.middle));
    r.set(pf::oppFieldPct, f(p.opposite));
    r.set(pf::avgVsL, f(p.avg[0]));
    r.set(pf::avgVsR, f(p.avg[1]));
    r.set(pf::obpVsL, f(p.obp[0]));
    r.set(pf::obpVsR, f(p.obp[1]));
    r.set(pf::slgVsL, f(p.slg[0]));
    r.set(pf::slgVsR, f(p.slg[1]));

    const auto& b = p.battingRecord;
    r.set(pf::batAB, f(b[0]));
    r.set(pf::batHits, f(b[1]));
    r.set(pf::batDoubles, f(b[2]));
    r.set(pf::batTriples, f(b[3]));
    r.set(pf::batHomeRuns, f(b[4]));
    r.set(pf::batWalks, f(b[5]));
    r.set(pf::batStrikeouts, f(b[6]));

    r.set(pf::pitGroundBallPct, f(p.pitchGroundBall));
    r.set(pf::endurance, f(p.endurance));
    const auto& q = p.pitchingRecord;
    r.set(pf::pitAB, f(q[0]));
    r.set(pf::pitHits, f(q[1]));
    r.set(pf::pitDoubles, f(q[2]));
    r.set(pf::pitTriples, f(q[3]));
    r.set(pf::pitHomeRuns, f(q[4]));
    r.set(pf::pitWalks, f(q[5]));
    r.set(pf::pitStrikeouts, f(q[6]));

    r.set(pf::pitchCount, u8(static_cast<int>(p.pitches.size())));
    for (int slot = 0; slot < pf::kPitchSlots; ++slot) {
        PitchSlot s;  // unused slots are all zero: type 0, "No pitch"
        if (static_cast<std::size_t>(slot) < p.pitches.size()) {
            const PitchRating& pitch = p.pitches[static_cast<std::size_t>(slot)];
            s.set(ps::pitchType, pitch.type);
            s.set(ps::quality, f(pitch.quality));
            s.set(ps::avgVsL, f(pitch.avg[0]));
            s.set(ps::avgVsR, f(pitch.avg[1]));
            s.set(ps::obpVsL, f(pitch.obp[0]));
            s.set(ps::obpVsR, f(pitch.obp[1]));
            s.set(ps::slgVsL, f(pitch.slg[0]));
            s.set(ps::slgVsR, f(pitch.slg[1]));
        }
        r.setPitch(slot, s);
    }

    r.set(pf::delivery, u8(p.delivery));
    r.set(pf::fromStretch, p.fromStretch);
    r.set(pf::outfieldRange, f(p.outfieldRange));
    r.set(pf::infieldRange, f(p.infieldRange));
    r.set(pf::fieldingPct, f(p.fieldingPct));
    for (int i = 0; i < pf::kFamiliarityCount; ++i) {
        r.setFamiliarity(i, f(p.familiarity[static_cast<std::size_t>(i)]));
    }
    r.set(pf::suspensionDays, std::uint16_t{0});
    r.set(pf::faceNumber, static_cast<std::uint16_t>(p.faceNumber));
    return r;
}

}  // namespace zt::sample
