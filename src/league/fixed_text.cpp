#include "league/fixed_text.h"

#include <algorithm>
#include <cstring>

namespace zt {

std::string readFixedText(const std::uint8_t* field, std::size_t width) {
    const auto* begin = reinterpret_cast<const char*>(field);
    const auto* end = std::find(begin, begin + width, '\0');
    return std::string(begin, end);
}

void writeFixedText(std::uint8_t* field, std::size_t width, std::string_view text) {
    const std::size_t n = std::min(width, text.size());
    std::memcpy(field, text.data(), n);
    std::memset(field + n, 0, width - n);
}

std::string latin1ToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (const char c : bytes) {
        const auto u = static_cast<unsigned char>(c);
        if (u < 0x80) {
            out.push_back(c);
        } else {
            out.push_back(static_cast<char>(0xC0 | (u >> 6)));
            out.push_back(static_cast<char>(0x80 | (u & 0x3F)));
        }
    }
    return out;
}

}  // namespace zt
