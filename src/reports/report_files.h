#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace zt {
class League;
}

namespace zt::reports {

namespace fs = std::filesystem;

inline constexpr std::string_view kLineEnd = "\r\n";

// The text of a file as its lines, each ended by CR LF (lines may end in CR LF, LF or CR in the
// file; a last line without an end gets one). Empty when the path is empty or the file cannot
// be read: a missing header or footer file is skipped, not an error.
std::string fileLines(const fs::path& path);
// The same normalisation of a text.
std::string normalisedLines(std::string_view text);
// The whole text of a file that exists, else empty.
std::string wholeText(const fs::path& path);

// The header and footer files of the league's net.txt as paths: a relative path is taken from
// the league folder, so the window and the command-line tool find the same files.
fs::path leagueHeaderFile(const League& league);
fs::path leagueFooterFile(const League& league);

// One file of an export.
struct ReportFile {
    fs::path target;
    std::string text;
    bool append = false;  // add to the end of an existing file (created when missing)
};

// Writes the files of one export together: each goes to a temporary beside its target and all
// replace their targets only when every one was written. A target that cannot be written fails
// with "Cannot Create file <path>" and leaves every target as it was.
void writeReportFiles(const std::vector<ReportFile>& files);
void writeReportFile(const fs::path& target, const std::string& text, bool append = false);

std::string cannotCreateMessage(const fs::path& target);

}  // namespace zt::reports
