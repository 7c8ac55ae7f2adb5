#include "league/players_file.h"

#include "league/byte_reader.h"
#include "league/file_io.h"
#include "league/league.h"

namespace zt {

namespace {
constexpr std::size_t kFixedPart = 4 + 4 + 12 + 2 * LeagueNames::kSize;
}

void parsePlayersFile(std::span<const std::uint8_t> bytes, const std::filesystem::path& path, League& league) {
    ByteReader in(bytes, path);
    PlayersFileWords words;
    words.first = in.read<std::int32_t>("the file header");
    const auto count = in.read<std::int32_t>("the player count");
    if (count < 0 ||
        static_cast<std::uint64_t>(count) > (bytes.size() - std::min(bytes.size(), kFixedPart)) / PlayerRecord::kSize) {
        in.fail("it announces " + std::to_string(count) + " players but holds room for " +
                std::to_string((bytes.size() - std::min(bytes.size(), kFixedPart)) / PlayerRecord::kSize));
    }
    PlayerList players;
    players.reserve(static_cast<std::size_t>(count));
    for (std::int32_t i = 0; i < count; ++i) {
        auto player = std::make_unique<PlayerRecord>();
        in.readInto(player->bytes(), "a player record");
        players.push_back(std::move(player));
    }
    for (auto& word : words.afterPlayers) {
        word = in.read<std::int32_t>("the words after the players");
    }
    std::array<LeagueNames, 2> names;
    for (auto& league_ : names) {
        in.readInto(league_.bytes(), "the league names");
    }
    // Bytes after the league names are not interpreted; they are written back as found.
    std::vector<std::uint8_t> tail(bytes.begin() + static_cast<std::ptrdiff_t>(in.position()), bytes.end());

    league.playersFileWords = words;
    league.players = std::move(players);
    league.loadedPlayerCount = count;
    league.leagueNames = names;
    league.playersFileTail = std::move(tail);
}

void readPlayersFile(const std::filesystem::path& path, League& league) {
    parsePlayersFile(readFileBytes(path), path, league);
}

std::vector<std::uint8_t> serialisePlayersFile(const League& league) {
    ByteWriter out(kFixedPart + league.players.size() * PlayerRecord::kSize + league.playersFileTail.size());
    out.write(league.playersFileWords.first);
    out.write(static_cast<std::int32_t>(league.players.size()));
    for (const auto& player : league.players) {
        out.write(player->bytes());
    }
    for (const auto word : league.playersFileWords.afterPlayers) {
        out.write(word);
    }
    for (const auto& names : league.leagueNames) {
        out.write(names.bytes());
    }
    out.writeBytes(league.playersFileTail);
    return out.take();
}

}  // namespace zt
