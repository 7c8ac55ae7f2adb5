// season.zt: read, written back, and the written file read again to the same bytes.
#include "fuzz_support.h"
#include "league/league.h"
#include "league/season_file.h"

using namespace zt;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::filesystem::path file = "season.zt";
    fuzz::refusalsOnly(
        [&] {
            League league;
            parseSeasonFile(fuzz::bytesOf(data, size), file, league);
            const auto written = serialiseSeasonFile(league);
            League again;
            parseSeasonFile(written, file, again);
            if (serialiseSeasonFile(again) != written) {
                fuzz::finding("season.zt does not read back to what was written");
            }
        },
        file);
    return 0;
}
