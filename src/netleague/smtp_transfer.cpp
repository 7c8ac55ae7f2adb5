#include "netleague/smtp_transfer.h"

#include <ctime>
#include <memory>

#include "league/error.h"
#include "netleague/curl_handle.h"

namespace zt {

namespace {

struct SlistDeleter {
    void operator()(curl_slist* list) const { curl_slist_free_all(list); }
};
struct MimeDeleter {
    void operator()(curl_mime* mime) const { curl_mime_free(mime); }
};
using Slist = std::unique_ptr<curl_slist, SlistDeleter>;
using Mime = std::unique_ptr<curl_mime, MimeDeleter>;

void append(Slist& list, const std::string& line) {
    curl_slist* grown = curl_slist_append(list.get(), line.c_str());
    if (grown == nullptr) {
        throw Error("Out of memory while preparing the message");
    }
    (void)list.release();
    list.reset(grown);
}

bool isAscii(std::string_view text) {
    for (const char c : text) {
        if (static_cast<unsigned char>(c) >= 0x80 || c == '\r' || c == '\n') {
            return false;
        }
    }
    return true;
}

std::string base64(std::string_view bytes) {
    static constexpr char kDigits[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string out;
    std::size_t i = 0;
    for (; i + 2 < bytes.size(); i += 3) {
        const unsigned v = static_cast<unsigned char>(bytes[i]) << 16 | static_cast<unsigned char>(bytes[i + 1]) << 8 |
                           static_cast<unsigned char>(bytes[i + 2]);
        out += {kDigits[v >> 18], kDigits[(v >> 12) & 63], kDigits[(v >> 6) & 63], kDigits[v & 63]};
    }
    if (i < bytes.size()) {
        unsigned v = static_cast<unsigned char>(bytes[i]) << 16;
        if (i + 1 < bytes.size()) {
            v |= static_cast<unsigned char>(bytes[i + 1]) << 8;
        }
        out += kDigits[v >> 18];
        out += kDigits[(v >> 12) & 63];
        out += i + 1 < bytes.size() ? kDigits[(v >> 6) & 63] : '=';
        out += '=';
    }
    return out;
}

// A header text as mail allows it: plain ASCII as it stands, anything else as an encoded word.
std::string headerText(std::string_view text) {
    if (isAscii(text)) {
        return std::string(text);
    }
    return "=?UTF-8?B?" + base64(text) + "?=";
}

std::string mailbox(const std::string& name, const std::string& address) {
    if (name.empty()) {
        return "<" + address + ">";
    }
    std::string quoted;
    if (isAscii(name)) {
        quoted = "\"";
        for (const char c : name) {
            if (c == '"' || c == '\\') {
                quoted += '\\';
            }
            quoted += c;
        }
        quoted += '"';
    } else {
        quoted = headerText(name);
    }
    return quoted + " <" + address + ">";
}

std::string dateHeader() {
    const std::time_t now = std::time(nullptr);
    std::tm utc{};
    gmtime_r(&now, &utc);
    char text[64];
    std::strftime(text, sizeof text, "%a, %d %b %Y %H:%M:%S +0000", &utc);
    return text;
}

}  // namespace

std::vector<std::string> mailHeaders(const MailMessage& message) {
    std::string to;
    for (const std::string& recipient : message.recipients) {
        to += (to.empty() ? "" : ", ") + recipient;
    }
    const std::string from = mailbox(message.fromName, message.fromAddress);
    return {"From: " + from,
            "Sender: " + from,
            "To: " + to,
            "Subject: " + headerText(message.subject),
            "Date: " + dateHeader()};
}

void sendMail(const MailMessage& message) {
    // libcurl would go on without a recipient and the message would reach nobody.
    if (message.recipients.empty()) {
        throw Error("No recipient for the message: the league's email address is empty");
    }
    net::CurlHandle handle;
    CURL* curl = handle.get();

    const std::string url = "smtp://" + message.server;
    curl_easy_setopt(curl, CURLOPT_URL, url.c_str());
    curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR, "smtp");
    curl_easy_setopt(curl, CURLOPT_TIMEOUT, 120L);
    const std::string from = "<" + message.fromAddress + ">";
    curl_easy_setopt(curl, CURLOPT_MAIL_FROM, from.c_str());

    Slist recipients;
    for (const std::string& recipient : message.recipients) {
        append(recipients, "<" + recipient + ">");
    }
    curl_easy_setopt(curl, CURLOPT_MAIL_RCPT, recipients.get());

    Slist headers;
    for (const std::string& line : mailHeaders(message)) {
        append(headers, line);
    }
    curl_easy_setopt(curl, CURLOPT_HTTPHEADER, headers.get());

    Mime mime(curl_mime_init(curl));
    curl_mimepart* text = curl_mime_addpart(mime.get());
    curl_mime_data(text, message.body.c_str(), message.body.size());
    curl_mime_type(text, "text/plain; charset=UTF-8");
    curl_mime_encoder(text, "quoted-printable");

    curl_mimepart* file = curl_mime_addpart(mime.get());
    if (curl_mime_filedata(file, message.attachment.c_str()) != CURLE_OK) {
        throw Error("Cannot read file \"" + message.attachment.string() + "\"");
    }
    curl_mime_type(file, "application/octet-stream");
    curl_mime_encoder(file, "base64");
    curl_easy_setopt(curl, CURLOPT_MIMEPOST, mime.get());

    const CURLcode code = curl_easy_perform(curl);
    if (code != CURLE_OK) {
        throw Error(handle.errorText(code));
    }
}

}  // namespace zt
