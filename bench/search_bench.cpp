// Player search over 20,000 players (thirty teams of 600 and 2,000 free agents): the advanced
// search with few and with all players found, on record fields and on derived values, and
// the simple search. Budget for the advanced search: 10 ms, rows of every found player included.
#include <benchmark/benchmark.h>

#include <memory>

#include "players/player_search.h"
#include "sample/sample_league.h"

namespace {

using zt::AdvancedSearchCriteria;
using zt::SearchComparison;

zt::League& league() {
    static const std::unique_ptr<zt::League> built = [] {
        zt::sample::SampleOptions options;
        options.playersPerTeam = 600;
        options.freeAgents = 2000;
        options.years = 1;
        options.days = 20;
        auto made = zt::sample::buildSampleLeague(options).league;
        made->currentPlayer = made->players.front().get();
        return made;
    }();
    return *built;
}

int fieldIndex(std::string_view caption) {
    const auto fields = zt::searchFields();
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (fields[i].caption == caption) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

struct Case {
    const char* caption;
    SearchComparison comparison;
    const char* value;
    bool valueColumn;
    bool currentTeamOnly;
};

// Indexed by the benchmark's argument.
constexpr Case kCases[] = {
    {"Age", SearchComparison::NotBelow, "0", true, false},         // everyone, whole values shown
    {"Age", SearchComparison::NotBelow, "0", false, false},        // everyone, teams shown
    {"Run Speed", SearchComparison::NotBelow, "-1", true, false},  // everyone, two decimals shown
    {"Age", SearchComparison::Above, "33", true, false},           // a few
    {"Avg", SearchComparison::NotBelow, ".250", true, false},      // a ratio
    {"Fam SS", SearchComparison::Above, "0.5", true, false},       // a familiarity value
    {"Level", SearchComparison::Equal, "0", true, false},          // a text value
    {"Endurance", SearchComparison::NotBelow, "0", true, true},    // one team
};

void BM_AdvancedSearch(benchmark::State& state) {
    auto& searched = league();
    const Case& c = kCases[state.range(0)];
    AdvancedSearchCriteria criteria;
    criteria.field = fieldIndex(c.caption);
    criteria.comparison = c.comparison;
    criteria.value = c.value;
    criteria.valueColumn = c.valueColumn;
    criteria.currentTeamOnly = c.currentTeamOnly;
    std::size_t found = 0;
    for (auto _ : state) {
        auto results = zt::advancedSearch(searched, criteria);
        found = results.rows.size();
        benchmark::DoNotOptimize(results.rows.data());
    }
    state.SetLabel(c.caption);
    state.counters["players"] = static_cast<double>(searched.players.size());
    state.counters["found"] = static_cast<double>(found);
}

void BM_SimpleSearch(benchmark::State& state) {
    auto& searched = league();
    // An empty text takes everyone; one letter takes a share; a full name a handful.
    const std::string prefix =
        state.range(0) == 0
            ? std::string()
            : searched.players[4321]->get(zt::pf::lastName).substr(0, state.range(0) == 1 ? 1 : std::string::npos);
    std::size_t found = 0;
    for (auto _ : state) {
        auto results = zt::simpleSearch(searched, prefix);
        found = results.rows.size();
        benchmark::DoNotOptimize(results.rows.data());
    }
    state.counters["found"] = static_cast<double>(found);
}

}  // namespace

BENCHMARK(BM_AdvancedSearch)->DenseRange(0, static_cast<int>(std::size(kCases)) - 1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SimpleSearch)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
