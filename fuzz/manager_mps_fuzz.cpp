// A manager profile (.mps): read, written back to the same bytes.
#include <algorithm>

#include "fuzz_support.h"
#include "season/manager_profile.h"

using namespace zt;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::filesystem::path file = "fuzz.mps";
    const auto input = fuzz::bytesOf(data, size);
    fuzz::refusalsOnly(
        [&] {
            const auto profile = season::parseManagerProfile(input, file);
            const auto written = season::serialiseManagerProfile(profile);
            if (!std::equal(written.begin(), written.end(), input.begin(), input.end())) {
                fuzz::finding("an .mps file does not write back to its own bytes");
            }
            (void)season::managerProfileTexts(profile);
        },
        file);
    return 0;
}
