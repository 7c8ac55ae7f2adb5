#pragma once

#include <array>
#include <span>
#include <string_view>

namespace zt::sample {

// Invented given names and family names for generated players: plain ASCII, mixed case,
// at most 16 characters (the width of the name fields).
std::span<const std::string_view> firstNames();
std::span<const std::string_view> lastNames();

// The invented club of each of the thirty teams, in the game's standard team order.
struct ClubIdentity {
    std::string_view name;          // at most 16 characters
    std::string_view abbreviation;  // 3 or 4 capitals, unique
};
inline constexpr int kSampleTeams = 30;
const std::array<ClubIdentity, kSampleTeams>& clubIdentities();

}  // namespace zt::sample
