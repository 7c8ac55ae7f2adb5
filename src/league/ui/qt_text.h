#pragma once

#include <QColor>
#include <QString>
#include <string>
#include <string_view>

#include <cstdint>

namespace zt::ui {

// League texts are single-byte Windows-1252 (league_text.h); every byte shows as its character
// and comes back as the same byte.
QString fromLeagueText(std::string_view bytes);
// A character league text cannot hold is refused with zt::Error naming it, never stored as
// something else.
std::string toLeagueText(const QString& text);

// File paths as the system spells them.
QString fromPath(const std::string& path);
std::string toPath(const QString& path);

// Messages of the core (UTF-8 throughout, league text in them converted) for message boxes.
QString fromMessage(const std::string& message);

// Colours as stored in the settings (0x00BBGGRR) and as Qt draws them.
QColor toQColor(std::uint32_t color);
std::uint32_t toStoredColor(const QColor& color);

}  // namespace zt::ui
