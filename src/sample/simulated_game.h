#pragma once

#include <array>
#include <optional>
#include <vector>

#include "sample/game_simulator.h"

namespace zt::sample {

// The state of one game while it is played. Flow and pitching changes live in
// simulated_game.cpp, the plays on the field in game_plays.cpp.
class SimulatedGame {
public:
    SimulatedGame(
        const Organisation& org, const SeasonBook& book, const LeagueNorms& norms, const GameSetup& setup, Random& rng);

    GameLog play();

private:
    struct Runner {
        int player = -1;
        int batterEntry = -1;   // his batting line in this game
        int pitcherEntry = -1;  // the pitcher charged if he scores
        int pitcherSplit = 1;
        int batterSplit = 1;  // what he does on the bases counts where he reached them
        bool unearned = false;
    };

    struct Side {
        int team = 0;
        const TeamPlan* plan = nullptr;
        TeamBox box;
        std::array<int, 9> slotEntry{};  // batting line of each order slot
        int pitcherSlot = -1;            // the pitcher's slot without DH
        int pitcherBatEntry = -1;        // current pitcher's batting line, once he batted
        int nextSlot = 0;
        std::array<int, 10> fielder{};  // player at positions 1-9
        int pitcherEntry = 0;           // current pitcher's line in box.pitchers
        std::vector<int> bench;
        std::vector<int> usedPitchers;
        bool replacePitcher = false;  // he was pinch-hit for and leaves at the next half inning
        int relieverTarget = 3;
        int startLimit = 100;
    };

    // Flow (simulated_game.cpp).
    void setUpSide(int s, int team, int starter, int opposingThrows);
    void playHalf(int half);
    void managePitching(bool inningStart);
    int chooseReliever(Side& side, int lead) const;
    bool usable(const Side& side, int player, bool asStarter) const;
    void bringIn(Side& side, int player, int lead);
    void decide(GameLog& log);
    FieldingTotals& fieldingOf(Side& side, int player, int position);

    // Plays (game_plays.cpp).
    bool eventsBeforePitch();
    void plateAppearance();
    int batterEntry(Side& bat);
    void hit(int bases, const Runner& batter);
    void groundBall(const Runner& batter, int hand);
    void airBall(const Runner& batter, int hand, bool& atBat);
    void reachOnError(const Runner& batter, int position);
    void sacrificeBunt(bool& atBat);
    void forceAdvance(const Runner& batter);
    void advanceAll(bool unearned);
    void score(Runner runner, bool runBattedIn, bool evenAfterWalkOff = false);
    void recordOuts(int count);
    void credit(int position, int putouts, int assists);
    void creditDoublePlay(std::initializer_list<int> positions);
    bool fielderErrs(int position);
    const Profile& fielderAt(int position);
    PitcherGame& currentPitcher() { return fielding().box.pitchers[static_cast<std::size_t>(fielding().pitcherEntry)]; }
    BattingTotals& battingLine(int entry);
    int runnersOn() const;

    Side& batting() { return m_sides[static_cast<std::size_t>(m_half)]; }
    Side& fielding() { return m_sides[static_cast<std::size_t>(1 - m_half)]; }
    int leadOf(int side) const {
        return m_score[static_cast<std::size_t>(side)] - m_score[static_cast<std::size_t>(1 - side)];
    }

    const Organisation& m_org;
    const SeasonBook& m_book;
    const LeagueNorms& m_norms;
    GameSetup m_setup;
    Random& m_rng;

    std::array<Side, 2> m_sides;  // 0 visitors, 1 home
    std::array<int, 2> m_score{};
    int m_inning = 1;
    int m_half = 0;
    int m_outs = 0;
    std::array<std::optional<Runner>, 3> m_bases;
    bool m_walkOff = false;

    // Pitchers of record: who was pitching when the final lead was taken, and who allowed it.
    int m_leader = -1;
    std::array<int, 2> m_winCandidate{-1, -1};
    int m_lossCandidate = -1;
    int m_leadSerial = 0;
    int m_serial = 0;

    // The plate appearance being played.
    int m_batterEntry = -1;
    int m_batSplit = 1;  // hand of the pitcher: the batter's split
    int m_pitSplit = 1;  // batting hand of the batter: the pitcher's split
};

}  // namespace zt::sample
