#include "league/game_result.h"

#include <stdexcept>

namespace zt {

namespace {
std::size_t valueOffset(int index) {
    if (index < 0 || index >= GameResult::kValues) {
        throw std::out_of_range("game value out of range");
    }
    return 4 * static_cast<std::size_t>(index);
}
}  // namespace

GameResult GameResult::filler() {
    GameResult slot;
    for (int i = 0; i < kValues; ++i) {
        if (isFloatValue(i)) {
            slot.setFloatValue(i, 0.0f);
        } else {
            slot.setIntValue(i, i == 4 ? 0 : -1);
        }
    }
    return slot;
}

bool GameResult::isFloatValue(int index) {
    return index == 6 || index == 7 || index == 9 || index == 10 || index == 12;
}

std::int32_t GameResult::intValue(int index) const {
    return getAt<std::int32_t>(valueOffset(index));
}
float GameResult::floatValue(int index) const {
    return getAt<float>(valueOffset(index));
}
void GameResult::setIntValue(int index, std::int32_t value) {
    setAt<std::int32_t>(valueOffset(index), value);
}
void GameResult::setFloatValue(int index, float value) {
    setAt<float>(valueOffset(index), value);
}

}  // namespace zt
