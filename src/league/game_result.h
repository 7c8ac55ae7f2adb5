#pragma once

#include <array>
#include <cstdint>

#include "league/byte_record.h"

namespace zt {

// One game (52 bytes: thirteen 4-byte values), as scores.zt and playoffs.zt store it.
class GameResult : public ByteRecord<52> {
public:
    // The thirteen 4-byte values, seen as whole numbers or as floats: isFloatValue says which
    // view holds a value.
    static constexpr ArrayField<std::int32_t, 0, 13> intValues{};
    static constexpr ArrayField<float, 0, 13> floatValues{};
    static constexpr int kValues = intValues.count;

    // The slot the game writes where there is no game.
    static GameResult filler();

    // True for the values stored as 32-bit floats (6, 7, 9, 10, 12).
    static bool isFloatValue(int index);
    std::int32_t intValue(int index) const { return get(intValues[index]); }
    float floatValue(int index) const { return get(floatValues[index]); }
    void setIntValue(int index, std::int32_t value) { set(intValues[index], value); }
    void setFloatValue(int index, float value) { set(floatValues[index], value); }
};

namespace gr {
inline constexpr NumField<std::int32_t, 0> homeTeam;
inline constexpr NumField<std::int32_t, 4> visitingTeam;
inline constexpr NumField<std::int32_t, 8> homeRuns;
inline constexpr NumField<std::int32_t, 12> visitorRuns;
inline constexpr NumField<std::int32_t, 20> winningPitcher;
inline constexpr NumField<float, 24> winnerWins;
inline constexpr NumField<float, 28> winnerLosses;
inline constexpr NumField<std::int32_t, 32> losingPitcher;
inline constexpr NumField<float, 36> loserWins;
inline constexpr NumField<float, 40> loserLosses;
inline constexpr NumField<std::int32_t, 44> savingPitcher;
inline constexpr NumField<float, 48> saverSaves;
}  // namespace gr

// One day of the season: fifteen game slots (780 bytes in scores.zt).
struct GameScore {
    static constexpr int kGames = 15;
    static constexpr std::size_t kSize = kGames * GameResult::kSize;
    std::array<GameResult, kGames> games;

    bool operator==(const GameScore&) const = default;
};

// One playoff series in memory: the 24-byte header the game writes and seven games.
struct PlayoffSeries {
    static constexpr int kGames = 7;
    std::array<std::uint8_t, 24> header{};
    std::array<GameResult, kGames> games;

    bool operator==(const PlayoffSeries&) const = default;
};

inline constexpr int kPlayoffSeriesCount = 7;

}  // namespace zt
