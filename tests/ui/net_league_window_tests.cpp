// The net league windows against HTTP and SMTP servers on 127.0.0.1: league and mail info, the
// league files update (progress, cancel, failures, reload), the rosters e-mail and the web update.
#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QProgressBar>
#include <QTest>
#include <QTextEdit>
#include <QTimer>
#include <functional>
#include <random>

#include "league/league.h"
#include "league/league_io.h"
#include "league/net_info.h"
#include "league/ui/qt_text.h"
#include "main_window_fixture.h"
#include "netleague/league_update.h"
#include "netleague/rosters_mail.h"
#include "netleague/ui/check_update_window.h"
#include "netleague/ui/send_rosters_window.h"
#include "netleague/ui/update_league_window.h"
#include "netleague/web_update.h"
#include "netleague/zip_fixture.h"
#include "roster_window_fixture.h"
#include "support/league_builder.h"
#include "support/loopback_server.h"

namespace zt::test {
namespace {

namespace fs = std::filesystem;

std::string fileText(const fs::path& file) {
    const auto bytes = readBytes(file);
    return std::string(bytes.begin(), bytes.end());
}

template <class T>
T* in(const QWidget& window, const char* name) {
    auto* widget = window.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(widget, nullptr) << "no " << name;
    return widget;
}

void click(const QWidget& window, const char* button) {
    QTest::mouseClick(in<QPushButton>(window, button), Qt::LeftButton);
}

// Runs `inspect` on the modal window that `open` brings up; the window is closed afterwards
// unless `inspect` closed it.
void whileModal(const std::function<void()>& open, const std::function<void(QWidget&)>& inspect) {
    bool inspected = false;
    QTimer::singleShot(0, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        ASSERT_NE(modal, nullptr);
        QPointer<QWidget> guard(modal);
        inspect(*modal);
        inspected = true;
        if (guard && guard->isVisible()) {
            guard->close();
        }
    });
    open();
    EXPECT_TRUE(inspected);
}

class NetLeagueWindows : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        fs::create_directories(m_www);
        m_sea = generateLeague("mine", 1);
        m_leagueDir = m_sea.parent_path() / "SampleSeason";
    }

    void setNetInfo(const std::function<void(NetLeagueInfo&)>& change) {
        NetLeagueInfo info = readNetInfo(m_leagueDir / "net.txt");
        change(info);
        writeNetInfo(m_leagueDir / "net.txt", info);
    }

    std::map<std::string, std::vector<std::uint8_t>> leagueFiles() const {
        auto files = snapshotFolder(m_leagueDir);
        files.erase("league.zip");
        return files;
    }

    fs::path m_www = m_dir / "www";
    fs::path m_sea;
    fs::path m_leagueDir;
};

TEST_F(NetLeagueWindows, LeagueInfoShowsQuotedPathsAndRewritesNetTxtOnClose) {
    setNetInfo([](NetLeagueInfo& info) {
        info = {};
        info.leagueName = "Net League";
        info.leagueDirector = "Dee Rector";
        info.leagueEmail = "dir@example.org";
    });
    startWindow({ui::fromPath(m_sea.string())});

    whileModal([&] { action("LeagueInfo1")->trigger(); },
               [&](QWidget& form) {
                   EXPECT_EQ(form.windowTitle(), QStringLiteral("League and mail info"));
                   EXPECT_EQ(in<QLineEdit>(form, "editleague")->text(), QStringLiteral("Net League"));
                   EXPECT_EQ(in<QLineEdit>(form, "editmailleague")->text(), QStringLiteral("dir@example.org"));
                   EXPECT_EQ(in<QLineEdit>(form, "editsmtp")->text(), QString());
                   EXPECT_EQ(in<QLineEdit>(form, "editheader")->text(), QStringLiteral("\"\""));
                   in<QLineEdit>(form, "editsmtp")->setText(QStringLiteral("mail.example.org"));
                   in<QLineEdit>(form, "editheader")->setText(QStringLiteral("\"/web/head.htm\""));
               });

    const NetLeagueInfo& info = m_window->league()->netInfo;
    EXPECT_EQ(info.smtpServer, "mail.example.org");
    EXPECT_EQ(info.htmlHeaderFile, "/web/head.htm");
    EXPECT_EQ(fileText(m_leagueDir / "net.txt"),
              "Net League\r\nDee Rector\r\ndir@example.org\r\n\r\nmail.example.org\r\n\r\n\r\n/web/head.htm\r\n\r\n");
}

TEST_F(NetLeagueWindows, UpdateWithoutUrlSaysSoAndOpensNoWindow) {
    setNetInfo([](NetLeagueInfo& info) { info.leagueFilesUrl.clear(); });
    startWindow({ui::fromPath(m_sea.string())});
    EXPECT_TRUE(action("UpdateLeagueFiles1")->isEnabled());

    action("UpdateLeagueFiles1")->trigger();

    EXPECT_EQ(m_interaction.texts(), std::vector<std::string>{kNoLeagueUrlMessage});
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(NetLeagueWindows, AFullUpdateReplacesTheFilesAndReloadsTheLeague) {
    const fs::path publishedSea = generateLeague("director", 2);
    const fs::path published = publishedSea.parent_path() / "SampleSeason";
    zipFolder(m_www / "league.zip", published, "SampleSeason/");
    LoopbackServer server(LoopbackServer::Kind::Http, m_www);
    setNetInfo([&](NetLeagueInfo& info) { info.leagueFilesUrl = server.url("/league.zip"); });
    startWindow({ui::fromPath(m_sea.string())});
    const League* before = m_window->league();
    m_interaction.answerYesNo(true);  // overwrite
    m_interaction.answerYesNo(true);  // load the league

    whileModal([&] { action("UpdateLeagueFiles1")->trigger(); },
               [&](QWidget& form) {
                   EXPECT_EQ(form.windowTitle(), QStringLiteral("Updating League Files"));
                   EXPECT_EQ(in<QLabel>(form, "lbstate")->text(), QStringLiteral("Status: "));
                   EXPECT_FALSE(in<QLabel>(form, "lblof")->isVisibleTo(&form));
                   click(form, "btupdate");
               });

    EXPECT_EQ(m_interaction.texts(), (std::vector<std::string>{kUpdateLeagueQuestion, kReloadLeagueQuestion}));
    EXPECT_EQ(readBytes(m_leagueDir / "players.zt"), readBytes(published / "players.zt"));
    ASSERT_NE(m_window->league(), nullptr);
    EXPECT_NE(m_window->league(), before);
    const auto director = openLeague(publishedSea);
    ASSERT_EQ(m_window->league()->players.size(), director->players.size());
    EXPECT_EQ(m_window->league()->players.front()->bytes(), director->players.front()->bytes());
}

class UpdateWindow : public NetLeagueWindows {
protected:
    void SetUp() override {
        NetLeagueWindows::SetUp();
        std::mt19937 random(3);
        std::string noise(400000, '\0');
        for (char& c : noise) {
            c = static_cast<char>(random());
        }
        writeZip(m_www / "big.zip", {{"players.zt", noise, ZipItem::Kind::File, true}});
        writeText(m_www / "damaged.zip", "PK\x03\x04 not an archive");
        m_before = leagueFiles();
    }

    std::unique_ptr<ui::TUpdateLeagueForm> form(const std::string& path) {
        auto window = std::make_unique<ui::TUpdateLeagueForm>(
            m_leagueDir, m_server.url(path), m_interaction, [this] { ++m_reloads; });
        window->show();
        return window;
    }

    LoopbackServer m_server{LoopbackServer::Kind::Http, m_dir / "www"};
    std::map<std::string, std::vector<std::uint8_t>> m_before;
    int m_reloads = 0;
};

TEST_F(UpdateWindow, CancelAnsweredNoGoesOnAndYesStopsWithNothingExtracted) {
    auto window = form("/slow/big.zip");
    m_interaction.answerYesNo(false);
    m_interaction.answerYesNo(true);
    int stage = 0;
    bool ofShown = false;
    QString sizeShown;
    QTimer watcher;
    watcher.setInterval(50);
    QObject::connect(&watcher, &QTimer::timeout, [&] {
        if (!window->transferring() || in<QLabel>(*window, "lbrcvbytes")->text().isEmpty()) {
            return;
        }
        ofShown = in<QLabel>(*window, "lblof")->isVisible();
        sizeShown = in<QLabel>(*window, "lbsize")->text();
        if (stage == 0) {
            click(*window, "btcancel");  // No: the transfer goes on
            EXPECT_TRUE(window->transferring());
            EXPECT_TRUE(window->isVisible());
        } else if (stage == 1) {
            click(*window, "btcancel");  // Yes
        }
        ++stage;
    });
    watcher.start();

    click(*window, "btupdate");
    watcher.stop();

    EXPECT_GE(stage, 2);
    EXPECT_TRUE(ofShown);
    EXPECT_EQ(sizeShown.toStdString(), std::to_string(fs::file_size(m_www / "big.zip")));
    EXPECT_EQ(window->result().outcome, LeagueUpdateOutcome::Cancelled);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(m_interaction.texts(), (std::vector<std::string>{kCancelDownloadQuestion, kCancelDownloadQuestion}));
    EXPECT_EQ(leagueFiles(), m_before);
    EXPECT_EQ(m_reloads, 0);
}

TEST_F(UpdateWindow, ANotFoundArchiveShowsTheErrorInTheStatusLine) {
    auto window = form("/missing.zip");
    click(*window, "btupdate");

    EXPECT_TRUE(in<QLabel>(*window, "lbstate")->text().contains(QStringLiteral("404")))
        << in<QLabel>(*window, "lbstate")->text().toStdString();
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(in<QPushButton>(*window, "btupdate")->isEnabled());
    EXPECT_TRUE(m_interaction.texts().empty());
    EXPECT_EQ(leagueFiles(), m_before);
}

TEST_F(UpdateWindow, ADamagedArchiveSaysSoClosesAndReplacesNothing) {
    auto window = form("/damaged.zip");
    click(*window, "btupdate");

    EXPECT_EQ(m_interaction.texts(), std::vector<std::string>{kExtractErrorMessage});
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(leagueFiles(), m_before);
    EXPECT_EQ(m_reloads, 0);
}

class SendRostersWindow : public NetLeagueWindows {
protected:
    void SetUp() override {
        NetLeagueWindows::SetUp();
        fs::create_directories(m_inbox);
        writeText(m_attachment, std::string("\x01\x02\r\n\x00\xff", 6));
        m_message.server = m_server.hostPort();
        m_message.fromName = "Pat";
        m_message.fromAddress = "pat@example.org";
        m_message.recipients = {"a@example.org", "b@example.org"};
        m_message.attachment = m_attachment;
    }

    fs::path m_inbox = m_dir / "inbox";
    fs::path m_attachment = m_dir / "Boston.ssr";
    LoopbackServer m_server{LoopbackServer::Kind::Smtp, m_dir / "inbox"};
    MailMessage m_message;
};

TEST_F(SendRostersWindow, SendMailsTheWindowsTextsOnceAndKeepsTheButtonDisabled) {
    ui::TSendRostersForm window(m_message, rostersMailSubject(1), rostersMailComments(1), m_interaction);
    window.show();
    EXPECT_EQ(in<QLabel>(window, "attlbl")->text().toStdString(), "Attached File : " + m_attachment.string());
    EXPECT_EQ(in<QLineEdit>(window, "editsubject")->text(), QStringLiteral("Boston rosters management"));
    EXPECT_EQ(in<QPlainTextEdit>(window, "Memo1")->toPlainText(), QStringLiteral("Boston rosters management file"));
    in<QPlainTextEdit>(window, "Memo1")->clear();

    click(window, "btsend");

    EXPECT_TRUE(m_interaction.texts().empty()) << m_interaction.texts().front();
    EXPECT_FALSE(in<QPushButton>(window, "btsend")->isEnabled());
    ASSERT_TRUE(waitForPath(m_inbox / "mail-1"));
    EXPECT_EQ(fileText(m_inbox / "mail-1" / "body.txt"), std::string("\r\n") + kMailClosingLine + "\r\n");
    EXPECT_EQ(readBytes(m_inbox / "mail-1" / "attachments" / "Boston.ssr"), readBytes(m_attachment));
}

TEST_F(SendRostersWindow, AFailedSendShowsTheClientsErrorAndTheButtonStaysDisabled) {
    m_server.stop();
    ui::TSendRostersForm window(m_message, "s", "c", m_interaction);
    window.show();

    click(window, "btsend");

    ASSERT_EQ(m_interaction.texts().size(), 1u);
    EXPECT_NE(m_interaction.texts().front().find("127.0.0.1"), std::string::npos) << m_interaction.texts().front();
    EXPECT_FALSE(in<QPushButton>(window, "btsend")->isEnabled());
}

class CheckUpdateWindow : public NetLeagueWindows {
protected:
    void SetUp() override {
        NetLeagueWindows::SetUp();
        fs::create_directories(m_files);
        fs::create_directories(m_editor);
        writeText(m_files / "notes.rtf", "Better standings");
        writeText(m_files / "patch.exe", "MZ-patch");
    }

    void publish(const std::string& patchLine, std::int64_t size) {
        const std::string base = m_server.url("/velmora/vmedit/");
        writeText(m_files / "version2003Editor.txt",
                  "1.10\n*1.05-1.09\n" + base + "notes.rtf\n" + patchLine + "\n" + std::to_string(size) + "\n");
    }

    std::unique_ptr<ui::TCheckUpdateForm> form() {
        auto window = std::make_unique<ui::TCheckUpdateForm>(
            m_server.url(""),
            m_editor,
            m_interaction,
            [this](const fs::path& patch, const std::vector<std::string>& arguments, const fs::path& folder) {
                m_started.push_back(patch.string() + " " + arguments.back() + " in " + folder.string());
                return true;
            });
        window->show();
        return window;
    }

    fs::path m_files = m_dir / "www" / "velmora" / "vmedit";
    fs::path m_editor = m_dir / "editor";
    LoopbackServer m_server{LoopbackServer::Kind::Http, m_dir / "www"};
    std::vector<std::string> m_started;
};

TEST_F(CheckUpdateWindow, ANewVersionShowsItsNotesAndStartsACompletePatch) {
    publish(m_server.url("/velmora/vmedit/patch.exe"), 8);
    auto window = form();
    EXPECT_FALSE(in<QPushButton>(*window, "btupdatenow")->isVisible());

    click(*window, "btcheck");

    EXPECT_EQ(m_interaction.texts(), std::vector<std::string>{kNewVersionMessage});
    EXPECT_TRUE(in<QPushButton>(*window, "btupdatenow")->isVisible());
    EXPECT_TRUE(in<QTextEdit>(*window, "notes")->isVisible());
    EXPECT_EQ(in<QTextEdit>(*window, "notes")->toPlainText(), QStringLiteral("Better standings"));
    EXPECT_TRUE(in<QPushButton>(*window, "btcheck")->isEnabled());

    click(*window, "btupdatenow");

    const fs::path patch = m_editor / "patch.exe";
    EXPECT_EQ(m_started,
              std::vector<std::string>{patch.string() + " /dir=" + m_editor.string() + " in " + m_editor.string()});
    EXPECT_EQ(in<QProgressBar>(*window, "pb")->value(), 100);
    EXPECT_EQ(fileText(patch), "MZ-patch");
}

TEST_F(CheckUpdateWindow, APatchOfAnotherSizeIsNotStarted) {
    publish(m_server.url("/velmora/vmedit/patch.exe"), 9);
    auto window = form();
    click(*window, "btcheck");
    click(*window, "btupdatenow");

    EXPECT_TRUE(m_started.empty());
    ASSERT_EQ(m_interaction.texts().size(), 2u);
    EXPECT_EQ(m_interaction.texts()[1], "The patch has 8 bytes instead of the 9 announced. Nothing was started.");
}

TEST_F(CheckUpdateWindow, TooOldAndLatestAreSaidAndNothingIsDownloaded) {
    publish(kTooOldPatchUrl, 0);
    auto window = form();
    click(*window, "btcheck");
    click(*window, "btupdatenow");
    EXPECT_EQ(m_interaction.texts(), (std::vector<std::string>{kNewVersionMessage, tooOldMessage(m_server.url(""))}));
    EXPECT_FALSE(fs::exists(m_editor / "patch.exe"));

    writeText(m_files / "version2003Editor.txt", "1.05\n");
    auto latest = form();
    click(*latest, "btcheck");
    EXPECT_EQ(m_interaction.texts().back(), kLatestVersionMessage);
    EXPECT_FALSE(in<QPushButton>(*latest, "btupdatenow")->isVisible());
}

class ExportAndSendWindow : public RosterWindowTest {};

TEST_F(ExportAndSendWindow, ExportsTheCurrentTeamAndMailsTheFileFromTheSendingWindow) {
    const fs::path inbox = m_dir / "inbox";
    fs::create_directories(inbox);
    LoopbackServer server(LoopbackServer::Kind::Smtp, inbox);
    league().netInfo.smtpServer = server.hostPort();
    league().netInfo.leagueEmail = "director@example.org, deputy@example.org";
    league().netInfo.userEmail = "pat@example.org";
    showTeam(1);
    selectRows({listedPlayers().at(0)});
    const fs::path file = m_dir / "Boston.ssr";
    m_interaction.answerYesNo(true);  // should the generated lineups be incomplete after the check
    m_dialogs.setNextFileName(ui::fromPath(file.string()));

    whileModal([&] { action("ExportSend1")->trigger(); },
               [&](QWidget& form) {
                   EXPECT_EQ(form.windowTitle(), QStringLiteral("Sending rosters management"));
                   EXPECT_EQ(in<QLabel>(form, "attlbl")->text().toStdString(), "Attached File : " + file.string());
                   EXPECT_EQ(in<QLineEdit>(form, "editsubject")->text(), QStringLiteral("Boston rosters management"));
                   click(form, "btsend");
               });

    EXPECT_EQ(m_dialogs.lastDirectory.toStdString(), rostersExportProposal(league().selectedFile, 1).string());
    ASSERT_TRUE(waitForPath(inbox / "mail-1"));
    EXPECT_EQ(fileText(inbox / "mail-1" / "envelope.txt"),
              "from: pat@example.org\nto: director@example.org\nto: deputy@example.org\n");
    EXPECT_EQ(readBytes(inbox / "mail-1" / "attachments" / "Boston.ssr"), readBytes(file));
}

}  // namespace
}  // namespace zt::test
