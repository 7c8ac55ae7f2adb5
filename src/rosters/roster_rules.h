#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "league/season_records.h"

namespace zt {

// The "Move to" commands of the grid's pop-up menu: the level each one sets, its caption and
// the digit of its Ctrl shortcut.
struct MoveToItem {
    std::uint8_t level;
    std::string_view caption;
    int shortcutDigit;
};
inline constexpr int kMoveToItemCount = 6;
const std::array<MoveToItem, kMoveToItemCount>& moveToItems();

// Whether a level code is one a player may be moved to.
bool isMoveToLevel(int level);

// The "Level swap" commands: the minor level exchanged with the majors, the caption and the
// question asked before the swap.
struct LevelSwapItem {
    int level;
    std::string_view caption;
    std::string_view question;
};
inline constexpr int kLevelSwapItemCount = 3;
const std::array<LevelSwapItem, kLevelSwapItemCount>& levelSwapItems();
// The question of a minor level 1 to 3; empty for any other level.
std::string_view levelSwapQuestion(int level);

// Roster slots. A slot holds a player id; -1 marks an empty slot, and some leagues use 0 for
// the same. A transfer may fill either kind of empty slot, while inserting a player of the team
// into its roster only reuses slots holding -1, so a 0 is never taken for a player id there.
inline constexpr std::int32_t kEmptySlot = -1;
inline constexpr bool isFreeForTransfer(std::int32_t slotValue) {
    return slotValue == kEmptySlot || slotValue == 0;
}
inline constexpr bool isFreeForInsert(std::int32_t slotValue) {
    return slotValue == kEmptySlot;
}

// First roster slot a transfer may fill, first slot an insert may fill, first slot holding the
// id; -1 when there is none.
int firstTransferSlot(const TeamRecord& team);
int firstInsertSlot(const TeamRecord& team);
int findRosterSlot(const TeamRecord& team, std::int32_t playerId);

// Player roles and the position of pitchers.
inline constexpr std::uint8_t kRoleStarter = 1;
inline constexpr std::uint8_t kRoleBench = 2;
inline constexpr std::uint8_t kRoleRelief = 3;
inline constexpr std::uint8_t kRoleCloser = 4;
inline constexpr std::uint8_t kPitcherPosition = 1;

// The lineup a minor level plays with (AAA, AA, A for levels 1 to 3).
inline constexpr LineupKind minorLineup(int level) {
    return static_cast<LineupKind>(static_cast<int>(LineupKind::AAA) + level - 1);
}

}  // namespace zt
