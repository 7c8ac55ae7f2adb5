// The reports of this issue on the standard sample league (thirty teams, ten years) and on a large
// one (600 players a team, 2,000 free agents, forty years: 20,000 players). Budgets on the
// standard league: one team's rosters statistics 5 ms, the pages of all teams 1 s, the standings
// 2 ms, the all-teams team performance page 200 ms; the large league within ten times those.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>

#include "league/progress.h"
#include "reports/league_index.h"
#include "reports/rosters_pages.h"
#include "reports/rosters_stats.h"
#include "reports/standings.h"
#include "reports/team_performance.h"
#include "sample/sample_league.h"

namespace {

namespace fs = std::filesystem;
using namespace zt::reports;

const zt::League& league(bool large) {
    static const auto build = [](bool big) {
        zt::sample::SampleOptions options;
        if (big) {
            options.playersPerTeam = 600;
            options.freeAgents = 2000;
            options.years = 40;
        }
        return zt::sample::buildSampleLeague(options).league;
    };
    static const std::unique_ptr<zt::League> standard = build(false);
    static const std::unique_ptr<zt::League> big = build(true);
    return large ? *big : *standard;
}

std::string seasonYear(const zt::League& l) {
    return std::to_string(l.seasonHeader.get(zt::sh::seasonYear));
}

void label(benchmark::State& state, const zt::League& l) {
    state.counters["players"] = static_cast<double>(l.players.size());
}

// What the "Stats" window does on every change of team, level or check box.
void BM_RostersStatsOneTeam(benchmark::State& state) {
    const zt::League& l = league(state.range(0) != 0);
    const LeagueIndex index(l);
    RostersOptions options;
    options.team = 17;
    options.years = seasonYear(l);
    std::size_t rows = 0;
    for (auto _ : state) {
        const RostersTables tables = rostersTables(l, index, options);
        rows += static_cast<std::size_t>(tables.batting.rowCount() + tables.pitching.rowCount());
    }
    benchmark::DoNotOptimize(rows);
    label(state, l);
}

// The index the window builds once when it opens.
void BM_LeagueIndex(benchmark::State& state) {
    const zt::League& l = league(state.range(0) != 0);
    for (auto _ : state) {
        const LeagueIndex index(l);
        benchmark::DoNotOptimize(index.history(1));
    }
    label(state, l);
}

// "HTML for ALL teams": every team's page written into a folder.
void BM_RostersHtmlAllTeams(benchmark::State& state) {
    const zt::League& l = league(state.range(0) != 0);
    const fs::path folder = fs::temp_directory_path() / "ztedit-reports-bench";
    fs::create_directories(folder);
    zt::NoProgress progress;
    for (auto _ : state) {
        const LeagueIndex index(l);
        RostersPageSettings settings;
        settings.options.years = seasonYear(l);
        writeRostersAllTeams(l, index, settings, folder, progress);
    }
    fs::remove_all(folder);
    label(state, l);
}

void BM_Standings(benchmark::State& state) {
    const zt::League& l = league(state.range(0) != 0);
    const StandingsOptions options = defaultStandingsOptions();
    for (auto _ : state) {
        const ReportTable table = standingsTable(l, computeStandings(l), options);
        benchmark::DoNotOptimize(table.rowCount());
    }
    label(state, l);
}

void BM_TeamPerformanceAllTeamsHtml(benchmark::State& state) {
    const zt::League& l = league(state.range(0) != 0);
    zt::NoProgress progress;
    for (auto _ : state) {
        const std::string page = allTeamsPerformanceHtml(l, teamPerformanceHtmlSettings(), "Chart", progress);
        benchmark::DoNotOptimize(page.size());
    }
    label(state, l);
}

// Argument 0: the standard sample league; 1: the large league.
BENCHMARK(BM_RostersStatsOneTeam)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LeagueIndex)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RostersHtmlAllTeams)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Standings)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TeamPerformanceAllTeamsHtml)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
