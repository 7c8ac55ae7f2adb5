// A global-editing file (.gbe): every record read, encoded again and decoded to the same settings.
#include "fuzz_support.h"
#include "globaledit/gbe_file.h"

using namespace zt;
using namespace zt::globaledit;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto file = fuzz::writeScratchFile("fuzz.gbe", fuzz::bytesOf(data, size));
    fuzz::refusalsOnly(
        [&] {
            const GbeFile gbe = readGbeFile(file);
            for (const auto& settings : gbe.records) {
                const GbeRecord record = encodeGbeRecord(settings);
                const GbeRecord again = encodeGbeRecord(decodeGbeRecord(record));
                if (record != again) {
                    fuzz::finding("a .gbe record does not encode to the same bytes after a round trip");
                }
            }
        },
        file);
    return 0;
}
