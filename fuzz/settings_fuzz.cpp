// The editor's settings read from a store holding the input's "name=value" lines (a value made
// of digits, optionally signed, is stored as an integer as well); written to another store and
// read back to the same settings (but the two paths, which the editor only reads).
#include <charconv>
#include <map>

#include "fuzz_support.h"
#include "players/editor_settings.h"

using namespace zt;

namespace {
class MapStore final : public SettingsStore {
public:
    std::optional<std::string> readText(const std::string& name) const override {
        const auto it = texts.find(name);
        return it == texts.end() ? std::nullopt : std::optional(it->second);
    }
    std::optional<std::int64_t> readInteger(const std::string& name) const override {
        const auto it = integers.find(name);
        return it == integers.end() ? std::nullopt : std::optional(it->second);
    }
    void writeText(const std::string& name, const std::string& value) override { texts[name] = value; }
    void writeInteger(const std::string& name, std::int64_t value) override {
        integers[name] = value;
        texts[name] = std::to_string(value);
    }
    std::map<std::string, std::string> texts;
    std::map<std::string, std::int64_t> integers;
};
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    MapStore store;
    std::string_view text = fuzz::textOf(fuzz::bytesOf(data, size));
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        const std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        const std::size_t equals = line.find('=');
        if (equals == std::string_view::npos) {
            continue;
        }
        const std::string name(line.substr(0, equals));
        const std::string_view value = line.substr(equals + 1);
        store.texts[name] = std::string(value);
        std::int64_t number = 0;
        const auto [end2, error] = std::from_chars(value.data(), value.data() + value.size(), number);
        if (error == std::errc() && end2 == value.data() + value.size()) {
            store.integers[name] = number;
        }
    }
    fuzz::refusalsOnly([&] {
        const EditorSettings settings = readEditorSettings(store);
        MapStore written;
        writeEditorSettings(settings, written);
        // "Path" and "GamePath" are only read: the editor never writes them.
        EditorSettings back = readEditorSettings(written);
        back.dataPath = settings.dataPath;
        back.gamePath = settings.gamePath;
        if (back != settings) {
            fuzz::finding("the settings do not read back to what was written");
        }
    });
    return 0;
}
