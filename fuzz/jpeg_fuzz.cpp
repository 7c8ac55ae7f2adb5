// JPEG input: decoded (as a chosen photo is), encoded again and decoded to the same size.
#include "fuzz_support.h"
#include "media/jpeg.h"

using namespace zt;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::refusalsOnly([&] {
        const auto image = media::decodeJpeg(fuzz::bytesOf(data, size));
        if (static_cast<std::size_t>(image.width) * static_cast<std::size_t>(image.height) > 4096 * 4096) {
            return;
        }
        const auto again = media::decodeJpeg(media::encodeJpeg(image));
        if (again.width != image.width || again.height != image.height) {
            fuzz::finding("a decoded JPEG does not encode to a picture of its size");
        }
    });
    return 0;
}
