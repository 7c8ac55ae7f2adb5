#include "league/season_records.h"

namespace zt {

std::int32_t SeasonHeader::playoffBestOf(int round) const {
    return get(playoffBestOfs[round]);
}

void SeasonHeader::setPlayoffBestOf(int round, std::int32_t value) {
    set(playoffBestOfs[round], value);
}

std::int32_t TeamRecord::rosterId(int slot) const {
    return get(tf::roster[slot]);
}

void TeamRecord::setRosterId(int slot, std::int32_t playerId) {
    set(tf::roster[slot], playerId);
}

LineupSlot TeamRecord::lineupSlot(LineupKind kind, int slot) const {
    const LineupEntry entry = get(tf::lineups[static_cast<int>(kind)][slot]);
    return {entry.get(ls::playerId), entry.get(ls::position)};
}

void TeamRecord::setLineupSlot(LineupKind kind, int slot, const LineupSlot& value) {
    LineupEntry entry;
    entry.set(ls::playerId, value.playerId);
    entry.set(ls::position, value.position);
    set(tf::lineups[static_cast<int>(kind)][slot], entry);
}

std::int32_t TeamRecord::rotationSlot(int level, int slot) const {
    return get(tf::rotations[level][slot]);
}

void TeamRecord::setRotationSlot(int level, int slot, std::int32_t playerId) {
    set(tf::rotations[level][slot], playerId);
}

float TeamRecord::managerProfile(int index) const {
    return get(tf::managerProfile[index]);
}

void TeamRecord::setManagerProfile(int index, float value) {
    set(tf::managerProfile[index], value);
}

}  // namespace zt
