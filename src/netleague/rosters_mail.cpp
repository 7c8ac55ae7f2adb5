#include "netleague/rosters_mail.h"

#include "league/codes.h"
#include "league/error.h"
#include "league/league_text.h"
#include "league/net_info.h"

namespace zt {

namespace {

std::string teamNameText(int team) {
    const auto names = builtInTeamNames();
    if (team < 0 || static_cast<std::size_t>(team) >= names.size()) {
        throw Error("Team " + std::to_string(team) + " has no name");
    }
    return leagueTextToUtf8(names[static_cast<std::size_t>(team)]);
}

std::string_view withoutBlanks(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    const std::size_t last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

}  // namespace

std::string rostersMailSubject(int team) {
    return teamNameText(team) + " rosters management";
}

std::string rostersMailComments(int team) {
    return teamNameText(team) + " rosters management file";
}

std::string attachedFileText(const std::filesystem::path& file) {
    return std::string(kAttachedFileLabel) + " " + file.string();
}

std::filesystem::path rostersExportProposal(const std::filesystem::path& selectedFile, int team) {
    return selectedFile.parent_path() / teamNameText(team);
}

std::vector<std::string> splitRecipients(std::string_view list) {
    std::vector<std::string> recipients;
    while (true) {
        const std::size_t comma = list.find(',');
        const std::string_view item = withoutBlanks(list.substr(0, comma));
        if (!item.empty()) {
            recipients.emplace_back(item);
        }
        if (comma == std::string_view::npos) {
            return recipients;
        }
        list.remove_prefix(comma + 1);
    }
}

std::string rostersMailBody(std::string_view comments) {
    std::string body;
    // A memo's text ending in a line break has no empty last line.
    if (comments.ends_with("\r\n")) {
        comments.remove_suffix(2);
    } else if (comments.ends_with('\n')) {
        comments.remove_suffix(1);
    }
    if (!comments.empty()) {
        while (true) {
            const std::size_t end = comments.find('\n');
            std::string_view line = comments.substr(0, end);
            if (line.ends_with('\r')) {
                line.remove_suffix(1);
            }
            body.append(line).append("\r\n");
            if (end == std::string_view::npos) {
                break;
            }
            comments.remove_prefix(end + 1);
        }
    }
    body += "\r\n";
    body += kMailClosingLine;
    body += "\r\n";
    return body;
}

MailMessage rostersMail(const NetLeagueInfo& info,
                        const std::string& subject,
                        std::string_view comments,
                        const std::filesystem::path& attachment) {
    MailMessage message;
    message.server = info.smtpServer;
    message.fromName = leagueTextToUtf8(info.userName);
    message.fromAddress = info.userEmail;
    message.recipients = splitRecipients(info.leagueEmail);
    message.subject = subject;
    message.body = rostersMailBody(comments);
    message.attachment = attachment;
    return message;
}

}  // namespace zt
