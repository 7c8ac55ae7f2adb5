#include "rosters/lineup_view.h"

#include "league/league.h"
#include "rosters/player_id_index.h"
#include "rosters/roster_rules.h"

namespace zt {

namespace {

std::string nameText(const PlayerRecord& player) {
    return player.get(pf::lastName) + " , " + player.get(pf::firstName);
}

SlotView slotView(const PlayerIdIndex& index, std::int32_t playerId, const char* emptyText) {
    SlotView view;
    view.playerId = playerId;
    if (playerId == kEmptySlot) {
        view.text = emptyText;
        return view;
    }
    view.unfilled = false;
    const PlayerRecord* player = index.last(playerId);
    view.text = player != nullptr ? nameText(*player) : "Unknown player #" + std::to_string(playerId);
    return view;
}

}  // namespace

LineupKind shownLineupKind(int level, int majorLineup) {
    if (level <= 0 || level >= kRotationLevels) {
        return static_cast<LineupKind>(majorLineup >= 0 && majorLineup <= 3 ? majorLineup : 0);
    }
    return minorLineup(level);
}

LineupView lineupView(const League& league, int team, int level, int majorLineup) {
    LineupView view;
    view.team = team;
    view.level = level;
    view.kind = shownLineupKind(level, majorLineup);
    view.closer.text = kEmptyRotationText;
    if (!league.isTeam(team)) {
        for (auto& slot : view.lineup) {
            slot.text = kEmptyLineupText;
        }
        for (auto& slot : view.rotation) {
            slot.text = kEmptyRotationText;
        }
        return view;
    }
    const TeamRecord& record = league.team(team).record;
    const int rotationLevel = level >= 0 && level < kRotationLevels ? level : 0;

    PlayerIdIndex index;
    for (int slot = 0; slot < kLineupSlots; ++slot) {
        index.want(record.lineupSlot(view.kind, slot).playerId);
    }
    for (int slot = 0; slot < kRotationSlots; ++slot) {
        index.want(record.rotationSlot(rotationLevel, slot));
    }
    const PlayerRecord* closer = nullptr;
    for (const auto& player : league.players) {
        index.offer(*player);
        if (player->level() == level && player->teamIndex() == team && player->get(pf::role) == kRoleCloser) {
            closer = player.get();
        }
    }
    index.finish();

    for (int slot = 0; slot < kLineupSlots; ++slot) {
        const LineupSlot value = record.lineupSlot(view.kind, slot);
        SlotView& shown = view.lineup[static_cast<std::size_t>(slot)];
        shown = slotView(index, value.playerId, kEmptyLineupText);
        shown.positionIndex = value.position - 1;
    }
    for (int slot = 0; slot < kRotationSlots; ++slot) {
        view.rotation[static_cast<std::size_t>(slot)] =
            slotView(index, record.rotationSlot(rotationLevel, slot), kEmptyRotationText);
    }
    if (closer != nullptr) {
        view.closer.playerId = closer->playerId();
        view.closer.text = nameText(*closer);
        view.closer.unfilled = false;
    }
    const std::int32_t next = record.get(tf::nextStarter);
    view.nextStarterSlot = next >= 0 && next < kRotationSlots ? next : -1;
    return view;
}

}  // namespace zt
