#include "ratings/position_string.h"

#include <algorithm>
#include <array>
#include <string>

#include "league/player_record.h"

namespace zt {

namespace {

// Familiarity slots: P 0, C 1, 1B 2, 2B 3, 3B 4, SS 5, LF 6, CF 7, RF 8.
struct PositionLetter {
    char letter;
    int position;  // 0: the letter sets no position
    int firstFamiliarity;
    int familiarityCount;
};

constexpr std::array<PositionLetter, 12> kLetters = {{
    {'C', 2, 1, 1},
    {'1', 3, 2, 1},
    {'2', 4, 3, 1},
    {'3', 5, 4, 1},
    {'S', 6, 5, 1},
    {'O', 8, 6, 3},
    {'D', 10, 0, 0},
    {'H', 0, 0, 0},
    {'R', 0, 0, 0},
    {'M', 0, 0, 0},
    {'P', 1, 0, 1},
    {'/', 0, 0, 0},
}};

constexpr std::array<float, 7> kFamiliarityByRank = {1.0f, 0.6f, 0.5f, 0.4f, 0.3f, 0.2f, 0.1f};

}  // namespace

void applyPositionString(PlayerRecord& player, std::string_view positions) {
    std::string taken;
    for (std::size_t i = 0; i < positions.size(); ++i) {
        char c = positions[i];
        if (c == '*' || c == '/') {
            if (i + 1 >= positions.size()) {
                break;
            }
            c = positions[++i];
        }
        taken.push_back(c);
    }
    const std::size_t ranks = std::min(taken.size(), kFamiliarityByRank.size());
    for (std::size_t rank = 0; rank < ranks; ++rank) {
        const char c = taken[rank];
        const auto* letter = std::find_if(
            kLetters.begin(), kLetters.end(), [c](const PositionLetter& entry) { return entry.letter == c; });
        if (letter == kLetters.end()) {
            continue;
        }
        if (rank == 0 && letter->position != 0) {
            player.set(pf::position, static_cast<std::uint8_t>(letter->position));
        }
        for (int k = 0; k < letter->familiarityCount; ++k) {
            player.setFamiliarity(letter->firstFamiliarity + k, kFamiliarityByRank[rank]);
        }
    }
}

}  // namespace zt
