#include "sample/organisation.h"

#include "league/codes.h"
#include "league/season_records.h"

#include <algorithm>

#include "sample/player_factory.h"

namespace zt::sample {

namespace {

constexpr int kDisabledLevel = 7;

class Builder {
public:
    Builder(Organisation& org, Random& rng) : m_org(org), m_rng(rng) {}

    int add(const PlayerRequest& request, int team, int level, int homeLevel) {
        Profile p = makePlayer(request, m_rng);
        p.team = team;
        p.level = level;
        p.homeLevel = homeLevel;
        p.id = static_cast<std::uint16_t>(m_org.players.size() + 1);
        if (level == kDisabledLevel) {
            p.daysOut = m_rng.between(5, 60);
        }
        m_org.players.push_back(std::move(p));
        return static_cast<int>(m_org.players.size()) - 1;
    }

private:
    Organisation& m_org;
    Random& m_rng;
};

Calibre calibreOf(int level) {
    return static_cast<Calibre>(level);
}

void addMajorLeague(Builder& b, TeamPlan& team, int t) {
    static constexpr int kStarters[] = {pos::C, pos::B1, pos::B2, pos::B3, pos::SS, pos::LF, pos::CF, pos::RF, pos::DH};
    static constexpr int kBench[] = {pos::C, pos::SS, pos::B3, pos::CF};
    for (const int position : kStarters) {
        team.roster.push_back(b.add({false, position, role::Starter, Calibre::Major}, t, 0, 0));
    }
    for (const int position : kBench) {
        team.roster.push_back(b.add({false, position, role::Bench, Calibre::Major}, t, 0, 0));
    }
    for (int i = 0; i < 5; ++i) {
        team.roster.push_back(b.add({true, pos::P, role::Starter, Calibre::Major}, t, 0, 0));
    }
    for (int i = 0; i < 6; ++i) {
        team.roster.push_back(b.add({true, pos::P, role::Relief, Calibre::Major}, t, 0, 0));
    }
    team.roster.push_back(b.add({true, pos::P, role::Closer, Calibre::Major}, t, 0, 0));
}

void addMinorLevel(Builder& b, TeamPlan& team, int t, int level, int extras) {
    static constexpr int kStarters[] = {pos::C, pos::B1, pos::B2, pos::B3, pos::SS, pos::LF, pos::CF, pos::RF, pos::DH};
    static constexpr int kExtraPositions[] = {pos::C, pos::SS, pos::CF, pos::B2, pos::B3, pos::B1, pos::LF, pos::RF};
    const Calibre calibre = calibreOf(level);
    for (const int position : kStarters) {
        team.roster.push_back(b.add({false, position, role::Starter, calibre}, t, level, level));
    }
    for (int i = 0; i < 5; ++i) {
        team.roster.push_back(b.add({true, pos::P, role::Starter, calibre}, t, level, level));
    }
    team.roster.push_back(b.add({true, pos::P, role::Closer, calibre}, t, level, level));
    for (int i = 0; i < extras; ++i) {
        if (i % 2 == 0) {
            const int position = kExtraPositions[(i / 2) % 8];
            team.roster.push_back(b.add({false, position, role::Bench, calibre}, t, level, level));
        } else {
            team.roster.push_back(b.add({true, pos::P, role::Relief, calibre}, t, level, level));
        }
    }
}

void addHidden(Builder& b, TeamPlan& team, int t, int count) {
    for (int i = 0; i < count; ++i) {
        const int level = 1 + i % 3;
        const Calibre calibre = calibreOf(level);
        if (i % 2 == 0) {
            team.hidden.push_back(b.add({false, pos::C + (i / 2) % 9, role::Bench, calibre}, t, level, level));
        } else {
            team.hidden.push_back(b.add({true, pos::P, role::Relief, calibre}, t, level, level));
        }
    }
}

void addDisabled(Builder& b, TeamPlan& team, int t, int count, Random& rng) {
    for (int i = 0; i < count; ++i) {
        const int homeLevel = rng.chance(0.4) ? 0 : rng.between(1, 3);
        const Calibre calibre = calibreOf(homeLevel);
        if (i % 2 == 0) {
            const int r = rng.chance(0.4) ? role::Starter : role::Relief;
            team.roster.push_back(b.add({true, pos::P, r, calibre}, t, kDisabledLevel, homeLevel));
        } else {
            const int position = rng.between(pos::C, pos::DH);
            team.roster.push_back(b.add({false, position, role::Bench, calibre}, t, kDisabledLevel, homeLevel));
        }
    }
}

std::vector<int> playersAt(const Organisation& org, const TeamPlan& team, int level, bool pitchers) {
    std::vector<int> result;
    for (const int index : team.roster) {
        const Profile& p = org.player(index);
        if (p.level == level && p.pitcher == pitchers) {
            result.push_back(index);
        }
    }
    return result;
}

// How much a player helps at a position: his bat, plus a bonus at his own position; catchers
// must be catchers.
double fitness(const Profile& p, int position, int hand) {
    double score = p.ops(hand);
    if (p.position == position) {
        score += 0.06;
    } else if (p.secondPosition == position) {
        score += 0.0;
    } else {
        score -= position == pos::C ? 2.0 : 0.4;
    }
    return score;
}

// The classic order: on-base man first, contact second, the two best bats third and fourth,
// then the rest by strength.
std::vector<LineupEntry> battingOrder(const Organisation& org, std::vector<LineupEntry> chosen, int hand) {
    const auto opsOf = [&](const LineupEntry& e) { return org.player(e.player).ops(hand); };
    std::stable_sort(chosen.begin(), chosen.end(), [&](const auto& a, const auto& b) { return opsOf(a) > opsOf(b); });
    std::vector<LineupEntry> order;
    const LineupEntry third = chosen[0];
    const LineupEntry fourth = chosen[1];
    std::vector<LineupEntry> rest(chosen.begin() + 2, chosen.end());
    const auto takeBest = [&](auto key) {
        const auto it =
            std::max_element(rest.begin(), rest.end(), [&](const auto& a, const auto& b) { return key(a) < key(b); });
        const LineupEntry e = *it;
        rest.erase(it);
        return e;
    };
    order.push_back(takeBest([&](const LineupEntry& e) { return org.player(e.player).obp[hand]; }));
    order.push_back(takeBest([&](const LineupEntry& e) { return org.player(e.player).avg[hand]; }));
    order.push_back(third);
    order.push_back(fourth);
    order.insert(order.end(), rest.begin(), rest.end());
    return order;
}

// Fills positions 2-9 once each (scarce positions first) and, when asked, a DH from the rest.
Lineup chooseLineup(const Organisation& org, const std::vector<int>& hitters, int hand, bool withDH) {
    static constexpr int kFillOrder[] = {pos::C, pos::SS, pos::B2, pos::CF, pos::B3, pos::RF, pos::LF, pos::B1};
    std::vector<int> available = hitters;
    std::vector<LineupEntry> chosen;
    const auto take = [&](auto score) {
        const auto it = std::max_element(available.begin(), available.end(), [&](int a, int b) {
            return score(org.player(a)) < score(org.player(b));
        });
        const int index = *it;
        available.erase(it);
        return index;
    };
    for (const int position : kFillOrder) {
        chosen.push_back({take([&](const Profile& p) { return fitness(p, position, hand); }), position});
    }
    if (withDH) {
        chosen.push_back(
            {take([&](const Profile& p) { return p.ops(hand) + (p.position == pos::DH ? 0.03 : 0.0); }), pos::DH});
    }
    std::vector<LineupEntry> order = battingOrder(org, chosen, hand);
    Lineup lineup;
    for (std::size_t i = 0; i < order.size(); ++i) {
        lineup[i] = order[i];
    }
    if (!withDH) {
        lineup[8] = {-1, pos::P};  // the pitcher bats ninth
    }
    return lineup;
}

void chooseLineupsAndRotations(const Organisation& org, TeamPlan& team) {
    team.majorHitters = playersAt(org, team, 0, false);
    team.lineups[0] = chooseLineup(org, team.majorHitters, 0, false);
    team.lineups[1] = chooseLineup(org, team.majorHitters, 1, false);
    team.lineups[2] = chooseLineup(org, team.majorHitters, 0, true);
    team.lineups[3] = chooseLineup(org, team.majorHitters, 1, true);
    for (int level = 1; level <= 3; ++level) {
        team.lineups[static_cast<std::size_t>(3 + level)] =
            chooseLineup(org, playersAt(org, team, level, false), 1, true);
    }
    for (int level = 0; level <= 3; ++level) {
        std::vector<int> starters;
        for (const int index : playersAt(org, team, level, true)) {
            if (org.player(index).role == role::Starter) {
                starters.push_back(index);
            }
        }
        std::stable_sort(
            starters.begin(), starters.end(), [&](int a, int b) { return org.player(a).stuff > org.player(b).stuff; });
        auto& rotation = team.rotations[static_cast<std::size_t>(level)];
        for (std::size_t slot = 0; slot < rotation.size(); ++slot) {
            rotation[slot] = starters[slot];
        }
    }
    for (const int index : playersAt(org, team, 0, true)) {
        const int r = org.player(index).role;
        if (r == role::Closer) {
            team.majorCloser = index;
        } else if (r == role::Relief) {
            team.majorRelievers.push_back(index);
        }
    }
}

void assignUniformNumbers(Organisation& org, const TeamPlan& team, Random& rng) {
    std::vector<int> numbers;
    for (int n = 1; n <= 99; ++n) {
        numbers.push_back(n);
    }
    rng.shuffle(numbers);
    for (std::size_t i = 0; i < team.roster.size(); ++i) {
        org.players[static_cast<std::size_t>(team.roster[i])].uniformNumber =
            i < numbers.size() ? numbers[i] : rng.between(1, 99);
    }
}

}  // namespace

Organisation buildOrganisation(int teamCount, int playersPerTeam, int freeAgents, Random& rng) {
    Organisation org;
    org.playersPerTeam = std::max(playersPerTeam, kMinimumPlayersPerTeam);
    const int rostered = std::min(org.playersPerTeam, zt::kRosterSize);
    const int disabled = std::max(kMinimumDisabled, rostered / 25);
    const int extras = rostered - kMajorRoster - 3 * kMinorCore - disabled;
    org.players.reserve(static_cast<std::size_t>(teamCount * org.playersPerTeam + freeAgents));
    org.teams.resize(static_cast<std::size_t>(teamCount));

    Builder builder(org, rng);
    for (int t = 0; t < teamCount; ++t) {
        TeamPlan& team = org.teams[static_cast<std::size_t>(t)];
        team.roster.reserve(static_cast<std::size_t>(rostered));
        addMajorLeague(builder, team, t);
        for (int level = 1; level <= 3; ++level) {
            addMinorLevel(builder, team, t, level, extras / 3 + (level <= extras % 3 ? 1 : 0));
        }
        addDisabled(builder, team, t, disabled, rng);
        addHidden(builder, team, t, org.playersPerTeam - rostered);
    }
    for (int i = 0; i < freeAgents; ++i) {
        const bool pitcher = rng.chance(0.45);
        const int level = rng.chance(0.35) ? 0 : rng.between(1, 3);
        const int r = pitcher ? (rng.chance(0.4) ? role::Starter : role::Relief) : role::Bench;
        const int position = pitcher ? pos::P : rng.between(pos::C, pos::DH);
        builder.add({pitcher, position, r, Calibre::FreeAgent}, 255, level, level);
    }

    for (auto& team : org.teams) {
        chooseLineupsAndRotations(org, team);
        assignUniformNumbers(org, team, rng);
    }
    for (std::size_t i = 0; i < org.players.size(); ++i) {
        Profile& p = org.players[i];
        if (p.team == 255) {
            p.uniformNumber = rng.between(1, 99);
        }
    }
    for (const auto& team : org.teams) {
        for (const int index : team.hidden) {
            org.players[static_cast<std::size_t>(index)].uniformNumber = rng.between(1, 99);
        }
    }
    // A few players have a photo in the album; the rest show none.
    int photo = 0;
    for (auto& p : org.players) {
        if (rng.chance(0.02)) {
            p.photoIndex = photo++;
        }
    }
    return org;
}

}  // namespace zt::sample
