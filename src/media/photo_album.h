#pragma once

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "media/alb_archive.h"
#include "media/image.h"

namespace zt {
class PlayerRecord;
}

namespace zt::media {

// The player photo album, plyrphoto.alb in the game's ART/2D folder. Loading reads the header
// and the index only; a photo is read and inflated when it is shown. The file stays open for
// reading until the album is closed or loaded again after a rebuild.
class PhotoAlbum {
public:
    // Reads the index; a missing or damaged album throws zt::Error naming the file.
    explicit PhotoAlbum(const fs::path& file);

    const fs::path& path() const { return m_path; }
    const AlbIndex& index() const { return m_index; }

    // The first entry whose long name equals `photoName`; none when there is none.
    std::optional<std::size_t> find(std::string_view photoName) const;

    // The stored bytes (a TGA file) of entry `i`, inflated; throws on damaged data.
    std::vector<std::uint8_t> content(std::size_t i);

    // The whole file, for a rebuild.
    std::vector<std::uint8_t> readAll();

private:
    fs::path m_path;
    std::ifstream m_file;
    std::uint64_t m_size = 0;
    AlbIndex m_index;
    std::unordered_map<std::string, std::size_t> m_byName;  // first entry of each long name
};

// The album of a game folder: GAME/ART/2D/plyrphoto.alb (folders matched without regard to case).
fs::path albumPathOf(const fs::path& gameDirectory);

// The photo name of a player: first and last name with blanks, apostrophes and full stops
// removed, "_", the number and ".tga", upper-cased (Jean-Paul O'Neil, 123 ->
// "JEAN-PAULONEIL_123.TGA").
std::string photoName(const PlayerRecord& player, int number);

// The photo of a player as shown: looked up by his photoIndex; none when he has none or the
// album holds no photo under his name. Throws when the stored photo is damaged.
std::optional<Image> playerPhoto(PhotoAlbum& album, const PlayerRecord& player);

// The same for callers that hold no open album (the player cards): opens the album of the game
// folder, finds and decodes his photo. None when the folder has no album or the player no photo;
// a damaged album or photo throws zt::Error naming the file. Pixels are RGBA, top row first
// (jpeg.h encodes them as JPG).
std::optional<Image> playerPhotoFromGame(const fs::path& gameDirectory, const PlayerRecord& player);

// The entry of a player's photo, when he has one in the album.
std::optional<std::size_t> playerPhotoEntry(const PhotoAlbum& album, const PlayerRecord& player);

}  // namespace zt::media
