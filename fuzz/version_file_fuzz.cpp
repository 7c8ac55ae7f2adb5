// The web update's version file, read against the editor's version and against one taken from
// the input's first line.
#include "fuzz_support.h"
#include "netleague/version_file.h"

using namespace zt;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto parts = fuzz::splitFrames(fuzz::bytesOf(data, size), 2);
    fuzz::refusalsOnly([&] { (void)readVersionFile(fuzz::textOf(parts[1])); });
    fuzz::refusalsOnly([&] { (void)readVersionFile(fuzz::textOf(parts[1]), fuzz::textOf(parts[0])); });
    return 0;
}
