#include "sample/season_book.h"

#include <algorithm>
#include <stdexcept>

namespace zt::sample {

SeasonBook::SeasonBook(const Organisation& org) : m_slot(org.players.size(), -1) {
    for (std::size_t i = 0; i < org.players.size(); ++i) {
        const Profile& p = org.players[i];
        if (p.team != 255 && p.level == 0) {
            m_slot[i] = static_cast<int>(m_records.size());
            m_records.emplace_back();
        }
    }
}

SeasonRecord* SeasonBook::find(int player) {
    const int slot = m_slot[static_cast<std::size_t>(player)];
    return slot < 0 ? nullptr : &m_records[static_cast<std::size_t>(slot)];
}

const SeasonRecord* SeasonBook::find(int player) const {
    const int slot = m_slot[static_cast<std::size_t>(player)];
    return slot < 0 ? nullptr : &m_records[static_cast<std::size_t>(slot)];
}

SeasonRecord& SeasonBook::at(int player) {
    SeasonRecord* record = find(player);
    if (record == nullptr) {
        throw std::logic_error("only major leaguers play the simulated games");
    }
    return *record;
}

void SeasonBook::addGame(const GameLog& game) {
    for (const TeamBox& side : game.sides) {
        for (const BatterGame& b : side.batters) {
            SeasonRecord& r = at(b.player);
            r.batting[0] += b.bySplit[0];
            r.batting[1] += b.bySplit[1];
            const BattingTotals total = b.total();
            if (total.atBats > 0) {
                r.hitStreak = total.hits > 0 ? r.hitStreak + 1 : 0;
                r.longestHitStreak = std::max(r.longestHitStreak, r.hitStreak);
            }
        }
        for (const PitcherGame& p : side.pitchers) {
            SeasonRecord& r = at(p.player);
            r.pitching[0] += p.bySplit[0];
            r.pitching[1] += p.bySplit[1];
            const PitchingTotals total = p.total();
            if (total.wins > 0) {
                r.winStreak += 1;
                r.lossStreak = 0;
            } else if (total.losses > 0) {
                r.lossStreak += 1;
                r.winStreak = 0;
            }
            r.longestWinStreak = std::max(r.longestWinStreak, r.winStreak);
            r.longestLossStreak = std::max(r.longestLossStreak, r.lossStreak);
            r.daysInRow = r.lastDayPitched == game.day - 1 ? r.daysInRow + 1 : 1;
            r.lastDayPitched = game.day;
            r.lastPitches = total.pitchCount;
        }
        for (const FieldingGame& f : side.fielding) {
            at(f.player).fielding[static_cast<std::size_t>(f.position)] += f.totals;
        }
    }
}

bool SeasonBook::rested(int player, int day, bool starter) const {
    const SeasonRecord* r = find(player);
    if (r == nullptr) {
        return false;
    }
    const int since = day - r->lastDayPitched;
    if (starter) {
        return since >= 4;
    }
    return since >= 2 || (since == 1 && r->lastPitches <= 25 && r->daysInRow < 2);
}

}  // namespace zt::sample
