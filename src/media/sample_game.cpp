#include "media/sample_game.h"

#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "league/file_io.h"
#include "league/league.h"
#include "media/alb_archive.h"
#include "media/image.h"
#include "media/mod_model.h"
#include "media/photo_album.h"
#include "media/photo_import.h"
#include "media/sound_table.h"
#include "media/tga.h"

namespace zt::media {

namespace {

// A small deterministic generator (splitmix64): the folder must not depend on the platform's
// random engines.
class Mixer {
public:
    explicit Mixer(std::uint64_t seed) : m_state(seed) {}
    std::uint64_t next() {
        std::uint64_t z = (m_state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    std::uint8_t byte() { return static_cast<std::uint8_t>(next() >> 56); }
    int between(int low, int high) {
        return low + static_cast<int>(next() % static_cast<std::uint64_t>(high - low + 1));
    }

private:
    std::uint64_t m_state;
};

void fill(Image& image, int x0, int y0, int x1, int y1, const std::uint8_t (&colour)[3]) {
    for (int y = std::max(0, y0); y < std::min(image.height, y1); ++y) {
        for (int x = std::max(0, x0); x < std::min(image.width, x1); ++x) {
            std::uint8_t* p = image.pixel(x, y);
            p[0] = colour[0];
            p[1] = colour[1];
            p[2] = colour[2];
            p[3] = 255;
        }
    }
}

void ellipse(Image& image, double cx, double cy, double rx, double ry, const std::uint8_t (&colour)[3]) {
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            const double dx = (x + 0.5 - cx) / rx;
            const double dy = (y + 0.5 - cy) / ry;
            if (dx * dx + dy * dy <= 1.0) {
                std::uint8_t* p = image.pixel(x, y);
                p[0] = colour[0];
                p[1] = colour[1];
                p[2] = colour[2];
                p[3] = 255;
            }
        }
    }
}

ModTextureData indexedTexture(const std::string& name, std::uint32_t width, std::uint32_t height, Mixer& mix) {
    ModTextureData texture{name, width, height, 1, {}};
    for (std::uint32_t y = 0; y < height; ++y) {
        for (std::uint32_t x = 0; x < width; ++x) {
            texture.pixels.push_back(static_cast<std::uint8_t>((x * 7 + y * 3 + (mix.byte() & 3)) & 0xFF));
        }
    }
    for (int c = 0; c < 256; ++c) {
        texture.pixels.insert(texture.pixels.end(),
                              {static_cast<std::uint8_t>(c),
                               static_cast<std::uint8_t>(255 - c),
                               static_cast<std::uint8_t>((c * 5) & 0xFF),
                               255});
    }
    return texture;
}

ModTextureData colourTexture(const std::string& name, std::uint32_t width, std::uint32_t height, Mixer& mix) {
    ModTextureData texture{name, width, height, 2, {}};
    const std::uint8_t base = mix.byte();
    for (std::uint32_t y = 0; y < height; ++y) {
        for (std::uint32_t x = 0; x < width; ++x) {
            texture.pixels.insert(texture.pixels.end(),
                                  {static_cast<std::uint8_t>(base + x * 4),
                                   static_cast<std::uint8_t>(y * 6),
                                   static_cast<std::uint8_t>(base ^ (x * y)),
                                   255});
        }
    }
    return texture;
}

std::vector<std::uint8_t> tone(int sampleRate, int bits, double seconds, double frequency, Mixer& mix) {
    std::vector<std::uint8_t> samples;
    const int count = static_cast<int>(sampleRate * seconds);
    for (int i = 0; i < count; ++i) {
        const double fade = 1.0 - static_cast<double>(i) / count;
        const double noise = (mix.byte() - 128) / 1024.0;
        const double v = (std::sin(2 * 3.14159265358979 * frequency * i / sampleRate) * 0.6 + noise) * fade;
        if (bits == 8) {
            samples.push_back(static_cast<std::uint8_t>(128 + std::lround(v * 120)));
        } else {
            const auto s = static_cast<std::int16_t>(std::lround(v * 30000));
            samples.push_back(static_cast<std::uint8_t>(s & 0xFF));
            samples.push_back(static_cast<std::uint8_t>((s >> 8) & 0xFF));
        }
    }
    return samples;
}

}  // namespace

Image samplePhoto(std::uint32_t playerId, std::uint64_t seed) {
    Mixer mix(seed * 1000003u + playerId);
    Image image = makeImage(kPhotoWidth, kPhotoHeight);
    const std::uint8_t background[3] = {static_cast<std::uint8_t>(60 + mix.byte() / 4),
                                        static_cast<std::uint8_t>(90 + mix.byte() / 4),
                                        static_cast<std::uint8_t>(140 + mix.byte() / 4)};
    const std::uint8_t skins[4][3] = {{241, 204, 170}, {214, 160, 120}, {160, 110, 75}, {100, 66, 45}};
    const std::uint8_t jersey[3] = {mix.byte(), mix.byte(), mix.byte()};
    const std::uint8_t cap[3] = {jersey[2], jersey[0], jersey[1]};
    const std::uint8_t dark[3] = {20, 20, 30};
    const auto& skin = skins[mix.between(0, 3)];
    fill(image, 0, 0, kPhotoWidth, kPhotoHeight, background);
    ellipse(image, 32, 86, 30, 22, jersey);
    ellipse(image, 32, 44, 17, 22, skin);
    fill(image, 14, 18, 50, 30, cap);
    fill(image, 10, 27, 54, 31, cap);
    fill(image, 24, 40, 28, 44, dark);
    fill(image, 36, 40, 40, 44, dark);
    fill(image, 27, 54, 37, 56, dark);
    return image;
}

int generateSampleGame(const std::filesystem::path& folder, const League& league, std::uint64_t seed) {
    // The game folder appears whole or not at all: its files are one batch, and the folders made
    // for them go again when the batch fails (sub-folders first, then the game folder).
    CreatedFolders gameFolder(folder);
    std::vector<std::unique_ptr<CreatedFolders>> subfolders;
    FileTransaction batch(FileTransaction::Batch::Open);
    const auto write = [&subfolders](const std::filesystem::path& file, const std::vector<std::uint8_t>& bytes) {
        subfolders.push_back(std::make_unique<CreatedFolders>(file.parent_path()));
        writeFileAtomically(file, bytes);
    };

    std::vector<AlbMember> photos;
    for (const auto& player : league.players) {
        const int index = player->get(pf::photoIndex);
        if (index == -1) {
            continue;
        }
        const Image face = samplePhoto(player->get(pf::playerId), seed);
        photos.push_back({photoName(*player, index).substr(0, 60), encodeTga(face, 24)});
    }
    write(folder / "Art" / "2D" / "plyrphoto.alb", buildAlbArchive(photos, true));

    Mixer mix(seed);
    const auto stands =
        buildModFile(false, 3, {indexedTexture("seats", 32, 32, mix), colourTexture("roof", 32, 32, mix)}, 0x11);
    std::vector<AlbMember> stadium;
    stadium.push_back({"stands.mod", stands});
    stadium.push_back({"HEAD0001.TGA", encodeTga(samplePhoto(1, seed + 1), 24)});
    stadium.push_back({"HEAD0002.TGA", encodeTga(samplePhoto(2, seed + 1), 16)});
    const std::string note = "Stadium art of the sample game, seed " + std::to_string(seed) + ".\r\n";
    stadium.push_back({"readme.txt", std::vector<std::uint8_t>(note.begin(), note.end())});
    write(folder / "Art" / "stadium.alb", buildAlbArchive(stadium, false));
    write(folder / "Art" / "bat.mod",
          buildModFile(false, 2, {indexedTexture("grain", 16, 16, mix), colourTexture("tape", 8, 8, mix)}, 0x22));
    write(folder / "Art" / "glove.amd",
          buildModFile(true, 2, {colourTexture("leather", 32, 16, mix), indexedTexture("lace", 64, 32, mix)}, 0x33));

    std::vector<SoundData> sounds;
    sounds.push_back({pcmFormat(1, 11025, 8), tone(11025, 8, 0.4, 440, mix)});
    sounds.push_back({pcmFormat(1, 22050, 16), tone(22050, 16, 0.3, 660, mix)});
    sounds.push_back({pcmFormat(1, 11025, 8), tone(11025, 8, 0.2, 880, mix)});
    sounds.push_back({pcmFormat(1, 22050, 16), tone(22050, 16, 0.5, 220, mix)});
    sounds.push_back({pcmFormat(1, 11025, 16), tone(11025, 16, 0.25, 330, mix)});
    write(folder / "sounds" / "crowd.table", buildSoundTable(sounds));
    batch.commit();
    for (auto& subfolder : subfolders) {
        subfolder->keep();
    }
    gameFolder.keep();
    return static_cast<int>(photos.size());
}

}  // namespace zt::media
