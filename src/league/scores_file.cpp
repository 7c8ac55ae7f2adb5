#include "league/scores_file.h"

#include <algorithm>
#include <array>
#include <optional>

#include "league/byte_reader.h"
#include "league/file_io.h"
#include "league/league.h"

namespace zt {

namespace {

constexpr int kDiskSlots = 10;
constexpr std::size_t kSeriesDiskSize = 24 + kDiskSlots * GameResult::kSize;
constexpr int kNone = -1;

// For each best-of length, which game each of the ten disk slots holds (kNone: a filler slot).
// Reading and writing use different maps for best of 1 and 3: the game reads the later games
// from slots it never writes.
using SlotMap = std::array<int, kDiskSlots>;

std::optional<SlotMap> readMap(int bestOf) {
    switch (bestOf) {
        case 1:
            return SlotMap{0, 1, 2, 3, 4, 5, 6, kNone, kNone, kNone};
        case 3:
            return SlotMap{0, kNone, 1, kNone, 2, 3, 4, 5, 6, kNone};
        case 5:
            return SlotMap{0, 1, kNone, 2, 3, kNone, 4, 5, 6, kNone};
        case 7:
            return SlotMap{0, 1, kNone, 2, 3, 4, kNone, 5, 6, kNone};
        default:
            return std::nullopt;
    }
}

std::optional<SlotMap> writeMap(int bestOf) {
    switch (bestOf) {
        case 1:
            return SlotMap{0, kNone, kNone, kNone, kNone, kNone, kNone, kNone, kNone, kNone};
        case 3:
            return SlotMap{0, kNone, 1, kNone, 2, kNone, kNone, kNone, kNone, kNone};
        case 5:
            return SlotMap{0, 1, kNone, 2, 3, kNone, 4, kNone, kNone, kNone};
        case 7:
            return SlotMap{0, 1, kNone, 2, 3, 4, kNone, 5, 6, kNone};
        default:
            return std::nullopt;
    }
}

constexpr std::array<int, kPlayoffSeriesCount> kRoundOfSeries = {0, 0, 0, 0, 1, 1, 2};

}  // namespace

void parseScoresFile(std::span<const std::uint8_t> bytes, League& league) {
    const std::size_t days = bytes.size() / GameScore::kSize;
    std::vector<GameScore> scores(days);
    for (std::size_t d = 0; d < days; ++d) {
        for (int g = 0; g < GameScore::kGames; ++g) {
            const auto* source = bytes.data() + d * GameScore::kSize + static_cast<std::size_t>(g) * GameResult::kSize;
            std::copy_n(source, GameResult::kSize, scores[d].games[static_cast<std::size_t>(g)].bytes().begin());
        }
    }
    league.gameScores = std::move(scores);
    league.scoresLoaded = true;
}

void readScoresFile(const std::filesystem::path& path, League& league) {
    parseScoresFile(readFileBytes(path), league);
}

std::vector<std::uint8_t> serialiseScoresFile(const League& league) {
    ByteWriter out(league.gameScores.size() * GameScore::kSize);
    for (const auto& day : league.gameScores) {
        for (const auto& game : day.games) {
            out.write(game.bytes());
        }
    }
    return out.take();
}

void parsePlayoffsFile(std::span<const std::uint8_t> bytes, const std::filesystem::path& path, League& league) {
    ByteReader in(bytes, path);
    auto series = league.playoffSeries;
    for (int s = 0; s < kPlayoffSeriesCount; ++s) {
        const auto map = readMap(league.seasonHeader.playoffBestOf(kRoundOfSeries[static_cast<std::size_t>(s)]));
        if (!map) {
            continue;  // a round of unknown length is empty, in reading as in writing
        }
        auto& current = series[static_cast<std::size_t>(s)];
        in.readInto(current.header, "a playoff series");
        for (int slot = 0; slot < kDiskSlots; ++slot) {
            GameResult game;
            in.readInto(game.bytes(), "a playoff series");
            const int target = (*map)[static_cast<std::size_t>(slot)];
            if (target != kNone) {
                current.games[static_cast<std::size_t>(target)] = game;
            }
        }
    }
    league.playoffsFileTail.assign(bytes.begin() + static_cast<std::ptrdiff_t>(in.position()), bytes.end());
    league.playoffSeries = series;
    league.playoffsLoaded = true;
}

void readPlayoffsFile(const std::filesystem::path& path, League& league) {
    parsePlayoffsFile(readFileBytes(path), path, league);
}

std::vector<std::uint8_t> serialisePlayoffsFile(const League& league) {
    ByteWriter out(kPlayoffSeriesCount * kSeriesDiskSize + league.playoffsFileTail.size());
    const GameResult filler = GameResult::filler();
    for (int s = 0; s < kPlayoffSeriesCount; ++s) {
        const auto map = writeMap(league.seasonHeader.playoffBestOf(kRoundOfSeries[static_cast<std::size_t>(s)]));
        if (!map) {
            continue;
        }
        const auto& current = league.playoffSeries[static_cast<std::size_t>(s)];
        out.write(current.header);
        for (const int game : *map) {
            out.write(game == kNone ? filler.bytes() : current.games[static_cast<std::size_t>(game)].bytes());
        }
    }
    out.writeBytes(league.playoffsFileTail);
    return out.take();
}

void resetPlayoffGames(League& league) {
    for (auto& series : league.playoffSeries) {
        for (auto& game : series.games) {
            for (int i = 0; i < 4; ++i) {
                game.setIntValue(i, -1);
            }
        }
    }
}

}  // namespace zt
