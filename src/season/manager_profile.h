#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "league/season_records.h"

namespace zt {
class Interaction;
class League;
}  // namespace zt

namespace zt::season {

// The thirteen manager tendencies of a team, in the order the team record and .mps files hold them.
using ManagerProfile = std::array<float, kManagerProfileValues>;

// An .mps file: the thirteen values as little-endian 32-bit floats, nothing else.
inline constexpr std::size_t kManagerProfileFileSize = 4 * kManagerProfileValues;
inline constexpr std::string_view kManagerProfileFilter = "Manager Profile Settings (*.mps)";
inline constexpr std::string_view kManagerProfileSuffix = "mps";
inline constexpr std::string_view kApplyToAllTeamsQuestion = "Do you want to apply these settings to all teams ?";
inline constexpr std::string_view kManagerProfileNote =
    "Default value is 0 (zero). A value that is not exactly one of the game's slider steps is reset to 0 by the "
    "game when its manager profile page is opened.";

// The label of each value's edit, with the range the game's sliders offer.
const std::array<std::string_view, kManagerProfileValues>& managerProfileLabels();

ManagerProfile managerProfileOf(const TeamRecord& record);
// Stores the values into a team; marks the league changed when they differ.
void setManagerProfile(League& league, int team, const ManagerProfile& profile);

// The values as the edits show them: the shortest text that reads back to the same float.
std::array<std::string, kManagerProfileValues> managerProfileTexts(const ManagerProfile& profile);

// "Apply to this team" / "Apply to ALL teams": converts the texts in order, storing each value
// into every team given as soon as it is converted. A text that is not a number stops there with
// "'<text>' is not a valid floating point value"; the values before it stay stored.
void applyManagerProfileTexts(League& league,
                              std::span<const int> teams,
                              const std::array<std::string, kManagerProfileValues>& texts);
// Every team of the league, for "ALL".
std::vector<int> allTeams(const League& league);

// "Default for this team" / "Default for ALL teams": every value becomes 0.
void resetManagerProfile(League& league, int team);
void resetAllManagerProfiles(League& league);

std::vector<std::uint8_t> serialiseManagerProfile(const ManagerProfile& profile);
// Refuses, naming the file, anything that is not exactly 52 bytes.
ManagerProfile parseManagerProfile(std::span<const std::uint8_t> bytes, const std::filesystem::path& file);

// "Export to a file": the team's 52 bytes, written atomically.
void exportManagerProfile(const League& league, int team, const std::filesystem::path& file);
// "Import settings": reads the file, then asks whether the values go to every team (Yes) or to
// `team` (No). A file that is not a profile changes nothing. Returns whether every team got them.
bool importManagerProfile(League& league, int team, const std::filesystem::path& file, Interaction& interaction);

}  // namespace zt::season
