#pragma once

#include <cstdint>
#include <filesystem>

#include "media/image.h"

namespace zt {
class League;
}

namespace zt::media {

// Writes a small game folder for the demo and the tests, everything drawn and composed here:
//   Art/2D/plyrphoto.alb   a photo for every player of `league` who has a photoIndex
//   Art/stadium.alb        stands.mod, two head pictures and a text member
//   Art/bat.mod, Art/glove.amd   models with indexed and colour textures
//   sounds/crowd.table     five generated sounds
// The same league and seed give the same bytes. Returns the number of photos written.
int generateSampleGame(const std::filesystem::path& folder, const League& league, std::uint64_t seed);

// The picture generated for a player (64 x 85): the tests compare what the window shows to it.
Image samplePhoto(std::uint32_t playerId, std::uint64_t seed);

}  // namespace zt::media
