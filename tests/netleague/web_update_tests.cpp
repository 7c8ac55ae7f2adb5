// The version file, the release notes and the patch download against a real HTTP server.
#include <gtest/gtest.h>

#include "league/error.h"
#include "netleague/web_update.h"
#include "recording_observer.h"
#include "support/league_builder.h"
#include "support/loopback_server.h"
#include "support/temp_dir.h"

namespace zt {
namespace {

namespace fs = std::filesystem;
using test::LoopbackServer;

struct VersionCase {
    const char* name;
    const char* file;
    bool newer;
    const char* range;  // of the entry taken, or nullptr for none
    const char* patchUrl;
    std::int64_t size;
};

class VersionFileCases : public testing::TestWithParam<VersionCase> {};

TEST_P(VersionFileCases, TheEntryHoldingTheEditorsVersionIsTaken) {
    const VersionCase& c = GetParam();
    const VersionCheck check = readVersionFile(c.file);
    EXPECT_EQ(check.newer, c.newer);
    EXPECT_STREQ(check.message(), c.newer ? kNewVersionMessage : kLatestVersionMessage);
    ASSERT_EQ(check.patch.has_value(), c.range != nullptr);
    if (check.patch) {
        EXPECT_EQ(check.patch->range, c.range);
        EXPECT_EQ(check.patch->patchUrl, c.patchUrl);
        EXPECT_EQ(check.patch->size, c.size);
        EXPECT_EQ(check.patch->tooOld(), std::string(c.patchUrl) == kTooOldPatchUrl);
    }
}

INSTANTIATE_TEST_SUITE_P(
    VersionFile,
    VersionFileCases,
    testing::Values(
        VersionCase{"Latest", "1.05\r\n", false, nullptr, nullptr, 0},
        VersionCase{"OlderOnServer", "1.00\n*1.00-1.05\nn\np\n1\n", false, nullptr, nullptr, 0},
        VersionCase{"SecondEntryMatches",
                    "1.10\r\n*1.00-1.04\r\nhttp://h/n1.rtf\r\nhttp://h/p1.exe\r\n100\r\n"
                    "*1.05-1.09\r\nhttp://h/n2.rtf\r\nhttp://h/p2.exe\r\n2345\r\n",
                    true,
                    "1.05-1.09",
                    "http://h/p2.exe",
                    2345},
        VersionCase{"BoundsCount", "2\n*0.9-1.05\nn\np\n7\n", true, "0.9-1.05", "p", 7},
        VersionCase{"TooOld", "1.10\n*1.00-1.05\nhttp://h/n.rtf\nTOO_OLD\n0\n", true, "1.00-1.05", "TOO_OLD", 0},
        VersionCase{"NoMatchingEntry", "1.10\n*1.00-1.04\nn\np\n1\n*1.06-1.09\nn\np\n1\n", true, nullptr, nullptr, 0}),
    [](const testing::TestParamInfo<VersionCase>& info) { return info.param.name; });

TEST(VersionFile, NumbersThatAreNotNumbersGiveTheConversionsMessage) {
    const std::pair<const char*, const char*> cases[] = {
        {"one point ten\n", "'one point ten' is not a valid floating point value"},
        {"", "'' is not a valid floating point value"},
        {"1.10\n*1.00-1.09\nn\np\nbig\n", "'big' is not a valid integer value"},
        {"1.10\n*1.00-1.09\nn\np\n", "The version file ends inside the entry \"*1.00-1.09\""},
    };
    for (const auto& [file, message] : cases) {
        try {
            readVersionFile(file);
            ADD_FAILURE() << file;
        } catch (const Error& error) {
            EXPECT_STREQ(error.what(), message);
        }
    }
}

TEST(VersionFile, ProgressIsARoundedPercentage) {
    EXPECT_EQ(patchPercent(0, 2000), 0);
    EXPECT_EQ(patchPercent(1010, 2000), 50);  // halves round to the even neighbour
    EXPECT_EQ(patchPercent(1030, 2000), 52);
    EXPECT_EQ(patchPercent(1011, 2000), 51);
    EXPECT_EQ(patchPercent(2000, 2000), 100);
    EXPECT_EQ(patchPercent(5, 0), 0);
    EXPECT_EQ(patchArguments("/opt/ztedit"),
              (std::vector<std::string>{"/SP-", "/silent", "/noicons", "/dir=/opt/ztedit"}));
}

class WebUpdate : public testing::Test {
protected:
    void SetUp() override {
        fs::create_directories(m_files);
        fs::create_directories(m_editor);
        test::writeText(m_files / "notes.rtf", "{\\rtf1 Better standings.}");
        test::writeText(m_files / "patch.exe", std::string(3000, 'x'));
    }

    void publish(std::int64_t size, const std::string& patchPath = "patch.exe") {
        const std::string base = m_server.url("/velmora/vmedit/");
        test::writeText(m_files / "version2003Editor.txt",
                        "1.10\r\n*1.00-1.09\r\n" + base + "notes.rtf\r\n" + base + patchPath + "\r\n" +
                            std::to_string(size) + "\r\n");
    }

    test::TempDir m_root;
    fs::path m_files = m_root / "www" / "velmora" / "vmedit";
    fs::path m_editor = m_root / "editor";
    LoopbackServer m_server{LoopbackServer::Kind::Http, m_root / "www"};
    test::RecordingObserver m_observer;
};

TEST_F(WebUpdate, TheNotesArriveAndACompletePatchIsKept) {
    publish(3000);
    const UpdateCheckResult result = checkForUpdate(m_server.url(""), m_editor, m_observer);

    ASSERT_TRUE(result.check.patch);
    EXPECT_EQ(result.notesFile, m_editor / "new.rtf");
    EXPECT_EQ(test::readBytes(result.notesFile), test::readBytes(m_files / "notes.rtf"));

    m_observer = {};
    const fs::path patch = downloadPatch(*result.check.patch, m_server.url(""), m_editor, m_observer);
    EXPECT_EQ(patch, m_editor / "patch.exe");
    EXPECT_EQ(test::readBytes(patch), test::readBytes(m_files / "patch.exe"));
    EXPECT_EQ(m_observer.progress.back(), 3000);
}

TEST_F(WebUpdate, APatchOfAnotherSizeThanAnnouncedIsRemovedAndNotStarted) {
    for (const std::int64_t announced : {2999, 3001}) {
        publish(announced);
        const UpdateCheckResult result = checkForUpdate(m_server.url(""), m_editor, m_observer);
        try {
            downloadPatch(*result.check.patch, m_server.url(""), m_editor, m_observer);
            ADD_FAILURE() << announced;
        } catch (const Error& error) {
            EXPECT_EQ(std::string(error.what()),
                      "The patch has 3000 bytes instead of the " + std::to_string(announced) +
                          " announced. Nothing was started.");
        }
        EXPECT_FALSE(fs::exists(m_editor / "patch.exe"));
    }
}

TEST_F(WebUpdate, AMissingPatchOrVersionFileIsTheClientsError) {
    publish(3000, "gone.exe");
    const UpdateCheckResult result = checkForUpdate(m_server.url(""), m_editor, m_observer);
    try {
        downloadPatch(*result.check.patch, m_server.url(""), m_editor, m_observer);
        ADD_FAILURE();
    } catch (const Error& error) {
        EXPECT_NE(std::string(error.what()).find("404"), std::string::npos) << error.what();
    }
    EXPECT_FALSE(fs::exists(m_editor / "patch.exe"));

    fs::remove(m_files / "version2003Editor.txt");
    EXPECT_THROW(checkForUpdate(m_server.url(""), m_editor, m_observer), TransferError);
}

TEST_F(WebUpdate, ATooOldEntryNamesTheFullInstaller) {
    PatchEntry entry;
    entry.patchUrl = kTooOldPatchUrl;
    try {
        downloadPatch(entry, "http://updates.example.org/", m_editor, m_observer);
        ADD_FAILURE();
    } catch (const Error& error) {
        EXPECT_STREQ(error.what(),
                     "Sorry, your version is too old to be updated by the web update feature.\n"
                     "Please uninstall your version and download the full installer at\n"
                     "http://updates.example.org/velmora/vmedit/VMESetup.exe");
    }
}

}  // namespace
}  // namespace zt
