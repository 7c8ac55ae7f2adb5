// Leaders, cards and scouting on the standard sample league and the large one (600 players a
// team, 2,000 free agents, forty years: 20,000 players). Budgets: the leaders of a 20-year range of
// the large league 50 ms; every card of the standard league 3 s; the scouting CSV of the large
// league 200 ms.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>

#include "fixed_answers.h"
#include "league/league_io.h"
#include "league/progress.h"
#include "reports/leaders.h"
#include "reports/league_index.h"
#include "reports/league_site.h"
#include "reports/player_card.h"
#include "reports/scouting.h"
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

// A recompute and display of the "Leaders" window over twenty seasons of every player.
void BM_LeadersTwentyYears(benchmark::State& state) {
    const zt::League& l = league(state.range(0) != 0);
    const LeagueIndex index(l);
    const int year = l.seasonHeader.get(zt::sh::seasonYear);
    LeadersSelection selection;
    selection.years = std::to_string(year - 19) + "-" + std::to_string(year);
    LeadersDisplay display;
    display.category = 7;
    std::size_t rows = 0;
    for (auto _ : state) {
        LeaderCandidates candidates = leaderCandidates(l, index, selection);
        sortLeaders(candidates, display.category, display.ascending, display.qualify);
        rows += static_cast<std::size_t>(leadersTable(l, candidates, selection, display).rowCount());
    }
    benchmark::DoNotOptimize(rows);
    state.counters["players"] = static_cast<double>(l.players.size());
}
BENCHMARK(BM_LeadersTwentyYears)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// "Generate All cards for ALL teams", in the table form, into a scratch folder.
void BM_AllCards(benchmark::State& state) {
    const zt::League& l = league(false);
    const LeagueIndex index(l);
    const fs::path folder = fs::temp_directory_path() / "ztedit_cards_bench";
    fs::create_directories(folder);
    CardOptions options;
    options.htmlTable = state.range(0) != 0;
    options.dataDirectory = ZT_SOURCE_DATA_DIR;
    zt::bench::FixedAnswers interaction(false);
    zt::NoProgress progress;
    for (auto _ : state) {
        writeAllCards(l, index, options, folder, interaction, progress);
    }
    fs::remove_all(folder);
    state.counters["players"] = static_cast<double>(l.players.size());
}
BENCHMARK(BM_AllCards)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_ScoutingCsv(benchmark::State& state) {
    const zt::League& l = league(state.range(0) != 0);
    ScoutingOptions options;
    std::size_t size = 0;
    for (auto _ : state) {
        size += scoutingCsv(l, options).size();
    }
    benchmark::DoNotOptimize(size);
    state.counters["players"] = static_cast<double>(l.players.size());
}
BENCHMARK(BM_ScoutingCsv)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// ztedit-cli site on the standard sample league, read from disk with its box scores: every page,
// box score and card (budget 5 s).
void BM_LeagueSite(benchmark::State& state) {
    const fs::path scratch = fs::temp_directory_path() / "ztedit_site_bench";
    fs::remove_all(scratch);
    const auto league = zt::openLeague(zt::sample::generateSampleLeague(scratch / "league", {}));
    LeagueSiteOptions options;
    options.dataDirectory = ZT_SOURCE_DATA_DIR;
    zt::bench::FixedAnswers interaction(false);
    zt::NoProgress progress;
    for (auto _ : state) {
        writeLeagueSite(*league, options, scratch / "site", interaction, progress);
    }
    std::size_t pages = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator(scratch / "site")) {
        ++pages;
    }
    fs::remove_all(scratch);
    state.counters["files"] = static_cast<double>(pages);
}
BENCHMARK(BM_LeagueSite)->Unit(benchmark::kMillisecond)->Iterations(2);

}  // namespace

BENCHMARK_MAIN();
