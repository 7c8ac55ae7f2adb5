#include "roster_fixture.h"

#include "rosters/roster_rules.h"
#include "support/league_builder.h"

namespace zt::test {

void RosterTest::SetUp() {
    LeagueShape shape;
    shape.teams = 3;
    shape.playersPerTeam = 0;
    shape.freeAgents = 0;
    m_league = buildLeague(shape);
    for (int t = 0; t < m_league->teamCount(); ++t) {
        for (int kind = 0; kind < kLineupKinds; ++kind) {
            for (int slot = 0; slot < kLineupSlots; ++slot) {
                setLineup(t, static_cast<LineupKind>(kind), slot, -1, 1);
            }
        }
        for (int level = 0; level < kRotationLevels; ++level) {
            for (int slot = 0; slot < kRotationSlots; ++slot) {
                setRotation(t, level, slot, -1);
            }
        }
        team(t).set(tf::humanControlled, 0);
    }
    m_league->clearChanged();
}

PlayerRecord& RosterTest::add(const PlayerShape& shape) {
    auto player = std::make_unique<PlayerRecord>(makePlayer(shape.id,
                                                            "Last" + std::to_string(shape.id),
                                                            "First" + std::to_string(shape.id),
                                                            static_cast<std::uint8_t>(shape.team),
                                                            shape.id));
    player->set(pf::level, static_cast<std::uint8_t>(shape.level));
    player->set(pf::position, static_cast<std::uint8_t>(shape.position));
    player->set(pf::secondPosition, static_cast<std::uint8_t>(shape.position));
    player->set(pf::role, static_cast<std::uint8_t>(shape.role));
    player->set(pf::daysOut, static_cast<std::uint16_t>(shape.daysOut));
    PlayerRecord& added = *player;
    m_league->players.push_back(std::move(player));
    m_league->loadedPlayerCount = static_cast<std::int32_t>(m_league->players.size());
    m_league->playerHistories.push_back(makeHistory(shape.id, 1, 1, 1, shape.id));
    if (shape.onRoster && m_league->isTeam(shape.team)) {
        const int slot = firstInsertSlot(team(shape.team));
        EXPECT_GE(slot, 0);
        team(shape.team).setRosterId(slot, shape.id);
    }
    return added;
}

PlayerRecord& RosterTest::player(std::uint16_t id) {
    PlayerRecord* found = m_league->findPlayerById(id);
    EXPECT_NE(found, nullptr) << "no player " << id;
    return *found;
}

int RosterTest::indexOf(std::uint16_t id) const {
    for (std::size_t i = 0; i < m_league->players.size(); ++i) {
        if (m_league->players[i]->playerId() == id) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

TeamRecord& RosterTest::team(int t) {
    return m_league->teams[static_cast<std::size_t>(t)].record;
}

void RosterTest::setLineup(int t, LineupKind kind, int slot, std::int32_t id, std::int32_t position) {
    team(t).setLineupSlot(kind, slot, {id, position});
}

void RosterTest::setRotation(int t, int level, int slot, std::int32_t id) {
    team(t).setRotationSlot(level, slot, id);
}

void RosterTest::fillRoster(int t) {
    for (int slot = 0; slot < kRosterSize; ++slot) {
        if (isFreeForTransfer(team(t).rosterId(slot))) {
            team(t).setRosterId(slot, 30000 + t * 200 + slot);
        }
    }
}

int RosterTest::rosterCount(int t, std::int32_t id) {
    int count = 0;
    for (int slot = 0; slot < kRosterSize; ++slot) {
        count += team(t).rosterId(slot) == id ? 1 : 0;
    }
    return count;
}

}  // namespace zt::test
