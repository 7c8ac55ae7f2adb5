// A rosters management file (.ssr) checked against the sample league.
#include "fuzz_support.h"
#include "league/league.h"
#include "rosters/rosters_file.h"

using namespace zt;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto file = fuzz::writeScratchFile("fuzz.ssr", fuzz::bytesOf(data, size));
    fuzz::refusalsOnly([&] { readRostersFile(file, fuzz::contextLeague()); }, file);
    return 0;
}
