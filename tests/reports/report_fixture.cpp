#include "report_fixture.h"

#include "support/league_builder.h"

namespace zt::test {

ReportLeague::ReportLeague() : m_league(std::make_unique<League>()) {
    m_league->seasonHeader.set(sh::seasonYear, 2003);
    m_league->statsLoaded = true;
    m_league->scoresLoaded = true;
    const char* divisions[2][3] = {{"East", "Central", "West"}, {"North", "Middle", "South"}};
    const char* abbreviations[2] = {"AL", "NL"};
    for (int l = 0; l < 2; ++l) {
        LeagueNames& names = m_league->leagueNames[static_cast<std::size_t>(l)];
        names.set(LeagueNames::name, l == 0 ? "American League" : "National League");
        names.set(LeagueNames::abbreviation, abbreviations[l]);
        for (int d = 0; d < LeagueNames::kDivisions; ++d) {
            names.setDivisionName(d, divisions[l][d]);
        }
    }
}

ReportLeague& ReportLeague::team(std::string_view city,
                                 std::string_view name,
                                 std::string_view abbreviation,
                                 int leagueIndex,
                                 int division,
                                 int wins,
                                 int losses) {
    const int number = m_league->teamCount();
    Team t = makeTeam(number, city, name, abbreviation, leagueIndex, division, 0, static_cast<unsigned>(number + 1));
    t.record.set(tf::wins, wins);
    t.record.set(tf::losses, losses);
    for (int kind = 0; kind < kLineupKinds; ++kind) {
        for (int slot = 0; slot < kLineupSlots; ++slot) {
            t.record.setLineupSlot(static_cast<LineupKind>(kind), slot, {-1, 1});
        }
    }
    for (int level = 0; level < kRotationLevels; ++level) {
        for (int slot = 0; slot < kRotationSlots; ++slot) {
            t.record.setRotationSlot(level, slot, -1);
        }
    }
    m_league->teams.push_back(std::move(t));
    m_league->buildTeamLists();
    return *this;
}

PlayerRecord& ReportLeague::player(
    std::uint16_t id, std::string_view last, std::string_view first, int team, int level, int position) {
    auto record = std::make_unique<PlayerRecord>(
        makePlayer(id, last, first, static_cast<std::uint8_t>(team), static_cast<unsigned>(id)));
    record->set(pf::level, static_cast<std::uint8_t>(level));
    record->set(pf::position, static_cast<std::uint8_t>(position));
    m_league->players.push_back(std::move(record));
    return *m_league->players.back();
}

StatHistory& ReportLeague::historyOf(std::uint16_t id) {
    if (StatHistory* found = findHistory(m_league->playerHistories, id)) {
        return *found;
    }
    auto history = std::make_unique<StatHistory>();
    history->key = id;
    m_league->playerHistories.push_back(std::move(history));
    return *m_league->playerHistories.back();
}

ReportLeague& ReportLeague::batting(std::uint16_t id, const BattingLineData& data) {
    BattingLine line;
    encodeBattingLine(data, line);
    historyOf(id).batting.push_back(line);
    return *this;
}

ReportLeague& ReportLeague::pitching(std::uint16_t id, const PitchingLineData& data) {
    PitchingLine line;
    encodePitchingLine(data, line);
    historyOf(id).pitching.push_back(line);
    return *this;
}

ReportLeague& ReportLeague::game(int home, int visitors, int homeRuns, int visitorRuns) {
    const int slot = m_games % GameScore::kGames;
    if (slot == 0) {
        GameScore day;
        day.games.fill(GameResult::filler());
        m_league->gameScores.push_back(day);
    }
    m_league->gameScores.back().games[static_cast<std::size_t>(slot)] = makeGame(home, visitors, homeRuns, visitorRuns);
    ++m_games;
    return *this;
}

BattingLineData battingLine(int year, int level, int games, int atBats, int hits) {
    BattingLineData d;
    d.year = static_cast<std::uint16_t>(year);
    d.level = static_cast<std::uint8_t>(level);
    d.games = static_cast<std::uint16_t>(games);
    d.atBats = static_cast<std::uint16_t>(atBats);
    d.hits = static_cast<std::uint16_t>(hits);
    return d;
}

PitchingLineData pitchingLine(int year, int level, int games, int outs, int earnedRuns) {
    PitchingLineData d;
    d.year = static_cast<std::uint16_t>(year);
    d.level = static_cast<std::uint8_t>(level);
    d.games = static_cast<std::uint16_t>(games);
    d.outsPitched = static_cast<std::uint16_t>(outs);
    d.earnedRuns = static_cast<std::uint16_t>(earnedRuns);
    return d;
}

}  // namespace zt::test
