#include "media_test_support.h"

#include <functional>

#include "league/error.h"
#include "league/league_io.h"
#include "media/alb_archive.h"
#include "media/photo_album.h"
#include "media/tga.h"
#include "support/league_builder.h"

namespace zt::test {

media::Image patternImage(int width, int height, unsigned seed) {
    media::Image image = media::makeImage(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            std::uint8_t* p = image.pixel(x, y);
            p[0] = static_cast<std::uint8_t>(x * 3 + seed);
            p[1] = static_cast<std::uint8_t>(y * 2 + seed * 7);
            p[2] = static_cast<std::uint8_t>((x ^ y) + seed * 13);
            p[3] = 255;
        }
    }
    return image;
}

std::unique_ptr<League> leagueWithAlbum(const std::filesystem::path& seaFolder,
                                        const std::filesystem::path& albumFile,
                                        int photos) {
    LeagueShape shape;
    shape.teams = 2;
    shape.playersPerTeam = (photos + 1) / 2 + 1;
    auto built = buildLeague(shape);
    std::vector<media::AlbMember> members;
    for (int i = 0; i < photos; ++i) {
        PlayerRecord& player = *built->players[static_cast<std::size_t>(i)];
        player.set(pf::photoIndex, static_cast<std::int16_t>(player.get(pf::playerId)));
        members.push_back({media::photoName(player, player.get(pf::playerId)),
                           media::encodeTga(patternImage(64, 85, static_cast<unsigned>(i)), 24)});
    }
    for (std::size_t i = static_cast<std::size_t>(photos); i < built->players.size(); ++i) {
        built->players[i]->set(pf::photoIndex, std::int16_t{-1});
    }
    std::filesystem::create_directories(albumFile.parent_path());
    writeBytes(albumFile, media::buildAlbArchive(members, true));
    const auto sea = writeLeagueFolder(*built, seaFolder);
    return openLeague(sea);
}

std::string messageOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const std::exception& failure) {
        return failure.what();
    }
    return "(no failure)";
}

}  // namespace zt::test
