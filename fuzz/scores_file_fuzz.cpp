// scores.zt: read from disk as opening a league does, written back and read again to the same
// bytes.
#include "fuzz_support.h"
#include "league/league.h"
#include "league/scores_file.h"

using namespace zt;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto file = fuzz::writeScratchFile("scores.zt", fuzz::bytesOf(data, size));
    fuzz::refusalsOnly(
        [&] {
            League league;
            readScoresFile(file, league);
            const auto written = serialiseScoresFile(league);
            League again;
            parseScoresFile(written, again);
            if (serialiseScoresFile(again) != written) {
                fuzz::finding("scores.zt does not read back to what was written");
            }
        },
        file);
    return 0;
}
