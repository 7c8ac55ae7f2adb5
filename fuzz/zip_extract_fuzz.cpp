// A league archive (ZIP) extracted flat into a folder that holds a league file already; a refused
// archive must leave that file as it was.
#include <fstream>
#include <iterator>

#include "fuzz_support.h"
#include "netleague/zip_extract.h"

using namespace zt;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto archive = fuzz::writeScratchFile("league.zip", fuzz::bytesOf(data, size));
    const auto folder = fuzz::freshScratchSubfolder("extracted");
    const auto kept = folder / "players.zt";
    std::ofstream(kept, std::ios::binary) << "kept";
    ExtractLimits limits;
    limits.maxEntries = 64;
    limits.maxTotalBytes = 8 << 20;
    try {
        (void)extractFlat(archive, folder, limits);
    } catch (const Error& error) {
        fuzz::requireNamesFile(error.what(), archive);
        std::ifstream in(kept, std::ios::binary);
        const std::string content((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        if (content != "kept") {
            fuzz::finding("a refused archive changed a file of the folder");
        }
    }
    return 0;
}
