// A model file (.mod / .amd): walked to its textures with either rule for its kind, and every
// texture written out as a bitmap.
#include <optional>

#include "fuzz_support.h"
#include "media/mod_model.h"

using namespace zt;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::Cursor input(fuzz::bytesOf(data, size));
    const bool kindFromFirstByte = (input.byte() & 1) != 0;
    const auto bytes = input.rest();
    const std::filesystem::path file = "fuzz.mod";
    static const media::BmpTemplates templates = media::BmpTemplates::standard();
    std::optional<media::ModLayout> layout;
    fuzz::refusalsOnly([&] { layout = media::parseModLayout(bytes, file, kindFromFirstByte); }, file);
    if (!layout) {
        return 0;
    }
    for (std::size_t i = 0; i < layout->textureOffsets.size() && i < 16; ++i) {
        fuzz::refusalsOnly([&] { (void)media::textureBitmap(bytes, *layout, i, templates, file); }, file);
    }
    return 0;
}
