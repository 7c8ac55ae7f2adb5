#pragma once

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

#include "league/byte_record.h"
#include "league/error.h"

namespace zt {

// A cursor over the bytes of a league file. Every read is checked against what remains, so a
// truncated or damaged file ends in a message naming the file, never in a crash.
class ByteReader {
public:
    ByteReader(std::span<const std::uint8_t> bytes, std::filesystem::path file)
        : m_bytes(bytes), m_file(std::move(file)) {}

    std::size_t position() const { return m_position; }
    std::size_t remaining() const { return m_bytes.size() - m_position; }
    bool atEnd() const { return m_position >= m_bytes.size(); }

    template <class T>
    T read(const char* what) {
        require(sizeof(T), what);
        const T value = loadLE<T>(m_bytes.data() + m_position);
        m_position += sizeof(T);
        return value;
    }

    template <std::size_t N>
    void readInto(std::array<std::uint8_t, N>& out, const char* what) {
        require(N, what);
        std::copy_n(m_bytes.data() + m_position, N, out.begin());
        m_position += N;
    }

    // Reads `count` fixed records of N bytes each, checking first that the file holds them all,
    // so a huge count in a damaged file never allocates.
    template <class Record>
    void readRecords(std::int64_t count, std::vector<Record>& out, const char* what) {
        constexpr std::size_t kSize = Record::kSize;
        if (count < 0 || static_cast<std::uint64_t>(count) > remaining() / kSize) {
            fail(std::string("it announces ") + std::to_string(count) + " " + what + " but holds room for " +
                 std::to_string(remaining() / kSize));
        }
        out.resize(static_cast<std::size_t>(count));
        for (auto& record : out) {
            readInto(record.bytes(), what);
        }
    }

    [[noreturn]] void fail(const std::string& problem) const {
        throw Error("The file \"" + m_file.string() + "\" is damaged: " + problem + ".");
    }

private:
    void require(std::size_t size, const char* what) const {
        if (size > remaining()) {
            fail(std::string("it ends inside ") + what);
        }
    }

    std::span<const std::uint8_t> m_bytes;
    std::filesystem::path m_file;
    std::size_t m_position = 0;
};

// Appends little-endian values and records to a growing buffer.
class ByteWriter {
public:
    explicit ByteWriter(std::size_t expectedSize = 0) { m_bytes.reserve(expectedSize); }

    template <class T>
    void write(T value) {
        const std::size_t at = m_bytes.size();
        m_bytes.resize(at + sizeof(T));
        storeLE<T>(m_bytes.data() + at, value);
    }

    template <std::size_t N>
    void write(const std::array<std::uint8_t, N>& bytes) {
        m_bytes.insert(m_bytes.end(), bytes.begin(), bytes.end());
    }

    void writeBytes(std::span<const std::uint8_t> bytes) { m_bytes.insert(m_bytes.end(), bytes.begin(), bytes.end()); }

    template <class Record>
    void writeRecords(const std::vector<Record>& records) {
        for (const auto& record : records) {
            write(record.bytes());
        }
    }

    std::vector<std::uint8_t> take() { return std::move(m_bytes); }

private:
    std::vector<std::uint8_t> m_bytes;
};

}  // namespace zt
