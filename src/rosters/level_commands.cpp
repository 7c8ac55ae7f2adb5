#include "rosters/level_commands.h"

#include <string>

#include "league/interaction.h"
#include "league/league.h"
#include "rosters/roster_rules.h"

namespace zt {

LineupCheckResult moveToLevel(League& league, std::span<const int> playerIndexes, int level, Interaction& interaction) {
    if (!isMoveToLevel(level)) {
        return {};
    }
    bool moved = false;
    for (const int index : playerIndexes) {
        if (index < 0 || static_cast<std::size_t>(index) >= league.players.size()) {
            continue;
        }
        league.players[static_cast<std::size_t>(index)]->set(pf::level, static_cast<std::uint8_t>(level));
        moved = true;
    }
    if (!moved) {
        return {};
    }
    league.markChanged();
    if (league.currentPlayer == nullptr) {
        return {};
    }
    return checkLineups(league, league.currentPlayer->teamIndex(), interaction);
}

bool swapLevels(League& league, int team, int level, Interaction& interaction) {
    const std::string_view question = levelSwapQuestion(level);
    if (question.empty() || !league.isTeam(team)) {
        return false;
    }
    if (!interaction.askYesNo(std::string(question), DefaultButton::No)) {
        return false;
    }
    league.markChanged();
    for (auto& player : league.players) {
        if (player->teamIndex() != team) {
            continue;
        }
        if (player->level() == 0) {
            player->set(pf::level, static_cast<std::uint8_t>(level));
        } else if (player->level() == level) {
            player->set(pf::level, std::uint8_t{0});
        }
    }

    TeamRecord& record = league.team(team).record;
    const LineupKind minor = minorLineup(level);
    for (int slot = 0; slot < kLineupSlots; ++slot) {
        const LineupSlot kept = record.lineupSlot(LineupKind::MajorVsL, slot);
        const LineupSlot incoming = record.lineupSlot(minor, slot);
        for (int kind = 0; kind <= static_cast<int>(LineupKind::MajorVsRWithDH); ++kind) {
            record.setLineupSlot(static_cast<LineupKind>(kind), slot, incoming);
        }
        record.setLineupSlot(minor, slot, kept);
    }
    for (int slot = 0; slot < kRotationSlots; ++slot) {
        const std::int32_t major = record.rotationSlot(0, slot);
        record.setRotationSlot(0, slot, record.rotationSlot(level, slot));
        record.setRotationSlot(level, slot, major);
    }
    return true;
}

}  // namespace zt
