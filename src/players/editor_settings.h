#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "league/codes.h"
#include "league/recent_files.h"

namespace zt {

// Colours are kept as the editor has always stored them: 0x00BBGGRR.
using StoredColor = std::uint32_t;

inline constexpr StoredColor kBlack = 0x000000;
inline constexpr StoredColor kMaroon = 0x000080;  // export-pool players
inline constexpr StoredColor kRed = 0x0000FF;     // players created since the league was read

// The editor's own settings, read at start and written at exit under the value names below.
struct EditorSettings {
    RecentFiles recentFiles;     // "File1" to "File3"
    std::string dataPath;        // "Path": where constants.ini and the other data files live
    std::string gamePath;        // "GamePath": the game's install folder, empty when unknown
    std::int32_t batSort = 0;    // "bsort"
    std::int32_t pitchSort = 0;  // "psort"
    bool showHidden = true;      // "ShowHidden"
    // The default colours keep a contrast of at least 4.5:1 (what readers with weaker sight
    // need) against both grid backgrounds and the light page behind the lineup slots.
    StoredColor dlColor = 0x606060;               // "dlcol": dark grey
    StoredColor majorColor = kBlack;              // "majcol"
    StoredColor aaaColor = 0x800000;              // "aaacol": navy
    StoredColor aaColor = 0x006E00;               // "aacol": dark green
    StoredColor aColor = 0x646400;                // "acol": dark teal
    StoredColor rosterColor = 0xFFFFFF;           // "rostercol"
    StoredColor nonRosterColor = 0xE0E0E0;        // "nonrostercol"
    StoredColor emptyColor = 0x0000B0;            // "emptycol": dark red
    StoredColor leadersHeaderColor = 0xC0C0C0;    // "leadersH"
    StoredColor leadersRowColor = 0xFFFFFF;       // "leadersR"
    int defaultTeam = kFreeAgentTeam;             // "DefaultTeam"
    std::string defaultTeamName = "Free Agents";  // "Name"

    bool operator==(const EditorSettings&) const = default;
};

// Where settings are kept (QSettings in the editor, a map in tests). Values are texts or
// integers under their names; reads give no value when the name is absent.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    virtual std::optional<std::string> readText(const std::string& name) const = 0;
    virtual std::optional<std::int64_t> readInteger(const std::string& name) const = 0;
    virtual void writeText(const std::string& name, const std::string& value) = 0;
    virtual void writeInteger(const std::string& name, std::int64_t value) = 0;
};

// Reads the settings over `defaults`. The display options are read as one group in a fixed
// order; the first missing value (or an empty "ShowHidden") leaves it and the rest of the
// group at their defaults. A value out of its range (a colour beyond 24 bits, a negative sort
// choice) counts as missing. A "DefaultTeam" that is missing, not a number or outside 0..255
// means the free agents; an empty "Name" forces the free agents and "Free Agents".
EditorSettings readEditorSettings(const SettingsStore& store, EditorSettings defaults = {});

// Writes every setting the editor keeps at exit ("Path" and "GamePath" are only read).
void writeEditorSettings(const EditorSettings& settings, SettingsStore& store);

// The game folder: the environment variable ZTEDIT_GAME_DIR when set, else the setting; with a
// trailing separator, or empty when unknown.
std::string gameDirectory(const EditorSettings& settings, const char* environmentValue);

}  // namespace zt
