#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

namespace zt::media {

namespace fs = std::filesystem;

// The .alb archive: a 16-byte header ("ARTL", entry count, index end), an index of fixed-size
// entries and a data area of zlib streams. General archives have 40-byte entries; the player
// photo album has 100-byte entries whose last 60 bytes hold the long name.
inline constexpr std::size_t kAlbHeaderSize = 16;
inline constexpr std::size_t kAlbEntrySize = 40;
inline constexpr std::size_t kPhotoEntrySize = 100;
inline constexpr std::uint32_t kEntryKind = 258;

struct AlbEntry {
    std::array<std::uint8_t, kPhotoEntrySize> bytes{};

    std::string name() const;      // the 20-character name, up to its first NUL
    std::string longName() const;  // the 60-character long name (photo album only)
    std::uint32_t kind() const;
    std::uint32_t offset() const;  // from the start of the data area
    std::uint32_t compressedSize() const;
    std::uint32_t uncompressedSize() const;
    void setOffset(std::uint32_t value);
    void setSizes(std::uint32_t compressed, std::uint32_t uncompressed);

    // A new entry as the editor makes it: kind 258, -1 at offset 36, short name the first 20
    // characters of `name`, and (for a photo entry) the long name.
    static AlbEntry make(const std::string& name,
                         std::uint32_t offset,
                         std::uint32_t compressed,
                         std::uint32_t uncompressed,
                         bool withLongName);
};

struct AlbIndex {
    std::array<std::uint8_t, kAlbHeaderSize> header{};
    std::size_t entrySize = kAlbEntrySize;
    std::vector<AlbEntry> entries;

    std::uint16_t count() const;
    std::uint32_t indexEnd() const;
    void setCount(std::uint16_t value);
    void setIndexEnd(std::uint32_t value);
    // The first byte after the last entry's data: where an added entry's data goes.
    std::uint64_t dataEnd() const;
};

// Reads the header and index of an archive from its first bytes (`head` may be the whole file
// or just its start), checking that the magic is "ARTL", that the index fits the file and that
// every entry's data lies inside the data area of a file of `fileSize` bytes. A damaged archive
// is refused with a message naming the file; nothing is allocated on a damaged count.
AlbIndex parseAlbIndex(std::span<const std::uint8_t> head,
                       std::uint64_t fileSize,
                       std::size_t entrySize,
                       const fs::path& file);

// Reads an archive's header and index from disk (only the index is read).
AlbIndex readAlbIndex(const fs::path& file, std::size_t entrySize);

// The header and index as stored.
std::vector<std::uint8_t> serializeIndex(const AlbIndex& index);

// The inflated content of entry `i` of an archive held whole in `archive`.
std::vector<std::uint8_t> entryContent(std::span<const std::uint8_t> archive,
                                       const AlbIndex& index,
                                       std::size_t i,
                                       const fs::path& file);

// Archives in memory, ready to be written. The source archive must have been checked by
// parseAlbIndex.
//
// Adds one entry at the end of the index, its data after the last entry's data.
std::vector<std::uint8_t> albumWithAddedEntry(std::span<const std::uint8_t> archive,
                                              const AlbIndex& index,
                                              const std::string& name,
                                              std::span<const std::uint8_t> compressed,
                                              std::uint32_t uncompressedSize);
// Replaces the data of the entry at `entry`: every entry sharing its offset takes the new sizes,
// every entry with a later offset moves by the size difference; earlier data stays in place.
std::vector<std::uint8_t> albumWithReplacedEntry(std::span<const std::uint8_t> archive,
                                                 const AlbIndex& index,
                                                 std::size_t entry,
                                                 std::span<const std::uint8_t> compressed,
                                                 std::uint32_t uncompressedSize);

// A whole archive from named contents (compressed here), for the sample game and tests.
struct AlbMember {
    std::string name;
    std::vector<std::uint8_t> content;
};
std::vector<std::uint8_t> buildAlbArchive(const std::vector<AlbMember>& members, bool photoEntries);

}  // namespace zt::media
