// The player transfer file of "Import Players": read from disk, and every entry it accepts added
// to the sample league.
#include "fuzz_support.h"
#include "league/league.h"
#include "players/transfer_file.h"

using namespace zt;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto file = fuzz::writeScratchFile("fuzz.trn", fuzz::bytesOf(data, size));
    std::vector<TransferEntry> entries;
    fuzz::refusalsOnly([&] { entries = readTransferFile(file); }, file);
    if (entries.empty() || entries.size() > 64) {
        return 0;  // adding thousands of players shows nothing more than adding a few
    }
    auto league = fuzz::freshContextLeague();
    const std::size_t before = league->players.size();
    try {
        const auto added = addTransferredPlayers(*league, std::move(entries), kImportKeepTeam);
        if (league->players.size() != before + added.size()) {
            fuzz::finding("the players added do not match the league's count");
        }
    } catch (const Error&) {
        // A file bringing id 65535 leaves no id above it: the import is refused for the league's
        // sake, not the file's, and must add nobody.
        if (league->players.size() != before || league->changed()) {
            fuzz::finding("a refused import changed the league");
        }
    }
    return 0;
}
