#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace zt::sample {

// Field positions as the league files number them.
namespace pos {
inline constexpr int P = 1, C = 2, B1 = 3, B2 = 4, B3 = 5, SS = 6, LF = 7, CF = 8, RF = 9, DH = 10;
}

// Roles of the player record.
namespace role {
inline constexpr int Starter = 1, Bench = 2, Relief = 3, Closer = 4;
}

// Index 0: against (or of) left-handers, 1: right-handers.
using Pair = std::array<double, 2>;

struct PitchRating {
    int type = 0;  // 1 Fastball .. 9 Screwball
    double quality = 0;
    Pair avg{}, obp{}, slg{};  // allowed to left- and right-handed batters
};

// Everything the generator decides about one player, typed, before it becomes a record. The
// game simulation reads the ratings from here.
struct Profile {
    std::uint16_t id = 0;
    int team = 255;     // 0..29, or 255 for a free agent
    int level = 0;      // stored level: 0-3, 7 on the disabled list
    int homeLevel = 0;  // the playing level he belongs to, also while disabled
    bool pitcher = false;
    int position = 1, secondPosition = 1, role = 2;
    int bats = 1, throws = 1;  // bats 0 L, 1 R, 2 switch; throws 0 L, 1 R
    int age = 25;
    std::string firstName, lastName;

    // Batting against left- and right-handed pitchers.
    Pair avg{}, obp{}, slg{};
    double groundBall = 0.45, pull = 0.4, middle = 0.35, opposite = 0.25;
    double speed = 5, arm = 5, endurance = 5, outfieldRange = 5, infieldRange = 5, fieldingPct = 0.98, fatigue = 0;
    std::array<double, 9> familiarity{};  // P, C, 1B .. RF

    // Pitching; `allowed*` are the repertoire's quality-weighted values per batter hand.
    double pitchGroundBall = 0;
    std::vector<PitchRating> pitches;
    Pair allowedAvg{}, allowedObp{}, allowedSlg{};
    double stuff = 0;  // mean pitch quality

    int daysOut = 0;
    int height = 73, weight = 200, uniformNumber = 0, complexion = 1, facialHair = 0, delivery = 0, stance = 0;
    int waggle = 0, wave = 0, stride = 0, batColor = 0, photoIndex = -1, faceNumber = 0, peakShift = 0;
    int fromStretch = 0;
    double starRating = 0, prospectRating = 0;
    // Last season's counting numbers shown with the ratings: AB H 2B 3B HR BB SO.
    std::array<int, 7> battingRecord{}, pitchingRecord{};

    double ops(int hand) const { return obp[static_cast<std::size_t>(hand)] + slg[static_cast<std::size_t>(hand)]; }
    // The hand he bats with against a pitcher throwing with `pitcherThrows`.
    int battingHand(int pitcherThrows) const { return bats == 2 ? 1 - pitcherThrows : bats; }
    bool canPlay(int position_) const { return position == position_ || secondPosition == position_; }
};

}  // namespace zt::sample
