#include <algorithm>

#include "sample/hit_mix.h"
#include "sample/simulated_game.h"

namespace zt::sample {

namespace {

constexpr double kHitByPitch = 0.008;

// Where a ball goes: pulled, up the middle or the other way, by the batter's hand.
int groundFielder(const Profile& batter, int hand, Random& rng) {
    const double u = rng.uniform();
    const bool right = hand == 1;
    if (u < batter.pull) {
        return right ? (rng.chance(0.45) ? pos::B3 : pos::SS) : (rng.chance(0.45) ? pos::B1 : pos::B2);
    }
    if (u < batter.pull + batter.middle) {
        const double v = rng.uniform();
        return v < 0.2 ? pos::P : (v < 0.6 ? pos::SS : pos::B2);
    }
    return right ? (rng.chance(0.45) ? pos::B1 : pos::B2) : (rng.chance(0.45) ? pos::B3 : pos::SS);
}

int outfielder(const Profile& batter, int hand, Random& rng) {
    const double u = rng.uniform();
    if (u < batter.pull) {
        return hand == 1 ? pos::LF : pos::RF;
    }
    if (u < batter.pull + batter.middle) {
        return pos::CF;
    }
    return hand == 1 ? pos::RF : pos::LF;
}

int infieldPop(Random& rng) {
    const double u = rng.uniform();
    return u < 0.1 ? pos::C : (u < 0.3 ? pos::B1 : (u < 0.5 ? pos::B2 : (u < 0.7 ? pos::B3 : pos::SS)));
}

}  // namespace

int SimulatedGame::runnersOn() const {
    return static_cast<int>(std::count_if(m_bases.begin(), m_bases.end(), [](const auto& r) { return r.has_value(); }));
}

BattingTotals& SimulatedGame::battingLine(int entry) {
    return batting().box.batters[static_cast<std::size_t>(entry)].bySplit[static_cast<std::size_t>(m_batSplit)];
}

const Profile& SimulatedGame::fielderAt(int position) {
    return m_org.player(fielding().fielder[static_cast<std::size_t>(position)]);
}

void SimulatedGame::recordOuts(int count) {
    m_outs += count;
    currentPitcher().bySplit[static_cast<std::size_t>(m_pitSplit)].outsPitched += count;
    Side& fld = fielding();
    for (int position = pos::P; position <= pos::RF; ++position) {
        fieldingOf(fld, fld.fielder[static_cast<std::size_t>(position)], position).outsPlayed += count;
    }
}

void SimulatedGame::credit(int position, int putouts, int assists) {
    Side& fld = fielding();
    FieldingTotals& f = fieldingOf(fld, fld.fielder[static_cast<std::size_t>(position)], position);
    f.putouts += putouts;
    f.assists += assists;
}

void SimulatedGame::creditDoublePlay(std::initializer_list<int> positions) {
    std::vector<int> seen;
    for (const int position : positions) {
        if (std::find(seen.begin(), seen.end(), position) == seen.end()) {
            seen.push_back(position);
            Side& fld = fielding();
            fieldingOf(fld, fld.fielder[static_cast<std::size_t>(position)], position).doublePlays += 1;
        }
    }
}

bool SimulatedGame::fielderErrs(int position) {
    return m_rng.chance((1.0 - fielderAt(position).fieldingPct) * 1.6);
}

void SimulatedGame::score(Runner runner, bool runBattedIn, bool evenAfterWalkOff) {
    if (m_walkOff && !evenAfterWalkOff) {
        return;  // the winning run ended the game; later runners do not count
    }
    Side& bat = batting();
    Side& fld = fielding();
    ++m_score[static_cast<std::size_t>(m_half)];
    ++bat.box.runs;
    ++bat.box.inningRuns.back();
    bat.box.batters[static_cast<std::size_t>(runner.batterEntry)]
        .bySplit[static_cast<std::size_t>(runner.batterSplit)]
        .runs += 1;
    if (runBattedIn) {
        battingLine(m_batterEntry).rbi += 1;
    }
    PitcherGame& charged = fld.box.pitchers[static_cast<std::size_t>(runner.pitcherEntry)];
    PitchingTotals& line = charged.bySplit[static_cast<std::size_t>(runner.pitcherSplit)];
    line.runs += 1;
    if (!runner.unearned) {
        line.earnedRuns += 1;
    }
    charged.runsThisOuting += 1;

    const int leader = m_score[0] > m_score[1] ? 0 : (m_score[1] > m_score[0] ? 1 : -1);
    if (leader != m_leader) {
        PitcherGame& current = currentPitcher();
        if (m_leader == 1 - m_half && current.saveSituation && !current.starter) {
            current.blownSave = true;
        }
        m_leader = leader;
        if (leader == m_half) {
            m_winCandidate[static_cast<std::size_t>(m_half)] = bat.pitcherEntry;
            m_lossCandidate = runner.pitcherEntry;
            m_leadSerial = ++m_serial;
        }
    }
    if (m_half == 1 && m_inning >= 9 && m_score[1] > m_score[0]) {
        m_walkOff = true;
    }
}

void SimulatedGame::advanceAll(bool unearned) {
    if (m_bases[2]) {
        Runner r = *m_bases[2];
        r.unearned = r.unearned || unearned;
        m_bases[2].reset();
        score(r, false);
    }
    if (m_bases[1]) {
        m_bases[2] = m_bases[1];
        m_bases[1].reset();
    }
    if (m_bases[0]) {
        m_bases[1] = m_bases[0];
        m_bases[0].reset();
    }
}

void SimulatedGame::forceAdvance(const Runner& batter) {
    if (m_bases[0]) {
        if (m_bases[1]) {
            if (m_bases[2]) {
                score(*m_bases[2], true);
            }
            m_bases[2] = m_bases[1];
        }
        m_bases[1] = m_bases[0];
    }
    m_bases[0] = batter;
}

bool SimulatedGame::eventsBeforePitch() {
    Side& bat = batting();
    Side& fld = fielding();
    PitcherGame& pitcher = currentPitcher();
    m_batSplit = m_org.player(pitcher.player).throws;
    m_pitSplit = pitcher.split();
    if (runnersOn() == 0) {
        return false;
    }
    const auto pitcherLine = [&]() -> PitchingTotals& {
        return currentPitcher().bySplit[static_cast<std::size_t>(m_pitSplit)];
    };
    const auto runnerLine = [&](const Runner& r) -> BattingTotals& {
        return bat.box.batters[static_cast<std::size_t>(r.batterEntry)]
            .bySplit[static_cast<std::size_t>(r.batterSplit)];
    };

    if (m_bases[0] && !m_bases[1]) {
        const Profile& runner = m_org.player(m_bases[0]->player);
        if (m_rng.chance(std::max(0.0, runner.speed - 4.5) * 0.03)) {
            const double success =
                std::clamp(0.55 + runner.speed * 0.035 - (fielderAt(pos::C).arm - 5.0) * 0.02, 0.4, 0.92);
            pitcherLine().pitchCount += 1;
            if (m_rng.chance(success)) {
                runnerLine(*m_bases[0]).stolenBases += 1;
                pitcherLine().stolenBases += 1;
                fieldingOf(fld, fld.fielder[pos::C], pos::C).stolenBasesAllowed += 1;
                m_bases[1] = m_bases[0];
                m_bases[0].reset();
            } else {
                runnerLine(*m_bases[0]).caughtStealing += 1;
                pitcherLine().caughtStealing += 1;
                fieldingOf(fld, fld.fielder[pos::C], pos::C).caughtStealing += 1;
                credit(pos::C, 0, 1);
                credit(m_rng.chance(0.5) ? pos::SS : pos::B2, 1, 0);
                m_bases[0].reset();
                recordOuts(1);
                if (m_outs >= 3) {
                    return true;
                }
            }
        }
    }

    if (runnersOn() > 0) {
        const double u = m_rng.uniform();
        if (u < 0.006) {
            pitcherLine().wildPitches += 1;
            advanceAll(false);
        } else if (u < 0.0075) {
            fieldingOf(fld, fld.fielder[pos::C], pos::C).passedBalls += 1;
            advanceAll(true);
        } else if (u < 0.0081) {
            pitcherLine().balks += 1;
            advanceAll(false);
        }
    }

    if (m_bases[0] && m_rng.chance(0.002)) {
        runnerLine(*m_bases[0]).pickoffs += 1;
        credit(pos::P, 0, 1);
        credit(pos::B1, 1, 0);
        m_bases[0].reset();
        recordOuts(1);
        if (m_outs >= 3) {
            return true;
        }
    }
    return m_walkOff;
}

int SimulatedGame::batterEntry(Side& bat) {
    const int slot = bat.nextSlot;
    if (slot != bat.pitcherSlot) {
        return bat.slotEntry[static_cast<std::size_t>(slot)];
    }
    // The pitcher's turn: late in the game, or when behind, a bench bat hits for him.
    const int lead = leadOf(m_half);
    const PitcherGame& mine = bat.box.pitchers[static_cast<std::size_t>(bat.pitcherEntry)];
    double pinchChance = 0;
    if (m_inning >= 7) {
        pinchChance = mine.starter ? (lead <= 1 ? 0.8 : 0.35) : 0.9;
    } else if (m_inning >= 5 && lead <= -3 && mine.starter) {
        pinchChance = 0.4;
    }
    if (bat.replacePitcher) {
        pinchChance = 1.0;
    }
    if (!bat.bench.empty() && m_rng.chance(pinchChance)) {
        const int throws = m_org.player(currentPitcher().player).throws;
        const auto best = std::max_element(bat.bench.begin(), bat.bench.end(), [&](int a, int b) {
            return m_org.player(a).ops(throws) < m_org.player(b).ops(throws);
        });
        const int hitter = *best;
        bat.bench.erase(best);
        bat.box.batters.push_back({hitter, slot, 0});
        bat.replacePitcher = true;
        return static_cast<int>(bat.box.batters.size()) - 1;
    }
    if (bat.pitcherBatEntry < 0) {
        bat.box.batters.push_back({mine.player, slot, pos::P});
        bat.pitcherBatEntry = static_cast<int>(bat.box.batters.size()) - 1;
    }
    return bat.pitcherBatEntry;
}

void SimulatedGame::plateAppearance() {
    Side& bat = batting();
    const int entry = batterEntry(bat);
    m_batterEntry = entry;
    bat.nextSlot = (bat.nextSlot + 1) % 9;
    BatterGame& game = bat.box.batters[static_cast<std::size_t>(entry)];
    const Profile& batter = m_org.player(game.player);
    PitcherGame& pg = currentPitcher();
    const Profile& pitcher = m_org.player(pg.player);
    const int hand = batter.battingHand(pitcher.throws);
    m_batSplit = pitcher.throws;
    m_pitSplit = hand;
    if (game.firstSplit < 0) {
        game.firstSplit = m_batSplit;
    }
    if (pg.firstSplit < 0) {
        pg.firstSplit = m_pitSplit;
    }
    const bool pinch = game.position == 0;
    const Runner runner{game.player, entry, fielding().pitcherEntry, m_pitSplit, m_batSplit, false};
    PitchingTotals& p = pg.bySplit[static_cast<std::size_t>(hand)];

    bool atBat = true;
    bool gotHit = false;
    if (batter.pitcher && m_outs < 2 && (m_bases[0] || m_bases[1]) && !m_bases[2] && m_rng.chance(0.5)) {
        sacrificeBunt(atBat);
    } else {
        // The matchup: batter and pitcher each measured against what the league allows.
        const int limit = pg.starter ? fielding().startLimit : 35;
        const int pitches = p.pitchCount + pg.bySplit[static_cast<std::size_t>(1 - hand)].pitchCount;
        const double tired = pitches > limit ? 1.0 + std::min(0.25, (pitches - limit) * 0.006) : 1.0;
        const double avg =
            std::clamp(batter.avg[m_batSplit] * pitcher.allowedAvg[hand] / m_norms.avg[hand] * tired, 0.05, 0.45);
        const double obp =
            std::clamp(batter.obp[m_batSplit] * pitcher.allowedObp[hand] / m_norms.obp[hand] * tired, avg + 0.01, 0.6);
        const double slg =
            std::clamp(batter.slg[m_batSplit] * pitcher.allowedSlg[hand] / m_norms.slg[hand] * tired, avg, 1.2);
        // On-base ratings count hit batsmen and reaching on errors too; walks are the rest.
        const double walk = std::clamp(0.85 * (obp - avg) / (1.0 - avg), 0.01, 0.3);

        const double u = m_rng.uniform();
        if (u < kHitByPitch) {
            battingLine(entry).hitByPitch += 1;
            p.hitBatsmen += 1;
            p.pitchCount += m_rng.between(1, 4);
            forceAdvance(runner);
            atBat = false;
        } else if (u < kHitByPitch + walk) {
            const bool intentional =
                !m_bases[0] && (m_bases[1] || m_bases[2]) && m_inning >= 7 && slg > 0.5 && m_rng.chance(0.3);
            battingLine(entry).walks += 1;
            battingLine(entry).intentionalWalks += intentional ? 1 : 0;
            p.walks += 1;
            p.pitchCount += intentional ? 4 : m_rng.between(4, 6);
            forceAdvance(runner);
            atBat = false;
        } else if (m_rng.uniform() < avg) {
            const HitMix mix = hitMix(avg, slg, batter.speed);
            const double v = m_rng.uniform();
            const int bases = v < mix.homeRuns                               ? 4
                              : v < mix.homeRuns + mix.triples               ? 3
                              : v < mix.homeRuns + mix.triples + mix.doubles ? 2
                                                                             : 1;
            p.pitchCount += m_rng.between(1, 6);
            hit(bases, runner);
            gotHit = true;
        } else {
            const double power = std::max(0.0, slg - avg - 0.10);
            const double strikeout = std::clamp(
                0.33 * (0.55 + 0.75 * pitcher.stuff) * (0.8 + 1.5 * power) * (batter.pitcher ? 1.6 : 1.0), 0.12, 0.6);
            if (m_rng.chance(strikeout)) {
                battingLine(entry).strikeouts += 1;
                p.strikeouts += 1;
                p.pitchCount += m_rng.between(3, 6);
                credit(pos::C, 1, 0);
                recordOuts(1);
            } else {
                p.pitchCount += m_rng.between(1, 6);
                const double groundShare = 0.5 * batter.groundBall + 0.5 * pitcher.pitchGroundBall;
                if (m_rng.chance(groundShare)) {
                    groundBall(runner, hand);
                } else {
                    airBall(runner, hand, atBat);
                }
            }
        }
    }
    if (atBat) {
        BattingTotals& line = battingLine(entry);
        line.atBats += 1;
        if (pinch) {
            line.pinchAtBats += 1;
            line.pinchBaseHits += gotHit ? 1 : 0;
        }
    }
}

void SimulatedGame::hit(int bases, const Runner& batter) {
    BattingTotals& b = battingLine(m_batterEntry);
    PitchingTotals& p = currentPitcher().bySplit[static_cast<std::size_t>(m_pitSplit)];
    b.hits += 1;
    p.hits += 1;
    batting().box.hits += 1;
    std::optional<Runner> first = m_bases[0], second = m_bases[1], third = m_bases[2];
    m_bases = {};
    const double twoOuts = m_outs == 2 ? 1.0 : 0.0;
    const auto speedOf = [&](const Runner& r) { return m_org.player(r.player).speed; };

    switch (bases) {
        case 4:
            b.homeRuns += 1;
            p.homeRuns += 1;
            for (const auto& r : {third, second, first}) {
                if (r) {
                    score(*r, true, true);
                }
            }
            score(batter, true, true);
            return;
        case 3:
            b.triples += 1;
            p.triples += 1;
            for (const auto& r : {third, second, first}) {
                if (r) {
                    score(*r, true);
                }
            }
            m_bases[2] = batter;
            return;
        case 2:
            b.doubles += 1;
            p.doubles += 1;
            for (const auto& r : {third, second}) {
                if (r) {
                    score(*r, true);
                }
            }
            if (first) {
                if (m_rng.chance(0.4 + 0.25 * twoOuts + (speedOf(*first) - 5.0) * 0.04)) {
                    score(*first, true);
                } else {
                    m_bases[2] = first;
                }
            }
            m_bases[1] = batter;
            return;
        default:
            break;
    }
    // A single: the runner from third scores, the one from second usually, the one from first
    // sometimes reaches third.
    if (third) {
        score(*third, true);
    }
    if (second) {
        if (m_rng.chance(0.55 + 0.25 * twoOuts + (speedOf(*second) - 5.0) * 0.03)) {
            if (m_rng.chance(0.06)) {
                credit(outfielder(m_org.player(batter.player), m_pitSplit, m_rng), 0, 1);
                credit(pos::C, 1, 0);
                recordOuts(1);
                if (m_outs >= 3) {
                    return;
                }
            } else {
                score(*second, true);
            }
        } else {
            m_bases[2] = second;
        }
    }
    if (first) {
        if (!m_bases[2] && m_rng.chance(0.25 + 0.1 * twoOuts + (speedOf(*first) - 5.0) * 0.03)) {
            m_bases[2] = first;
        } else {
            m_bases[1] = first;
        }
    }
    m_bases[0] = batter;
}

void SimulatedGame::groundBall(const Runner& batter, int hand) {
    const Profile& profile = m_org.player(batter.player);
    const int f = groundFielder(profile, hand, m_rng);
    if (fielderErrs(f)) {
        reachOnError(batter, f);
        return;
    }
    if (m_bases[0] && m_outs < 2 && m_rng.chance(std::clamp(0.45 - (profile.speed - 5.0) * 0.03, 0.25, 0.6))) {
        battingLine(m_batterEntry).gidp += 1;
        const int pivot = f == pos::B2 ? pos::SS : pos::B2;
        credit(f, 0, 1);
        credit(pivot, 1, 1);
        credit(pos::B1, 1, 0);
        creditDoublePlay({f, pivot, pos::B1});
        m_bases[0].reset();
        recordOuts(2);
        if (m_outs < 3) {
            if (m_bases[2]) {
                const Runner r = *m_bases[2];
                m_bases[2].reset();
                score(r, false);
            }
            if (m_bases[1]) {
                m_bases[2] = m_bases[1];
                m_bases[1].reset();
            }
        }
        return;
    }
    if (f == pos::B1) {
        if (m_rng.chance(0.7)) {
            credit(pos::B1, 1, 0);
        } else {
            credit(pos::B1, 0, 1);
            credit(pos::P, 1, 0);
        }
    } else {
        credit(f, 0, 1);
        credit(pos::B1, 1, 0);
    }
    recordOuts(1);
    if (m_outs >= 3) {
        return;
    }
    const bool forcedHome = m_bases[0] && m_bases[1];
    if (m_bases[2] && (forcedHome || m_rng.chance(0.5))) {
        const Runner r = *m_bases[2];
        m_bases[2].reset();
        score(r, true);
    }
    if (m_bases[1] && !m_bases[2] && (m_bases[0] || m_rng.chance(0.6))) {
        m_bases[2] = m_bases[1];
        m_bases[1].reset();
    }
    if (m_bases[0] && !m_bases[1]) {
        m_bases[1] = m_bases[0];
        m_bases[0].reset();
    }
}

void SimulatedGame::airBall(const Runner& batter, int hand, bool& atBat) {
    const bool deep = m_rng.chance(0.7);
    const int f = deep ? outfielder(m_org.player(batter.player), hand, m_rng) : infieldPop(m_rng);
    if (fielderErrs(f)) {
        reachOnError(batter, f);
        return;
    }
    credit(f, 1, 0);
    recordOuts(1);
    if (m_outs >= 3 || !deep) {
        return;
    }
    if (m_bases[2] && m_rng.chance(0.55 + (m_org.player(m_bases[2]->player).speed - 5.0) * 0.03)) {
        const Runner r = *m_bases[2];
        m_bases[2].reset();
        score(r, true);
        battingLine(m_batterEntry).sacFlies += 1;
        atBat = false;
    }
    if (m_bases[1] && !m_bases[2] && m_rng.chance(0.25)) {
        m_bases[2] = m_bases[1];
        m_bases[1].reset();
    }
}

void SimulatedGame::reachOnError(const Runner& batter, int position) {
    Side& fld = fielding();
    fld.box.errors += 1;
    fieldingOf(fld, fld.fielder[static_cast<std::size_t>(position)], position).errors += 1;
    Runner safe = batter;
    safe.unearned = true;  // he would have been out
    advanceAll(false);
    m_bases[0] = safe;
}

void SimulatedGame::sacrificeBunt(bool& atBat) {
    PitchingTotals& p = currentPitcher().bySplit[static_cast<std::size_t>(m_pitSplit)];
    if (m_rng.chance(0.8)) {
        atBat = false;
        battingLine(m_batterEntry).sacHits += 1;
        p.pitchCount += m_rng.between(1, 3);
        const double u = m_rng.uniform();
        const int f = u < 0.5 ? pos::P : (u < 0.75 ? pos::B3 : pos::B1);
        if (f == pos::B1) {
            credit(pos::B1, 1, 0);
        } else {
            credit(f, 0, 1);
            credit(pos::B1, 1, 0);
        }
        recordOuts(1);
        if (m_outs < 3) {
            if (m_bases[1] && !m_bases[2]) {
                m_bases[2] = m_bases[1];
                m_bases[1].reset();
            }
            if (m_bases[0] && !m_bases[1]) {
                m_bases[1] = m_bases[0];
                m_bases[0].reset();
            }
        }
        return;
    }
    // Bunted foul on the third strike.
    battingLine(m_batterEntry).strikeouts += 1;
    p.strikeouts += 1;
    p.pitchCount += m_rng.between(3, 5);
    credit(pos::C, 1, 0);
    recordOuts(1);
}

}  // namespace zt::sample
