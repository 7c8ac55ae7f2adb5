#include "league/team_menu.h"

#include <algorithm>
#include <cctype>

#include "league/league.h"
#include "league/league_text.h"

namespace zt {

namespace {

// Two leagues are named in players.zt; a damaged header cannot ask for more menus than that.
constexpr int kMaxLeagues = 2;
constexpr int kMaxDivisions = kMaxTeams;

bool isAllStarTeam(const std::string& city) {
    return city == "NL All Stars" || city == "AL All Stars";
}

}  // namespace

std::vector<TeamMenuLeague> buildTeamMenus(const League& league) {
    const int leagueCount = std::clamp(league.seasonHeader.get(sh::leagueCount), 0, kMaxLeagues);
    const int divisionCount = std::clamp(league.seasonHeader.get(sh::divisionsPerLeague), 0, kMaxDivisions);

    std::vector<TeamMenuLeague> menus;
    if (divisionCount < 1) {
        return menus;
    }
    for (int n = 0; n < leagueCount; ++n) {
        const LeagueNames& names = league.leagueNames[static_cast<std::size_t>(n)];
        TeamMenuLeague menu{n, names.get(LeagueNames::name), {}};
        for (int i = 0; i < divisionCount; ++i) {
            // Only three divisions have a name in players.zt; further ones have no caption.
            const std::string caption = i < LeagueNames::kDivisions
                                            ? names.divisionName(i) + " (" + names.get(LeagueNames::abbreviation) + ")"
                                            : std::string();
            menu.divisions.push_back({i, caption, {}});
        }
        menus.push_back(std::move(menu));
    }

    std::vector<TeamMenuTeam> byCity;
    for (int t = 0; t < league.teamCount(); ++t) {
        byCity.push_back({t, league.team(t).record.get(tf::city)});
    }
    std::stable_sort(
        byCity.begin(), byCity.end(), [](const auto& a, const auto& b) { return lessNoCase(a.city, b.city); });
    for (const auto& entry : byCity) {
        const auto& record = league.team(entry.teamNumber).record;
        const int leagueIndex = record.get(tf::leagueIndex);
        const int divisionIndex = record.get(tf::divisionIndex);
        if (isAllStarTeam(entry.city) || leagueIndex < 0 || leagueIndex >= static_cast<int>(menus.size()) ||
            divisionIndex < 0 || divisionIndex >= divisionCount) {
            continue;
        }
        menus[static_cast<std::size_t>(leagueIndex)].divisions[static_cast<std::size_t>(divisionIndex)].teams.push_back(
            entry);
    }
    return menus;
}

}  // namespace zt
