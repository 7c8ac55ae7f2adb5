// A TGA picture: decoded, encoded at its depth and decoded again to the same pixels.
#include "fuzz_support.h"
#include "media/tga.h"

using namespace zt;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto input = fuzz::bytesOf(data, size);
    fuzz::refusalsOnly([&] {
        (void)media::tgaImageType(input);
        const auto picture = media::decodeTga(input);
        const auto again = media::decodeTga(media::encodeTga(picture.image, picture.bitsPerPixel));
        if (again.image.width != picture.image.width || again.image.height != picture.image.height ||
            (picture.bitsPerPixel == 24 && again.image.rgba != picture.image.rgba)) {
            fuzz::finding("a TGA picture does not encode to the same picture");
        }
    });
    return 0;
}
