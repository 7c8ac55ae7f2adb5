#include "reports/report_files.h"

#include <span>
#include <system_error>

#include "league/error.h"
#include "league/file_io.h"
#include "league/league.h"

namespace zt::reports {

namespace {

fs::path fromLeagueDir(const League& league, const std::string& setting) {
    if (setting.empty()) {
        return {};
    }
    const fs::path path(setting);
    return path.is_relative() && !league.leagueDir.empty() ? league.leagueDir / path : path;
}

std::span<const std::uint8_t> bytesOf(const std::string& text) {
    return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

}  // namespace

std::string normalisedLines(std::string_view text) {
    std::string lines;
    lines.reserve(text.size() + text.size() / 16);
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = start;
        while (end < text.size() && text[end] != '\r' && text[end] != '\n') {
            ++end;
        }
        lines.append(text.substr(start, end - start)).append(kLineEnd);
        if (end < text.size() && text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n') {
            ++end;
        }
        start = end + 1;
    }
    return lines;
}

std::string wholeText(const fs::path& path) {
    if (path.empty()) {
        return {};
    }
    try {
        const auto bytes = readFileBytes(path);
        return std::string(bytes.begin(), bytes.end());
    } catch (const Error&) {
        return {};
    }
}

std::string fileLines(const fs::path& path) {
    return normalisedLines(wholeText(path));
}

fs::path leagueHeaderFile(const League& league) {
    return fromLeagueDir(league, league.netInfo.htmlHeaderFile);
}

fs::path leagueFooterFile(const League& league) {
    return fromLeagueDir(league, league.netInfo.htmlFooterFile);
}

std::string cannotCreateMessage(const fs::path& target) {
    return "Cannot Create file " + target.string();
}

void writeReportFiles(const std::vector<ReportFile>& files) {
    FileTransaction transaction;
    for (const ReportFile& file : files) {
        std::string appended;
        if (file.append) {
            std::error_code ec;
            if (fs::exists(file.target, ec)) {
                const auto existing = readFileBytes(file.target);
                appended.assign(existing.begin(), existing.end());
            }
            appended += file.text;
        }
        try {
            transaction.stage(file.target, bytesOf(file.append ? appended : file.text));
        } catch (const Error&) {
            throw Error(cannotCreateMessage(file.target));
        }
    }
    // A rename that fails names its file and the system's reason.
    transaction.commit();
}

void writeReportFile(const fs::path& target, const std::string& text, bool append) {
    writeReportFiles({ReportFile{target, text, append}});
}

}  // namespace zt::reports
