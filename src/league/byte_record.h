#pragma once

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <type_traits>

#include "league/fixed_text.h"

namespace zt {

// Little-endian loads and stores: the league files are little-endian on every host.
template <class T>
T loadLE(const std::uint8_t* p) {
    static_assert(std::is_arithmetic_v<T>);
    if constexpr (std::is_same_v<T, float>) {
        return std::bit_cast<float>(loadLE<std::uint32_t>(p));
    } else {
        using U = std::make_unsigned_t<T>;
        U value = 0;
        for (std::size_t i = 0; i < sizeof(T); ++i) {
            value = static_cast<U>(value | static_cast<U>(static_cast<U>(p[i]) << (8 * i)));
        }
        return static_cast<T>(value);
    }
}

template <class T>
void storeLE(std::uint8_t* p, T value) {
    static_assert(std::is_arithmetic_v<T>);
    if constexpr (std::is_same_v<T, float>) {
        storeLE<std::uint32_t>(p, std::bit_cast<std::uint32_t>(value));
    } else {
        using U = std::make_unsigned_t<T>;
        const auto bits = static_cast<U>(value);
        for (std::size_t i = 0; i < sizeof(T); ++i) {
            p[i] = static_cast<std::uint8_t>(bits >> (8 * i));
        }
    }
}

// A numeric field of a fixed record: its storage type and byte offset, known at compile time.
template <class T, std::size_t Offset>
struct NumField {
    using Type = T;
    static constexpr std::size_t offset = Offset;
};

// A fixed-width text field (NUL-padded, no NUL when the text fills the width).
template <std::size_t Offset, std::size_t Width>
struct TextField {
    static constexpr std::size_t offset = Offset;
    static constexpr std::size_t width = Width;
};

// A record of the league files held as its exact bytes. Accessors interpret the bytes at
// fixed offsets; every byte no accessor touches survives a read and write unchanged.
template <std::size_t N>
class ByteRecord {
public:
    static constexpr std::size_t kSize = N;
    using Bytes = std::array<std::uint8_t, N>;

    const Bytes& bytes() const { return m_bytes; }
    Bytes& bytes() { return m_bytes; }

    template <class T, std::size_t Offset>
    T get(NumField<T, Offset>) const {
        static_assert(Offset + sizeof(T) <= N, "field beyond the record");
        return loadLE<T>(m_bytes.data() + Offset);
    }

    template <class T, std::size_t Offset>
    void set(NumField<T, Offset>, T value) {
        static_assert(Offset + sizeof(T) <= N, "field beyond the record");
        storeLE<T>(m_bytes.data() + Offset, value);
    }

    template <std::size_t Offset, std::size_t Width>
    std::string get(TextField<Offset, Width>) const {
        static_assert(Offset + Width <= N, "field beyond the record");
        return readFixedText(m_bytes.data() + Offset, Width);
    }

    template <std::size_t Offset, std::size_t Width>
    void set(TextField<Offset, Width>, std::string_view text) {
        static_assert(Offset + Width <= N, "field beyond the record");
        writeFixedText(m_bytes.data() + Offset, Width, text);
    }

    // Run-time offsets, for repeated groups (pitch slots, rosters, lineups) and generic tables.
    template <class T>
    T getAt(std::size_t offset) const {
        return loadLE<T>(m_bytes.data() + checkedOffset(offset, sizeof(T)));
    }

    template <class T>
    void setAt(std::size_t offset, T value) {
        storeLE<T>(m_bytes.data() + checkedOffset(offset, sizeof(T)), value);
    }

    bool operator==(const ByteRecord&) const = default;

protected:
    static std::size_t checkedOffset(std::size_t offset, std::size_t width) {
        // Written so that a huge offset cannot wrap around the sum and slip through.
        if (width > N || offset > N - width) {
            throw std::out_of_range("record field beyond the record");
        }
        return offset;
    }

    Bytes m_bytes{};
};

}  // namespace zt
