#include "league/ui/qt_text.h"

#include <optional>

#include "league/error.h"
#include "league/league_text.h"

namespace zt::ui {

QString fromLeagueText(std::string_view bytes) {
    QString text;
    text.reserve(static_cast<qsizetype>(bytes.size()));
    for (const char byte : bytes) {
        const char32_t c = unicodeOfLeagueByte(static_cast<unsigned char>(byte));
        // Every character of league text is in the basic plane: one UTF-16 unit each.
        text.append(QChar(static_cast<char16_t>(c)));
    }
    return text;
}

std::string toLeagueText(const QString& text) {
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(text.size()));
    for (const char32_t c : text.toUcs4()) {
        const std::optional<unsigned char> byte = leagueByteOf(c);
        if (!byte) {
            throw Error(unstorableCharacterMessage(c));
        }
        bytes.push_back(static_cast<char>(*byte));
    }
    return bytes;
}

QString fromPath(const std::string& path) {
    return QString::fromStdString(path);
}

std::string toPath(const QString& path) {
    return path.toStdString();
}

QString fromMessage(const std::string& message) {
    return QString::fromStdString(message);
}

QColor toQColor(std::uint32_t color) {
    return QColor(
        static_cast<int>(color & 0xFF), static_cast<int>((color >> 8) & 0xFF), static_cast<int>((color >> 16) & 0xFF));
}

std::uint32_t toStoredColor(const QColor& color) {
    return static_cast<std::uint32_t>(color.red()) | (static_cast<std::uint32_t>(color.green()) << 8) |
           (static_cast<std::uint32_t>(color.blue()) << 16);
}

}  // namespace zt::ui
