// A sound table (.table / .ids): read, every sound extracted as a WAV that reads back, and the
// first sound replaced by itself.
#include "fuzz_support.h"
#include "league/progress.h"
#include "media/sound_table.h"

using namespace zt;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto input = fuzz::bytesOf(data, size);
    const std::filesystem::path file = "fuzz.table";
    const auto header = media::standardWavHeader();
    fuzz::refusalsOnly(
        [&] {
            const auto table = media::parseSoundTable(std::vector<std::uint8_t>(input.begin(), input.end()), file);
            for (std::size_t k = 1; k <= table.count() && k <= 16; ++k) {
                const auto wav = media::extractSound(table, k, header);
                const auto content = media::parseWav(wav, "sound.wav");
                if (k == 1) {
                    NoProgress progress;
                    const auto replaced = media::tableWithImportedSound(table, k, content, progress);
                    (void)media::parseSoundTable(replaced, file);
                }
            }
        },
        file);
    return 0;
}
