#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "league/league.h"

namespace zt::test {

// A small league for report tests, with exactly the teams, players, stat lines and games a test
// gives. Texts and numbers the reports read are set; other bytes hold the builder's patterns.
class ReportLeague {
public:
    ReportLeague();

    // Adds a team; its complete name is "<city> <name>".
    ReportLeague& team(std::string_view city,
                       std::string_view name,
                       std::string_view abbreviation,
                       int leagueIndex = 0,
                       int division = 0,
                       int wins = 0,
                       int losses = 0);
    // Adds a player (position 1 = pitcher) and returns him.
    PlayerRecord& player(
        std::uint16_t id, std::string_view last, std::string_view first, int team, int level = 0, int position = 2);
    // Adds a line to the player's history (created at the first line).
    ReportLeague& batting(std::uint16_t id, const BattingLineData& line);
    ReportLeague& pitching(std::uint16_t id, const PitchingLineData& line);
    // Adds one game to scores.zt: fifteen slots a day, unused slots hold the filler.
    ReportLeague& game(int home, int visitors, int homeRuns, int visitorRuns);

    League& operator*() { return *m_league; }
    League* operator->() { return m_league.get(); }
    std::unique_ptr<League> take() { return std::move(m_league); }

private:
    StatHistory& historyOf(std::uint16_t id);

    std::unique_ptr<League> m_league;
    int m_games = 0;
};

BattingLineData battingLine(int year, int level, int games, int atBats, int hits);
PitchingLineData pitchingLine(int year, int level, int games, int outs, int earnedRuns);

}  // namespace zt::test
