#include "rosters/lineup_edit.h"

#include <utility>

#include "league/league.h"
#include "rosters/roster_rules.h"

namespace zt {

namespace {

bool validSlot(int slot, int count) {
    return slot >= 0 && slot < count;
}

bool validKind(LineupKind kind) {
    const int value = static_cast<int>(kind);
    return value >= 0 && value < kLineupKinds;
}

TeamRecord* teamRecord(League& league, int team) {
    Team* found = league.findTeam(team);
    return found != nullptr ? &found->record : nullptr;
}

bool isPlayingLevel(int level) {
    return level >= 0 && level < kRotationLevels;
}

bool inRotation(const TeamRecord& record, int level, std::int32_t playerId) {
    for (int slot = 0; slot < kRotationSlots; ++slot) {
        if (record.rotationSlot(level, slot) == playerId) {
            return true;
        }
    }
    return false;
}

// Pitchers of the team at a playing level start when their level's rotation holds them and
// relieve otherwise; closers keep their role unless a rotation holds them.
void rotationRolePass(League& league, int team, const TeamRecord& record) {
    for (auto& entry : league.players) {
        PlayerRecord& player = *entry;
        if (player.teamIndex() != team || player.get(pf::position) != kPitcherPosition ||
            !isPlayingLevel(player.level())) {
            continue;
        }
        if (inRotation(record, player.level(), player.playerId())) {
            player.set(pf::role, kRoleStarter);
        } else if (player.get(pf::role) != kRoleCloser) {
            player.set(pf::role, kRoleRelief);
        }
    }
}

}  // namespace

bool acceptsGridPlayer(const PlayerRecord& player, int team, int shownLevel) {
    return player.teamIndex() == team && player.level() == shownLevel;
}

void putInLineup(League& league, int team, LineupKind kind, int slot, PlayerRecord& player) {
    TeamRecord* record = teamRecord(league, team);
    if (record == nullptr || !validKind(kind) || !validSlot(slot, kLineupSlots)) {
        return;
    }
    LineupSlot value = record->lineupSlot(kind, slot);
    player.set(pf::secondPosition, static_cast<std::uint8_t>(value.position));
    value.playerId = player.playerId();
    record->setLineupSlot(kind, slot, value);
    league.markChanged();
}

void exchangeLineupSlots(League& league, int team, LineupKind kind, int slotA, int slotB) {
    TeamRecord* record = teamRecord(league, team);
    if (record == nullptr || !validKind(kind) || !validSlot(slotA, kLineupSlots) || !validSlot(slotB, kLineupSlots) ||
        slotA == slotB) {
        return;
    }
    const LineupSlot a = record->lineupSlot(kind, slotA);
    record->setLineupSlot(kind, slotA, record->lineupSlot(kind, slotB));
    record->setLineupSlot(kind, slotB, a);
    league.markChanged();
}

void clearLineupSlot(League& league, int team, LineupKind kind, int slot) {
    TeamRecord* record = teamRecord(league, team);
    if (record == nullptr || !validKind(kind) || !validSlot(slot, kLineupSlots)) {
        return;
    }
    const LineupSlot empty{kEmptySlot, kPitcherPosition};
    if (record->lineupSlot(kind, slot) == empty) {
        return;
    }
    record->setLineupSlot(kind, slot, empty);
    // Marked, unlike a pure view change: the slot is written with the season.
    league.markChanged();
}

void putInRotation(League& league, int team, int level, int slot, PlayerRecord& player) {
    TeamRecord* record = teamRecord(league, team);
    if (record == nullptr || !isPlayingLevel(level) || !validSlot(slot, kRotationSlots)) {
        return;
    }
    player.set(pf::role, kRoleStarter);
    record->setRotationSlot(level, slot, player.playerId());
    rotationRolePass(league, team, *record);
    league.markChanged();
}

void makeCloser(League& league, int team, PlayerRecord& player) {
    TeamRecord* record = teamRecord(league, team);
    if (record == nullptr) {
        return;
    }
    player.set(pf::role, kRoleStarter);
    rotationRolePass(league, team, *record);
    player.set(pf::role, kRoleCloser);
    for (auto& entry : league.players) {
        PlayerRecord& other = *entry;
        if (&other != &player && other.teamIndex() == team && other.level() == player.level() &&
            other.get(pf::role) == kRoleCloser) {
            other.set(pf::role, kRoleRelief);
        }
    }
    league.markChanged();
}

void exchangeRotationSlots(League& league, int team, int level, int slotA, int slotB) {
    TeamRecord* record = teamRecord(league, team);
    if (record == nullptr || !isPlayingLevel(level) || !validSlot(slotA, kRotationSlots) ||
        !validSlot(slotB, kRotationSlots) || slotA == slotB) {
        return;
    }
    const std::int32_t a = record->rotationSlot(level, slotA);
    record->setRotationSlot(level, slotA, record->rotationSlot(level, slotB));
    record->setRotationSlot(level, slotB, a);
    league.markChanged();
}

std::optional<int> changeSlotPosition(
    League& league, int team, LineupKind kind, int slot, int item, SlotPositions& positions) {
    TeamRecord* record = teamRecord(league, team);
    if (record == nullptr || !validKind(kind) || !validSlot(slot, kLineupSlots) || item < 0 || item >= kPositionCount) {
        return std::nullopt;
    }
    const auto k = static_cast<std::size_t>(slot);
    const int old = positions.old[k];
    std::optional<int> gaveWay;
    for (int n = 0; n < kLineupSlots; ++n) {
        const auto other = static_cast<std::size_t>(n);
        if (n != slot && positions.shown[other] == item) {
            positions.shown[other] = old;
            gaveWay = n;
        }
    }

    bool changed = false;
    const auto setPosition = [&](int target, int position) {
        LineupSlot value = record->lineupSlot(kind, target);
        if (value.position != position) {
            value.position = position;
            record->setLineupSlot(kind, target, value);
            changed = true;
        }
        // Empty slots and ids of no player change no player.
        PlayerRecord* player =
            value.playerId >= 0 ? league.findPlayerById(static_cast<std::uint32_t>(value.playerId)) : nullptr;
        if (player != nullptr && player->get(pf::secondPosition) != position) {
            player->set(pf::secondPosition, static_cast<std::uint8_t>(position));
            changed = true;
        }
    };
    setPosition(slot, item + 1);
    positions.shown[k] = item;
    positions.old[k] = item;
    if (gaveWay) {
        setPosition(*gaveWay, old + 1);
        // The slot that gave way now shows the old position; remembering it keeps a later
        // change of that slot from handing out a position that no slot holds any more.
        positions.old[static_cast<std::size_t>(*gaveWay)] = old;
    }
    if (changed) {
        league.markChanged();
    }
    return gaveWay;
}

bool lineupsComplete(const League& league, int team) {
    const Team* found = league.findTeam(team);
    if (found == nullptr) {
        return false;
    }
    const TeamRecord& record = found->record;
    for (int kind = 0; kind < kLineupKinds; ++kind) {
        int empty = 0;
        for (int slot = 0; slot < kLineupSlots; ++slot) {
            empty += record.lineupSlot(static_cast<LineupKind>(kind), slot).playerId == kEmptySlot ? 1 : 0;
        }
        const bool pitcherBats =
            kind == static_cast<int>(LineupKind::MajorVsL) || kind == static_cast<int>(LineupKind::MajorVsR);
        if (empty > (pitcherBats ? 1 : 0)) {
            return false;
        }
    }
    for (int level = 0; level < kRotationLevels; ++level) {
        for (int slot = 0; slot < kRotationSlots; ++slot) {
            if (record.rotationSlot(level, slot) == kEmptySlot) {
                return false;
            }
        }
    }
    return true;
}

}  // namespace zt
