#include "league/file_io.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <system_error>
#include <utility>

#include "league/error.h"
#include "league/file_faults.h"
#include "league/file_stream.h"
#include "league/league_text.h"

namespace zt {

int FileFaults::next(Operation) noexcept {
    ++s_counted;
    if (s_counted != s_failAt) {
        return 0;
    }
    s_fired = true;
    return EIO;
}

void FileFaults::failAt(std::uint64_t n) {
    s_armed = true;
    s_failAt = n;
    s_counted = 0;
    s_fired = false;
}

void FileFaults::disarm() {
    s_armed = false;
}

bool FileFaults::fired() {
    return s_fired;
}

std::uint64_t FileFaults::counted() {
    return s_counted;
}

namespace {

std::string systemReason(int error) {
    return std::strerror(error);
}

std::error_code errorCode(int error) {
    return {error, std::generic_category()};
}

// The three steps of writing a file, each failing with zt::Error carrying the system's reason
// (the callers name the file the user knows).
int openForWriting(const fs::path& path) {
    if (const int fault = FileFaults::check(FileFaults::Operation::Open)) {
        throw Error(systemReason(fault));
    }
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) {
        throw Error(systemReason(errno));
    }
    return fd;
}

// On failure the descriptor is closed.
void writeAll(int fd, const std::uint8_t* data, std::size_t size) {
    std::size_t done = 0;
    while (done < size) {
        if (const int fault = FileFaults::check(FileFaults::Operation::Write)) {
            ::close(fd);
            throw Error(systemReason(fault));
        }
        const ssize_t n = ::write(fd, data + done, size - done);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            const int error = n < 0 ? errno : ENOSPC;
            ::close(fd);
            throw Error(systemReason(error));
        }
        done += static_cast<std::size_t>(n);
    }
}

// Closes the descriptor in every case; the file is complete only when this returns.
void closeFlushed(int fd) {
    if (const int fault = FileFaults::check(FileFaults::Operation::Flush)) {
        ::close(fd);
        throw Error(systemReason(fault));
    }
    if (::close(fd) != 0) {
        throw Error(systemReason(errno));
    }
}

class DiskFileWriter final : public FileWriter {
public:
    void write(const fs::path& path, std::span<const std::uint8_t> bytes) override {
        const int fd = openForWriting(path);
        writeAll(fd, bytes.data(), bytes.size());
        closeFlushed(fd);
    }
};

fs::path temporaryFor(const fs::path& target) {
    return target.parent_path() / ("." + target.filename().string() + ".ztedit-" + std::to_string(::getpid()));
}

// The hidden second name under which a commit keeps a file it is about to replace.
fs::path savedNameFor(const fs::path& file) {
    fs::path saved = temporaryFor(file);
    saved += ".old";
    return saved;
}

void countedRename(const fs::path& from, const fs::path& to, std::error_code& ec) {
    if (const int fault = FileFaults::check(FileFaults::Operation::Rename)) {
        ec = errorCode(fault);
        return;
    }
    fs::rename(from, to, ec);
}

// Gives `file` the second name `saved`: a hard link (no copy, and the file is never absent),
// else a copy where the file system has no links.
void countedKeep(const fs::path& file, const fs::path& saved, std::error_code& ec) {
    if (const int fault = FileFaults::check(FileFaults::Operation::Rename)) {
        ec = errorCode(fault);
        return;
    }
    std::error_code ignored;
    fs::remove(saved, ignored);
    fs::create_hard_link(file, saved, ec);
    if (ec) {
        ec.clear();
        fs::copy_file(file, saved, fs::copy_options::overwrite_existing, ec);
    }
}

}  // namespace

std::vector<std::uint8_t> readFileBytes(const fs::path& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        throw Error("Cannot open file \"" + path.string() + "\". " + systemReason(errno));
    }
    std::vector<std::uint8_t> bytes;
    std::error_code ec;
    const auto size = fs::file_size(path, ec);
    if (!ec) {
        bytes.reserve(static_cast<std::size_t>(size));
    }
    std::uint8_t buffer[1 << 16];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            const int error = errno;
            ::close(fd);
            throw Error("Error reading file \"" + path.string() + "\". " + systemReason(error));
        }
        if (n == 0) {
            break;
        }
        bytes.insert(bytes.end(), buffer, buffer + n);
    }
    ::close(fd);
    return bytes;
}

std::optional<fs::path> findFileNoCase(const fs::path& dir, std::string_view name) {
    std::error_code ec;
    const fs::path exact = dir / std::string(name);
    if (fs::is_regular_file(exact, ec)) {
        return exact;
    }
    for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
        if (equalNoCaseAscii(it->path().filename().string(), name) && it->is_regular_file(ec)) {
            return it->path();
        }
    }
    return std::nullopt;
}

fs::path leagueFilePath(const fs::path& dir, std::string_view name) {
    return findFileNoCase(dir, name).value_or(dir / std::string(name));
}

FileWriter& diskFileWriter() {
    static DiskFileWriter writer;
    return writer;
}

void writeFileAtomically(const fs::path& target, std::span<const std::uint8_t> bytes, FileWriter& writer) {
    FileTransaction transaction(writer);
    transaction.stage(target, bytes);
    transaction.commit();
}

namespace {

// The batch open now, if any (one thread).
FileTransaction* g_openBatch = nullptr;

}  // namespace

FileTransaction::FileTransaction(FileWriter& writer) : m_writer(writer) {}

FileTransaction::FileTransaction(Batch, FileWriter& writer)
    : m_writer(writer), m_outerBatch(g_openBatch), m_isBatch(true) {
    g_openBatch = this;
}

FileTransaction::~FileTransaction() {
    if (m_isBatch) {
        g_openBatch = m_outerBatch;
    }
    if (!m_committed) {
        removeTemporaries();
    }
}

// The temporaries, already written, become the batch's to rename or remove.
void FileTransaction::join(FileTransaction& batch) {
    for (const auto& staged : m_staged) {
        if (batch.m_stagedTargets.insert(staged.target.lexically_normal().native()).second) {
            batch.m_staged.push_back(staged);
        }
    }
    m_committed = true;
}

CreatedFolders::CreatedFolders(const fs::path& folder) {
    if (folder.empty()) {
        return;  // the current folder
    }
    std::error_code ec;
    for (fs::path level = folder; !level.empty() && !fs::exists(level, ec); level = level.parent_path()) {
        m_created.push_back(level);
        if (level == level.parent_path()) {
            break;
        }
    }
    fs::create_directories(folder, ec);
    if (ec) {
        m_created.clear();
        throw Error("Cannot create folder \"" + folder.string() + "\". " + ec.message());
    }
}

CreatedFolders::~CreatedFolders() {
    for (const auto& level : m_created) {
        std::error_code ignored;
        fs::remove(level, ignored);  // only an empty folder goes
    }
}

fs::path backupPathOf(const fs::path& target) {
    fs::path backup = target;
    backup += ".bak";
    return backup;
}

namespace {

[[noreturn]] void throwReplaceError(const fs::path& target, const std::error_code& ec) {
    throw Error("Cannot replace file \"" + target.string() + "\". " + ec.message());
}

[[noreturn]] void throwBackupError(const fs::path& target, const std::error_code& ec) {
    throw Error("Cannot keep a backup of \"" + target.string() + "\". " + ec.message());
}

}  // namespace

void FileTransaction::stage(const fs::path& target, std::span<const std::uint8_t> bytes, Backup backup) {
    const fs::path temporary = temporaryFor(target);
    // A target staged twice (a league opened from its players.zt re-creates that file as the
    // selected file) keeps one temporary holding the last content.
    // Compared in normal form: "players.zt" and "./players.zt" are one file and one temporary.
    if (m_stagedTargets.insert(target.lexically_normal().native()).second) {
        m_staged.push_back({temporary, target, backup});
    }
    try {
        m_writer.write(temporary, bytes);
    } catch (const Error& reason) {
        // Name the file the user knows, not the temporary.
        throw Error("Cannot write file \"" + target.string() + "\". " + reason.what());
    }
}

bool FileTransaction::stageCopy(const fs::path& source, const fs::path& target, Backup backup) {
    std::vector<std::uint8_t> bytes;
    try {
        bytes = readFileBytes(source);
    } catch (const Error&) {
        return false;
    }
    stage(target, bytes, backup);
    return true;
}

namespace {

// What commit needs to put one target (and its backup) back as they were.
struct Undo {
    const fs::path* target = nullptr;
    fs::path savedTarget;  // a second name of the target as it was; empty when there was none
    fs::path savedBackup;  // likewise for its backup, when one is kept
    bool backupReplaced = false;
    bool targetReplaced = false;
};

// Puts back, last first, every target and backup the failed commit replaced. A second name is
// removed only once its file is back: should the system refuse even that, the old content stays
// beside the target rather than being lost.
// Puts `file` back as it was: from its hidden second name, or removed when it did not exist.
// Returns whether that worked.
bool putBack(const fs::path& file, const fs::path& saved) noexcept {
    std::error_code ec;
    if (saved.empty()) {
        fs::remove(file, ec);
    } else {
        fs::rename(saved, file, ec);
    }
    return !ec;
}

void rollBack(const std::vector<Undo>& undo) noexcept {
    for (auto it = undo.rbegin(); it != undo.rend(); ++it) {
        const Undo& entry = *it;
        const fs::path& target = *entry.target;
        const bool targetBack = !entry.targetReplaced || putBack(target, entry.savedTarget);
        const bool backupBack = !entry.backupReplaced || putBack(backupPathOf(target), entry.savedBackup);
        std::error_code ignored;
        if (targetBack && backupBack && !entry.savedTarget.empty()) {
            fs::remove(entry.savedTarget, ignored);
        }
        if (backupBack && !entry.savedBackup.empty()) {
            fs::remove(entry.savedBackup, ignored);
        }
    }
}

}  // namespace

// Commits in two passes so that a failure at any point can be undone. First every target that
// will be replaced (and its backup) gets a hidden second name: nothing visible changes yet. Then
// the backups and targets are replaced; should any step fail, every file already replaced gets
// its old content back from those names. Only a wholly successful commit drops them.
void FileTransaction::commit() {
    // Inside a batch (this one not being it), the files wait for the batch's commit.
    FileTransaction* const batch = m_isBatch ? m_outerBatch : g_openBatch;
    if (batch != nullptr) {
        join(*batch);
        return;
    }
    std::vector<Undo> undo;
    undo.reserve(m_staged.size());
    try {
        for (const auto& staged : m_staged) {
            Undo& entry = undo.emplace_back();
            entry.target = &staged.target;
            std::error_code ec;
            if (fs::exists(staged.target, ec)) {
                entry.savedTarget = savedNameFor(staged.target);
                countedKeep(staged.target, entry.savedTarget, ec);
                if (ec) {
                    throwReplaceError(staged.target, ec);
                }
            }
            const fs::path backup = backupPathOf(staged.target);
            if (staged.backup == Backup::Keep && !entry.savedTarget.empty() && fs::exists(backup, ec)) {
                entry.savedBackup = savedNameFor(backup);
                countedKeep(backup, entry.savedBackup, ec);
                if (ec) {
                    throwBackupError(staged.target, ec);
                }
            }
        }
        for (std::size_t i = 0; i < undo.size(); ++i) {
            Undo& entry = undo[i];
            const Staged& staged = m_staged[i];
            std::error_code ec;
            if (staged.backup == Backup::Keep && !entry.savedTarget.empty()) {
                // The file as it is now becomes its backup (one generation: the previous goes).
                fs::path keep = entry.savedTarget;
                keep += ".bak";
                countedKeep(entry.savedTarget, keep, ec);
                if (!ec) {
                    countedRename(keep, backupPathOf(staged.target), ec);
                }
                // Gone after a rename, unless the backup already was this very file.
                std::error_code ignored;
                fs::remove(keep, ignored);
                if (ec) {
                    throwBackupError(staged.target, ec);
                }
                entry.backupReplaced = true;
            }
            countedRename(staged.temporary, staged.target, ec);
            if (ec) {
                throwReplaceError(staged.target, ec);
            }
            entry.targetReplaced = true;
        }
    } catch (const Error&) {
        rollBack(undo);
        removeTemporaries();
        throw;
    }
    for (const auto& entry : undo) {
        std::error_code ignored;
        if (!entry.savedTarget.empty()) {
            fs::remove(entry.savedTarget, ignored);
        }
        if (!entry.savedBackup.empty()) {
            fs::remove(entry.savedBackup, ignored);
        }
    }
    m_committed = true;
}

void FileTransaction::removeTemporaries() noexcept {
    for (const auto& staged : m_staged) {
        std::error_code ec;
        fs::remove(staged.temporary, ec);
    }
}

StreamedFile::StreamedFile(const fs::path& target) : m_target(target), m_temporary(temporaryFor(target)) {
    try {
        m_fd = openForWriting(m_temporary);
    } catch (const Error& reason) {
        throw Error("Cannot write file \"" + m_target.string() + "\". " + reason.what());
    }
}

StreamedFile::~StreamedFile() {
    if (m_fd >= 0) {
        ::close(m_fd);
    }
    if (!m_committed) {
        std::error_code ignored;
        fs::remove(m_temporary, ignored);
    }
}

void StreamedFile::write(const void* data, std::size_t size) {
    if (m_fd < 0) {
        throw Error("Cannot write file \"" + m_target.string() + "\". " + systemReason(EBADF));
    }
    try {
        writeAll(m_fd, static_cast<const std::uint8_t*>(data), size);
    } catch (const Error& reason) {
        m_fd = -1;  // closed by writeAll
        throw Error("Cannot write file \"" + m_target.string() + "\". " + reason.what());
    }
}

void StreamedFile::commit() {
    const int fd = std::exchange(m_fd, -1);
    if (fd < 0) {
        throw Error("Cannot write file \"" + m_target.string() + "\". " + systemReason(EBADF));
    }
    try {
        closeFlushed(fd);
    } catch (const Error& reason) {
        throw Error("Cannot write file \"" + m_target.string() + "\". " + reason.what());
    }
    std::error_code ec;
    countedRename(m_temporary, m_target, ec);
    if (ec) {
        throwReplaceError(m_target, ec);
    }
    m_committed = true;
}

}  // namespace zt
