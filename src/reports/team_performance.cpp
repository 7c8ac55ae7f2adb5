#include "reports/team_performance.h"

#include "league/league.h"
#include "league/numbers.h"
#include "league/progress.h"
#include "reports/report_files.h"
#include "reports/report_names.h"
#include "reports/sort_table.h"
#include "reports/table_writers.h"

namespace zt::reports {

namespace {

constexpr int kGamesColumn = 1;

void add(std::uint8_t& counter, int value) {
    counter = static_cast<std::uint8_t>(counter + value);
}

std::string average(int runs, int games) {
    return games == 0 ? std::string("0") : FormatShort(roundHalfEven(static_cast<double>(runs) / games, 2));
}

void fillRow(ReportTable& table, int row, const std::string& against, int games, int w, int l, int rf, int ra) {
    const std::string cells[kPerformanceColumns] = {against,
                                                    std::to_string(games),
                                                    std::to_string(w),
                                                    std::to_string(l),
                                                    std::to_string(rf),
                                                    std::to_string(ra),
                                                    average(rf, games),
                                                    average(ra, games)};
    for (int c = 0; c < kPerformanceColumns; ++c) {
        table.setText(row, c, cells[c]);
    }
}

const TeamRecord& recordOf(const League& league, int team) {
    return league.teams.at(static_cast<std::size_t>(team)).record;
}

}  // namespace

std::vector<OpponentRecord> countTeamPerformance(const League& league, int team) {
    std::vector<OpponentRecord> records(league.teams.size());
    for (const GameScore& day : league.gameScores) {
        for (const GameResult& game : day.games) {
            const int home = game.get(gr::homeTeam);
            const int visitors = game.get(gr::visitingTeam);
            const int h = game.get(gr::homeRuns);
            const int v = game.get(gr::visitorRuns);
            if (h < 0 || v < 0) {
                continue;
            }
            const bool atHome = home == team;
            if (!atHome && visitors != team) {
                continue;
            }
            const int opponent = atHome ? visitors : home;
            if (!league.isTeam(opponent)) {
                continue;
            }
            OpponentRecord& r = records[static_cast<std::size_t>(opponent)];
            const bool won = atHome ? h > v : h <= v;
            add(won ? r.wins : r.losses, 1);
            add(r.runsFor, atHome ? h : v);
            add(r.runsAgainst, atHome ? v : h);
        }
    }
    return records;
}

ReportTable teamPerformanceTable(const League& league, int team) {
    const std::vector<OpponentRecord> records = countTeamPerformance(league, team);
    const int opponents = league.teamCount() - (league.isTeam(team) ? 1 : 0);
    ReportTable table(opponents + 2, kPerformanceColumns);
    table.fixedRow = true;
    table.fixedColumn = true;
    const char* captions[kPerformanceColumns] = {
        "Against", "Games", "Wins", "Losses", "RunsFor", "RunsOpp", "AvgFor", "AvgOpp"};
    for (int c = 0; c < kPerformanceColumns; ++c) {
        table.setText(0, c, captions[c]);
    }
    int row = 1;
    std::uint8_t gamesTotal = 0;
    int wins = 0, losses = 0, runsFor = 0, runsAgainst = 0;
    for (int i = 0; i < league.teamCount(); ++i) {
        if (i == team) {
            continue;
        }
        const OpponentRecord& r = records[static_cast<std::size_t>(i)];
        const auto games = static_cast<std::uint8_t>(r.wins + r.losses);
        fillRow(table, row++, recordOf(league, i).get(tf::city), games, r.wins, r.losses, r.runsFor, r.runsAgainst);
        add(gamesTotal, games);
        wins += r.wins;
        losses += r.losses;
        runsFor += r.runsFor;
        runsAgainst += r.runsAgainst;
    }
    fillRow(table, row, "Totals", gamesTotal, wins, losses, runsFor, runsAgainst);
    sortTeamPerformance(table, kGamesColumn);
    return table;
}

void sortTeamPerformance(ReportTable& table, int column) {
    static const std::vector<CompareKind> kKinds(kPerformanceColumns, CompareKind::Number);
    SortTable(table, column, SortDirection::Descending, kKinds, {.keepFirstRow = true, .keepLastRow = true});
}

std::string teamPerformanceTitle(const League& league, int team, std::string_view description) {
    return recordOf(league, team).get(tf::completeName) + " " + std::string(description);
}

std::string teamPerformancePrefix(const League& league, int team, std::string_view description) {
    // The team's name is league text and is escaped; the description is the user's own markup.
    return "<font size=\"4\">" + escapeHtml(recordOf(league, team).get(tf::completeName)) + " " +
           std::string(description) + "</font> </p>";
}

HtmlExportSettings teamPerformanceHtmlSettings() {
    return {};
}

std::string teamPerformanceCsv(const ReportTable& table, const std::string& title) {
    return title + std::string(kLineEnd) + tableCsv(table);
}

std::string allTeamsPerformanceHtml(const League& league,
                                    const HtmlExportSettings& settings,
                                    std::string_view description,
                                    Progress& progress) {
    std::vector<ReportTable> tables;
    std::vector<ChainPart> parts;
    tables.reserve(static_cast<std::size_t>(league.teamCount()));
    progress.setRange(0, league.teamCount());
    for (int team = 0; team < league.teamCount(); ++team) {
        tables.push_back(teamPerformanceTable(league, team));
        HtmlExportSettings s = settings;
        s.prefixTags = teamPerformancePrefix(league, team, description);
        s.footerFile.clear();
        parts.push_back({&tables.back(), std::move(s)});
        progress.setValue(team + 1);
    }
    std::string page = chainedPage(parts);
    // The footer once, after the last table, as the file holds it.
    std::error_code ec;
    if (!parts.empty() && !settings.footerFile.empty() && std::filesystem::exists(settings.footerFile, ec)) {
        page += wholeText(settings.footerFile);
    }
    return page;
}

std::string allTeamsPerformanceCsv(const League& league, std::string_view description, Progress& progress) {
    std::string text;
    progress.setRange(0, league.teamCount());
    for (int team = 0; team < league.teamCount(); ++team) {
        text += teamPerformanceCsv(teamPerformanceTable(league, team), teamPerformanceTitle(league, team, description));
        progress.setValue(team + 1);
    }
    return text;
}

}  // namespace zt::reports
