#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "netleague/smtp_transfer.h"

namespace zt {

struct NetLeagueInfo;

inline constexpr char kMailClosingLine[] = "Message sent with Velmora Zantrip 2003 Editor by Wexcombe";
inline constexpr char kAttachedFileLabel[] = "Attached File :";

// The texts that open the window for team `team` (UTF-8): the subject N + " rosters management"
// and the comment line N + " rosters management file", N being the team's built-in name.
std::string rostersMailSubject(int team);
std::string rostersMailComments(int team);
// "Attached File : " followed by the file's path.
std::string attachedFileText(const std::filesystem::path& file);

// Where the export proposes to write: the folder of the league file the league was opened from,
// followed by N (the export adds ".ssr").
std::filesystem::path rostersExportProposal(const std::filesystem::path& selectedFile, int team);

// The addresses of a comma-separated list, without the blanks around them; empty items dropped.
std::vector<std::string> splitRecipients(std::string_view list);

// The comment lines (as typed, "\n" or "\r\n" between them), an empty line and kMailClosingLine,
// joined by CR LF.
std::string rostersMailBody(std::string_view comments);

// The message of the net league settings: server, sender, recipients from leagueEmail, and the
// rosters file attached. Subject and comments are UTF-8; the settings are league text.
MailMessage rostersMail(const NetLeagueInfo& info,
                        const std::string& subject,
                        std::string_view comments,
                        const std::filesystem::path& attachment);

}  // namespace zt
