// stats.zt (history blocks): read, written back, and the written file read again to the same bytes.
#include "fuzz_support.h"
#include "league/league.h"
#include "league/stats_file.h"

using namespace zt;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::filesystem::path file = "stats.zt";
    fuzz::refusalsOnly(
        [&] {
            League league;
            parseStatsFile(fuzz::bytesOf(data, size), file, league);
            const auto written = serialiseStatsFile(league);
            League again;
            parseStatsFile(written, file, again);
            if (serialiseStatsFile(again) != written) {
                fuzz::finding("stats.zt does not read back to what was written");
            }
        },
        file);
    return 0;
}
