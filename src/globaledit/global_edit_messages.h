#pragma once

// The texts global editing shows, word for word (typos included: users and their .gbe habits
// know them as they are).
namespace zt::globaledit {

inline constexpr char kSeparatorMissingMessage[] = "Minimum and maximum values must be separated by a \"/\"";
inline constexpr char kRandomRangeMissingMessage[] =
    "You must specify a range for the random value (Min Value/Max Value)";
inline constexpr char kInvalidModifierMessage[] = "Invalid modifier value";
inline constexpr char kPlayersModifiedSuffix[] = " players modified";
inline constexpr char kNoPlayerMessage[] = "No player has met the selecion criteria or a setting is missing";
inline constexpr char kPercentageRefusedMessage[] = "Percentage not applicable with this field";
inline constexpr char kOlderFormatMessage[] = "This GBE file is in an older format";
inline constexpr char kFileProgressTitle[] = "Global editing progress";
inline constexpr char kFileProgressLabelPrefix[] = "Modifying ";

// Our own texts, for cases the editor refuses instead of writing a meaningless value.
inline constexpr char kFormulaRefusedMessage[] = "Formula not applicable with this field";
inline constexpr char kNoModeMessage[] = "No modification mode is chosen";

}  // namespace zt::globaledit
