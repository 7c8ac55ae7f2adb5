#include "sample/simulated_game.h"

#include <algorithm>

namespace zt::sample {

namespace {

constexpr int kRegulationInnings = 9;

int pitchesOf(const PitcherGame& p) {
    return p.bySplit[0].pitchCount + p.bySplit[1].pitchCount;
}

int outsOf(const PitcherGame& p) {
    return p.bySplit[0].outsPitched + p.bySplit[1].outsPitched;
}

}  // namespace

LeagueNorms majorLeagueNorms(const Organisation& org) {
    LeagueNorms norms;
    double weight = 0;
    for (const Profile& p : org.players) {
        if (!p.pitcher || p.team == 255 || p.level != 0) {
            continue;
        }
        // Starters face about twice as many batters as a reliever.
        const double w = p.role == role::Starter ? 2.0 : 1.0;
        for (int hand = 0; hand < 2; ++hand) {
            norms.avg[hand] += w * p.allowedAvg[hand];
            norms.obp[hand] += w * p.allowedObp[hand];
            norms.slg[hand] += w * p.allowedSlg[hand];
        }
        weight += w;
    }
    for (int hand = 0; hand < 2; ++hand) {
        norms.avg[hand] = weight > 0 ? norms.avg[hand] / weight : 0.255;
        norms.obp[hand] = weight > 0 ? norms.obp[hand] / weight : 0.325;
        norms.slg[hand] = weight > 0 ? norms.slg[hand] / weight : 0.405;
    }
    return norms;
}

GameLog simulateGame(
    const Organisation& org, const SeasonBook& book, const LeagueNorms& norms, const GameSetup& setup, Random& rng) {
    return SimulatedGame(org, book, norms, setup, rng).play();
}

SimulatedGame::SimulatedGame(
    const Organisation& org, const SeasonBook& book, const LeagueNorms& norms, const GameSetup& setup, Random& rng)
    : m_org(org), m_book(book), m_norms(norms), m_setup(setup), m_rng(rng) {
    const int visitorThrows = org.player(setup.visitorStarter).throws;
    const int homeThrows = org.player(setup.homeStarter).throws;
    setUpSide(0, setup.visitor, setup.visitorStarter, homeThrows);
    setUpSide(1, setup.home, setup.homeStarter, visitorThrows);
}

void SimulatedGame::setUpSide(int s, int team, int starter, int opposingThrows) {
    Side& side = m_sides[static_cast<std::size_t>(s)];
    side.team = team;
    side.plan = &m_org.teams[static_cast<std::size_t>(team)];
    side.box.team = team;
    const int kind = (m_setup.designatedHitter ? 2 : 0) + opposingThrows;
    const Lineup& lineup = side.plan->lineups[static_cast<std::size_t>(kind)];

    for (const int hitter : side.plan->majorHitters) {
        const bool starts =
            std::any_of(lineup.begin(), lineup.end(), [&](const auto& e) { return e.player == hitter; });
        if (!starts) {
            side.bench.push_back(hitter);
        }
    }
    for (int slot = 0; slot < 9; ++slot) {
        const LineupEntry& e = lineup[static_cast<std::size_t>(slot)];
        if (e.player < 0) {
            side.pitcherSlot = slot;
            side.slotEntry[static_cast<std::size_t>(slot)] = -1;
            continue;
        }
        int player = e.player;
        // Regulars get a day off now and then, catchers more often; a bench player who can
        // play the position takes the place.
        if (m_rng.chance(e.position == pos::C ? 0.2 : 0.07)) {
            int best = -1;
            for (const int candidate : side.bench) {
                const Profile& c = m_org.player(candidate);
                if ((e.position == pos::DH || c.canPlay(e.position)) &&
                    (best < 0 || c.ops(opposingThrows) > m_org.player(best).ops(opposingThrows))) {
                    best = candidate;
                }
            }
            if (best >= 0) {
                std::erase(side.bench, best);
                side.bench.push_back(player);
                player = best;
            }
        }
        side.box.batters.push_back({player, slot, e.position});
        side.slotEntry[static_cast<std::size_t>(slot)] = static_cast<int>(side.box.batters.size()) - 1;
        if (e.position <= pos::RF) {
            side.fielder[static_cast<std::size_t>(e.position)] = player;
            fieldingOf(side, player, e.position);
        }
    }

    PitcherGame first;
    first.player = starter;
    first.starter = true;
    first.entrySerial = ++m_serial;
    side.box.pitchers.push_back(first);
    side.pitcherEntry = 0;
    side.fielder[pos::P] = starter;
    fieldingOf(side, starter, pos::P);
    side.usedPitchers.push_back(starter);
    side.startLimit = static_cast<int>(78.0 + m_org.player(starter).endurance * 3.2 + m_rng.normal(0.0, 6.0));
}

FieldingTotals& SimulatedGame::fieldingOf(Side& side, int player, int position) {
    for (auto& f : side.box.fielding) {
        if (f.player == player && f.position == position) {
            return f.totals;
        }
    }
    FieldingGame f;
    f.player = player;
    f.position = position;
    f.totals.games = 1;
    side.box.fielding.push_back(f);
    return side.box.fielding.back().totals;
}

GameLog SimulatedGame::play() {
    for (m_inning = 1;; ++m_inning) {
        playHalf(0);
        if (m_inning >= kRegulationInnings && m_score[1] > m_score[0]) {
            m_sides[1].box.inningRuns.push_back(-1);  // the home team needs no last turn
            break;
        }
        playHalf(1);
        if (m_inning >= kRegulationInnings && m_score[0] != m_score[1]) {
            break;
        }
    }
    GameLog log;
    log.day = m_setup.day;
    decide(log);
    log.sides[0] = std::move(m_sides[0].box);
    log.sides[1] = std::move(m_sides[1].box);
    return log;
}

void SimulatedGame::playHalf(int half) {
    m_half = half;
    m_outs = 0;
    m_bases = {};
    batting().box.inningRuns.push_back(0);
    bool inningStart = true;
    while (m_outs < 3 && !m_walkOff) {
        managePitching(inningStart);
        inningStart = false;
        if (eventsBeforePitch()) {
            break;
        }
        plateAppearance();
    }
}

bool SimulatedGame::usable(const Side& side, int player, bool asStarter) const {
    const bool used = std::find(side.usedPitchers.begin(), side.usedPitchers.end(), player) != side.usedPitchers.end();
    return !used && m_book.rested(player, m_setup.day, asStarter);
}

void SimulatedGame::managePitching(bool inningStart) {
    Side& fld = fielding();
    const int lead = leadOf(1 - m_half);
    const PitcherGame& cur = currentPitcher();
    const int pitches = pitchesOf(cur);
    const int closer = fld.plan->majorCloser;
    const bool isCloser = cur.player == closer;
    const bool saveSpot = inningStart && m_inning >= kRegulationInnings && lead >= 1 && lead <= 3;
    const bool closerReady = closer >= 0 && usable(fld, closer, false);

    if (fld.replacePitcher) {
        if (!inningStart) {
            return;
        }
        fld.replacePitcher = false;
        const int next = saveSpot && closerReady ? closer : chooseReliever(fld, lead);
        if (next >= 0) {
            bringIn(fld, next, lead);
        }
        return;
    }
    const bool starterCruising = cur.starter && pitches < fld.startLimit - 15 && cur.runsThisOuting <= 1;
    if (saveSpot && !isCloser && closerReady && !starterCruising) {
        bringIn(fld, closer, lead);
        return;
    }
    bool change = false;
    if (cur.starter) {
        change = pitches >= fld.startLimit + (inningStart ? -6 : 10) || cur.runsThisOuting >= 7 ||
                 (inningStart && m_inning >= 3 && cur.runsThisOuting >= 5);
    } else if (isCloser) {
        change = pitches >= 45 || cur.runsThisOuting >= 4;
    } else {
        change = (inningStart && outsOf(cur) >= fld.relieverTarget) || pitches >= 40 || cur.runsThisOuting >= 3;
    }
    if (change) {
        const int next = chooseReliever(fld, lead);
        if (next >= 0) {
            bringIn(fld, next, lead);
        }
    }
}

int SimulatedGame::chooseReliever(Side& side, int lead) const {
    std::vector<int> candidates;
    for (const int p : side.plan->majorRelievers) {
        if (usable(side, p, false)) {
            candidates.push_back(p);
        }
    }
    const int closer = side.plan->majorCloser;
    if (candidates.empty() && closer >= 0 && usable(side, closer, false)) {
        candidates.push_back(closer);
    }
    if (candidates.empty()) {
        // A long night: a rested starter, then anybody who has not pitched today.
        for (const int p : side.plan->rotations[0]) {
            if (usable(side, p, true)) {
                candidates.push_back(p);
            }
        }
    }
    if (candidates.empty()) {
        for (const int p : side.plan->roster) {
            const Profile& pr = m_org.player(p);
            if (pr.pitcher && pr.level == 0 &&
                std::find(side.usedPitchers.begin(), side.usedPitchers.end(), p) == side.usedPitchers.end()) {
                candidates.push_back(p);
            }
        }
    }
    if (candidates.empty()) {
        return -1;
    }
    if (m_inning >= 7 && lead >= -2 && lead <= 2) {
        // Close and late: the best arm available.
        return *std::max_element(candidates.begin(), candidates.end(), [&](int a, int b) {
            return m_org.player(a).stuff < m_org.player(b).stuff;
        });
    }
    return candidates[static_cast<std::size_t>(m_rng.below(candidates.size()))];
}

void SimulatedGame::bringIn(Side& side, int player, int lead) {
    side.box.pitchers[static_cast<std::size_t>(side.pitcherEntry)].exitLead = lead;
    PitcherGame next;
    next.player = player;
    next.entryLead = lead;
    next.saveSituation = lead >= 1 && lead <= 3;
    next.tyingRunNear = lead >= 1 && lead <= runnersOn() + 2;
    next.entrySerial = ++m_serial;
    side.box.pitchers.push_back(next);
    side.pitcherEntry = static_cast<int>(side.box.pitchers.size()) - 1;
    side.fielder[pos::P] = player;
    fieldingOf(side, player, pos::P);
    side.usedPitchers.push_back(player);
    side.pitcherBatEntry = -1;
    // Long relief early in the game, an inning or two late; the closer gets the last three outs.
    side.relieverTarget = m_inning < 6 ? 6 : 3;
    if (player != side.plan->majorCloser && m_rng.chance(0.2)) {
        side.relieverTarget += 3;
    }
}

void SimulatedGame::decide(GameLog& log) {
    const int w = m_score[1] > m_score[0] ? 1 : 0;
    Side& winners = m_sides[static_cast<std::size_t>(w)];
    Side& losers = m_sides[static_cast<std::size_t>(1 - w)];
    auto& wp = winners.box.pitchers;
    auto& lp = losers.box.pitchers;
    wp.back().exitLead = leadOf(w);
    lp.back().exitLead = leadOf(1 - w);

    int winEntry = m_winCandidate[static_cast<std::size_t>(w)];
    // A starter must go five innings for the win; otherwise the reliever who did most gets it.
    if (winEntry == 0 && outsOf(wp[0]) < 15 && wp.size() > 1) {
        winEntry = 1;
        for (std::size_t i = 2; i < wp.size(); ++i) {
            if (outsOf(wp[i]) > outsOf(wp[static_cast<std::size_t>(winEntry)])) {
                winEntry = static_cast<int>(i);
            }
        }
    }
    const int lossEntry = m_lossCandidate;
    int saveEntry = -1;
    const int last = static_cast<int>(wp.size()) - 1;
    const PitcherGame& finisher = wp.back();
    const int finisherOuts = outsOf(finisher);
    if (last != winEntry && !finisher.starter && finisher.entrySerial > m_leadSerial &&
        ((finisher.saveSituation && finisherOuts >= 3) || (finisher.tyingRunNear && finisherOuts >= 1) ||
         finisherOuts >= 9)) {
        saveEntry = last;
    }

    wp[static_cast<std::size_t>(winEntry)]
        .bySplit[static_cast<std::size_t>(wp[static_cast<std::size_t>(winEntry)].split())]
        .wins = 1;
    PitcherGame& loser = lp[static_cast<std::size_t>(lossEntry)];
    loser.bySplit[static_cast<std::size_t>(loser.split())].losses = 1;
    if (saveEntry >= 0) {
        wp.back().bySplit[static_cast<std::size_t>(wp.back().split())].saves = 1;
    }

    for (int s = 0; s < 2; ++s) {
        auto& pitchers = m_sides[static_cast<std::size_t>(s)].box.pitchers;
        const bool winning = s == w;
        for (std::size_t i = 0; i < pitchers.size(); ++i) {
            PitcherGame& p = pitchers[i];
            PitchingTotals& t = p.bySplit[static_cast<std::size_t>(p.split())];
            const PitchingTotals total = p.total();
            t.games = 1;
            if (p.starter) {
                t.gamesStarted = 1;
                if (pitchers.size() == 1) {
                    t.completeGames = 1;
                    t.shutouts = m_score[static_cast<std::size_t>(1 - s)] == 0 ? 1 : 0;
                }
                t.qualityStarts = total.outsPitched >= 18 && total.earnedRuns <= 3 ? 1 : 0;
            }
            if (p.blownSave) {
                t.blownSaves = 1;
            }
            const bool decided = (winning && (static_cast<int>(i) == winEntry || static_cast<int>(i) == saveEntry)) ||
                                 (!winning && static_cast<int>(i) == lossEntry);
            if (!p.starter && p.saveSituation && !p.blownSave && i + 1 < pitchers.size() && total.outsPitched >= 1 &&
                p.exitLead > 0 && !decided) {
                t.holds = 1;
            }
        }
        for (auto& b : m_sides[static_cast<std::size_t>(s)].box.batters) {
            b.bySplit[static_cast<std::size_t>(b.split())].games = 1;
        }
    }
    log.winningSide = w;
    log.winner = wp[static_cast<std::size_t>(winEntry)].player;
    log.loser = loser.player;
    log.saver = saveEntry >= 0 ? wp.back().player : -1;
}

}  // namespace zt::sample
