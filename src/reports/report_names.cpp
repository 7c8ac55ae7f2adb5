#include "reports/report_names.h"

#include <array>

#include "league/player_record.h"
#include "league/season_records.h"

namespace zt::reports {

namespace {

constexpr std::string_view kLinkStart = "<A HREF=";
constexpr std::string_view kLinkTarget = " TARGET=\"_parent\">";
constexpr std::string_view kLinkEnd = "</A>";

// A name part of a file the links point at. A separator would make the name a path (a team
// abbreviation "../x" would write outside the chosen folder) and browsers read a backslash in a
// link as one, so both become underscores, in the file name and in every link to it alike.
std::string fileNamePart(std::string_view text) {
    std::string part(text);
    for (char& c : part) {
        if (c == '/' || c == '\\') {
            c = '_';
        }
    }
    return part;
}

std::string link(std::string_view target, std::string_view label) {
    std::string text;
    text.reserve(kLinkStart.size() + target.size() + kLinkTarget.size() + label.size() + kLinkEnd.size());
    text.append(kLinkStart).append(escapeHtml(target)).append(kLinkTarget).append(escapeHtml(label)).append(kLinkEnd);
    return text;
}

}  // namespace

std::string CardFileName(const PlayerRecord& player) {
    return fileNamePart(FileSafeName(player.get(pf::firstName)) + FileSafeName(player.get(pf::lastName))) + ".htm";
}

std::string TeamPageName(const TeamRecord& team) {
    return fileNamePart(team.get(tf::abbreviation)) + ".html";
}

std::string DisplayName(const PlayerRecord& player) {
    return player.get(pf::lastName) + " , " + player.get(pf::firstName);
}

std::string PlayerLink(const PlayerRecord& player) {
    return link(CardFileName(player), DisplayName(player));
}

std::string TeamLink(const TeamRecord& team, std::string_view label) {
    return link(TeamPageName(team), label);
}

std::string ColorToHtml(Color color) {
    static constexpr std::array<char, 16> kDigits = {
        '0', '1', '2', '3', '4', '5', '6', '7', '8', '9', 'A', 'B', 'C', 'D', 'E', 'F'};
    std::string text(6, '0');
    // Red is the low byte of the stored value and comes first in HTML.
    for (int byte = 0; byte < 3; ++byte) {
        const unsigned value = (color >> (8 * byte)) & 0xFFu;
        text[static_cast<std::size_t>(2 * byte)] = kDigits[value >> 4];
        text[static_cast<std::size_t>(2 * byte + 1)] = kDigits[value & 0xFu];
    }
    return text;
}

std::string escapeHtml(std::string_view text) {
    std::string escaped;
    escaped.reserve(text.size());
    for (const char c : text) {
        switch (c) {
            case '&':
                escaped += "&amp;";
                break;
            case '<':
                escaped += "&lt;";
                break;
            case '>':
                escaped += "&gt;";
                break;
            case '"':
                escaped += "&quot;";
                break;
            default:
                escaped += c;
        }
    }
    return escaped;
}

std::string unescapeHtml(std::string_view text) {
    static constexpr std::array<std::pair<std::string_view, char>, 4> kEntities = {
        {{"&amp;", '&'}, {"&lt;", '<'}, {"&gt;", '>'}, {"&quot;", '"'}}};
    std::string plain;
    plain.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        bool replaced = false;
        if (text[i] == '&') {
            for (const auto& [entity, c] : kEntities) {
                if (text.substr(i, entity.size()) == entity) {
                    plain += c;
                    i += entity.size();
                    replaced = true;
                    break;
                }
            }
        }
        if (!replaced) {
            plain += text[i++];
        }
    }
    return plain;
}

std::optional<LinkParts> parseLink(std::string_view markup) {
    if (!markup.starts_with(kLinkStart) || !markup.ends_with(kLinkEnd)) {
        return std::nullopt;
    }
    const std::string_view inner =
        markup.substr(kLinkStart.size(), markup.size() - kLinkStart.size() - kLinkEnd.size());
    const std::size_t targetEnd = inner.find(kLinkTarget);
    if (targetEnd == std::string_view::npos) {
        return std::nullopt;
    }
    return LinkParts{unescapeHtml(inner.substr(0, targetEnd)),
                     unescapeHtml(inner.substr(targetEnd + kLinkTarget.size()))};
}

}  // namespace zt::reports
