#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace zt {

// Bounds that keep a hostile or broken archive from filling the disk or memory.
struct ExtractLimits {
    std::size_t maxEntries = 4096;
    std::uint64_t maxTotalBytes = std::uint64_t{512} << 20;
};

// Extracts every file of a ZIP archive flat into `folder`: each entry keeps only its file name
// (the part after its last "/" or "\"), so no entry can reach outside the folder. Directory and
// link entries are skipped. A name that would be empty, "." or "..", more entries or bytes than
// the limits allow, or any entry that does not read back whole (damage, a checksum mismatch)
// refuses the whole archive. Every entry is written to a temporary beside its target first;
// the targets are replaced (an existing file matched without regard to letter case) only once
// every entry was extracted, so a refused archive changes nothing. Throws zt::Error naming the
// archive and the reason; returns the names of the files written, in archive order.
std::vector<std::string> extractFlat(const std::filesystem::path& archive,
                                     const std::filesystem::path& folder,
                                     const ExtractLimits& limits = {});

}  // namespace zt
