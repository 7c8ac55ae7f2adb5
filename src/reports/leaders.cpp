#include "reports/leaders.h"

#include <algorithm>
#include <cstdio>

#include "league/error.h"
#include "league/league.h"
#include "league/numbers.h"
#include "reports/league_index.h"
#include "reports/report_names.h"
#include "reports/rosters_stats.h"

namespace zt::reports {

namespace {

// The year of the line that holds a player's longest streaks instead of a season.
constexpr int kStreakYear = 3;

enum Batting : std::uint8_t {
    kAvg,
    kObp,
    kSlg,
    kOps,
    kHits,
    kDoubles,
    kTriples,
    kHomeRuns,
    kWalks,
    kStrikeouts,
    kRuns,
    kRbi,
    kStolenBases,
    kCaughtStealing,
    kGidp,
    kIntentionalWalks,
    kSacFlies,
    kSacHits,
    kPinchAtBats,
    kPinchHits,
    kHitByPitch,
    kHittingStreak
};

enum Pitching : std::uint8_t {
    kEra,
    kWins,
    kLosses,
    kSaves,
    kBlownSaves,
    kGames,
    kGamesStarted,
    kCompleteGames,
    kShutouts,
    kInnings,
    kPStrikeouts,
    kPWalks,
    kPHits,
    kPDoubles,
    kPTriples,
    kPHomeRuns,
    kPRuns,
    kEarnedRuns,
    kPStolenBases,
    kPCaughtStealing,
    kWildPitches,
    kBalks,
    kHolds,
    kQualityStarts,
    kPitches,
    kWalksPer9,
    kStrikeoutsPer9,
    kOppAvg,
    kOppObp,
    kOppSlg,
    kWinningStreak,
    kLosingStreak
};

YearRange yearsOf(std::string_view text) {
    try {
        return parseYears(text);
    } catch (const Error&) {
        throw Error("Invalid year");
    }
}

// Running sums of the batting lines; the rates follow the sums so far, so they end as the rates
// of the totals.
void addBatting(LeaderEntry& e, const BattingLineData& d) {
    auto& v = e.values;
    v[kHits] += d.hits;
    v[kDoubles] += d.doubles;
    v[kTriples] += d.triples;
    v[kHomeRuns] += d.homeRuns;
    v[kWalks] += d.walks;
    v[kStrikeouts] += d.strikeouts;
    v[kRuns] += d.runs;
    v[kRbi] += d.rbi;
    v[kStolenBases] += d.stolenBases;
    v[kCaughtStealing] += d.caughtStealing;
    v[kGidp] += d.gidp;
    v[kIntentionalWalks] += d.intentionalWalks;
    v[kSacFlies] += d.sacFlies;
    v[kSacHits] += d.sacHits;
    v[kPinchAtBats] += d.pinchAtBats;
    v[kPinchHits] += d.pinchBaseHits;
    v[kHitByPitch] += d.hitByPitch;
    e.atBats += d.atBats;
    e.plateAppearances += d.atBats + d.walks + d.sacFlies + d.sacHits + d.hitByPitch;
    if (e.atBats > 0) {
        const float ab = static_cast<float>(e.atBats);
        const float tb = v[kHits] + v[kDoubles] + 2 * v[kTriples] + 3 * v[kHomeRuns];
        const float onBase = v[kHits] + v[kWalks] + v[kHitByPitch];
        v[kAvg] = v[kHits] / ab;
        v[kObp] = onBase / (ab + v[kWalks] + v[kHitByPitch] + v[kSacFlies]);
        v[kSlg] = tb / ab;
        v[kOps] = v[kSlg] + v[kObp];
    }
}

void addPitching(LeaderEntry& e, const PitchingLineData& d) {
    auto& v = e.values;
    v[kWins] += d.wins;
    v[kLosses] += d.losses;
    v[kSaves] += d.saves;
    v[kBlownSaves] += d.blownSaves;
    v[kGames] += d.games;
    v[kGamesStarted] += d.gamesStarted;
    v[kCompleteGames] += d.completeGames;
    v[kShutouts] += d.shutouts;
    v[kPStrikeouts] += d.strikeouts;
    v[kPWalks] += d.walks;
    v[kPHits] += d.hits;
    v[kPDoubles] += d.doubles;
    v[kPTriples] += d.triples;
    v[kPHomeRuns] += d.homeRuns;
    v[kPRuns] += d.runs;
    v[kEarnedRuns] += d.earnedRuns;
    v[kPStolenBases] += d.stolenBases;
    v[kPCaughtStealing] += d.caughtStealing;
    v[kWildPitches] += d.wildPitches;
    v[kBalks] += d.balks;
    v[kHolds] += d.holds;
    v[kQualityStarts] += d.qualityStarts;
    v[kPitches] += d.pitchCount;
    e.outs += d.outsPitched;
    const float o = static_cast<float>(e.outs);
    e.inningsPitched = o / 3.0f;
    v[kInnings] = e.inningsPitched;
    if (e.outs > 0) {
        const float games = o / 27.0f;
        v[kEra] = v[kEarnedRuns] / games;
        v[kWalksPer9] = v[kPWalks] / games;
        v[kStrikeoutsPer9] = v[kPStrikeouts] / games;
    }
    const float faced = o + v[kPHits];
    if (faced > 0) {
        const float tb = v[kPHits] + v[kPDoubles] + 2 * v[kPTriples] + 3 * v[kPHomeRuns];
        v[kOppAvg] = v[kPHits] / faced;
        v[kOppObp] = (v[kPHits] + v[kPWalks]) / (faced + v[kPWalks]);
        v[kOppSlg] = tb / faced;
    }
}

bool inRange(int year, const YearRange& years) {
    return year >= years.first && year <= years.last;
}

// Sums one history block into an entry; no entry when the block has no line of the kind.
bool buildEntry(const StatHistory& history, const LeadersSelection& s, const YearRange& years, LeaderEntry& e) {
    if (!s.pitching) {
        if (history.batting.empty()) {
            return false;
        }
        for (const BattingLine& line : history.batting) {
            const BattingLineData d = decodeBattingLine(line);
            if (d.level != s.level) {
                continue;
            }
            if (d.year == kStreakYear) {
                e.values[kHittingStreak] = d.hits;
            } else if (inRange(d.year, years)) {
                addBatting(e, d);
            }
        }
        return true;
    }
    if (history.pitching.empty()) {
        return false;
    }
    for (const PitchingLine& line : history.pitching) {
        const PitchingLineData d = decodePitchingLine(line);
        if (d.level != s.level) {
            continue;
        }
        if (d.year == kStreakYear) {
            e.values[kWinningStreak] = d.wins;
            e.values[kLosingStreak] = d.losses;
        } else if (inRange(d.year, years)) {
            addPitching(e, d);
        }
    }
    return true;
}

// value >= 3.1 * games, decided in whole tenths so that 502.2 needs 503 and 31 reaches 31.
bool reachesThreePointOne(std::int64_t value, std::int64_t games) {
    return value * 10 >= games * 31;
}

bool qualifies(const League& league,
               const PlayerRecord& player,
               const LeaderEntry& e,
               const LeadersSelection& s,
               const YearRange& years) {
    const int seasonYear = league.seasonHeader.get(sh::seasonYear);
    const std::int64_t seasonGames = league.seasonHeader.get(sh::seasonGames);
    const std::int64_t amount = s.pitching ? e.outs : e.plateAppearances;
    const auto enough = [&](std::int64_t games) {
        return s.pitching ? amount >= 3 * games : reachesThreePointOne(amount, games);
    };
    if (years.first < seasonYear) {
        if (enough(seasonGames)) {
            return true;
        }
    }
    // A player of no team of this league (a free agent, a stored team out of range) has no
    // season record to measure the current year against.
    const Team* team = league.findTeam(player.teamIndex());
    if (team == nullptr || years.first != seasonYear) {
        return false;
    }
    return enough(static_cast<std::int64_t>(team->record.get(tf::wins)) + team->record.get(tf::losses));
}

bool takesPlayer(const League& league, const PlayerRecord& player, const LeadersSelection& s) {
    const int teamIndex = player.teamIndex();
    if (s.team == kFreeAgentsItem) {
        return teamIndex == kFreeAgentTeam;
    }
    if (s.team != kAllTeamsItem) {
        return teamIndex == s.team - 2;
    }
    if (s.league == 0) {
        return true;
    }
    const Team* team = league.findTeam(teamIndex);
    return team != nullptr && team->record.get(tf::leagueIndex) == s.league - 1;
}

std::string rounded(double value, int decimals, const char* format) {
    char text[64];
    std::snprintf(text, sizeof text, format, roundHalfEven(value, decimals));
    return text;
}

std::string captionTitle(const League& league, const LeadersSelection& s) {
    if (s.team != kAllTeamsItem) {
        const std::vector<std::string> items = teamSelectorItems(league);
        const auto i = static_cast<std::size_t>(std::clamp(s.team, 0, static_cast<int>(items.size()) - 1));
        return items[i] + " leaders";
    }
    if (s.league == 0) {
        return "Both Leagues leaders";
    }
    const auto i = static_cast<std::size_t>(std::clamp(s.league - 1, 0, 1));
    return league.leagueNames[i].get(LeagueNames::abbreviation) + " leaders";
}

// A team's label in the leaders: its city with angle brackets made hyphens.
std::string teamLabel(const TeamRecord& team) {
    std::string city = team.get(tf::city);
    std::replace(city.begin(), city.end(), '<', '-');
    std::replace(city.begin(), city.end(), '>', '-');
    return city;
}

}  // namespace

const std::array<std::string_view, kBattingCategories>& battingCategoryNames() {
    static constexpr std::array<std::string_view, kBattingCategories> kNames = {
        "Avg", "Obp", "Slg", "Ops",  "Hits", "2B", "3B", "HR",  "BB", "SO",  "R",
        "RBI", "SB",  "CS",  "GIDP", "IBB",  "SF", "SH", "PAB", "PH", "HBP", "Hitting Streak"};
    return kNames;
}

const std::array<std::string_view, kPitchingCategories>& pitchingCategoryNames() {
    static constexpr std::array<std::string_view, kPitchingCategories> kNames = {"ERA",
                                                                                 "W",
                                                                                 "L",
                                                                                 "S",
                                                                                 "BS",
                                                                                 "G",
                                                                                 "GS",
                                                                                 "CG",
                                                                                 "SHO",
                                                                                 "IP",
                                                                                 "K",
                                                                                 "BB",
                                                                                 "H",
                                                                                 "2B",
                                                                                 "3B",
                                                                                 "HR",
                                                                                 "R",
                                                                                 "ER",
                                                                                 "SB",
                                                                                 "CS",
                                                                                 "WP",
                                                                                 "BK",
                                                                                 "HLD",
                                                                                 "QS",
                                                                                 "#PIT",
                                                                                 "BB/9 in",
                                                                                 "K/9 in",
                                                                                 "OppAvg",
                                                                                 "OppObp",
                                                                                 "OppSlg",
                                                                                 "Winning Streak",
                                                                                 "Losing Streak"};
    return kNames;
}

const std::array<std::string_view, 10>& listedItems() {
    static constexpr std::array<std::string_view, 10> kItems = {
        "3", "5", "10", "15", "20", "25", "30", "50", "100", "ALL"};
    return kItems;
}

int teamsTotalsItem(const League& league) {
    return league.teamCount() + 2;
}

std::vector<std::string> teamSelectorItems(const League& league) {
    std::vector<std::string> items = {"All Teams", "Free Agents"};
    for (int team = 0; team < league.teamCount(); ++team) {
        items.push_back(league.teamAbbrev(team));
    }
    items.emplace_back("Teams Totals");
    return items;
}

std::vector<std::string> leagueSelectorItems(const League& league) {
    return {"Both Leagues", league.leagueNames[0].get(LeagueNames::name), league.leagueNames[1].get(LeagueNames::name)};
}

LeaderCandidates leaderCandidates(const League& league, const LeagueIndex& index, const LeadersSelection& s) {
    const YearRange years = yearsOf(s.years);
    LeaderCandidates result;
    if (s.team == teamsTotalsItem(league)) {
        result.teamTotals = true;
        for (std::size_t b = 0; b < league.teamHistories.size(); ++b) {
            const StatHistory& history = *league.teamHistories[b];
            const Team* team = league.findTeam(history.key);
            if (team == nullptr || (s.league != 0 && team->record.get(tf::leagueIndex) != s.league - 1)) {
                continue;
            }
            LeaderEntry e;
            e.key = static_cast<int>(b);
            if (buildEntry(history, s, years, e)) {
                e.qualified = true;
                result.entries.push_back(e);
            }
        }
        return result;
    }
    for (std::size_t i = 0; i < league.players.size(); ++i) {
        const PlayerRecord& player = *league.players[i];
        if (!takesPlayer(league, player, s)) {
            continue;
        }
        const StatHistory* history = index.history(player.playerId());
        if (history == nullptr) {
            continue;
        }
        LeaderEntry e;
        e.key = static_cast<int>(i);
        if (!buildEntry(*history, s, years, e)) {
            continue;
        }
        e.qualified = qualifies(league, player, e, s, years);
        result.qualifiedCount += e.qualified ? 1 : 0;
        result.entries.push_back(e);
    }
    return result;
}

// Equal entries stay in list order, whatever order an earlier sort left them in, so the window
// and the command line rank them alike.
void sortLeaders(LeaderCandidates& candidates, int category, bool ascending, bool qualify) {
    const auto c = static_cast<std::size_t>(std::clamp(category, 0, kLeaderValues - 1));
    auto& list = candidates.entries;
    if (!ascending) {
        const auto key = [&](const LeaderEntry& e) { return qualify && !e.qualified ? 0.0f : e.values[c]; };
        std::sort(list.begin(), list.end(), [&](const LeaderEntry& a, const LeaderEntry& b) {
            const float ka = key(a);
            const float kb = key(b);
            return ka != kb ? ka > kb : a.key < b.key;
        });
        return;
    }
    std::sort(list.begin(), list.end(), [&](const LeaderEntry& a, const LeaderEntry& b) {
        if (qualify && a.qualified != b.qualified) {
            return a.qualified;
        }
        if ((qualify && !a.qualified) || a.values[c] == b.values[c]) {
            return a.key < b.key;
        }
        return a.values[c] < b.values[c];
    });
}

std::string leaderValueText(bool pitching, int category, float value) {
    const double v = value;
    if (!pitching) {
        return category <= kOps ? FormatRate(v) : FormatShort(v);
    }
    if (category == kEra) {
        return FormatFixed2(v);
    }
    if (category == kInnings) {
        return rounded(roundHalfEven(v, 2), 1, "%.1f");
    }
    if (category >= kWalksPer9 && category <= kOppSlg) {
        return FormatRate(v);
    }
    return FormatShort(roundHalfEven(v));
}

ReportTable leadersTable(const League& league,
                         const LeaderCandidates& candidates,
                         const LeadersSelection& s,
                         const LeadersDisplay& d) {
    const int categories = s.pitching ? kPitchingCategories : kBattingCategories;
    const int category = std::clamp(d.category, 0, categories - 1);
    const int size = static_cast<int>(candidates.entries.size());
    const int limit = d.listed >= kListedAll || d.listed < 0
                          ? size
                          : std::min(size, std::stoi(std::string(listedItems()[static_cast<std::size_t>(d.listed)])));
    int rows = limit;
    if (d.qualify && candidates.qualifiedCount > 0) {
        rows = std::min(rows, candidates.qualifiedCount);
    }

    ReportTable table(rows + 1, kLeadersColumns);
    table.setText(0, 0, "Pos");
    table.setText(0, 1, captionTitle(league, s));
    table.setText(0, 2, candidates.teamTotals ? "" : "Team");
    table.setText(0,
                  3,
                  std::string(s.pitching ? pitchingCategoryNames()[static_cast<std::size_t>(category)]
                                         : battingCategoryNames()[static_cast<std::size_t>(category)]));
    table.setColumnHidden(kLeadersIndexColumn, true);

    for (int r = 1; r <= rows; ++r) {
        const LeaderEntry& e = candidates.entries[static_cast<std::size_t>(r - 1)];
        table.setText(r, 0, std::to_string(r));
        if (candidates.teamTotals) {
            const StatHistory& history = *league.teamHistories[static_cast<std::size_t>(e.key)];
            const TeamRecord& team = league.team(history.key).record;
            const std::string label = teamLabel(team);
            if (d.links) {
                table.setHtml(r, 1, TeamLink(team, label));
            } else {
                table.setText(r, 1, label);
            }
        } else {
            const PlayerRecord& player = *league.players[static_cast<std::size_t>(e.key)];
            if (d.links) {
                table.setHtml(r, 1, PlayerLink(player));
            } else {
                table.setText(r, 1, DisplayName(player));
            }
            const int team = player.teamIndex();
            table.setText(r, 2, team == kFreeAgentTeam ? std::string("FA") : league.teamAbbrev(team) + " ");
            table.setText(r, kLeadersIndexColumn, std::to_string(e.key));
        }
        table.setText(r, 3, leaderValueText(s.pitching, category, e.values[static_cast<std::size_t>(category)]));
    }

    table.setColumnAlignment(3, CellAlign::Right);
    for (int r = 0; r < table.rowCount(); ++r) {
        for (int c = 0; c < kLeadersColumns; ++c) {
            CellFormat& f = table.format(r, c);
            f.background = r == 0 ? d.headerColor : d.rowsColor;
            if (r > 0) {
                f.bold = (c == 0 && d.boldPos) || (c == 2 && d.boldTeam) || (c == 3 && d.boldValue);
            }
        }
    }
    return table;
}

HtmlExportSettings leadersHtmlSettings() {
    HtmlExportSettings settings;
    settings.borderSize = 0;
    settings.cellSpacing = 2;
    settings.width = 0;
    return settings;
}

}  // namespace zt::reports
