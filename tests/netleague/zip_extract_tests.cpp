// Extracting the league archive: flat, inside the league folder, all or nothing.
#include <gtest/gtest.h>

#include "league/error.h"
#include "netleague/zip_extract.h"
#include "support/league_builder.h"
#include "support/temp_dir.h"
#include "zip_fixture.h"

namespace zt {
namespace {

namespace fs = std::filesystem;
using test::ZipItem;

class ZipExtract : public testing::Test {
protected:
    void SetUp() override {
        fs::create_directories(m_league);
        test::writeText(m_league / "players.zt", "old players");
        test::writeText(m_league / "season.zt", "old season");
    }

    std::vector<std::string> extract(const std::vector<ZipItem>& items, const ExtractLimits& limits = {}) {
        test::writeZip(m_archive, items);
        return extractFlat(m_archive, m_league, limits);
    }

    // The folder as it stands, the archive left out.
    std::map<std::string, std::vector<std::uint8_t>> leagueFiles() const {
        auto files = test::snapshotFolder(m_root.path());
        files.erase("league.zip");
        return files;
    }

    std::string refusal(const std::vector<ZipItem>& items, const ExtractLimits& limits = {}) {
        const auto before = leagueFiles();
        try {
            extract(items, limits);
        } catch (const Error& error) {
            EXPECT_EQ(leagueFiles(), before) << "a refused archive changed the folder";
            return error.what();
        }
        ADD_FAILURE() << "the archive was not refused";
        return {};
    }

    static std::string text(const fs::path& file) {
        const auto bytes = test::readBytes(file);
        return std::string(bytes.begin(), bytes.end());
    }

    test::TempDir m_root;
    fs::path m_league = m_root / "LeagueSeason";
    fs::path m_archive = m_root / "league.zip";
};

TEST_F(ZipExtract, EntriesInSubFoldersLandFlatInTheLeagueFolder) {
    const auto written = extract({{"LeagueSeason/players.zt", "new players"},
                                  {"LeagueSeason/deep/er/season.zt", "new season"},
                                  {"net.txt", "a\r\n"}});

    EXPECT_EQ(written, (std::vector<std::string>{"players.zt", "season.zt", "net.txt"}));
    EXPECT_EQ(text(m_league / "players.zt"), "new players");
    EXPECT_EQ(text(m_league / "season.zt"), "new season");
    EXPECT_EQ(text(m_league / "net.txt"), "a\r\n");
    for (const auto& entry : fs::recursive_directory_iterator(m_league)) {
        EXPECT_TRUE(entry.is_regular_file()) << entry.path() << " was created";
    }
}

TEST_F(ZipExtract, NamesThatClimbOrStartAtTheRootStayInsideTheFolder) {
    extract({{"../escaped.zt", "1"}, {"..\\..\\windows.zt", "2"}, {"/etc/rooted.zt", "3"}, {"a/../../up.zt", "4"}});

    for (const char* name : {"escaped.zt", "windows.zt", "rooted.zt", "up.zt"}) {
        EXPECT_TRUE(fs::exists(m_league / name)) << name;
        EXPECT_FALSE(fs::exists(m_root / name)) << name << " escaped the league folder";
    }
}

TEST_F(ZipExtract, DirectoryAndLinkEntriesAreSkipped) {
    const auto written = extract({{"sub/", "", ZipItem::Kind::Directory},
                                  {"players.zt", "/etc/passwd", ZipItem::Kind::Link},
                                  {"season.zt", "new season"}});

    EXPECT_EQ(written, std::vector<std::string>{"season.zt"});
    EXPECT_FALSE(fs::is_symlink(m_league / "players.zt"));
    EXPECT_EQ(text(m_league / "players.zt"), "old players");
    EXPECT_FALSE(fs::exists(m_league / "sub"));
}

TEST_F(ZipExtract, AnExistingFileIsReplacedInTheCaseItHas) {
    fs::rename(m_league / "players.zt", m_league / "Players.zt");
    extract({{"players.zt", "new players"}});

    EXPECT_EQ(text(m_league / "Players.zt"), "new players");
    EXPECT_FALSE(fs::exists(m_league / "players.zt"));
}

TEST_F(ZipExtract, NamesWithoutAFileNameRefuseTheArchive) {
    for (const char* name : {"a/..", "b/.", ".."}) {
        SCOPED_TRACE(name);
        const std::string message = refusal({{"players.zt", "new players"}, {name, "x"}});
        EXPECT_NE(message.find("has no file name"), std::string::npos) << message;
        EXPECT_NE(message.find(m_archive.string()), std::string::npos) << message;
    }
}

TEST_F(ZipExtract, OneDamagedEntryReplacesNothing) {
    const std::string good(5000, 'g');
    const std::string damaged = "DAMAGE-ME" + std::string(4000, 'd');
    test::writeZip(
        m_archive,
        {{"players.zt", good, ZipItem::Kind::File, true}, {"season.zt", damaged, ZipItem::Kind::File, true}});
    test::damageFile(m_archive, "DAMAGE-ME");
    const auto before = leagueFiles();

    EXPECT_THROW(extractFlat(m_archive, m_league), Error);
    EXPECT_EQ(leagueFiles(), before);
}

TEST_F(ZipExtract, ATruncatedOrForeignFileIsRefused) {
    test::writeZip(m_archive, {{"players.zt", std::string(20000, 'p')}});
    auto bytes = test::readBytes(m_archive);
    bytes.resize(bytes.size() / 2);
    test::writeBytes(m_archive, bytes);
    EXPECT_THROW(extractFlat(m_archive, m_league), Error);

    test::writeText(m_archive, "<html>Not found</html>");
    try {
        extractFlat(m_archive, m_league);
        ADD_FAILURE() << "a page was taken for an archive";
    } catch (const Error& error) {
        EXPECT_NE(std::string(error.what()).find("league.zip"), std::string::npos) << error.what();
    }
    EXPECT_EQ(text(m_league / "players.zt"), "old players");
}

TEST_F(ZipExtract, LimitsOnEntriesAndBytesRefuseTheArchive) {
    EXPECT_NE(refusal({{"a", "1"}, {"b", "2"}, {"c", "3"}}, {2, 1000}).find("3 entries, more than 2"),
              std::string::npos);
    // The bytes that come out count, whatever the archive claims: 600 + 600 over 1000.
    EXPECT_NE(
        refusal({{"a", std::string(600, 'a')}, {"b", std::string(600, 'b')}}, {10, 1000}).find("more than 1000 bytes"),
        std::string::npos);
}

}  // namespace
}  // namespace zt
