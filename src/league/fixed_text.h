#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace zt {

// Texts of the league files are single-byte (Windows-1252) and kept as bytes in std::string.
// Read: the bytes before the first NUL, or all `width` bytes when there is none.
std::string readFixedText(const std::uint8_t* field, std::size_t width);

// Write: the text's first `width` bytes, then NUL bytes up to `width`.
void writeFixedText(std::uint8_t* field, std::size_t width, std::string_view text);

// Latin-1 bytes as UTF-8, for JSON and other Unicode outputs.
std::string latin1ToUtf8(std::string_view bytes);

}  // namespace zt
