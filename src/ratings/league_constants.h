#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace zt {

// The five factors of the split-rating computation. They belong to the editor installation,
// not to a league, and live in constants.ini in the editor's data directory.
struct LeagueConstants {
    float lvsl = 0;  // left-hander facing a left-hander
    float lvsr = 0;  // left-hander facing a right-hander
    float rvsl = 0;  // right-hander facing a left-hander
    float rvsr = 0;  // right-hander facing a right-hander
    float obpa = 0;  // multiplier of every computed on-base percentage

    static LeagueConstants defaults();
    bool operator==(const LeagueConstants&) const = default;
};

inline constexpr std::string_view kConstantsFileName = "constants.ini";

// Reads section "Constants"; a missing file, key or number gives 0 for that constant.
LeagueConstants readLeagueConstants(const std::filesystem::path& file);
LeagueConstants parseLeagueConstants(std::string_view iniText);

// The file text: the section header and the five keys, each value the 32-bit float widened and
// written with 15 significant digits (0.91 is written 0.910000026226044).
std::string formatLeagueConstants(const LeagueConstants& constants);
// The file text with the five keys of section "Constants" set to the constants and every other
// line kept as it stands: keys the section lacks are added after its last key, a missing section
// is added at the end.
std::string mergeLeagueConstants(std::string_view existingText, const LeagueConstants& constants);
// Writes the constants into the file, keeping what else it holds.
void writeLeagueConstants(const std::filesystem::path& file, const LeagueConstants& constants);

// A float widened to double and written in general form with 15 significant digits.
std::string constantText(float value);

}  // namespace zt
