#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "league/league.h"
#include "media/image.h"

namespace zt::test {

// A picture whose every pixel differs from its neighbours, so a scaled, flipped or shifted copy
// shows up in a comparison.
media::Image patternImage(int width, int height, unsigned seed);

// A league of `photos` players, each with a photo in an album written at `albumFile` (entry i is
// the photo of player i, under his photoIndex = playerId).
std::unique_ptr<League> leagueWithAlbum(const std::filesystem::path& seaFolder,
                                        const std::filesystem::path& albumFile,
                                        int photos);

std::string messageOf(const std::function<void()>& action);

}  // namespace zt::test
