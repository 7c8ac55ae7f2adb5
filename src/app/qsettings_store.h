#pragma once

#include <QSettings>

#include "players/editor_settings.h"

namespace zt::app {

// The editor settings in a QSettings file (INI format, per user) under their value names.
class QSettingsStore final : public SettingsStore {
public:
    QSettingsStore();

    std::optional<std::string> readText(const std::string& name) const override;
    std::optional<std::int64_t> readInteger(const std::string& name) const override;
    void writeText(const std::string& name, const std::string& value) override;
    void writeInteger(const std::string& name, std::int64_t value) override;

    void sync() { m_settings.sync(); }

private:
    QSettings m_settings;
};

}  // namespace zt::app
