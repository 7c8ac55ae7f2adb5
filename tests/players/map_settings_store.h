#pragma once

#include <map>
#include <string>

#include "players/editor_settings.h"

namespace zt::test {

// Settings kept in maps, standing in for the editor's settings file.
class MapSettingsStore : public SettingsStore {
public:
    std::map<std::string, std::string> texts;
    std::map<std::string, std::int64_t> integers;

    std::optional<std::string> readText(const std::string& name) const override {
        const auto it = texts.find(name);
        return it == texts.end() ? std::nullopt : std::optional<std::string>(it->second);
    }
    std::optional<std::int64_t> readInteger(const std::string& name) const override {
        const auto it = integers.find(name);
        return it == integers.end() ? std::nullopt : std::optional<std::int64_t>(it->second);
    }
    void writeText(const std::string& name, const std::string& value) override { texts[name] = value; }
    void writeInteger(const std::string& name, std::int64_t value) override { integers[name] = value; }
};

}  // namespace zt::test
