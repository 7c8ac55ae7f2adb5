#include "league/file_io.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "league/error.h"
#include "league/league_text.h"

namespace zt {

namespace {

std::string systemReason(int error) {
    return std::strerror(error);
}

class DiskFileWriter final : public FileWriter {
public:
    void write(const fs::path& path, std::span<const std::uint8_t> bytes) override {
        const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
        if (fd < 0) {
            throw Error(systemReason(errno));
        }
        std::size_t done = 0;
        while (done < bytes.size()) {
            const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
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
        if (::close(fd) != 0) {
            throw Error(systemReason(errno));
        }
    }
};

fs::path temporaryFor(const fs::path& target) {
    return target.parent_path() / ("." + target.filename().string() + ".ztedit-" + std::to_string(::getpid()));
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

FileTransaction::FileTransaction(FileWriter& writer) : m_writer(writer) {}

FileTransaction::~FileTransaction() {
    if (!m_committed) {
        removeTemporaries();
    }
}

fs::path backupPathOf(const fs::path& target) {
    fs::path backup = target;
    backup += ".bak";
    return backup;
}

namespace {

// The file as it is now becomes its backup: a hard link when the file system has them (no
// copy, and the file itself is never absent), else a copy.
void keepBackup(const fs::path& target) {
    std::error_code ec;
    if (!fs::exists(target, ec)) {
        return;
    }
    const fs::path backup = backupPathOf(target);
    fs::remove(backup, ec);
    fs::create_hard_link(target, backup, ec);
    if (ec) {
        fs::copy_file(target, backup, fs::copy_options::overwrite_existing, ec);
    }
    if (ec) {
        throw Error("Cannot keep a backup of \"" + target.string() + "\". " + ec.message());
    }
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

void FileTransaction::commit() {
    for (std::size_t i = 0; i < m_staged.size(); ++i) {
        std::error_code ec;
        if (m_staged[i].backup == Backup::Keep) {
            try {
                keepBackup(m_staged[i].target);
            } catch (const Error&) {
                m_staged.erase(m_staged.begin(), m_staged.begin() + static_cast<std::ptrdiff_t>(i));
                throw;
            }
        }
        fs::rename(m_staged[i].temporary, m_staged[i].target, ec);
        if (ec) {
            m_staged.erase(m_staged.begin(), m_staged.begin() + static_cast<std::ptrdiff_t>(i));
            throw Error("Cannot replace file \"" + m_staged.front().target.string() + "\". " + ec.message());
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

}  // namespace zt
