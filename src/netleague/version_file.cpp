#include "netleague/version_file.h"

#include <vector>

#include "league/error.h"
#include "league/numbers.h"

namespace zt {

namespace {

std::vector<std::string_view> linesOf(std::string_view text) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        // Blanks around a line are an editor's accident, not part of a number or an address.
        while (!line.empty() && (line.back() == '\r' || line.back() == ' ' || line.back() == '\t')) {
            line.remove_suffix(1);
        }
        while (!line.empty() && (line.front() == ' ' || line.front() == '\t')) {
            line.remove_prefix(1);
        }
        lines.push_back(line);
        if (end == std::string_view::npos) {
            break;
        }
        text.remove_prefix(end + 1);
    }
    return lines;
}

}  // namespace

VersionCheck readVersionFile(std::string_view text, std::string_view editorVersion) {
    const std::vector<std::string_view> lines = linesOf(text);
    const double current = parseFloat(editorVersion);
    const double latest = parseFloat(lines.empty() ? std::string_view{} : lines.front());
    VersionCheck check;
    if (!(current < latest)) {
        return check;
    }
    check.newer = true;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const std::string_view line = lines[i];
        if (!line.starts_with('*')) {
            continue;
        }
        const std::string_view range = line.substr(1);
        const std::size_t dash = range.find('-');
        const double from = parseFloat(range.substr(0, dash));
        const double to = parseFloat(dash == std::string_view::npos ? std::string_view{} : range.substr(dash + 1));
        if (!(from <= current && current <= to)) {
            continue;
        }
        if (i + 3 >= lines.size()) {
            throw Error("The version file ends inside the entry \"" + std::string(line) + "\"");
        }
        PatchEntry entry;
        entry.range = std::string(range);
        entry.notesUrl = std::string(lines[i + 1]);
        entry.patchUrl = std::string(lines[i + 2]);
        entry.size = parseInteger(lines[i + 3]);
        check.patch = std::move(entry);
        break;
    }
    return check;
}

}  // namespace zt
