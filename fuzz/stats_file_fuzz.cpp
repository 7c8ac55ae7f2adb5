// stats.zt (history blocks): read, written back, and the written file read again to the same bytes.
#include "fuzz_support.h"
#include "league/stats_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    zt::fuzz::roundTripLeagueFile(
        zt::fuzz::bytesOf(data, size), "stats.zt", zt::parseStatsFile, zt::serialiseStatsFile);
    return 0;
}
