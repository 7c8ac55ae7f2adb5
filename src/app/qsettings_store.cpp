#include "app/qsettings_store.h"

namespace zt::app {

namespace {
QString key(const std::string& name) {
    return QString::fromStdString(name);
}
}  // namespace

QSettingsStore::QSettingsStore()
    : m_settings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("ztedit"), QStringLiteral("ztedit")) {}

std::optional<std::string> QSettingsStore::readText(const std::string& name) const {
    if (!m_settings.contains(key(name))) {
        return std::nullopt;
    }
    return m_settings.value(key(name)).toString().toStdString();
}

std::optional<std::int64_t> QSettingsStore::readInteger(const std::string& name) const {
    if (!m_settings.contains(key(name))) {
        return std::nullopt;
    }
    bool ok = false;
    const qlonglong value = m_settings.value(key(name)).toLongLong(&ok);
    return ok ? std::optional<std::int64_t>(value) : std::nullopt;
}

void QSettingsStore::writeText(const std::string& name, const std::string& value) {
    m_settings.setValue(key(name), QString::fromStdString(value));
}

void QSettingsStore::writeInteger(const std::string& name, std::int64_t value) {
    m_settings.setValue(key(name), static_cast<qlonglong>(value));
}

}  // namespace zt::app
