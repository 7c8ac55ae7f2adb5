#pragma once

#include <cstddef>
#include <filesystem>

namespace zt {

// Writes one file in pieces as they arrive (a download) with the guarantee writeFileAtomically
// gives a file written whole: the pieces go to a temporary beside the target, and commit()
// flushes it and renames it over the target. Destroyed without commit, it removes the
// temporary and the target stays as it was. Errors are zt::Error naming the target.
class StreamedFile {
public:
    explicit StreamedFile(const std::filesystem::path& target);
    ~StreamedFile();
    StreamedFile(const StreamedFile&) = delete;
    StreamedFile& operator=(const StreamedFile&) = delete;

    void write(const void* data, std::size_t size);
    void commit();

    const std::filesystem::path& target() const { return m_target; }

private:
    std::filesystem::path m_target;
    std::filesystem::path m_temporary;
    int m_fd = -1;
    bool m_committed = false;
};

}  // namespace zt
