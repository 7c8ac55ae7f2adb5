#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "media/image.h"

namespace zt::media {

// Decodes a JPG file with libjpeg-turbo into a picture of its own size. A file libjpeg cannot
// read gives zt::Error "Invalid file".
Image decodeJpeg(std::span<const std::uint8_t> bytes);

// Encodes a picture as a baseline JPG (quality 0..100), alpha dropped.
std::vector<std::uint8_t> encodeJpeg(const Image& image, int quality = 90);

}  // namespace zt::media
