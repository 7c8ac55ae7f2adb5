// The rosters e-mail: its texts, and the message an SMTP server on 127.0.0.1 receives.
#include <gtest/gtest.h>

#include "league/error.h"
#include "league/net_info.h"
#include "netleague/rosters_mail.h"
#include "support/league_builder.h"
#include "support/loopback_server.h"
#include "support/temp_dir.h"

namespace zt {
namespace {

namespace fs = std::filesystem;
using test::LoopbackServer;

std::string textOf(const fs::path& file) {
    const auto bytes = test::readBytes(file);
    return std::string(bytes.begin(), bytes.end());
}

TEST(RostersMailTexts, TheWindowOpensWithTheTeamsName) {
    EXPECT_EQ(rostersMailSubject(1), "Boston rosters management");
    EXPECT_EQ(rostersMailComments(1), "Boston rosters management file");
    EXPECT_EQ(attachedFileText("/leagues/Boston.ssr"), "Attached File : /leagues/Boston.ssr");
    EXPECT_EQ(rostersExportProposal("/leagues/My.sea", 1), fs::path("/leagues/Boston"));
}

TEST(RostersMailTexts, TheBodyEndsWithAnEmptyLineAndTheClosingLine) {
    const std::string closing = std::string("\r\n") + kMailClosingLine + "\r\n";
    const std::pair<const char*, std::string> cases[] = {
        {"", closing},
        {"Boston rosters management file", "Boston rosters management file\r\n" + closing},
        {"one\ntwo", "one\r\ntwo\r\n" + closing},
        {"one\r\ntwo\r\n", "one\r\ntwo\r\n" + closing},
        {"one\n\nthree", "one\r\n\r\nthree\r\n" + closing},
    };
    for (const auto& [comments, body] : cases) {
        EXPECT_EQ(rostersMailBody(comments), body) << comments;
    }
}

TEST(RostersMailTexts, RecipientsComeFromACommaSeparatedList) {
    const std::pair<const char*, std::vector<std::string>> cases[] = {
        {"", {}},
        {"director@example.org", {"director@example.org"}},
        {"a@example.org, b@example.org", {"a@example.org", "b@example.org"}},
        {" a@example.org ,, b@example.org,", {"a@example.org", "b@example.org"}},
    };
    for (const auto& [list, recipients] : cases) {
        EXPECT_EQ(splitRecipients(list), recipients) << list;
    }
}

class RostersMailSend : public testing::Test {
protected:
    void SetUp() override {
        fs::create_directories(m_inbox);
        m_attachment = m_root / "Boston.ssr";
        std::vector<std::uint8_t> bytes(1746);
        for (std::size_t i = 0; i < bytes.size(); ++i) {
            bytes[i] = static_cast<std::uint8_t>(i * 7);  // every byte value, CR and LF among them
        }
        test::writeBytes(m_attachment, bytes);
        m_info.leagueEmail = "director@example.org, deputy@example.org";
        m_info.userName = "Pat Manager";
        m_info.userEmail = "pat@example.org";
        m_info.smtpServer = m_server.hostPort();
    }

    test::TempDir m_root;
    fs::path m_inbox = m_root / "inbox";
    LoopbackServer m_server{LoopbackServer::Kind::Smtp, m_root / "inbox"};
    NetLeagueInfo m_info;
    fs::path m_attachment;
};

TEST_F(RostersMailSend, TheServerReceivesBothRecipientsTheTextsAndTheFileUnchanged) {
    sendMail(rostersMail(m_info, "Boston rosters management", "Boston rosters management file\nSee you", m_attachment));

    const fs::path mail = m_inbox / "mail-1";
    ASSERT_TRUE(test::waitForPath(mail));
    EXPECT_EQ(textOf(mail / "envelope.txt"),
              "from: pat@example.org\nto: director@example.org\nto: deputy@example.org\n");
    EXPECT_EQ(textOf(mail / "headers.txt"),
              "From: Pat Manager <pat@example.org>\n"
              "Sender: Pat Manager <pat@example.org>\n"
              "To: director@example.org, deputy@example.org\n"
              "Subject: Boston rosters management\n");
    EXPECT_EQ(textOf(mail / "body.txt"),
              std::string("Boston rosters management file\r\nSee you\r\n\r\n") + kMailClosingLine + "\r\n");
    EXPECT_EQ(test::readBytes(mail / "attachments" / "Boston.ssr"), test::readBytes(m_attachment));
}

TEST_F(RostersMailSend, ASubjectBeyondAsciiArrivesIntact) {
    sendMail(rostersMail(m_info,
                         "Montr\xc3\xa9"
                         "al rosters",
                         "",
                         m_attachment));
    ASSERT_TRUE(test::waitForPath(m_inbox / "mail-1"));
    EXPECT_NE(textOf(m_inbox / "mail-1" / "headers.txt")
                  .find("Subject: Montr\xc3\xa9"
                        "al rosters\n"),
              std::string::npos);
}

TEST_F(RostersMailSend, MissingSettingsAndAnUnreachableServerGiveTheClientsError) {
    const auto failure = [&](const NetLeagueInfo& info) -> std::string {
        try {
            sendMail(rostersMail(info, "s", "c", m_attachment));
        } catch (const Error& error) {
            return error.what();
        }
        return {};
    };
    NetLeagueInfo noServer = m_info;
    noServer.smtpServer.clear();
    EXPECT_FALSE(failure(noServer).empty());
    NetLeagueInfo noRecipients = m_info;
    noRecipients.leagueEmail = " , ";
    EXPECT_EQ(failure(noRecipients), "No recipient for the message: the league's email address is empty");
    m_server.stop();
    const std::string unreachable = failure(m_info);
    EXPECT_NE(unreachable.find("127.0.0.1"), std::string::npos) << unreachable;
    EXPECT_FALSE(fs::exists(m_inbox / "mail-1"));
}

}  // namespace
}  // namespace zt
