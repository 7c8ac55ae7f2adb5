// The lineup check and the roster commands built on it, on a league of 20,000 players (thirty
// teams of 600 and 2,000 free agents). The check of one team is done after every transfer, level
// move and APPLY, so it has to stay well below what a user notices.
#include <benchmark/benchmark.h>

#include "fixed_answers.h"

#include <memory>

#include "league/interaction.h"
#include "league/league.h"
#include "rosters/league_diff.h"
#include "rosters/lineup_check.h"
#include "rosters/lineup_view.h"
#include "rosters/transfers.h"
#include "sample/sample_league.h"

namespace {

// Accepts every injured player, so no iteration stops on a question.
zt::League& largeLeague() {
    static const std::unique_ptr<zt::League> league = [] {
        zt::sample::SampleOptions options;
        options.playersPerTeam = 600;
        options.freeAgents = 2000;
        options.years = 1;
        options.days = 20;
        return zt::sample::buildSampleLeague(options).league;
    }();
    return *league;
}

constexpr int kTeam = 17;

void BM_CheckLineups(benchmark::State& state) {
    zt::League& league = largeLeague();
    zt::bench::FixedAnswers accept(true);
    std::size_t changes = 0;
    for (auto _ : state) {
        changes += zt::checkLineups(league, kTeam, accept).changes.size();
    }
    state.counters["players"] = static_cast<double>(league.players.size());
    benchmark::DoNotOptimize(changes);
}

void BM_LineupView(benchmark::State& state) {
    const zt::League& league = largeLeague();
    for (auto _ : state) {
        zt::LineupView view = zt::lineupView(league, kTeam, 0, 1);
        benchmark::DoNotOptimize(view.closer.text.data());
    }
}

// A player to another team and back: two roster searches and two lineup checks.
void BM_TransferAndBack(benchmark::State& state) {
    zt::League& league = largeLeague();
    zt::bench::FixedAnswers accept(true);
    zt::PlayerRecord* player = nullptr;
    for (auto& candidate : league.players) {
        if (candidate->teamIndex() == kTeam && league.isOnRoster(*candidate, kTeam)) {
            player = candidate.get();
            break;
        }
    }
    // Room on the other team for the visitor.
    auto& other = league.teams[kTeam + 1].record;
    other.setRosterId(119, -1);
    for (auto _ : state) {
        player->set(zt::pf::teamIndex, static_cast<std::uint8_t>(kTeam + 1));
        zt::transferPlayer(league, *player, kTeam, kTeam + 1, accept);
        player->set(zt::pf::teamIndex, static_cast<std::uint8_t>(kTeam));
        zt::transferPlayer(league, *player, kTeam + 1, kTeam, accept);
    }
}

// Two versions of a league of 20,000 players with 40 years of history, the second with a
// hundred players edited and one history line changed: what a director reviews when a member
// sends a league back.
void BM_DiffLargeLeagues(benchmark::State& state) {
    const auto build = [] {
        zt::sample::SampleOptions options;
        options.playersPerTeam = 600;
        options.freeAgents = 2000;
        options.years = 40;
        options.days = 20;
        return zt::sample::buildSampleLeague(options).league;
    };
    static const std::unique_ptr<zt::League> before = build();
    static const std::unique_ptr<zt::League> after = [&] {
        auto league = build();
        for (std::size_t i = 0; i < league->players.size(); i += league->players.size() / 100) {
            league->players[i]->set(zt::pf::age, static_cast<std::uint8_t>(league->players[i]->get(zt::pf::age) + 1));
        }
        zt::StatHistory& history = *league->playerHistories.front();
        zt::BattingLineData line = zt::decodeBattingLine(history.batting.back());
        ++line.hits;
        zt::encodeBattingLine(line, history.batting.back());
        return league;
    }();
    std::size_t found = 0;
    for (auto _ : state) {
        found += zt::diffLeagues(*before, *after).size();
    }
    state.counters["differences"] = static_cast<double>(zt::diffLeagues(*before, *after).size());
    benchmark::DoNotOptimize(found);
}

}  // namespace

BENCHMARK(BM_DiffLargeLeagues)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CheckLineups)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LineupView)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TransferAndBack)->Unit(benchmark::kMicrosecond);
BENCHMARK_MAIN();
