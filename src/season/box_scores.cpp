#include "season/box_scores.h"

#include <algorithm>
#include <cctype>

#include "league/file_io.h"

namespace zt::season {

namespace {

constexpr std::string_view kEol = "\r\n";
constexpr std::string_view kDayPart = " (Day ";

// The length of a decimal number (an optional minus sign, then digits) at `at`; 0 when none.
std::size_t numberLength(std::string_view text, std::size_t at) {
    std::size_t end = at;
    if (end < text.size() && text[end] == '-') {
        ++end;
    }
    const std::size_t digits = end;
    while (end < text.size() && std::isdigit(static_cast<unsigned char>(text[end])) != 0) {
        ++end;
    }
    return end == digits ? 0 : end - at;
}

// The length of a key "m<number> (Day <number>)" starting at `at`, or 0. Every place where a
// key occurs in the text starts such a token and the token is exactly that key, since a number
// ends where the blank or the parenthesis of the key follows.
std::size_t keyLength(std::string_view text, std::size_t at) {
    std::size_t end = at + 1;
    const std::size_t team = numberLength(text, end);
    if (team == 0) {
        return 0;
    }
    end += team;
    if (text.substr(end, kDayPart.size()) != kDayPart) {
        return 0;
    }
    end += kDayPart.size();
    const std::size_t day = numberLength(text, end);
    if (day == 0) {
        return 0;
    }
    end += day;
    if (end >= text.size() || text[end] != ')') {
        return 0;
    }
    return end + 1 - at;
}

}  // namespace

std::string boxScoreKey(int team, int day) {
    return "m" + std::to_string(team) + std::string(kDayPart) + std::to_string(day) + ")";
}

BoxScoreFile::BoxScoreFile(std::string text) : m_text(std::move(text)) {
    const std::string_view view(m_text);
    for (std::size_t at = view.find('m'); at != std::string_view::npos; at = view.find('m', at + 1)) {
        if (const std::size_t length = keyLength(view, at); length > 0) {
            m_firstPlaces.try_emplace(std::string(view.substr(at, length)), at);
        }
    }
}

std::optional<BoxScoreFile> BoxScoreFile::open(const std::filesystem::path& leagueDir) {
    const auto path = findFileNoCase(leagueDir, kBoxScoresFile);
    if (!path) {
        return std::nullopt;
    }
    const auto bytes = readFileBytes(*path);
    return BoxScoreFile(std::string(bytes.begin(), bytes.end()));
}

std::optional<std::size_t> BoxScoreFile::firstPlace(const std::string& key) const {
    const auto found = m_firstPlaces.find(key);
    return found == m_firstPlaces.end() ? std::nullopt : std::optional(found->second);
}

std::optional<std::string> BoxScoreFile::find(int day, int home, int visitor, std::string_view endMarker) const {
    const std::string homeKey = boxScoreKey(home, day);
    const std::string visitorKey = boxScoreKey(visitor, day);
    const auto homePlace = firstPlace(homeKey);
    const auto visitorPlace = firstPlace(visitorKey);
    if (!homePlace && !visitorPlace) {
        return std::nullopt;
    }
    const bool homeFirst = homePlace && (!visitorPlace || *homePlace <= *visitorPlace);
    const std::size_t start = homeFirst ? *homePlace + homeKey.size() : *visitorPlace + visitorKey.size();
    const std::string_view text(m_text);
    const std::size_t marker = endMarker.empty() ? std::string_view::npos : text.find(endMarker, start);
    const std::size_t end = marker == std::string_view::npos ? text.size() : marker + endMarker.size();
    std::string found(text.substr(start, end - start));
    std::replace_if(
        found.begin(), found.end(), [](char ch) { return ch == '<' || ch == '>'; }, '-');
    return found;
}

std::optional<std::string> findBoxScore(
    const std::filesystem::path& leagueDir, int day, int home, int visitor, std::string_view endMarker) {
    const auto file = BoxScoreFile::open(leagueDir);
    if (!file) {
        return std::nullopt;
    }
    return file->find(day, home, visitor, endMarker);
}

std::vector<std::string> boxScoreLines(std::string_view found) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (true) {
        const std::size_t end = found.find('\n', start);
        std::string_view line =
            found.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        lines.emplace_back(line);
        if (end == std::string_view::npos) {
            break;
        }
        start = end + 1;
    }
    // The first line is the rest of the key's line, the last the one holding the marker.
    if (lines.size() <= 2) {
        return {};
    }
    return {lines.begin() + 1, lines.end() - 1};
}

std::string boxScoreText(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        text += line;
        text += kEol;
    }
    return text;
}

std::string boxScoreHtml(const std::vector<std::string>& lines) {
    std::string html =
        "<html><head><title>HTML Boxscore generated by Velmora Editor 2002</title><meta http-equiv=\"Content-Type\" "
        "content=\"text/html; charset=iso-8859-1\"></head><body bgcolor=\"#FFFFFF\"><PRE>";
    html += kEol;
    html += boxScoreText(lines);
    html += "</pre></body></html>";
    html += kEol;
    return html;
}

std::string boxScoreClipboardHtml(const std::vector<std::string>& lines) {
    std::string html = "<PRE>\n";
    for (const std::string& line : lines) {
        html += line + "\n";
    }
    html += "</pre>\n";
    return html;
}

}  // namespace zt::season
