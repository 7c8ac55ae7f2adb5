#include "media/tga.h"

#include "league/byte_record.h"
#include "league/error.h"

namespace zt::media {

namespace {

constexpr std::size_t kHeaderSize = 18;

std::uint8_t expand5(unsigned v) {
    return static_cast<std::uint8_t>((v << 3) | (v >> 2));
}

}  // namespace

int tgaImageType(std::span<const std::uint8_t> bytes) {
    if (bytes.size() < kHeaderSize) {
        throw Error(kInvalidFileMessage);
    }
    return bytes[2];
}

TgaPicture decodeTga(std::span<const std::uint8_t> bytes) {
    if (tgaImageType(bytes) != 2) {
        throw Error(kUncompressedMessage);
    }
    const std::size_t idLength = bytes[0];
    const std::size_t mapLength = loadLE<std::uint16_t>(bytes.data() + 5);
    const std::size_t mapEntryBits = bytes[7];
    const int width = loadLE<std::uint16_t>(bytes.data() + 12);
    const int height = loadLE<std::uint16_t>(bytes.data() + 14);
    const int bits = bytes[16];
    const std::uint8_t descriptor = bytes[17];
    if ((bits != 16 && bits != 24 && bits != 32) || width == 0 || height == 0) {
        throw Error(kInvalidFileMessage);
    }
    const std::size_t start = kHeaderSize + idLength + (bytes[1] != 0 ? mapLength * ((mapEntryBits + 7) / 8) : 0);
    const std::size_t bytesPerPixel = static_cast<std::size_t>(bits / 8);
    const std::size_t pixelBytes = static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * bytesPerPixel;
    if (start > bytes.size() || pixelBytes > bytes.size() - start) {
        throw Error(kInvalidFileMessage);
    }
    TgaPicture picture;
    picture.bitsPerPixel = bits;
    picture.image = makeImage(width, height);
    const bool topFirst = (descriptor & 0x20) != 0;
    const bool rightToLeft = (descriptor & 0x10) != 0;
    const std::uint8_t* p = bytes.data() + start;
    for (int row = 0; row < height; ++row) {
        const int y = topFirst ? row : height - 1 - row;
        for (int column = 0; column < width; ++column, p += bytesPerPixel) {
            const int x = rightToLeft ? width - 1 - column : column;
            std::uint8_t* q = picture.image.pixel(x, y);
            if (bits == 16) {
                const unsigned word = loadLE<std::uint16_t>(p);
                q[0] = expand5((word >> 10) & 31);
                q[1] = expand5((word >> 5) & 31);
                q[2] = expand5(word & 31);
                q[3] = 255;
            } else {
                q[0] = p[2];
                q[1] = p[1];
                q[2] = p[0];
                q[3] = bits == 32 ? p[3] : 255;
            }
        }
    }
    return picture;
}

std::vector<std::uint8_t> encodeTga(const Image& image, int bitsPerPixel) {
    if (bitsPerPixel != 16 && bitsPerPixel != 24 && bitsPerPixel != 32) {
        throw Error("A TGA picture holds 16, 24 or 32 bits per pixel, not " + std::to_string(bitsPerPixel) + ".");
    }
    const std::size_t bytesPerPixel = static_cast<std::size_t>(bitsPerPixel / 8);
    std::vector<std::uint8_t> out(kHeaderSize + static_cast<std::size_t>(image.width) *
                                                    static_cast<std::size_t>(image.height) * bytesPerPixel);
    out[2] = 2;
    storeLE<std::uint16_t>(out.data() + 12, static_cast<std::uint16_t>(image.width));
    storeLE<std::uint16_t>(out.data() + 14, static_cast<std::uint16_t>(image.height));
    out[16] = static_cast<std::uint8_t>(bitsPerPixel);
    std::uint8_t* q = out.data() + kHeaderSize;
    for (int y = image.height - 1; y >= 0; --y) {
        for (int x = 0; x < image.width; ++x, q += bytesPerPixel) {
            const std::uint8_t* p = image.pixel(x, y);
            if (bitsPerPixel == 16) {
                const unsigned word = ((p[0] >> 3) << 10) | ((p[1] >> 3) << 5) | (p[2] >> 3);
                storeLE<std::uint16_t>(q, static_cast<std::uint16_t>(word));
            } else {
                q[0] = p[2];
                q[1] = p[1];
                q[2] = p[0];
                if (bitsPerPixel == 32) {
                    q[3] = p[3];
                }
            }
        }
    }
    return out;
}

}  // namespace zt::media
