// The box-score lookup over a BoxScores.txt: the first bytes choose the day and teams looked for.
#include "fuzz_support.h"
#include "season/box_scores.h"

using namespace zt;
using namespace zt::season;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::Cursor input(fuzz::bytesOf(data, size));
    const int day = input.u16() % 400;
    const int home = input.byte() % 33;
    const int visitor = input.byte() % 33;
    const bool summary = (input.byte() & 1) != 0;
    fuzz::refusalsOnly([&] {
        const BoxScoreFile file{std::string(fuzz::textOf(input.rest()))};
        const auto found = file.find(day, home, visitor, summary ? kSummaryMarker : kEndMarker);
        if (found) {
            const auto lines = boxScoreLines(*found);
            (void)boxScoreText(lines);
            (void)boxScoreHtml(lines);
            (void)boxScoreClipboardHtml(lines);
        }
    });
    return 0;
}
