#pragma once

#include <filesystem>

#include "reports/player_card.h"

namespace zt::reports {

// Card photos from the game's photo album: a player with a photo gets it beside his card as
// "<card name>.jpg"; a player without one, or a game folder without an album, gets blank.bmp.
CardPhotoSource albumCardPhotos(const std::filesystem::path& gameDirectory);

}  // namespace zt::reports
