#include "rosters/lineup_check.h"

#include "league/interaction.h"
#include "league/league.h"
#include "league/league_text.h"
#include "rosters/player_id_index.h"
#include "rosters/roster_rules.h"

namespace zt {

namespace {

template <class T, class Field>
bool assign(PlayerRecord& player, Field field, T value) {
    if (player.get(field) == value) {
        return false;
    }
    player.set(field, value);
    return true;
}

// The slot check over the players found for the id.
std::int32_t validate(std::span<PlayerRecord* const> players,
                      std::int32_t playerId,
                      int level,
                      int position,
                      int team,
                      Interaction& interaction,
                      bool& modified) {
    std::int32_t result = -1;
    if (playerId == kEmptySlot) {
        return result;
    }
    for (PlayerRecord* player : players) {
        const bool belongs = player->level() == level && player->teamIndex() == team;
        if (belongs && player->get(pf::daysOut) != 0 && interaction.askYesNo(injuredPlayerQuestion(*player))) {
            player->set(pf::daysOut, std::uint16_t{0});
            modified = true;
        }
        if (!belongs || player->get(pf::daysOut) != 0) {
            result = -1;
            continue;
        }
        result = playerId;
        modified |= assign(*player, pf::secondPosition, static_cast<std::uint8_t>(position));
        if (position == kPitcherPosition) {
            modified |= assign(*player, pf::role, kRoleStarter);
        }
    }
    return result;
}

class TeamSlots {
public:
    TeamSlots(League& league, int team) : m_record(league.team(team).record) {}

    template <class Visit>
    void forEachId(Visit visit) const {
        for (int kind = 0; kind < kLineupKinds; ++kind) {
            for (int slot = 0; slot < kLineupSlots; ++slot) {
                visit(m_record.lineupSlot(static_cast<LineupKind>(kind), slot).playerId);
            }
        }
        for (int level = 0; level < kRotationLevels; ++level) {
            for (int slot = 0; slot < kRotationSlots; ++slot) {
                visit(m_record.rotationSlot(level, slot));
            }
        }
    }

    TeamRecord& record() { return m_record; }

private:
    TeamRecord& m_record;
};

int lineupLevel(int kind) {
    return kind <= static_cast<int>(LineupKind::MajorVsRWithDH) ? 0 : kind - static_cast<int>(LineupKind::AAA) + 1;
}

}  // namespace

std::string injuredPlayerQuestion(const PlayerRecord& player) {
    return "An injured player (" + leagueTextToUtf8(player.get(pf::lastName)) + " , " +
           leagueTextToUtf8(player.get(pf::firstName)) +
           ") has been put in the lineup or rotation. Do you accept this move ?";
}

std::int32_t validateSlot(
    League& league, std::int32_t playerId, int level, int position, int team, Interaction& interaction) {
    PlayerIdIndex index;
    index.want(playerId);
    for (auto& player : league.players) {
        index.offer(*player);
    }
    index.finish();
    bool modified = false;
    const std::int32_t result =
        validate(index.players(playerId), playerId, level, position, team, interaction, modified);
    if (modified) {
        league.markChanged();
    }
    return result;
}

LineupCheckResult checkLineups(League& league, int team, Interaction& interaction) {
    LineupCheckResult result;
    if (!league.isTeam(team)) {
        return result;
    }
    TeamSlots slots(league, team);
    TeamRecord& record = slots.record();

    // One pass over the players: the team's pitchers, and the players of every id the slots hold.
    PlayerIdIndex index;
    slots.forEachId([&index](std::int32_t id) { index.want(id); });
    std::vector<PlayerRecord*> pitchers;
    for (auto& entry : league.players) {
        PlayerRecord& player = *entry;
        if (player.teamIndex() == team && player.get(pf::position) == kPitcherPosition) {
            pitchers.push_back(&player);
        }
        index.offer(player);
    }
    index.finish();

    // Whether a player changed is judged on his fields before and after the whole check: a
    // starter who is first made a reliever and then a starter again has not changed.
    struct Before {
        PlayerRecord* player;
        std::uint8_t role;
        std::uint8_t secondPosition;
        std::uint16_t daysOut;
    };
    std::vector<Before> before;
    const auto remember = [&before](PlayerRecord* player) {
        before.push_back({player, player->get(pf::role), player->get(pf::secondPosition), player->get(pf::daysOut)});
    };
    for (PlayerRecord* pitcher : pitchers) {
        remember(pitcher);
    }
    slots.forEachId([&](std::int32_t id) {
        for (PlayerRecord* player : index.players(id)) {
            remember(player);
        }
    });

    for (PlayerRecord* pitcher : pitchers) {
        if (pitcher->get(pf::role) != kRoleCloser) {
            pitcher->set(pf::role, kRoleRelief);
        }
    }
    bool touched = false;  // judged below, from the fields before and after
    const auto check = [&](std::int32_t id, int level, int position) {
        return validate(index.players(id), id, level, position, team, interaction, touched);
    };
    for (int slot = 0; slot < kLineupSlots; ++slot) {
        for (int kind = 0; kind < kLineupKinds; ++kind) {
            const auto lineupKind = static_cast<LineupKind>(kind);
            LineupSlot value = record.lineupSlot(lineupKind, slot);
            const std::int32_t kept = check(value.playerId, lineupLevel(kind), value.position);
            if (kept != value.playerId) {
                result.changes.push_back({SlotGroup::Lineup, kind, slot, value.playerId, kept});
                value.playerId = kept;
                record.setLineupSlot(lineupKind, slot, value);
            }
        }
        if (slot >= kRotationSlots) {
            continue;
        }
        for (int level = 0; level < kRotationLevels; ++level) {
            const std::int32_t id = record.rotationSlot(level, slot);
            const std::int32_t kept = check(id, level, kPitcherPosition);
            if (kept != id) {
                result.changes.push_back({SlotGroup::Rotation, level, slot, id, kept});
                record.setRotationSlot(level, slot, kept);
            }
        }
    }
    result.modified |= !result.changes.empty();
    for (const Before& b : before) {
        result.modified |= b.player->get(pf::role) != b.role || b.player->get(pf::secondPosition) != b.secondPosition ||
                           b.player->get(pf::daysOut) != b.daysOut;
    }
    if (result.modified) {
        league.markChanged();
    }
    return result;
}

std::vector<LineupSlotChange> removeFromLineups(League& league, int team, std::int32_t playerId) {
    std::vector<LineupSlotChange> changes;
    Team* found = league.findTeam(team);
    if (found == nullptr || playerId == kEmptySlot) {
        return changes;
    }
    TeamRecord& record = found->record;
    for (int kind = 0; kind < kLineupKinds; ++kind) {
        for (int slot = 0; slot < kLineupSlots; ++slot) {
            LineupSlot value = record.lineupSlot(static_cast<LineupKind>(kind), slot);
            if (value.playerId == playerId) {
                changes.push_back({SlotGroup::Lineup, kind, slot, playerId, kEmptySlot});
                value.playerId = kEmptySlot;
                record.setLineupSlot(static_cast<LineupKind>(kind), slot, value);
            }
        }
    }
    for (int level = 0; level < kRotationLevels; ++level) {
        for (int slot = 0; slot < kRotationSlots; ++slot) {
            if (record.rotationSlot(level, slot) == playerId) {
                changes.push_back({SlotGroup::Rotation, level, slot, playerId, kEmptySlot});
                record.setRotationSlot(level, slot, kEmptySlot);
            }
        }
    }
    if (!changes.empty()) {
        league.markChanged();
    }
    return changes;
}

std::string slotGroupName(SlotGroup group, int index) {
    static constexpr std::array<std::string_view, kLineupKinds> kLineups = {
        "Majors VsL", "Majors VsR", "Majors VsL DH", "Majors VsR DH", "AAA", "AA", "A"};
    static constexpr std::array<std::string_view, kRotationLevels> kLevels = {"Majors", "AAA", "AA", "A"};
    if (group == SlotGroup::Lineup) {
        return index >= 0 && index < kLineupKinds ? std::string(kLineups[static_cast<std::size_t>(index)])
                                                  : std::string("Lineup ") + std::to_string(index);
    }
    return index >= 0 && index < kRotationLevels ? std::string(kLevels[static_cast<std::size_t>(index)]) + " rotation"
                                                 : std::string("Rotation ") + std::to_string(index);
}

}  // namespace zt
