#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace zt::season {

// The game writes every box score into BoxScores.txt in the league folder: a line holding the
// keys "m<team> (Day <d>)" of both teams, the box, "SUMMARY", the summary and "END".
inline constexpr std::string_view kBoxScoresFile = "boxscores.txt";
inline constexpr std::string_view kBoxScoreNotFound = "Bosxcore not found";
inline constexpr std::string_view kSummaryMarker = "SUMMARY";
inline constexpr std::string_view kEndMarker = "END";

// "m" + team + " (Day " + day + ")": home team 12 on day 5 gives m12 (Day 5).
std::string boxScoreKey(int team, int day);

// The text of a BoxScores.txt with the first place of every key in it, so that many box scores
// are found without searching the whole text each time.
class BoxScoreFile {
public:
    explicit BoxScoreFile(std::string text);

    // The file of the league folder (its name in any letter case); none when there is none. A
    // file that exists but cannot be read throws zt::Error naming it.
    static std::optional<BoxScoreFile> open(const std::filesystem::path& leagueDir);

    // The box score of a game: from right after the first place where either team's key occurs,
    // up to and including the first `endMarker` after it (to the end of the text without one),
    // every "<" and ">" replaced by "-". None when neither key occurs.
    std::optional<std::string> find(int day, int home, int visitor, std::string_view endMarker) const;

private:
    std::optional<std::size_t> firstPlace(const std::string& key) const;

    std::string m_text;
    std::unordered_map<std::string, std::size_t> m_firstPlaces;
};

// One box score from the league folder's file; none when the file or the keys are missing.
std::optional<std::string> findBoxScore(
    const std::filesystem::path& leagueDir, int day, int home, int visitor, std::string_view endMarker);

// The lines the box score window shows: the found text without its first line (the rest of the
// key's line) and its last line (the one holding the marker).
std::vector<std::string> boxScoreLines(std::string_view found);

// The window's exports of those lines: "Save as TXT", "Save as HTML" (lines ended by CR LF) and
// "Copy as HTML" (lines ended by LF, as the clipboard holds text).
std::string boxScoreText(const std::vector<std::string>& lines);
std::string boxScoreHtml(const std::vector<std::string>& lines);
std::string boxScoreClipboardHtml(const std::vector<std::string>& lines);

inline constexpr std::string_view kBoxScoreCaption = "Boxscore (Right Click to invoke the export menu)";
inline constexpr std::string_view kBoxScoreTextFilter = "Text Files (*.txt)";
inline constexpr std::string_view kBoxScoreHtmlFilter = "Htm Files (*.htm)";

}  // namespace zt::season
