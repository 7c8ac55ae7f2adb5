// playoffs.zt, whose layout follows the round lengths of the season header: read after the
// sample league's season.zt, written back and read again to the same bytes.
#include "fuzz_support.h"
#include "league/league.h"
#include "league/scores_file.h"
#include "league/season_file.h"

using namespace zt;

namespace {
std::unique_ptr<League> seasonOnly() {
    auto league = std::make_unique<League>();
    parseSeasonFile(fuzz::contextLeagueFiles().season, "season.zt", *league);
    return league;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::filesystem::path file = "playoffs.zt";
    fuzz::refusalsOnly(
        [&] {
            const auto league = seasonOnly();
            parsePlayoffsFile(fuzz::bytesOf(data, size), file, *league);
            const auto written = serialisePlayoffsFile(*league);
            const auto again = seasonOnly();
            parsePlayoffsFile(written, file, *again);
            if (serialisePlayoffsFile(*again) != written) {
                fuzz::finding("playoffs.zt does not read back to what was written");
            }
        },
        file);
    return 0;
}
