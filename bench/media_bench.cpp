// The photo album at the size of a full league: loading its index at start, showing one photo,
// and rebuilding it after one photo was replaced.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <memory>
#include <string>

#include "league/file_io.h"
#include "league/fixed_text.h"
#include "league/player_record.h"
#include "media/alb_archive.h"
#include "media/photo_album.h"
#include "media/sample_game.h"
#include "media/tga.h"
#include "media/zlib_stream.h"

namespace {

namespace fs = std::filesystem;
using namespace zt;

constexpr int kPhotos = 2000;

std::string nameOf(int i) {
    return "PLAYER" + std::to_string(i) + "SURNAME_" + std::to_string(i) + ".TGA";
}

// An album of 2,000 generated 24-bit photos on disk, removed at exit.
struct Workspace {
    Workspace() {
        std::string pattern = (fs::temp_directory_path() / "ztedit-media-bench-XXXXXX").string();
        root = mkdtemp(pattern.data());
        std::vector<media::AlbMember> members;
        for (int i = 0; i < kPhotos; ++i) {
            members.push_back({nameOf(i), media::encodeTga(media::samplePhoto(static_cast<std::uint32_t>(i), 1), 24)});
        }
        album = root / "plyrphoto.alb";
        writeFileAtomically(album, media::buildAlbArchive(members, true));
        replacement = media::compressZlib(media::encodeTga(media::samplePhoto(99999, 2), 32));
        player.set(pf::firstName, "Player1000");
        player.set(pf::lastName, "Surname");
        player.set(pf::photoIndex, std::int16_t{1000});
    }
    ~Workspace() {
        std::error_code ec;
        fs::remove_all(root, ec);
    }
    fs::path root;
    fs::path album;
    std::vector<std::uint8_t> replacement;
    PlayerRecord player;
};

Workspace& workspace() {
    static Workspace w;
    return w;
}

// Start-up: the header and the index only.
void BM_LoadAlbumIndex(benchmark::State& state) {
    auto& w = workspace();
    for (auto _ : state) {
        media::PhotoAlbum album(w.album);
        benchmark::DoNotOptimize(album.index().entries.size());
    }
}
BENCHMARK(BM_LoadAlbumIndex)->Unit(benchmark::kMillisecond);

// Selecting a player: find his entry, read, inflate and decode his photo.
void BM_ShowPhoto(benchmark::State& state) {
    auto& w = workspace();
    media::PhotoAlbum album(w.album);
    for (auto _ : state) {
        auto photo = media::playerPhoto(album, w.player);
        benchmark::DoNotOptimize(photo);
    }
}
BENCHMARK(BM_ShowPhoto)->Unit(benchmark::kMillisecond);

// Replace: read the album, rebuild it with one photo replaced, write it and load it again.
void BM_RebuildAfterReplacement(benchmark::State& state) {
    auto& w = workspace();
    for (auto _ : state) {
        const auto bytes = readFileBytes(w.album);
        const auto index = media::parseAlbIndex(bytes, bytes.size(), media::kPhotoEntrySize, w.album);
        const auto rebuilt = media::albumWithReplacedEntry(bytes, index, 1000, w.replacement, 18 + 64 * 85 * 4);
        writeFileAtomically(w.album, rebuilt);
        media::PhotoAlbum reloaded(w.album);
        benchmark::DoNotOptimize(reloaded.index().entries.size());
    }
}
BENCHMARK(BM_RebuildAfterReplacement)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
