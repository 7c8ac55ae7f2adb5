#include "league/game_result.h"

namespace zt {

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

}  // namespace zt
