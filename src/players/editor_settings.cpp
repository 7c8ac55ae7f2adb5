#include "players/editor_settings.h"

#include <array>
#include <cctype>
#include <charconv>
#include <limits>
#include <utility>

namespace zt {

namespace {

// The display options in the order they are read.
std::array<std::pair<const char*, StoredColor EditorSettings::*>, 10> colourGroup() {
    return {{{"dlcol", &EditorSettings::dlColor},
             {"majcol", &EditorSettings::majorColor},
             {"aaacol", &EditorSettings::aaaColor},
             {"aacol", &EditorSettings::aaColor},
             {"acol", &EditorSettings::aColor},
             {"rostercol", &EditorSettings::rosterColor},
             {"nonrostercol", &EditorSettings::nonRosterColor},
             {"leadersH", &EditorSettings::leadersHeaderColor},
             {"leadersR", &EditorSettings::leadersRowColor},
             {"emptycol", &EditorSettings::emptyColor}}};
}

// Colours are 24-bit values; anything else in the file is not a colour this editor wrote.
constexpr std::int64_t kLargestColor = 0xFFFFFF;

std::optional<int> parseWhole(const std::string& text) {
    int value = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || result.ec != std::errc() || result.ptr != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

// The sort choices index their report's selector, which checks the range when it uses them;
// a number beyond 32 bits is not one the editor wrote.
std::int32_t readSortChoice(const SettingsStore& store, const char* name, std::int32_t fallback) {
    const auto value = store.readInteger(name);
    if (!value || *value < 0 || *value > std::numeric_limits<std::int32_t>::max()) {
        return fallback;
    }
    return static_cast<std::int32_t>(*value);
}

void readDisplayGroup(const SettingsStore& store, EditorSettings& settings) {
    const auto showHidden = store.readText("ShowHidden");
    if (!showHidden || showHidden->empty()) {
        return;
    }
    settings.showHidden = std::toupper(static_cast<unsigned char>(showHidden->front())) == 'Y';
    for (const auto& [name, member] : colourGroup()) {
        const auto value = store.readInteger(name);
        if (!value || *value < 0 || *value > kLargestColor) {
            return;
        }
        settings.*member = static_cast<StoredColor>(*value);
    }
}

}  // namespace

EditorSettings readEditorSettings(const SettingsStore& store, EditorSettings defaults) {
    EditorSettings settings = std::move(defaults);
    for (int i = 0; i < RecentFiles::kCount; ++i) {
        settings.recentFiles.items[static_cast<std::size_t>(i)] =
            store.readText("File" + std::to_string(i + 1)).value_or("");
    }
    if (const auto path = store.readText("Path")) {
        settings.dataPath = *path;
    }
    if (const auto path = store.readText("GamePath")) {
        settings.gamePath = *path;
    }
    settings.batSort = readSortChoice(store, "bsort", settings.batSort);
    settings.pitchSort = readSortChoice(store, "psort", settings.pitchSort);
    readDisplayGroup(store, settings);

    // A team number is 0..31 or 255; anything outside a byte cannot name a team and would only
    // be carried around until something indexes with it.
    const auto team = parseWhole(store.readText("DefaultTeam").value_or(""));
    settings.defaultTeam = team && *team >= 0 && *team <= kFreeAgentTeam ? *team : kFreeAgentTeam;
    settings.defaultTeamName = store.readText("Name").value_or("");
    if (settings.defaultTeamName.empty()) {
        settings.defaultTeam = kFreeAgentTeam;
        settings.defaultTeamName = "Free Agents";
    }
    return settings;
}

void writeEditorSettings(const EditorSettings& settings, SettingsStore& store) {
    for (int i = 0; i < RecentFiles::kCount; ++i) {
        store.writeText("File" + std::to_string(i + 1), settings.recentFiles.items[static_cast<std::size_t>(i)]);
    }
    store.writeText("Name", settings.defaultTeamName);
    store.writeText("DefaultTeam", std::to_string(settings.defaultTeam));
    store.writeInteger("bsort", settings.batSort);
    store.writeInteger("psort", settings.pitchSort);
    for (const auto& [name, member] : colourGroup()) {
        store.writeInteger(name, settings.*member);
    }
    store.writeText("ShowHidden", settings.showHidden ? "Y" : "N");
}

std::string gameDirectory(const EditorSettings& settings, const char* environmentValue) {
    std::string dir = environmentValue != nullptr && *environmentValue != '\0' ? environmentValue : settings.gamePath;
    if (!dir.empty() && dir.back() != '/') {
        dir += '/';
    }
    return dir;
}

}  // namespace zt
