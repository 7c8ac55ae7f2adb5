#include "league/ui/qt_text.h"

namespace zt::ui {

QString fromLeagueText(std::string_view bytes) {
    return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

std::string toLeagueText(const QString& text) {
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(text.size()));
    for (const QChar c : text) {
        bytes.push_back(c.unicode() < 256 ? static_cast<char>(c.unicode()) : '?');
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
