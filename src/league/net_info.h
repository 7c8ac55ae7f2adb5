#pragma once

#include <filesystem>
#include <string>

namespace zt {

// The league's net.txt: nine lines of contact, mail and report settings.
struct NetLeagueInfo {
    std::string leagueName;
    std::string leagueDirector;
    std::string leagueEmail;
    std::string userName;
    std::string smtpServer;
    std::string userEmail;
    std::string leagueFilesUrl;
    std::string htmlHeaderFile;
    std::string htmlFooterFile;

    bool operator==(const NetLeagueInfo&) const = default;
};

// Reads lines 1 to 9 into the fields; missing lines leave their fields empty, further lines are
// ignored. Lines may end in CR LF or LF.
NetLeagueInfo readNetInfo(const std::filesystem::path& path);
NetLeagueInfo parseNetInfo(std::string_view text);

// Writes the nine fields as nine lines ended by CR LF.
void writeNetInfo(const std::filesystem::path& path, const NetLeagueInfo& info);
std::string formatNetInfo(const NetLeagueInfo& info);

}  // namespace zt
