// A texture bitmap (.bmp) as the model repacker reads it: checked, then packed into a small model
// whose layout is read again.
#include <fstream>

#include "fuzz_support.h"
#include "media/mod_model.h"

using namespace zt;

namespace {
const std::vector<std::uint8_t>& model() {
    static const std::vector<std::uint8_t> bytes = [] {
        media::ModTextureData indexed{"skin", 4, 2, 1, std::vector<std::uint8_t>(4 * 2 + 1024, 7)};
        return media::buildModFile(false, 2, {indexed}, 0x11);
    }();
    return bytes;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto folder = fuzz::freshScratchSubfolder("textures");
    const auto bitmap = folder / "skin.bmp";
    std::ofstream(bitmap, std::ios::binary)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    fuzz::refusalsOnly(
        [&] {
            const auto layout = media::parseModLayout(model(), "fuzz.mod");
            (void)media::checkModBitmaps(layout, folder);
            const auto rebuilt = media::rebuildMod(model(), layout, folder);
            (void)media::parseModLayout(rebuilt, "rebuilt.mod");
        },
        bitmap);
    return 0;
}
