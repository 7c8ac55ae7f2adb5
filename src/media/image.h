#pragma once

#include <cstdint>
#include <vector>

namespace zt::media {

// A picture in memory: four bytes per pixel (red, green, blue, alpha), top row first. The
// pictures of the album, the JPG decoder and the scaler meet in this one form.
struct Image {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgba;

    const std::uint8_t* pixel(int x, int y) const {
        return rgba.data() +
               (static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x)) * 4;
    }
    std::uint8_t* pixel(int x, int y) {
        return rgba.data() +
               (static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x)) * 4;
    }
};

Image makeImage(int width, int height);

// The whole picture stretched into the new size, aspect ratio not kept. Each new pixel is the
// average of the old pixels it covers, so a reduced photo keeps its detail instead of aliasing.
Image scaleImage(const Image& image, int width, int height);

}  // namespace zt::media
