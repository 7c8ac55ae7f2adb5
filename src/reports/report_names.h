#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "league/league_text.h"
#include "reports/report_table.h"

namespace zt {
class PlayerRecord;
class TeamRecord;
}  // namespace zt

namespace zt::reports {

// FileSafeName is in league/league_text.h: photos, patches and the CSV import match names by it.
using zt::FileSafeName;

// A player's card page: FileSafeName of the first name, then of the last name, then ".htm".
std::string CardFileName(const PlayerRecord& player);

// A team's rosters statistics page: its abbreviation + ".html".
std::string TeamPageName(const TeamRecord& team);

// "last , first" (blank, comma, blank).
std::string DisplayName(const PlayerRecord& player);

// <A HREF=card TARGET="_parent">last , first</A>, the name escaped for the page.
std::string PlayerLink(const PlayerRecord& player);

// <A HREF=abbreviation.html TARGET="_parent">label</A>; `label` is plain text, escaped here.
std::string TeamLink(const TeamRecord& team, std::string_view label);

// Six upper-case hex digits reading red, green, blue (teal -> 008080), without a number sign.
std::string ColorToHtml(Color color);

// League text as page text: &, <, > and " become entities; every other byte stays as it is.
std::string escapeHtml(std::string_view text);
// The reverse, for the four entities escapeHtml writes.
std::string unescapeHtml(std::string_view text);

// The target and text of a link cell as PlayerLink and TeamLink build it; no value for other text.
struct LinkParts {
    std::string target;
    std::string text;
};
std::optional<LinkParts> parseLink(std::string_view markup);

}  // namespace zt::reports
