// players.zt: read, written back, and the written file read again to the same bytes.
#include "fuzz_support.h"
#include "league/league.h"
#include "league/players_file.h"

using namespace zt;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::filesystem::path file = "players.zt";
    fuzz::refusalsOnly(
        [&] {
            League league;
            parsePlayersFile(fuzz::bytesOf(data, size), file, league);
            const auto written = serialisePlayersFile(league);
            League again;
            parsePlayersFile(written, file, again);
            if (serialisePlayersFile(again) != written) {
                fuzz::finding("players.zt does not read back to what was written");
            }
        },
        file);
    return 0;
}
