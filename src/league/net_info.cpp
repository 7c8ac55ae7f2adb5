#include "league/net_info.h"

#include <array>

#include "league/file_io.h"

namespace zt {

namespace {

// The nine fields in line order; Info is NetLeagueInfo or const NetLeagueInfo.
template <class Info>
auto fieldsOf(Info& info) {
    return std::array{&info.leagueName,
                      &info.leagueDirector,
                      &info.leagueEmail,
                      &info.userName,
                      &info.smtpServer,
                      &info.userEmail,
                      &info.leagueFilesUrl,
                      &info.htmlHeaderFile,
                      &info.htmlFooterFile};
}

}  // namespace

NetLeagueInfo parseNetInfo(std::string_view text) {
    NetLeagueInfo info;
    const auto fields = fieldsOf(info);
    std::size_t line = 0;
    while (!text.empty() && line < fields.size()) {
        const std::size_t end = text.find('\n');
        std::string_view current = text.substr(0, end);
        if (!current.empty() && current.back() == '\r') {
            current.remove_suffix(1);
        }
        *fields[line++] = std::string(current);
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
    }
    return info;
}

NetLeagueInfo readNetInfo(const std::filesystem::path& path) {
    const auto bytes = readFileBytes(path);
    return parseNetInfo(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

std::string formatNetInfo(const NetLeagueInfo& info) {
    std::string text;
    for (const std::string* field : fieldsOf(info)) {
        text += *field;
        text += "\r\n";
    }
    return text;
}

void writeNetInfo(const std::filesystem::path& path, const NetLeagueInfo& info) {
    const std::string text = formatNetInfo(info);
    writeFileAtomically(path, std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
}

}  // namespace zt
