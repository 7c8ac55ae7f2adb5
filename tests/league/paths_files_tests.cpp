// Where a league lives, how its files are found and written, and the recent-files list.
#include <gtest/gtest.h>

#include "league/league_paths.h"
#include "league/recent_files.h"
#include "league_test_helpers.h"
#include "support/league_builder.h"
#include "support/temp_dir.h"

namespace zt {
namespace {

namespace fs = std::filesystem;
using test::errorMessage;

struct DirCase {
    const char* selected;
    const char* dir;
};

void PrintTo(const DirCase& c, std::ostream* out) {
    *out << c.selected;
}

class LeagueDirTest : public testing::TestWithParam<DirCase> {};

TEST_P(LeagueDirTest, FollowsFromTheSelectedFile) {
    EXPECT_EQ(leagueDirFromSelectedFile(GetParam().selected).string(), GetParam().dir);
}

INSTANTIATE_TEST_SUITE_P(Cases,
                         LeagueDirTest,
                         testing::Values(DirCase{"/x/My.sea", "/x/MySeason/"},
                                         DirCase{"/x/My.SeA", "/x/MySeason/"},
                                         DirCase{"/a.sea.files/L.sea", "/aSeason/"},
                                         DirCase{"/a.pla.x/L.sea", "/a.pla.x/LSeason/"},
                                         DirCase{"/x/Cup.pla", "/x/CupPlayoffs/"},
                                         DirCase{"/x/Cup.PLA", "/x/CupPlayoffs/"},
                                         DirCase{"/x/L/players.zt", "/x/L/"},
                                         DirCase{"/x/L/Players.ZT", "/x/L/"},
                                         DirCase{"Rel.sea", "RelSeason/"},
                                         // A bare file name is in the current folder, not the root.
                                         DirCase{"players.zt", "./"}));

TEST(LeagueDirForSaveAs, IsTheSeasonFolderBesideTheChosenFile) {
    EXPECT_EQ(leagueDirForSaveAs("/x/New.sea").string(), "/x/NewSeason/");
    EXPECT_EQ(leagueDirForSaveAs("/x/New.SEA").string(), "/x/NewSeason/");
    const std::string message = errorMessage([] { leagueDirForSaveAs("/x/New.txt"); });
    EXPECT_TRUE(test::contains(message, "/x/New.txt")) << message;
}

// ---------------------------------------------------------------------------------------------

TEST(RecentFiles, OpeningAFileMovesItToTheTop) {
    struct Case {
        const char* opened;
        std::array<std::string, 3> after;
    };
    const Case cases[] = {
        {"B", {"B", "A", "C"}},  // the second swaps with the first
        {"A", {"A", "B", "C"}},  // the first stays
        {"C", {"C", "A", "B"}},  // the third is a new path: the others move down
        {"D", {"D", "A", "B"}},
        {"a", {"a", "A", "B"}},  // paths are compared exactly
    };
    for (const Case& c : cases) {
        RecentFiles recent{{"A", "B", "C"}};
        recent.update(c.opened);
        EXPECT_EQ(recent.items, c.after) << "opened " << c.opened;
    }
    RecentFiles fresh;
    fresh.update("X");
    EXPECT_EQ(fresh.items, (std::array<std::string, 3>{"X", "", ""}));
}

// ---------------------------------------------------------------------------------------------

TEST(LeagueFiles, ExactNameWinsOverOtherLetterCase) {
    test::TempDir dir;
    EXPECT_FALSE(findFileNoCase(dir.path(), "stats.zt").has_value());
    EXPECT_EQ(leagueFilePath(dir.path(), "stats.zt"), dir / "stats.zt");
    test::writeText(dir / "STATS.ZT", "upper");
    EXPECT_EQ(findFileNoCase(dir.path(), "stats.zt"), dir / "STATS.ZT");
    EXPECT_EQ(leagueFilePath(dir.path(), "stats.zt"), dir / "STATS.ZT");
    test::writeText(dir / "stats.zt", "lower");
    EXPECT_EQ(findFileNoCase(dir.path(), "stats.zt"), dir / "stats.zt");
    fs::create_directory(dir / "Season.zt");
    EXPECT_FALSE(findFileNoCase(dir.path(), "season.zt").has_value()) << "a folder is not a league file";
}

TEST(LeagueFiles, UnreadableFileIsNamedWithTheSystemsReason) {
    test::TempDir dir;
    const std::string message = errorMessage([&] { readFileBytes(dir / "gone.zt"); });
    EXPECT_EQ(message, "Cannot open file \"" + (dir / "gone.zt").string() + "\". No such file or directory");
}

TEST(LeagueFiles, FailedAtomicWriteKeepsTheOldFileAndLeavesNoTemporary) {
    test::TempDir dir;
    test::writeText(dir / "net.txt", "old");
    test::FailingWriter writer("net.txt", 2);
    const std::vector<std::uint8_t> bytes = {'n', 'e', 'w', '!'};
    const std::string message = errorMessage([&] { writeFileAtomically(dir / "net.txt", bytes, writer); });
    EXPECT_TRUE(test::contains(message, (dir / "net.txt").string())) << message;
    EXPECT_TRUE(test::contains(message, "No space left on device")) << message;
    const auto files = test::snapshotFolder(dir.path());
    ASSERT_EQ(files.size(), 1u);
    EXPECT_EQ(files.begin()->second, (std::vector<std::uint8_t>{'o', 'l', 'd'}));

    writeFileAtomically(dir / "net.txt", bytes);
    EXPECT_EQ(test::readBytes(dir / "net.txt"), bytes);
    EXPECT_EQ(test::snapshotFolder(dir.path()).size(), 1u);
}

TEST(LeagueFiles, TransactionDroppedBeforeCommitRemovesItsTemporaries) {
    test::TempDir dir;
    test::writeText(dir / "a.zt", "a");
    {
        FileTransaction transaction;
        transaction.stage(dir / "a.zt", std::vector<std::uint8_t>{1, 2});
        transaction.stage(dir / "b.zt", std::vector<std::uint8_t>{3});
        EXPECT_TRUE(transaction.stageCopy(dir / "a.zt", dir / "c.zt"));
        EXPECT_FALSE(transaction.stageCopy(dir / "missing.zt", dir / "d.zt"));
    }
    const auto files = test::snapshotFolder(dir.path());
    ASSERT_EQ(files.size(), 1u);
    EXPECT_EQ(files.begin()->first, "a.zt");
}

}  // namespace
}  // namespace zt
