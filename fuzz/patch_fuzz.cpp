// An appearance patch (faces, batting stances, pitching styles) applied to a small league. The
// first byte chooses the patch.
#include "fuzz_support.h"
#include "league/league.h"
#include "media/appearance_patch.h"

using namespace zt;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::Cursor input(fuzz::bytesOf(data, size));
    const auto kind = static_cast<media::PatchKind>(1 + input.byte() % 3);
    const std::string_view text = fuzz::textOf(input.rest());
    fuzz::refusalsOnly([&] {
        (void)media::patchValues(text);
        auto league = fuzz::freshSmallLeague();
        const auto outcome = media::applyPatch(*league, kind, text);
        (void)media::patchMessages(outcome);
    });
    return 0;
}
