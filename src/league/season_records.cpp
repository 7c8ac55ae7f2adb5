#include "league/season_records.h"

#include <stdexcept>

namespace zt {

namespace {

std::size_t checkedIndex(int index, int count, const char* what) {
    if (index < 0 || index >= count) {
        throw std::out_of_range(what);
    }
    return static_cast<std::size_t>(index);
}

std::size_t lineupSlotOffset(LineupKind kind, int slot) {
    return tf::kLineupsOffset +
           checkedIndex(static_cast<int>(kind), kLineupKinds, "lineup kind out of range") * tf::kLineupSize +
           checkedIndex(slot, kLineupSlots, "lineup slot out of range") * 8;
}

}  // namespace

std::int32_t SeasonHeader::playoffBestOf(int round) const {
    return getAt<std::int32_t>(sh::kPlayoffBestOfOffset + 4 * checkedIndex(round, kRounds, "round out of range"));
}

void SeasonHeader::setPlayoffBestOf(int round, std::int32_t value) {
    setAt<std::int32_t>(sh::kPlayoffBestOfOffset + 4 * checkedIndex(round, kRounds, "round out of range"), value);
}

std::int32_t TeamRecord::rosterId(int slot) const {
    return getAt<std::int32_t>(tf::kRosterOffset + 4 * checkedIndex(slot, 120, "roster slot out of range"));
}

void TeamRecord::setRosterId(int slot, std::int32_t playerId) {
    setAt<std::int32_t>(tf::kRosterOffset + 4 * checkedIndex(slot, 120, "roster slot out of range"), playerId);
}

LineupSlot TeamRecord::lineupSlot(LineupKind kind, int slot) const {
    const std::size_t offset = lineupSlotOffset(kind, slot);
    return {getAt<std::int32_t>(offset), getAt<std::int32_t>(offset + 4)};
}

void TeamRecord::setLineupSlot(LineupKind kind, int slot, const LineupSlot& value) {
    const std::size_t offset = lineupSlotOffset(kind, slot);
    setAt<std::int32_t>(offset, value.playerId);
    setAt<std::int32_t>(offset + 4, value.position);
}

std::int32_t TeamRecord::rotationSlot(int level, int slot) const {
    return getAt<std::int32_t>(tf::kRotationsOffset +
                               20 * checkedIndex(level, kRotationLevels, "rotation level out of range") +
                               4 * checkedIndex(slot, kRotationSlots, "rotation slot out of range"));
}

void TeamRecord::setRotationSlot(int level, int slot, std::int32_t playerId) {
    setAt<std::int32_t>(tf::kRotationsOffset +
                            20 * checkedIndex(level, kRotationLevels, "rotation level out of range") +
                            4 * checkedIndex(slot, kRotationSlots, "rotation slot out of range"),
                        playerId);
}

float TeamRecord::managerProfile(int index) const {
    return getAt<float>(tf::kManagerProfileOffset +
                        4 * checkedIndex(index, kManagerProfileValues, "manager profile index out of range"));
}

void TeamRecord::setManagerProfile(int index, float value) {
    setAt<float>(tf::kManagerProfileOffset +
                     4 * checkedIndex(index, kManagerProfileValues, "manager profile index out of range"),
                 value);
}

}  // namespace zt
