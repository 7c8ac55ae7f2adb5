// A whole league folder opened as the editor opens it. The input is split into players.zt,
// stats.zt, season.zt, scores.zt, playoffs.zt and net.txt (see splitFrames); an empty part
// leaves that file out. A league that opens is saved in place and opened again.
#include <array>
#include <fstream>

#include "fuzz_support.h"
#include "league/league.h"
#include "league/league_io.h"

using namespace zt;

namespace {
constexpr std::array<const char*, 6> kFiles = {
    "players.zt", "stats.zt", "season.zt", "scores.zt", "playoffs.zt", "net.txt"};
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto parts = fuzz::splitFrames(fuzz::bytesOf(data, size), kFiles.size());
    const auto root = fuzz::freshScratchSubfolder("league");
    const auto dir = root / "FuzzSeason";
    std::filesystem::create_directories(dir);
    for (std::size_t i = 0; i < kFiles.size(); ++i) {
        if (!parts[i].empty()) {
            std::ofstream(dir / kFiles[i], std::ios::binary)
                .write(reinterpret_cast<const char*>(parts[i].data()), static_cast<std::streamsize>(parts[i].size()));
        }
    }
    const auto selected = root / "Fuzz.sea";
    std::ofstream(selected).flush();
    try {
        auto league = openLeague(selected);
        saveLeague(*league);
        auto again = openLeague(selected);
        if (again->players.size() != league->players.size() || again->teams.size() != league->teams.size()) {
            fuzz::finding("a saved league does not open to the same players and teams");
        }
    } catch (const Error& error) {
        // The folder's messages name a file of it or the folder itself.
        fuzz::requireNamesFile(error.what(), "Fuzz");
    }
    return 0;
}
