#include "media/alb_archive.h"

#include <algorithm>
#include <fstream>

#include "league/byte_record.h"
#include "league/error.h"
#include "league/file_io.h"
#include "league/fixed_text.h"
#include "media/zlib_stream.h"

namespace zt::media {

std::string AlbEntry::name() const {
    return readFixedText(bytes.data(), 20);
}
std::string AlbEntry::longName() const {
    return readFixedText(bytes.data() + 40, 60);
}
std::uint32_t AlbEntry::kind() const {
    return loadLE<std::uint32_t>(bytes.data() + 20);
}
std::uint32_t AlbEntry::offset() const {
    return loadLE<std::uint32_t>(bytes.data() + 24);
}
std::uint32_t AlbEntry::compressedSize() const {
    return loadLE<std::uint32_t>(bytes.data() + 28);
}
std::uint32_t AlbEntry::uncompressedSize() const {
    return loadLE<std::uint32_t>(bytes.data() + 32);
}
void AlbEntry::setOffset(std::uint32_t value) {
    storeLE<std::uint32_t>(bytes.data() + 24, value);
}
void AlbEntry::setSizes(std::uint32_t compressed, std::uint32_t uncompressed) {
    storeLE<std::uint32_t>(bytes.data() + 28, compressed);
    storeLE<std::uint32_t>(bytes.data() + 32, uncompressed);
}

AlbEntry AlbEntry::make(const std::string& name,
                        std::uint32_t offset,
                        std::uint32_t compressed,
                        std::uint32_t uncompressed,
                        bool withLongName) {
    AlbEntry entry;
    writeFixedText(entry.bytes.data(), 20, name);
    storeLE<std::uint32_t>(entry.bytes.data() + 20, kEntryKind);
    entry.setOffset(offset);
    entry.setSizes(compressed, uncompressed);
    storeLE<std::int32_t>(entry.bytes.data() + 36, -1);
    if (withLongName) {
        writeFixedText(entry.bytes.data() + 40, 60, name);
    }
    return entry;
}

std::uint16_t AlbIndex::count() const {
    return loadLE<std::uint16_t>(header.data() + 4);
}
std::uint32_t AlbIndex::indexEnd() const {
    return loadLE<std::uint32_t>(header.data() + 8);
}
void AlbIndex::setCount(std::uint16_t value) {
    storeLE<std::uint16_t>(header.data() + 4, value);
}
void AlbIndex::setIndexEnd(std::uint32_t value) {
    storeLE<std::uint32_t>(header.data() + 8, value);
}
std::uint64_t AlbIndex::dataEnd() const {
    std::uint64_t end = 0;
    for (const auto& entry : entries) {
        end = std::max<std::uint64_t>(end, std::uint64_t{entry.offset()} + entry.compressedSize());
    }
    return end;
}

AlbIndex parseAlbIndex(std::span<const std::uint8_t> head,
                       std::uint64_t fileSize,
                       std::size_t entrySize,
                       const fs::path& file) {
    const auto damaged = [&](const std::string& problem) {
        return Error("The file \"" + file.string() + "\" is damaged: " + problem + ".");
    };
    if (head.size() < kAlbHeaderSize || fileSize < kAlbHeaderSize) {
        throw damaged("it is too short for an archive header");
    }
    if (!std::equal(head.begin(), head.begin() + 4, "ARTL")) {
        throw Error("The file \"" + file.string() + "\" is not an .alb archive.");
    }
    AlbIndex index;
    index.entrySize = entrySize;
    std::copy_n(head.begin(), kAlbHeaderSize, index.header.begin());
    const std::uint64_t indexEnd = index.indexEnd();
    if (indexEnd < kAlbHeaderSize || indexEnd > fileSize) {
        throw damaged("its index ends at " + std::to_string(indexEnd) + ", outside the file of " +
                      std::to_string(fileSize) + " bytes");
    }
    if ((indexEnd - kAlbHeaderSize) % entrySize != 0) {
        throw damaged("its index is not a whole number of " + std::to_string(entrySize) + "-byte entries");
    }
    if (indexEnd > head.size()) {
        throw damaged("its index ends inside the part read");
    }
    const std::uint64_t dataSize = fileSize - indexEnd;
    const std::size_t count = static_cast<std::size_t>((indexEnd - kAlbHeaderSize) / entrySize);
    index.entries.resize(count);
    for (std::size_t i = 0; i < count; ++i) {
        AlbEntry& entry = index.entries[i];
        std::copy_n(
            head.begin() + static_cast<std::ptrdiff_t>(kAlbHeaderSize + i * entrySize), entrySize, entry.bytes.begin());
        const std::uint64_t end = std::uint64_t{entry.offset()} + entry.compressedSize();
        if (end > dataSize) {
            throw damaged("the data of entry " + std::to_string(i + 1) + " (" + entry.name() +
                          ") lies beyond the end of the file");
        }
        if (entry.uncompressedSize() > maximumInflatedSize(entry.compressedSize())) {
            throw damaged("entry " + std::to_string(i + 1) + " (" + entry.name() +
                          ") announces more data than its compressed bytes can hold");
        }
    }
    return index;
}

AlbIndex readAlbIndex(const fs::path& file, std::size_t entrySize) {
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        throw Error("Cannot open file \"" + file.string() + "\".");
    }
    std::error_code ec;
    const std::uint64_t size = fs::file_size(file, ec);
    if (ec) {
        throw Error("Cannot open file \"" + file.string() + "\". " + ec.message());
    }
    std::vector<std::uint8_t> head(static_cast<std::size_t>(std::min<std::uint64_t>(size, kAlbHeaderSize)));
    in.read(reinterpret_cast<char*>(head.data()), static_cast<std::streamsize>(head.size()));
    if (head.size() >= kAlbHeaderSize) {
        const std::uint64_t indexEnd = loadLE<std::uint32_t>(head.data() + 8);
        if (indexEnd > kAlbHeaderSize && indexEnd <= size) {
            head.resize(static_cast<std::size_t>(indexEnd));
            in.read(reinterpret_cast<char*>(head.data() + kAlbHeaderSize),
                    static_cast<std::streamsize>(indexEnd - kAlbHeaderSize));
        }
    }
    if (!in) {
        throw Error("Error reading file \"" + file.string() + "\".");
    }
    return parseAlbIndex(head, size, entrySize, file);
}

std::vector<std::uint8_t> serializeIndex(const AlbIndex& index) {
    std::vector<std::uint8_t> out(index.header.begin(), index.header.end());
    out.reserve(kAlbHeaderSize + index.entries.size() * index.entrySize);
    for (const auto& entry : index.entries) {
        out.insert(out.end(), entry.bytes.begin(), entry.bytes.begin() + static_cast<std::ptrdiff_t>(index.entrySize));
    }
    return out;
}

std::vector<std::uint8_t> entryContent(std::span<const std::uint8_t> archive,
                                       const AlbIndex& index,
                                       std::size_t i,
                                       const fs::path& file) {
    const AlbEntry& entry = index.entries.at(i);
    const std::uint64_t start = std::uint64_t{index.indexEnd()} + entry.offset();
    if (start + entry.compressedSize() > archive.size()) {
        throw Error("The file \"" + file.string() + "\" is damaged: the data of " + entry.name() +
                    " lies beyond the end of the file.");
    }
    return inflateZlib(archive.subspan(static_cast<std::size_t>(start), entry.compressedSize()),
                       entry.uncompressedSize(),
                       file.string(),
                       entry.name());
}

std::vector<std::uint8_t> albumWithAddedEntry(std::span<const std::uint8_t> archive,
                                              const AlbIndex& index,
                                              const std::string& name,
                                              std::span<const std::uint8_t> compressed,
                                              std::uint32_t uncompressedSize) {
    const std::uint64_t offset = index.dataEnd();
    if (index.count() == 0xFFFF || offset + compressed.size() > 0xFFFFFFFFull) {
        throw Error("The archive is full: it cannot take another entry.");
    }
    AlbIndex added = index;
    added.setCount(static_cast<std::uint16_t>(index.count() + 1));
    added.setIndexEnd(static_cast<std::uint32_t>(index.indexEnd() + index.entrySize));
    added.entries.push_back(AlbEntry::make(name,
                                           static_cast<std::uint32_t>(offset),
                                           static_cast<std::uint32_t>(compressed.size()),
                                           uncompressedSize,
                                           index.entrySize == kPhotoEntrySize));
    std::vector<std::uint8_t> out = serializeIndex(added);
    out.reserve(out.size() + static_cast<std::size_t>(offset) + compressed.size());
    const auto data = archive.subspan(index.indexEnd());
    out.insert(out.end(), data.begin(), data.begin() + static_cast<std::ptrdiff_t>(offset));
    out.insert(out.end(), compressed.begin(), compressed.end());
    return out;
}

std::vector<std::uint8_t> albumWithReplacedEntry(std::span<const std::uint8_t> archive,
                                                 const AlbIndex& index,
                                                 std::size_t entry,
                                                 std::span<const std::uint8_t> compressed,
                                                 std::uint32_t uncompressedSize) {
    const std::uint32_t o = index.entries.at(entry).offset();
    const std::uint32_t s = index.entries.at(entry).compressedSize();
    const auto data = archive.subspan(index.indexEnd());
    const std::int64_t delta = static_cast<std::int64_t>(compressed.size()) - s;
    if (static_cast<std::int64_t>(data.size()) + delta > 0xFFFFFFFFll) {
        throw Error("The archive would grow beyond 4 GB.");
    }
    AlbIndex replaced = index;
    for (auto& e : replaced.entries) {
        if (e.offset() == o) {
            e.setSizes(static_cast<std::uint32_t>(compressed.size()), uncompressedSize);
        } else if (e.offset() > o) {
            e.setOffset(static_cast<std::uint32_t>(e.offset() + delta));
        }
    }
    std::vector<std::uint8_t> out = serializeIndex(replaced);
    out.reserve(out.size() + static_cast<std::size_t>(static_cast<std::int64_t>(data.size()) + delta));
    out.insert(out.end(), data.begin(), data.begin() + o);
    out.insert(out.end(), compressed.begin(), compressed.end());
    out.insert(out.end(), data.begin() + o + s, data.end());
    return out;
}

std::vector<std::uint8_t> buildAlbArchive(const std::vector<AlbMember>& members, bool photoEntries) {
    AlbIndex index;
    index.entrySize = photoEntries ? kPhotoEntrySize : kAlbEntrySize;
    std::copy_n("ARTL", 4, index.header.begin());
    index.setCount(static_cast<std::uint16_t>(members.size()));
    index.setIndexEnd(static_cast<std::uint32_t>(kAlbHeaderSize + members.size() * index.entrySize));
    std::vector<std::uint8_t> data;
    for (const auto& member : members) {
        const auto compressed = compressZlib(member.content);
        index.entries.push_back(AlbEntry::make(member.name,
                                               static_cast<std::uint32_t>(data.size()),
                                               static_cast<std::uint32_t>(compressed.size()),
                                               static_cast<std::uint32_t>(member.content.size()),
                                               photoEntries));
        data.insert(data.end(), compressed.begin(), compressed.end());
    }
    std::vector<std::uint8_t> out = serializeIndex(index);
    out.insert(out.end(), data.begin(), data.end());
    return out;
}

}  // namespace zt::media
