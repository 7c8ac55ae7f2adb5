#include "netleague/zip_extract.h"

#include <sys/stat.h>
#include <zip.h>

#include <memory>

#include "league/error.h"
#include "league/file_io.h"

namespace zt {

namespace {

struct ArchiveCloser {
    void operator()(zip_t* archive) const { zip_discard(archive); }
};
struct EntryCloser {
    void operator()(zip_file_t* entry) const { zip_fclose(entry); }
};
using Archive = std::unique_ptr<zip_t, ArchiveCloser>;
using Entry = std::unique_ptr<zip_file_t, EntryCloser>;

[[noreturn]] void refuse(const std::filesystem::path& archive, const std::string& reason) {
    throw Error("Cannot extract \"" + archive.string() + "\". " + reason);
}

std::string archiveError(zip_t* archive) {
    return zip_strerror(archive);
}

Archive openArchive(const std::filesystem::path& path) {
    int code = 0;
    zip_t* archive = zip_open(path.c_str(), ZIP_RDONLY | ZIP_CHECKCONS, &code);
    if (archive == nullptr) {
        zip_error_t error;
        zip_error_init_with_code(&error, code);
        const std::string reason = zip_error_strerror(&error);
        zip_error_fini(&error);
        refuse(path, reason);
    }
    return Archive(archive);
}

// What an entry is, from its name and the Unix mode some archivers store with it.
enum class EntryKind { File, Directory, Link };

EntryKind kindOf(zip_t* archive, zip_uint64_t index, std::string_view name) {
    if (!name.empty() && (name.back() == '/' || name.back() == '\\')) {
        return EntryKind::Directory;
    }
    zip_uint8_t system = 0;
    zip_uint32_t attributes = 0;
    if (zip_file_get_external_attributes(archive, index, 0, &system, &attributes) == 0 && system == ZIP_OPSYS_UNIX) {
        const zip_uint32_t mode = (attributes >> 16) & S_IFMT;
        if (mode == S_IFLNK) {
            return EntryKind::Link;
        }
        if (mode == S_IFDIR) {
            return EntryKind::Directory;
        }
    }
    return EntryKind::File;
}

std::string fileNameOf(std::string_view name) {
    const std::size_t slash = name.find_last_of("/\\");
    return std::string(slash == std::string_view::npos ? name : name.substr(slash + 1));
}

}  // namespace

std::vector<std::string> extractFlat(const std::filesystem::path& archivePath,
                                     const std::filesystem::path& folder,
                                     const ExtractLimits& limits) {
    Archive archive = openArchive(archivePath);
    const zip_int64_t count = zip_get_num_entries(archive.get(), 0);
    if (count < 0) {
        refuse(archivePath, archiveError(archive.get()));
    }
    if (static_cast<std::uint64_t>(count) > limits.maxEntries) {
        refuse(archivePath,
               "It holds " + std::to_string(count) + " entries, more than " + std::to_string(limits.maxEntries) + ".");
    }

    FileTransaction transaction;
    std::vector<std::string> written;
    std::uint64_t total = 0;
    std::vector<std::uint8_t> bytes;
    for (zip_uint64_t index = 0; index < static_cast<zip_uint64_t>(count); ++index) {
        const char* rawName = zip_get_name(archive.get(), index, ZIP_FL_ENC_GUESS);
        if (rawName == nullptr) {
            refuse(archivePath, archiveError(archive.get()));
        }
        const std::string name = rawName;
        if (kindOf(archive.get(), index, name) != EntryKind::File) {
            continue;
        }
        const std::string fileName = fileNameOf(name);
        if (fileName.empty() || fileName == "." || fileName == "..") {
            refuse(archivePath, "The entry \"" + name + "\" has no file name.");
        }

        zip_stat_t stat;
        zip_stat_init(&stat);
        if (zip_stat_index(archive.get(), index, 0, &stat) != 0) {
            refuse(archivePath, archiveError(archive.get()));
        }
        // The size the archive states is only a claim: the bytes actually read count too.
        if ((stat.valid & ZIP_STAT_SIZE) != 0 && stat.size > limits.maxTotalBytes - total) {
            refuse(archivePath, "Its files hold more than " + std::to_string(limits.maxTotalBytes) + " bytes.");
        }
        Entry entry(zip_fopen_index(archive.get(), index, 0));
        if (!entry) {
            refuse(archivePath, "The entry \"" + name + "\": " + archiveError(archive.get()));
        }
        bytes.clear();
        char buffer[64 * 1024];
        for (;;) {
            const zip_int64_t got = zip_fread(entry.get(), buffer, sizeof buffer);
            if (got < 0) {
                refuse(archivePath, "The entry \"" + name + "\": " + zip_file_strerror(entry.get()));
            }
            if (got == 0) {
                break;
            }
            total += static_cast<std::uint64_t>(got);
            if (total > limits.maxTotalBytes) {
                refuse(archivePath, "Its files hold more than " + std::to_string(limits.maxTotalBytes) + " bytes.");
            }
            bytes.insert(bytes.end(), buffer, buffer + got);
        }
        if ((stat.valid & ZIP_STAT_SIZE) != 0 && bytes.size() != stat.size) {
            refuse(archivePath, "The entry \"" + name + "\" is incomplete.");
        }
        transaction.stage(leagueFilePath(folder, fileName), bytes);
        written.push_back(fileName);
    }
    // The archive may itself be replaced by an entry of the same name: it is closed first.
    archive.reset();
    transaction.commit();
    return written;
}

}  // namespace zt
