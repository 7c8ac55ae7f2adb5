#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace zt {
class Interaction;
class League;
}  // namespace zt

namespace zt::media {

// The three patches of the Patches menu, by the menu items' Tag.
enum class PatchKind { Faces = 1, Stances = 2, Styles = 3 };

struct PatchOutcome {
    int updated = 0;
    std::vector<std::string> notFound;  // "First Last" of each group that matched nobody
};

// The values of a patch text: blanks, apostrophes and full stops removed from the whole text,
// then split at commas and line breaks (double quotes group a value).
std::vector<std::string> patchValues(std::string_view text);

// Applies a patch text to the league: each complete group (first name, last name, number) sets
// the field of the first player whose names match, keeping the number's low 16 (faces) or 8 bits.
// A number that is not a whole number stops at that group with the conversion message; players
// updated before keep their values.
PatchOutcome applyPatch(League& league, PatchKind kind, std::string_view text);

// The messages shown after a patch: the count, then the names not found.
std::vector<std::string> patchMessages(const PatchOutcome& outcome);

// Reads and applies a patch file and shows its messages.
PatchOutcome applyPatchFile(League& league,
                            PatchKind kind,
                            const std::filesystem::path& file,
                            Interaction& interaction);

}  // namespace zt::media
