#include "media/photo_import.h"

#include <algorithm>

#include "league/error.h"
#include "league/file_io.h"
#include "league/interaction.h"
#include "league/league.h"
#include "league/league_io.h"
#include "league/progress.h"
#include "media/jpeg.h"
#include "media/tga.h"
#include "media/zlib_stream.h"

namespace zt::media {

namespace {

bool isJpegName(const fs::path& file) {
    std::string extension = file.extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(), [](char c) {
        return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
    });
    return extension == ".JPG";
}

// The prepared photo, compressed, and the player's new photo name.
struct PreparedPhoto {
    std::vector<std::uint8_t> compressed;
    std::uint32_t uncompressedSize = 0;
    std::string name;
};

PreparedPhoto prepare(const PlayerRecord& player, const fs::path& chosen, Progress& progress) {
    progress.setLabel(kCompressingLabel);
    PreparedPhoto photo;
    const auto tga = preparePhoto(chosen);
    photo.uncompressedSize = static_cast<std::uint32_t>(tga.size());
    photo.compressed = compressZlib(tga);
    photo.name = photoName(player, player.get(pf::playerId)).substr(0, 60);
    return photo;
}

// The album is replaced and the league, its player linked to his photo, saved in one batch: on
// disk a player never points at a photo the album lacks. Should it fail, the player keeps his
// old link and the league its unsaved state.
void finish(std::unique_ptr<PhotoAlbum>& album,
            const std::vector<std::uint8_t>& rebuilt,
            League& league,
            PlayerRecord* linkPlayer,
            FileWriter& writer) {
    const fs::path path = album->path();
    const bool wasChanged = league.changed();
    const std::int16_t oldLink = linkPlayer != nullptr ? linkPlayer->get(pf::photoIndex) : std::int16_t{0};
    try {
        FileTransaction batch(FileTransaction::Batch::Open);
        writeFileAtomically(path, rebuilt, writer);
        if (linkPlayer != nullptr) {
            linkPlayer->set(pf::photoIndex, static_cast<std::int16_t>(linkPlayer->get(pf::playerId)));
            league.markChanged();
        }
        saveLeague(league);
        batch.commit();
    } catch (const Error&) {
        if (linkPlayer != nullptr) {
            linkPlayer->set(pf::photoIndex, oldLink);
        }
        if (wasChanged) {
            league.markChanged();
        } else {
            league.clearChanged();
        }
        throw;
    }
    album = std::make_unique<PhotoAlbum>(path);
}

}  // namespace

std::vector<std::uint8_t> preparePhoto(const fs::path& chosen) {
    std::vector<std::uint8_t> bytes;
    try {
        bytes = readFileBytes(chosen);
    } catch (const Error&) {
        throw Error(kInvalidFileMessage);
    }
    TgaPicture picture;
    if (isJpegName(chosen)) {
        picture.image = decodeJpeg(bytes);
        picture.bitsPerPixel = 24;
    } else {
        picture = decodeTga(bytes);
    }
    return encodeTga(scaleImage(picture.image, kPhotoWidth, kPhotoHeight), picture.bitsPerPixel);
}

bool confirmPhotoChange(Interaction& interaction) {
    return interaction.askYesNo(kPhotoQuestion);
}

void addPlayerPhoto(std::unique_ptr<PhotoAlbum>& album,
                    League& league,
                    PlayerRecord& player,
                    const fs::path& chosen,
                    Progress& progress,
                    FileWriter& writer) {
    const PreparedPhoto photo = prepare(player, chosen, progress);
    progress.setLabel(kRecompilingLabel);
    const auto archive = album->readAll();
    const AlbIndex index = parseAlbIndex(archive, archive.size(), kPhotoEntrySize, album->path());
    const auto rebuilt = albumWithAddedEntry(archive, index, photo.name, photo.compressed, photo.uncompressedSize);
    finish(album, rebuilt, league, &player, writer);
}

void replacePlayerPhoto(std::unique_ptr<PhotoAlbum>& album,
                        League& league,
                        PlayerRecord& player,
                        const fs::path& chosen,
                        Progress& progress,
                        FileWriter& writer) {
    const auto shown = playerPhotoEntry(*album, player);
    if (!shown) {
        throw Error("The player has no photo to replace.");
    }
    const PreparedPhoto photo = prepare(player, chosen, progress);
    progress.setLabel(kRecompilingLabel);
    const auto archive = album->readAll();
    const AlbIndex index = parseAlbIndex(archive, archive.size(), kPhotoEntrySize, album->path());
    const auto rebuilt = albumWithReplacedEntry(archive, index, *shown, photo.compressed, photo.uncompressedSize);
    // The replaced entry keeps its name, so the player keeps the photoIndex that finds it: set
    // to his playerId instead, a player whose photo was stored under another number would lose it.
    finish(album, rebuilt, league, nullptr, writer);
}

void exportPicture(const Image& image, const fs::path& target) {
    writeFileAtomically(target, encodeTga(image, 24));
}

}  // namespace zt::media
