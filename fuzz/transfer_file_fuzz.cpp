// The player transfer file of "Import Players": read from disk, and every entry it accepts added
// to the sample league.
#include "fuzz_support.h"
#include "league/league.h"
#include "players/transfer_file.h"

using namespace zt;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto file = fuzz::writeScratchFile("fuzz.trn", fuzz::bytesOf(data, size));
    fuzz::refusalsOnly(
        [&] {
            auto entries = readTransferFile(file);
            if (entries.empty() || entries.size() > 64) {
                return;  // adding thousands of players shows nothing more than adding a few
            }
            auto league = fuzz::freshContextLeague();
            const std::size_t before = league->players.size();
            const auto added = addTransferredPlayers(*league, std::move(entries), kImportKeepTeam);
            if (league->players.size() != before + added.size()) {
                fuzz::finding("the players added do not match the league's count");
            }
        },
        file);
    return 0;
}
