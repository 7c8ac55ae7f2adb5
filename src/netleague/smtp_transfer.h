#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace zt {

// One plain-text message with one file attachment, sent without authentication.
struct MailMessage {
    std::string server;  // host, or host:port; the standard SMTP port when none is given
    std::string fromName;
    std::string fromAddress;
    std::vector<std::string> recipients;
    std::string subject;  // UTF-8
    std::string body;     // UTF-8, lines ended by CR LF
    std::filesystem::path attachment;
};

// The header lines of the message (From, Sender, To, Subject, Date), as sent.
std::vector<std::string> mailHeaders(const MailMessage& message);

// Sends the message over SMTP. Throws zt::Error with the mail client's message when the server
// cannot be reached or refuses the message, when no server or no recipient is given, and when
// the attachment cannot be read.
void sendMail(const MailMessage& message);

}  // namespace zt
