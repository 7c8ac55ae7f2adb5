#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <vector>

#include "league/file_io.h"
#include "media/image.h"
#include "media/photo_album.h"

namespace zt {
class Interaction;
class League;
class PlayerRecord;
class Progress;
}  // namespace zt

namespace zt::media {

inline constexpr int kPhotoWidth = 64;
inline constexpr int kPhotoHeight = 85;
inline constexpr char kPhotoQuestion[] =
    "In order to change the photos, league will be saved. Are you sure you want to proceed ?";
inline constexpr char kPhotoProgressTitle[] = "Photo Import Progress";
inline constexpr char kCompressingLabel[] = "Compressing Image...";
inline constexpr char kRecompilingLabel[] = "Recompiling Album...";

// A chosen photo made ready for the album: a JPG (by its ".jpg" extension, any case) is decoded;
// a TGA must be uncompressed true colour. The picture is stretched to 64 x 85 and stored as a TGA
// of its own depth (24 bits for a JPG). Throws "Invalid file" or "The photo must be in
// UNCOMPRESSED format"; nothing is written anywhere.
std::vector<std::uint8_t> preparePhoto(const fs::path& chosen);

// Asks the question every album change asks first; false when the user says No.
bool confirmPhotoChange(Interaction& interaction);

// "New": adds the chosen photo for `player` under his playerId, rebuilds the album (written
// whole beside it, then renamed into place), sets his photoIndex to his playerId and saves the
// league. The album object is loaded again from the new file. Nothing changes when any step
// before the album's replacement fails.
void addPlayerPhoto(std::unique_ptr<PhotoAlbum>& album,
                    League& league,
                    PlayerRecord& player,
                    const fs::path& chosen,
                    Progress& progress,
                    FileWriter& writer = diskFileWriter());

// "Replace": the player's shown photo takes the chosen picture; later photos move, earlier ones
// stay where they are; the player keeps his photoIndex. Throws when he has no photo in the album.
void replacePlayerPhoto(std::unique_ptr<PhotoAlbum>& album,
                        League& league,
                        PlayerRecord& player,
                        const fs::path& chosen,
                        Progress& progress,
                        FileWriter& writer = diskFileWriter());

// "Export": the picture as an uncompressed 24-bit TGA.
void exportPicture(const Image& image, const fs::path& target);

}  // namespace zt::media
