// players.zt: read, written back, and the written file read again to the same bytes.
#include "fuzz_support.h"
#include "league/players_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    zt::fuzz::roundTripLeagueFile(
        zt::fuzz::bytesOf(data, size), "players.zt", zt::parsePlayersFile, zt::serialisePlayersFile);
    return 0;
}
