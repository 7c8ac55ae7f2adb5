#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "media/image.h"

namespace zt::media {

inline constexpr char kInvalidFileMessage[] = "Invalid file";
inline constexpr char kUncompressedMessage[] = "The photo must be in UNCOMPRESSED format";

// A TGA picture and the depth it was stored with (16, 24 or 32 bits per pixel).
struct TgaPicture {
    Image image;
    int bitsPerPixel = 24;
};

// The image type byte of a TGA file; throws kInvalidFileMessage when the bytes cannot be a TGA.
int tgaImageType(std::span<const std::uint8_t> bytes);

// Decodes an uncompressed true-colour TGA (image type 2) of 16, 24 or 32 bits per pixel, with
// either origin. Another image type gives kUncompressedMessage; a file too short for what its
// header announces, or another depth, gives kInvalidFileMessage.
TgaPicture decodeTga(std::span<const std::uint8_t> bytes);

// An uncompressed TGA of the given depth: 18-byte header without identifier or colour map,
// origin bottom left (rows bottom row first), descriptor byte 0 (the game reads no alpha bits
// from it). A 16-bit pixel keeps the top five bits of each colour.
std::vector<std::uint8_t> encodeTga(const Image& image, int bitsPerPixel);

}  // namespace zt::media
