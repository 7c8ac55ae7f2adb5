#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

namespace zt {

namespace fs = std::filesystem;

// Reads a whole file. Throws zt::Error naming the file and the system's reason.
std::vector<std::uint8_t> readFileBytes(const fs::path& path);

// The file `name` in `dir`, matched without regard to letter case (a league copied from
// Windows may hold "Players.zt"); an exact match wins. No value when there is none.
std::optional<fs::path> findFileNoCase(const fs::path& dir, std::string_view name);

// Where a league file lives or will be written: the existing file of that name in any letter
// case, else `dir/name`.
fs::path leagueFilePath(const fs::path& dir, std::string_view name);

// Writes the bytes of one file, throwing zt::Error with the system's reason on failure. The
// default writes to disk; tests substitute writers that fail.
class FileWriter {
public:
    virtual ~FileWriter() = default;
    virtual void write(const fs::path& path, std::span<const std::uint8_t> bytes) = 0;
};

FileWriter& diskFileWriter();

// Writes to a temporary file beside `target` and renames it over the target, so a failed
// write never leaves a half-written file in place.
void writeFileAtomically(const fs::path& target,
                         std::span<const std::uint8_t> bytes,
                         FileWriter& writer = diskFileWriter());

// Whether a file that a transaction replaces is kept as "<name>.bak" (one generation: the
// previous backup goes).
enum class Backup { None, Keep };
fs::path backupPathOf(const fs::path& target);

// A group of files that replace their targets together: every file is written to a temporary
// first; commit() renames them into place only when all were written, and should a rename fail,
// puts back every file already replaced. Destroying an uncommitted transaction removes its
// temporaries, leaving the targets as they were.
//
// A transaction opened as a batch gathers a whole command's files: while it lives, every other
// transaction (and so every writeFileAtomically) joins it on commit, its files renamed into
// place only with the batch's. A command that writes many files one by one (a web site, a
// folder of cards, a new league) leaves all of them old or all new. Code inside a batch must
// not read back a file it wrote: that file is still the old one until the batch commits.
class FileTransaction {
public:
    enum class Batch { Open };

    explicit FileTransaction(FileWriter& writer = diskFileWriter());
    FileTransaction(Batch, FileWriter& writer = diskFileWriter());
    ~FileTransaction();
    FileTransaction(const FileTransaction&) = delete;
    FileTransaction& operator=(const FileTransaction&) = delete;

    void stage(const fs::path& target, std::span<const std::uint8_t> bytes, Backup backup = Backup::None);

    // Stages a copy of `source`; a source that is missing or unreadable is skipped quietly,
    // as copies of side files never stop a save. Returns whether a copy was staged.
    bool stageCopy(const fs::path& source, const fs::path& target, Backup backup = Backup::None);

    void commit();

private:
    struct Staged {
        fs::path temporary;
        fs::path target;
        Backup backup = Backup::None;
    };

    void removeTemporaries() noexcept;
    void join(FileTransaction& batch);

    FileWriter& m_writer;
    FileTransaction* m_outerBatch = nullptr;  // the batch open before this one, when this is one
    bool m_isBatch = false;
    std::vector<Staged> m_staged;
    // The staged targets in normal form, so that a page of a thousand files is staged in linear time.
    std::unordered_set<std::string> m_stagedTargets;
    bool m_committed = false;
};

// The folder a command writes into, created with its missing parents. Unless keep() is called
// (the command succeeded), the folders it created go again, if empty, so that a failed command
// leaves no trace.
class CreatedFolders {
public:
    explicit CreatedFolders(const fs::path& folder);
    ~CreatedFolders();
    CreatedFolders(const CreatedFolders&) = delete;
    CreatedFolders& operator=(const CreatedFolders&) = delete;

    void keep() { m_created.clear(); }

private:
    std::vector<fs::path> m_created;  // deepest first
};

}  // namespace zt
