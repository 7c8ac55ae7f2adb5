// An .alb archive: its index read (photo album entries when the first byte is odd, the game's
// other archives otherwise), every entry inflated, the index written back to the same bytes; the
// photo album reader over the same file.
#include <algorithm>

#include "fuzz_support.h"
#include "media/alb_archive.h"
#include "media/photo_album.h"

using namespace zt;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::Cursor input(fuzz::bytesOf(data, size));
    const bool photos = (input.byte() & 1) != 0;
    const auto archive = input.rest();
    const auto file = fuzz::writeScratchFile("fuzz.alb", archive);
    const std::size_t entrySize = photos ? media::kPhotoEntrySize : media::kAlbEntrySize;
    fuzz::refusalsOnly(
        [&] {
            const auto index = media::parseAlbIndex(archive, archive.size(), entrySize, file);
            const auto written = media::serializeIndex(index);
            if (written.size() > archive.size() || !std::equal(written.begin(), written.end(), archive.begin())) {
                fuzz::finding("an .alb index does not write back to its own bytes");
            }
            for (std::size_t i = 0; i < index.entries.size() && i < 16; ++i) {
                fuzz::refusalsOnly([&] { (void)media::entryContent(archive, index, i, file); }, file);
            }
        },
        file);
    if (photos) {
        fuzz::refusalsOnly(
            [&] {
                media::PhotoAlbum album(file);
                for (std::size_t i = 0; i < album.index().entries.size() && i < 16; ++i) {
                    fuzz::refusalsOnly([&] { (void)album.content(i); }, file);
                }
            },
            file);
    }
    return 0;
}
