// A WAV file imported into a small sound table; the table that results reads back.
#include "fuzz_support.h"
#include "league/progress.h"
#include "media/sound_table.h"

using namespace zt;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::filesystem::path file = "fuzz.wav";
    static const auto tableBytes =
        media::buildSoundTable({{media::pcmFormat(1, 22050, 16), std::vector<std::uint8_t>(64, 1)},
                                {media::pcmFormat(2, 11025, 8), std::vector<std::uint8_t>(32, 2)}});
    fuzz::refusalsOnly(
        [&] {
            const auto wav = media::parseWav(fuzz::bytesOf(data, size), file);
            const auto table = media::parseSoundTable(tableBytes, "sounds.table");
            NoProgress progress;
            const auto replaced = media::tableWithImportedSound(table, 1, wav, progress);
            (void)media::parseSoundTable(replaced, "sounds.table");
        },
        file);
    return 0;
}
