// constants.ini: read from disk; the formatted constants read back to the same values, and
// merging them into the file's own text keeps them.
#include <cstring>

#include "fuzz_support.h"
#include "ratings/league_constants.h"

using namespace zt;

namespace {
bool sameConstants(const LeagueConstants& a, const LeagueConstants& b) {
    // Compared as stored bits so that a not-a-number read back as such counts as the same.
    const auto bits = [](float v) {
        std::uint32_t out = 0;
        std::memcpy(&out, &v, sizeof out);
        return out;
    };
    return bits(a.lvsl) == bits(b.lvsl) && bits(a.lvsr) == bits(b.lvsr) && bits(a.rvsl) == bits(b.rvsl) &&
           bits(a.rvsr) == bits(b.rvsr) && bits(a.obpa) == bits(b.obpa);
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto input = fuzz::bytesOf(data, size);
    const auto file = fuzz::writeScratchFile("constants.ini", input);
    fuzz::refusalsOnly(
        [&] {
            const LeagueConstants constants = readLeagueConstants(file);
            if (!sameConstants(parseLeagueConstants(formatLeagueConstants(constants)), constants)) {
                fuzz::finding("constants.ini does not read back to the values written");
            }
            if (!sameConstants(parseLeagueConstants(mergeLeagueConstants(fuzz::textOf(input), constants)), constants)) {
                fuzz::finding("constants merged into an existing constants.ini do not read back");
            }
        },
        file);
    return 0;
}
