#include "reports/pro_years.h"

#include <map>

#include "league/codes.h"
#include "league/league.h"
#include "reports/league_index.h"

namespace zt::reports {

namespace {

constexpr int kFirstYear = 1900;
constexpr int kLastYear = 2200;

std::string levelName(int level) {
    switch (level) {
        case 0:
            return "ML";
        case 1:
            return "AAA";
        case 2:
            return "AA";
        case 3:
            return "A";
        case 7:
            return "DL";
        default:
            return {};
    }
}

}  // namespace

int proYears(const PlayerRecord& player, const LeagueIndex& index, const ProYearsRequirements& r) {
    const StatHistory* history = index.history(player.playerId());
    if (history == nullptr) {
        return 0;
    }
    int years = 0;
    if (player.get(pf::position) == 1 && !history->pitching.empty()) {
        struct Season {
            float innings = 0;
            long games = 0;
        };
        std::map<int, Season> seasons;
        for (const PitchingLine& line : history->pitching) {
            const PitchingLineData d = decodePitchingLine(line);
            if (d.level == 0) {
                Season& s = seasons[d.year];
                s.innings += static_cast<float>(d.outsPitched) / 3.0f;
                s.games += d.games;
            }
        }
        for (int year = kFirstYear; year <= kLastYear; ++year) {
            const auto it = seasons.find(year);
            const Season s = it != seasons.end() ? it->second : Season{};
            years += (s.innings >= r.innings || s.games >= r.games) ? 1 : 0;
        }
        return years;
    }
    if (history->batting.empty()) {
        return 0;
    }
    std::map<int, long> atBats;
    for (const BattingLine& line : history->batting) {
        const BattingLineData d = decodeBattingLine(line);
        if (d.level == 0) {
            atBats[d.year] += d.atBats;
        }
    }
    for (int year = kFirstYear; year <= kLastYear; ++year) {
        const auto it = atBats.find(year);
        years += (it != atBats.end() ? it->second : 0) >= r.atBats ? 1 : 0;
    }
    return years;
}

std::string proYearsCsv(const League& league, const LeagueIndex& index, const ProYearsRequirements& r) {
    std::string csv = "Firstname,Lastname,Pos,Team,Level,Pro Years\r\n";
    for (const auto& record : league.players) {
        const PlayerRecord& p = *record;
        const int years = proYears(p, index, r);
        if (years < r.minimumYears) {
            continue;
        }
        const int team = p.teamIndex();
        csv += p.get(pf::firstName) + "," + p.get(pf::lastName) + "," + std::string(positionText(p.get(pf::position))) +
               "," + (team < 50 ? league.teamAbbrev(team) : std::string("Free Agent")) + "," + levelName(p.level()) +
               "," + std::to_string(years) + "\r\n";
    }
    return csv;
}

}  // namespace zt::reports
