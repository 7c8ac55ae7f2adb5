#pragma once

#include <QColor>
#include <QString>
#include <string>
#include <string_view>

#include <cstdint>

namespace zt::ui {

// League texts are single-byte (Windows-1252 on the game's side); the window shows them as
// Latin-1, the one-to-one mapping Qt offers for single bytes.
QString fromLeagueText(std::string_view bytes);
// Characters beyond one byte become '?', as the game could not store them.
std::string toLeagueText(const QString& text);

// File paths as the system spells them.
QString fromPath(const std::string& path);
std::string toPath(const QString& path);

// Messages of the core (UTF-8 in its sources) for message boxes.
QString fromMessage(const std::string& message);

// Colours as stored in the settings (0x00BBGGRR) and as Qt draws them.
QColor toQColor(std::uint32_t color);
std::uint32_t toStoredColor(const QColor& color);

}  // namespace zt::ui
