#include "media/image.h"

#include <algorithm>

#include "league/error.h"

namespace zt::media {

Image makeImage(int width, int height) {
    if (width <= 0 || height <= 0 || width > 16384 || height > 16384) {
        throw Error("A picture of " + std::to_string(width) + " x " + std::to_string(height) +
                    " pixels cannot be handled.");
    }
    Image image;
    image.width = width;
    image.height = height;
    image.rgba.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 4, 0);
    return image;
}

Image scaleImage(const Image& image, int width, int height) {
    Image out = makeImage(width, height);
    // Source span of each target pixel in fixed point (1/256 pixel), so the averages are exact
    // enough and need no floating point.
    for (int y = 0; y < height; ++y) {
        const long long y0 = static_cast<long long>(y) * image.height * 256 / height;
        const long long y1 = std::max(y0 + 1, static_cast<long long>(y + 1) * image.height * 256 / height);
        for (int x = 0; x < width; ++x) {
            const long long x0 = static_cast<long long>(x) * image.width * 256 / width;
            const long long x1 = std::max(x0 + 1, static_cast<long long>(x + 1) * image.width * 256 / width);
            long long sum[4] = {0, 0, 0, 0};
            long long total = 0;
            for (long long sy = y0 / 256; sy * 256 < y1 && sy < image.height; ++sy) {
                const long long wy = std::min(y1, (sy + 1) * 256) - std::max(y0, sy * 256);
                for (long long sx = x0 / 256; sx * 256 < x1 && sx < image.width; ++sx) {
                    const long long wx = std::min(x1, (sx + 1) * 256) - std::max(x0, sx * 256);
                    const long long w = wx * wy;
                    const std::uint8_t* p = image.pixel(static_cast<int>(sx), static_cast<int>(sy));
                    for (int c = 0; c < 4; ++c) {
                        sum[c] += p[c] * w;
                    }
                    total += w;
                }
            }
            std::uint8_t* q = out.pixel(x, y);
            for (int c = 0; c < 4; ++c) {
                q[c] = static_cast<std::uint8_t>(total > 0 ? (sum[c] + total / 2) / total : 0);
            }
        }
    }
    return out;
}

}  // namespace zt::media
