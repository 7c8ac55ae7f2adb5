#include "reports/standings.h"

#include <algorithm>
#include <cstdlib>
#include <map>

#include "league/league.h"
#include "league/numbers.h"
#include "reports/report_names.h"
#include "reports/table_writers.h"

namespace zt::reports {

namespace {

void win(int& streak) {
    streak = streak > 0 ? streak + 1 : 1;
}

void lose(int& streak) {
    streak = streak < 0 ? streak - 1 : -1;
}

void recordLastTen(tteamstats& team) {
    const int result = team.streak > 0 ? 1 : -1;
    if (team.games <= static_cast<int>(team.lastTen.size())) {
        team.lastTen[static_cast<std::size_t>(team.games - 1)] = result;
    } else {
        std::rotate(team.lastTen.begin(), team.lastTen.begin() + 1, team.lastTen.end());
        team.lastTen.back() = result;
    }
}

float runRatio(const tteamstats& t) {
    const int total = t.runsFor + t.runsAgainst;
    return total == 0 ? 0.0f : static_cast<float>(t.runsFor) / static_cast<float>(total);
}

std::string pair(int a, int b) {
    return std::to_string(a) + "-" + std::to_string(b);
}

std::string percentage(const tteamstats& t) {
    if (t.games < 1 || t.wins + t.losses == 0) {
        return "-";
    }
    // The small addend settles a result that lands exactly between two thousandths upward.
    const double thousandths = roundHalfEven((t.wins + 0.00001) * 1000 / (t.wins + t.losses));
    return FormatRate(thousandths / 1000);
}

std::string averageRuns(int runs, int games) {
    if (games < 1) {
        return "-";
    }
    const double hundredths = roundHalfEven(static_cast<double>(runs) / games * 100 + 0.00001);
    return FormatShort(hundredths / 100);
}

std::string lastTen(const tteamstats& t) {
    const auto wins = std::count(t.lastTen.begin(), t.lastTen.end(), 1);
    const auto losses = std::count(t.lastTen.begin(), t.lastTen.end(), -1);
    return std::to_string(wins) + "-" + std::to_string(losses);
}

// The cells of a team row by caption (besides "Team").
std::map<std::string, std::string> teamValues(const tteamstats& t) {
    return {
        {"Wins", std::to_string(t.wins)},
        {"Losses", std::to_string(t.losses)},
        {"Pct", percentage(t)},
        {"GB", t.gamesBehind > 0 ? FormatShort(t.gamesBehind) : "-"},
        {"Streak", t.streak >= 1 ? "W" + std::to_string(t.streak) : "L" + std::to_string(std::abs(t.streak))},
        {"Last ten", lastTen(t)},
        {"Runs", pair(t.runsFor, t.runsAgainst)},
        {"RS", std::to_string(t.runRatioRank)},
        {"Home", pair(t.homeWins, t.homeLosses)},
        {"Away", pair(t.awayWins, t.awayLosses)},
        {"1 run", pair(t.oneRunWins, t.oneRunLosses)},
        {"Div", pair(t.divisionWins, t.divisionLosses)},
        {"Extra", pair(t.extraWins, t.extraLosses)},
        {"10Runs+", std::to_string(t.tenRunGames)},
        {"E10Runs+", std::to_string(t.tenRunGamesAllowed)},
        {"Shutout", std::to_string(t.shutouts)},
        {"BeenSo", std::to_string(t.beenShutOut)},
        {"Errors", std::to_string(t.errors)},
        {"AvgRunsF", averageRuns(t.runsFor, t.games)},
        {"AvgRunsA", averageRuns(t.runsAgainst, t.games)},
    };
}

std::string teamLabel(const tteamstats& t, TeamsListedBy by) {
    switch (by) {
        case TeamsListedBy::Name:
            return t.name;
        case TeamsListedBy::Both:
            return t.fullName;
        case TeamsListedBy::City:
            break;
    }
    return t.city;
}

}  // namespace

void updateStandings(tteamstats& home, tteamstats& visitors, int h, int v) {
    ++home.games;
    ++visitors.games;
    home.runsFor += h;
    home.runsAgainst += v;
    visitors.runsFor += v;
    visitors.runsAgainst += h;
    if (h == 0) {
        ++home.beenShutOut;
        ++visitors.shutouts;
    }
    if (v == 0) {
        ++visitors.beenShutOut;
        ++home.shutouts;
    }
    if (h >= 10) {
        ++home.tenRunGames;
        ++visitors.tenRunGamesAllowed;
    }
    if (v >= 10) {
        ++visitors.tenRunGames;
        ++home.tenRunGamesAllowed;
    }
    const bool sameDivision = home.leagueIndex == visitors.leagueIndex && home.divisionIndex == visitors.divisionIndex;
    tteamstats& winner = h < v ? visitors : home;
    tteamstats& loser = h < v ? home : visitors;
    if (sameDivision) {
        ++winner.divisionWins;
        ++loser.divisionLosses;
    }
    if (std::abs(h - v) == 1) {
        ++winner.oneRunWins;
        ++loser.oneRunLosses;
    }
    if (h < v) {
        ++home.homeLosses;
        ++visitors.awayWins;
    } else {
        ++home.homeWins;
        ++visitors.awayLosses;
    }
    win(winner.streak);
    lose(loser.streak);
    recordLastTen(home);
    recordLastTen(visitors);
}

std::vector<tteamstats> computeStandings(const League& league) {
    std::vector<tteamstats> teams(league.teams.size());
    for (std::size_t i = 0; i < teams.size(); ++i) {
        const TeamRecord& record = league.teams[i].record;
        tteamstats& t = teams[i];
        t.team = static_cast<int>(i);
        t.city = record.get(tf::city);
        t.name = record.get(tf::name);
        t.abbreviation = record.get(tf::abbreviation);
        t.fullName = record.get(tf::completeName);
        t.wins = record.get(tf::wins);
        t.losses = record.get(tf::losses);
        t.leagueIndex = record.get(tf::leagueIndex);
        t.divisionIndex = record.get(tf::divisionIndex);
    }
    for (const GameScore& day : league.gameScores) {
        for (const GameResult& game : day.games) {
            const int home = game.get(gr::homeTeam);
            const int visitors = game.get(gr::visitingTeam);
            const int h = game.get(gr::homeRuns);
            const int v = game.get(gr::visitorRuns);
            if ((h < 1 && v < 1) || !league.isTeam(home) || !league.isTeam(visitors) || home == visitors) {
                continue;
            }
            updateStandings(teams[static_cast<std::size_t>(home)], teams[static_cast<std::size_t>(visitors)], h, v);
        }
    }
    rankByRunRatio(teams);
    return teams;
}

void rankByRunRatio(std::vector<tteamstats>& teams) {
    std::vector<tteamstats*> order;
    for (auto& t : teams) {
        order.push_back(&t);
    }
    std::stable_sort(order.begin(), order.end(), [](const tteamstats* a, const tteamstats* b) {
        return runRatio(*a) > runRatio(*b);
    });
    for (std::size_t i = 0; i < order.size(); ++i) {
        order[i]->runRatioRank = static_cast<int>(i + 1);
    }
}

void orderDivision(std::vector<tteamstats*>& division) {
    std::stable_sort(division.begin(), division.end(), [](const tteamstats* a, const tteamstats* b) {
        if ((a->games > 0) != (b->games > 0)) {
            return a->games > 0;
        }
        if (a->games == 0) {
            return false;
        }
        return static_cast<double>(a->wins) / a->games > static_cast<double>(b->wins) / b->games;
    });
    if (division.empty()) {
        return;
    }
    const tteamstats& leader = *division.front();
    for (tteamstats* t : division) {
        const int difference = (leader.homeWins + leader.awayWins) - (t->homeWins + t->awayWins) +
                               (t->homeLosses + t->awayLosses) - (leader.homeLosses + leader.awayLosses);
        t->gamesBehind = static_cast<float>(difference) / 2.0f;
    }
}

const Captions& standingsCaptions() {
    static const Captions kCaptions = {"Team",    "Wins",     "Losses",  "Pct",    "GB",     "Streak",   "Last ten",
                                       "Runs",    "RS",       "Home",    "Away",   "1 run",  "Div",      "Extra",
                                       "10Runs+", "E10Runs+", "Shutout", "BeenSo", "Errors", "AvgRunsF", "AvgRunsA"};
    return kCaptions;
}

bool canBeShown(const std::string& caption) {
    return caption != "Extra" && caption != "Errors";
}

bool shownAtOpen(const std::string& caption) {
    static const Captions kShown = {
        "Wins", "Losses", "Pct", "GB", "Streak", "Last ten", "Runs", "RS", "Home", "Away", "1 run", "Div"};
    return std::find(kShown.begin(), kShown.end(), caption) != kShown.end();
}

StandingsOptions defaultStandingsOptions() {
    StandingsOptions options;
    for (const auto& caption : standingsCaptions()) {
        if (shownAtOpen(caption)) {
            options.shown.push_back(caption);
        }
    }
    return options;
}

ReportTable standingsTable(const League& league,
                           const std::vector<tteamstats>& teams,
                           const StandingsOptions& requested) {
    StandingsOptions options = requested;
    Captions sorted = options.captions;
    Captions builtIn = standingsCaptions();
    std::sort(sorted.begin(), sorted.end());
    std::sort(builtIn.begin(), builtIn.end());
    if (sorted != builtIn || options.captions.front() != "Team") {
        options.captions = standingsCaptions();
    }
    ReportTable table(0, kStandingsColumns);
    for (int c = 1; c < kStandingsColumns; ++c) {
        const std::string& caption = options.captions[static_cast<std::size_t>(c)];
        const bool shown = canBeShown(caption) &&
                           std::find(options.shown.begin(), options.shown.end(), caption) != options.shown.end();
        table.setColumnHidden(c, !shown);
    }
    CellFormat headerFormat;
    headerFormat.bold = true;
    headerFormat.background = options.divisionLineColor;

    std::vector<tteamstats> ordered = teams;
    for (int leagueIndex = 0; leagueIndex < 2; ++leagueIndex) {
        const LeagueNames& names = league.leagueNames[static_cast<std::size_t>(leagueIndex)];
        for (int division = 0; division < LeagueNames::kDivisions; ++division) {
            std::vector<tteamstats*> members;
            for (auto& t : ordered) {
                if (t.leagueIndex == leagueIndex && t.divisionIndex == division) {
                    members.push_back(&t);
                }
            }
            if (members.empty()) {
                continue;
            }
            orderDivision(members);
            // An empty row before every block but the first division of the first league, even
            // when that division has no team.
            int row = table.rowCount();
            if (leagueIndex != 0 || division != 0) {
                ++row;
            }
            table.setRowCount(row + 1 + static_cast<int>(members.size()));
            table.setText(row, 0, names.divisionName(division) + " (" + names.get(LeagueNames::abbreviation) + ")");
            for (int c = 1; c < kStandingsColumns; ++c) {
                table.setText(row, c, options.captions[static_cast<std::size_t>(c)]);
            }
            table.setRowFormat(row, headerFormat);
            for (const tteamstats* t : members) {
                ++row;
                const std::string label = teamLabel(*t, options.listedBy);
                if (options.links) {
                    table.setHtml(row, 0, TeamLink(league.teams[static_cast<std::size_t>(t->team)].record, label));
                } else {
                    table.setText(row, 0, label);
                }
                const auto values = teamValues(*t);
                for (int c = 1; c < kStandingsColumns; ++c) {
                    table.setText(row, c, values.at(options.captions[static_cast<std::size_t>(c)]));
                }
            }
        }
    }
    return table;
}

HtmlExportSettings standingsHtmlSettings() {
    HtmlExportSettings settings;
    settings.borderSize = 0;
    settings.width = 100;
    return settings;
}

std::string standingsHtml(const ReportTable& table, const HtmlExportSettings& settings) {
    HtmlExportSettings withNote = settings;
    withNote.suffixTags += kRunRatioNote;
    return tableHtml(table, withNote);
}

}  // namespace zt::reports
