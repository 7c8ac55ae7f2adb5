// net.txt: read from disk; its formatted text reads back to the same text.
#include "fuzz_support.h"
#include "league/net_info.h"

using namespace zt;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto file = fuzz::writeScratchFile("net.txt", fuzz::bytesOf(data, size));
    fuzz::refusalsOnly(
        [&] {
            const std::string text = formatNetInfo(readNetInfo(file));
            if (formatNetInfo(parseNetInfo(text)) != text) {
                fuzz::finding("net.txt does not read back to what was written");
            }
        },
        file);
    return 0;
}
