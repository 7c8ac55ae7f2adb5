#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "league/error.h"
#include "league/file_faults.h"
#include "league/file_io.h"
#include "league/file_stream.h"
#include "support/fault_sweep.h"
#include "support/folder_snapshot.h"
#include "support/temp_dir.h"

namespace zt::test {
namespace {

namespace fs = std::filesystem;

std::vector<std::uint8_t> bytesOf(const std::string& text) {
    return {text.begin(), text.end()};
}

void writeText(const fs::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

// The four operations of one new file, in order, each failing as the disk would make it fail.
TEST(FileFaults, EachOperationOfAnAtomicWriteFailsInTurnAndLeavesNoFile) {
    TempDir dir;
    const fs::path target = dir / "net.txt";
    const std::vector<std::uint8_t> bytes = bytesOf("league");
    for (std::uint64_t n = 1; n <= 4; ++n) {
        const FileFaultsScope fault(n);
        const std::string message = errorOf([&] { writeFileAtomically(target, bytes); });
        EXPECT_TRUE(FileFaults::fired()) << n;
        const std::string verb = n == 4 ? "Cannot replace file \"" : "Cannot write file \"";
        EXPECT_EQ(message, verb + target.string() + "\". Input/output error") << n;
        EXPECT_EQ(snapshotFolders({dir.path()}).size(), 1U) << "only the folder itself, at fault " << n;
    }
    const FileFaultsScope beyond(5);
    writeFileAtomically(target, bytes);
    EXPECT_FALSE(FileFaults::fired());
    EXPECT_EQ(FileFaults::counted(), 4U);
    EXPECT_EQ(snapshotFolders({target}).at(target.string()), "league");
}

TEST(FileFaults, UnarmedCountsNothingAndDisarmingStopsTheFault) {
    TempDir dir;
    FileFaults::failAt(1);
    FileFaults::disarm();
    writeFileAtomically(dir / "a.txt", bytesOf("a"));
    EXPECT_FALSE(FileFaults::fired());
    EXPECT_EQ(FileFaults::counted(), 0U);
}

struct CommitCase {
    const char* name;
    Backup backup;
    bool withOldBackups;
};

class CommitRollback : public ::testing::TestWithParam<CommitCase> {};

// Three files replaced together, two of them existing (one with a backup already), one new:
// whichever step fails, the folder is as it was, and the successful commit leaves exactly the
// new files and (when kept) the old ones as backups.
TEST_P(CommitRollback, AFailureAnywhereInTheCommitPutsEveryFileBack) {
    const CommitCase& param = GetParam();
    TempDir dir;
    writeText(dir / "players.zt", "old players");
    writeText(dir / "season.zt", "old season");
    if (param.withOldBackups) {
        writeText(dir / "players.zt.bak", "older players");
    }
    const auto attempt = [&]() {
        return errorOf([&] {
            FileTransaction transaction;
            transaction.stage(dir / "players.zt", bytesOf("new players"), param.backup);
            transaction.stage(dir / "scores.zt", bytesOf("new scores"), param.backup);
            transaction.stage(dir / "season.zt", bytesOf("new season"), param.backup);
            transaction.commit();
        });
    };
    const FaultSweep sweep = sweepWriteFaults({dir.path()}, attempt);
    EXPECT_TRUE(sweep.problems.empty()) << problemList(sweep);
    EXPECT_EQ(sweep.failedRuns, sweep.operations);

    const FolderSnapshot after = snapshotFolders({dir.path()});
    EXPECT_EQ(after.at((dir / "players.zt").string()), "new players");
    EXPECT_EQ(after.at((dir / "scores.zt").string()), "new scores");
    EXPECT_EQ(after.at((dir / "season.zt").string()), "new season");
    if (param.backup == Backup::Keep) {
        EXPECT_EQ(after.at((dir / "players.zt.bak").string()), "old players");
        EXPECT_EQ(after.at((dir / "season.zt.bak").string()), "old season");
        EXPECT_FALSE(after.contains((dir / "scores.zt.bak").string()));
    } else if (param.withOldBackups) {
        EXPECT_EQ(after.at((dir / "players.zt.bak").string()), "older players");
    }
}

INSTANTIATE_TEST_SUITE_P(Backups,
                         CommitRollback,
                         ::testing::Values(CommitCase{"NoBackup", Backup::None, false},
                                           CommitCase{"NoBackupBesideOldOnes", Backup::None, true},
                                           CommitCase{"KeepFirstBackup", Backup::Keep, false},
                                           CommitCase{"KeepReplacingOldBackup", Backup::Keep, true}),
                         [](const auto& info) { return std::string(info.param.name); });

// The last rename failing is the worst case of the old commit: every other file was already new.
TEST(FileFaults, FailedLastRenameNamesItsFileAndRestoresTheOthers) {
    TempDir dir;
    writeText(dir / "a.zt", "old a");
    writeText(dir / "b.zt", "old b");
    FileTransaction transaction;
    transaction.stage(dir / "a.zt", bytesOf("new a"));
    transaction.stage(dir / "b.zt", bytesOf("new b"));
    // Armed after staging: the two second names, then the two renames.
    const FileFaultsScope fault(4);
    EXPECT_EQ(errorOf([&] { transaction.commit(); }),
              "Cannot replace file \"" + (dir / "b.zt").string() + "\". Input/output error");
    const FolderSnapshot after = snapshotFolders({dir.path()});
    EXPECT_EQ(after.size(), 3U) << describeDifference({}, after);
    EXPECT_EQ(after.at((dir / "a.zt").string()), "old a");
    EXPECT_EQ(after.at((dir / "b.zt").string()), "old b");
}

// Files written one by one inside a batch, into a folder the command creates: all of them
// appear together, and a failure anywhere leaves not even the folder.
TEST(FileFaults, ABatchPutsTheFilesOfACommandInPlaceTogether) {
    TempDir dir;
    writeText(dir / "index.html", "old index");
    const auto attempt = [&]() {
        return errorOf([&] {
            CreatedFolders created(dir / "site" / "cards");
            FileTransaction batch(FileTransaction::Batch::Open);
            writeFileAtomically(dir / "site" / "cards" / "a.htm", bytesOf("card a"));
            {
                FileTransaction nested(FileTransaction::Batch::Open);
                writeFileAtomically(dir / "site" / "cards" / "b.htm", bytesOf("card b"));
                nested.commit();
            }
            // Nothing is in place before the batch commits.
            if (fs::exists(dir / "site" / "cards" / "a.htm")) {
                throw Error("a.htm appeared before the batch committed");
            }
            writeFileAtomically(dir / "index.html", bytesOf("new index"));
            batch.commit();
            created.keep();
        });
    };
    const FaultSweep sweep = sweepWriteFaults({dir.path()}, attempt);
    EXPECT_TRUE(sweep.problems.empty()) << problemList(sweep);
    EXPECT_EQ(sweep.failedRuns, sweep.operations);
    const FolderSnapshot after = snapshotFolders({dir.path()});
    EXPECT_EQ(after.at((dir / "site" / "cards" / "b.htm").string()), "card b");
    EXPECT_EQ(after.at((dir / "index.html").string()), "new index");
}

TEST(FileFaults, StreamedFileReplacesItsTargetOnlyWhenCommitted) {
    TempDir dir;
    const fs::path target = dir / "league.zip";
    writeText(target, "old archive");
    const auto attempt = [&]() {
        return errorOf([&] {
            StreamedFile file(target);
            file.write("new ", 4);
            file.write("archive", 7);
            file.commit();
        });
    };
    const FaultSweep sweep = sweepWriteFaults({dir.path()}, attempt);
    EXPECT_TRUE(sweep.problems.empty()) << problemList(sweep);
    EXPECT_EQ(sweep.operations, 5U);  // open, two writes, flush, rename
    EXPECT_EQ(snapshotFolders({target}).at(target.string()), "new archive");

    {
        StreamedFile abandoned(target);
        abandoned.write("partial", 7);
    }
    EXPECT_EQ(snapshotFolders({dir.path()}).size(), 2U);
    EXPECT_EQ(snapshotFolders({target}).at(target.string()), "new archive");
}

}  // namespace
}  // namespace zt::test
