#include "rosters/roster_rules.h"

#include "league/codes.h"

namespace zt {

const std::array<MoveToItem, kMoveToItemCount>& moveToItems() {
    static const std::array<MoveToItem, kMoveToItemCount> kItems = {{
        {0, moveToCaption(0), 1},
        {1, moveToCaption(1), 2},
        {2, moveToCaption(2), 3},
        {3, moveToCaption(3), 4},
        {7, moveToCaption(7), 5},
        {6, moveToCaption(6), 6},
    }};
    return kItems;
}

bool isMoveToLevel(int level) {
    for (const auto& item : moveToItems()) {
        if (item.level == level) {
            return true;
        }
    }
    return false;
}

const std::array<LevelSwapItem, kLevelSwapItemCount>& levelSwapItems() {
    static constexpr std::array<LevelSwapItem, kLevelSwapItemCount> kItems = {{
        {1, "Majors-AAA", "Swap Majors rosters with AAA rosters ?"},
        {2, "Majors-AA", "Swap Majors rosters with AA rosters ?"},
        {3, "Majors-A", "Swap Majors rosters with A rosters ?"},
    }};
    return kItems;
}

std::string_view levelSwapQuestion(int level) {
    for (const auto& item : levelSwapItems()) {
        if (item.level == level) {
            return item.question;
        }
    }
    return {};
}

namespace {

template <class Predicate>
int firstSlot(const TeamRecord& team, Predicate predicate) {
    for (int slot = 0; slot < kRosterSize; ++slot) {
        if (predicate(team.rosterId(slot))) {
            return slot;
        }
    }
    return -1;
}

}  // namespace

int firstTransferSlot(const TeamRecord& team) {
    return firstSlot(team, isFreeForTransfer);
}

int firstInsertSlot(const TeamRecord& team) {
    return firstSlot(team, isFreeForInsert);
}

int findRosterSlot(const TeamRecord& team, std::int32_t playerId) {
    return firstSlot(team, [playerId](std::int32_t id) { return id == playerId; });
}

}  // namespace zt
