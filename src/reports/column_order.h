#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace zt::reports {

using Captions = std::vector<std::string>;

// The files that keep the user's column order of the rosters statistics tables, in the editor's
// data folder: one caption per line, in display order, lines ended by CR LF.
inline constexpr std::string_view kBattingOrderFile = "BatStOrder.ini";
inline constexpr std::string_view kPitchingOrderFile = "PitStOrder.ini";

// The order a file holds, made whole: its captions that are the table's own, each once, in the
// file's order, then those it lacks in built-in order. A file that is missing or unreadable
// gives the built-in order. So every value keeps a column under its own caption whatever the file
// says.
Captions readColumnOrder(const std::filesystem::path& file, const Captions& builtIn);
// Throws zt::Error naming the file when it cannot be written.
void writeColumnOrder(const std::filesystem::path& file, const Captions& order);

// A column dragged from position `from` to position `to`: its caption moves in the list so that
// the list keeps the displayed order.
void moveCaption(Captions& order, int from, int to);

// Position of each caption of `builtIn` in `order` (order must hold every one of them).
std::vector<int> positionsOf(const Captions& builtIn, const Captions& order);

}  // namespace zt::reports
