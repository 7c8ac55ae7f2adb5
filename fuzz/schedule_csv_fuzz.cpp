// A schedule CSV checked against the sample league and, when accepted, applied to it and
// exported again: the export reads back to the same schedule.
#include <algorithm>

#include "fuzz_support.h"
#include "league/league.h"
#include "season/schedule_csv.h"

using namespace zt;
using namespace zt::season;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::filesystem::path file = "schedule.csv";
    fuzz::refusalsOnly(
        [&] {
            const auto lines = parseScheduleCsv(fuzz::contextLeague(), fuzz::textOf(fuzz::bytesOf(data, size)), file);
            int lastDay = 0;
            for (const auto& line : lines) {
                lastDay = std::max(lastDay, line.day);
            }
            if (lastDay > 400) {
                return;  // a long season shows nothing more than a short one and costs time
            }
            auto league = fuzz::freshContextLeague();
            applySchedule(*league, lines);
            const std::string exported = scheduleCsv(*league);
            auto again = fuzz::freshContextLeague();
            applySchedule(*again, parseScheduleCsv(*again, exported, file));
            if (scheduleCsv(*again) != exported) {
                fuzz::finding("an exported schedule does not read back to the same schedule");
            }
        },
        file);
    return 0;
}
