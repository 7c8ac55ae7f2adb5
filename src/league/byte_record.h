#pragma once

#include <algorithm>
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

// A run of `Count` equal elements laid one after another from `Offset` on: the repeated groups
// of the records (pitch slots, familiarity, rosters, lineups, rotations). An element is
//   - a number type (std::int32_t, float, ...),
//   - a text of fixed width, written TextField<0, Width>,
//   - a record of its own that knows its size (a ByteRecord such as PitchSlot), or
//   - another ArrayField at offset 0: a row, which makes the outer array a grid.
// The count is part of the type, so loops and arrays take it from the descriptor
// (`pf::familiarity.count`) instead of repeating it. `field[i]` (and `field[i][j]` for a grid)
// names one element for a record's get and set; an index outside the array throws
// std::out_of_range.
template <class E>
inline constexpr bool kIsTextElement = false;
template <std::size_t Width>
inline constexpr bool kIsTextElement<TextField<0, Width>> = true;

template <class E>
constexpr std::size_t elementSize() {
    if constexpr (std::is_arithmetic_v<E>) {
        return sizeof(E);
    } else if constexpr (kIsTextElement<E>) {
        return E::width;
    } else if constexpr (requires { E::stride; }) {
        return E::offset + E::size;  // a row of a grid
    } else {
        return E::kSize;  // a record of its own
    }
}

// One element of an ArrayField, found at run time: what it is and where the record holds it.
template <class Element>
struct ElementAt {
    std::size_t offset;

    // Element `index` of this row, when the array is a grid.
    constexpr auto operator[](int index) const {
        return ElementAt<typename Element::ElementType>{offset + Element::offsetOf(index)};
    }
};

template <class Element, std::size_t Offset, int Count>
struct ArrayField {
    static_assert(Count > 0);
    using ElementType = Element;
    static constexpr std::size_t offset = Offset;
    static constexpr int count = Count;
    static constexpr std::size_t stride = elementSize<Element>();
    static constexpr std::size_t size = stride * static_cast<std::size_t>(Count);

    // Where element `index` starts, counted from the start of what holds the array.
    static constexpr std::size_t offsetOf(int index) {
        if (index < 0 || index >= Count) {
            throw std::out_of_range("index beyond a repeated group of the record");
        }
        return Offset + static_cast<std::size_t>(index) * stride;
    }

    constexpr ElementAt<Element> operator[](int index) const { return {offsetOf(index)}; }
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

    // One element of a repeated group (`record.get(tf::roster[slot])`): a number, a text or a
    // record of its own. The element was found at run time, so its place is checked here.
    template <class E>
    auto get(ElementAt<E> at) const {
        const std::uint8_t* p = m_bytes.data() + checkedOffset(at.offset, elementSize<E>());
        if constexpr (std::is_arithmetic_v<E>) {
            return loadLE<E>(p);
        } else if constexpr (kIsTextElement<E>) {
            return readFixedText(p, E::width);
        } else {
            E record;
            std::copy_n(p, E::kSize, record.bytes().begin());
            return record;
        }
    }

    template <class E>
    void set(ElementAt<E> at, const std::conditional_t<kIsTextElement<E>, std::string_view, E>& value) {
        std::uint8_t* p = m_bytes.data() + checkedOffset(at.offset, elementSize<E>());
        if constexpr (std::is_arithmetic_v<E>) {
            storeLE<E>(p, value);
        } else if constexpr (kIsTextElement<E>) {
            writeFixedText(p, E::width, value);
        } else {
            std::copy_n(value.bytes().begin(), E::kSize, p);
        }
    }

    // Run-time offsets, for generic tables of fields.
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
