// The player grid on a large generated league: filling it with thousands of free agents,
// selecting a row, sorting. The panel is shown on the offscreen platform, so the view does
// its real work (header, selection, repaint) as in the editor.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <memory>

#include "players/player_grid.h"
#include "players/ui/player_grid_model.h"
#include "players/ui/player_grid_panel.h"
#include "players/ui/player_grid_view.h"
#include "sample/sample_league.h"

namespace {

using zt::SortOrder;
using zt::ui::PlayerGridPanel;

struct GridFixture {
    std::unique_ptr<zt::League> league;
    zt::EditorSettings settings;
    std::unique_ptr<PlayerGridPanel> panel;
};

std::unique_ptr<GridFixture> g_grid;

// Built once per run, when a benchmark first needs it: thirty teams of 120 players (a full
// roster each) and 5,000 free agents.
GridFixture& fixture() {
    if (!g_grid) {
        zt::sample::SampleOptions options;
        options.playersPerTeam = 120;
        options.freeAgents = 5000;
        options.years = 1;
        g_grid = std::make_unique<GridFixture>();
        g_grid->league = zt::sample::buildSampleLeague(options).league;
        g_grid->panel = std::make_unique<PlayerGridPanel>();
        g_grid->panel->resize(480, 900);
        g_grid->panel->show();
        g_grid->panel->setLeague(g_grid->league.get(), &g_grid->settings);
        QApplication::processEvents();
    }
    return *g_grid;
}

// Fills the grid with the free agents in list order.
void resetToFreeAgents(GridFixture& grid) {
    grid.panel->fillTeam(zt::kFreeAgentTeam, zt::kAllLevels);
}

void BM_CoreFreeAgentRows(benchmark::State& state) {
    auto& grid = fixture();
    std::size_t rows = 0;
    for (auto _ : state) {
        auto content = zt::playerGridRows(*grid.league, zt::kFreeAgentTeam, zt::kAllLevels, false);
        rows = content.rows.size();
        benchmark::DoNotOptimize(content.rows.data());
    }
    state.counters["rows"] = static_cast<double>(rows);
}

// Budget 20 ms: the rows, one model reset, the count label and the selection of the first row.
void BM_FillFreeAgents(benchmark::State& state) {
    auto& grid = fixture();
    for (auto _ : state) {
        resetToFreeAgents(grid);
    }
    state.counters["rows"] = grid.panel->rowCount();
}

// The same with the repaint the event loop does next.
void BM_FillFreeAgentsAndPaint(benchmark::State& state) {
    auto& grid = fixture();
    for (auto _ : state) {
        resetToFreeAgents(grid);
        grid.panel->view()->viewport()->repaint();
    }
    state.counters["rows"] = grid.panel->rowCount();
}

// Budget 5 ms: a row becomes current, its player becomes the league's current player (with
// his history found) and playerSelected is emitted.
void BM_SelectRow(benchmark::State& state) {
    auto& grid = fixture();
    resetToFreeAgents(grid);
    const int rows = grid.panel->rowCount();
    int row = 0;
    for (auto _ : state) {
        row = (row + 2477) % rows;  // rows far apart, so each is a different player
        grid.panel->view()->selectOnlyRow(row);
    }
    benchmark::DoNotOptimize(grid.league->currentHistory);
}

void BM_CoreSelectPlayer(benchmark::State& state) {
    auto& grid = fixture();
    const int players = static_cast<int>(grid.league->players.size());
    int index = 0;
    for (auto _ : state) {
        index = (index + 7919) % players;
        benchmark::DoNotOptimize(zt::selectPlayer(*grid.league, index));
    }
}

// Budget 20 ms: sorting the shown rows by one column, keeping the selection on its player.
void BM_SortFreeAgents(benchmark::State& state) {
    auto& grid = fixture();
    resetToFreeAgents(grid);
    const int column = static_cast<int>(state.range(0));
    for (auto _ : state) {
        // Each sort starts from list order, not from the order the last one left.
        state.PauseTiming();
        grid.panel->sortBy(zt::kGridIndexColumn, SortOrder::Ascending);
        state.ResumeTiming();
        grid.panel->sortBy(column, SortOrder::Ascending);
    }
    state.counters["rows"] = grid.panel->rowCount();
}

// 20,000 rows (the league's players over and over) in a shown view of their own: the size
// the grid must stay quick at.
struct LargeView {
    std::vector<zt::PlayerGridRow> rows;
    zt::ui::PlayerGridModel model;
    zt::ui::PlayerGridView view;
};

std::unique_ptr<LargeView> g_large;

LargeView& largeView() {
    if (!g_large) {
        auto& grid = fixture();
        g_large = std::make_unique<LargeView>();
        const int players = static_cast<int>(grid.league->players.size());
        for (int i = 0; i < 20000; ++i) {
            g_large->rows.push_back(zt::playerGridRow(*grid.league, i % players));
        }
        g_large->model.setSources(grid.league.get(), &grid.settings);
        g_large->model.setGridEnabled(true);
        g_large->view.setGridModel(&g_large->model);
        g_large->view.resize(480, 900);
        g_large->view.show();
        QApplication::processEvents();
    }
    return *g_large;
}

// Copying the 20,000 rows is part of the figure, so it is an upper bound of the reset.
void BM_Fill20000Rows(benchmark::State& state) {
    auto& large = largeView();
    for (auto _ : state) {
        large.model.setRows(large.rows);
        large.view.selectOnlyRow(0);
        large.view.viewport()->repaint();
    }
    state.counters["rows"] = large.model.rowCount();
}

void BM_Sort20000Rows(benchmark::State& state) {
    auto& large = largeView();
    large.model.setRows(large.rows);
    large.view.selectOnlyRow(0);
    for (auto _ : state) {
        state.PauseTiming();
        large.view.sortRowsBy(zt::kGridIndexColumn, SortOrder::Ascending);
        state.ResumeTiming();
        large.view.sortRowsBy(zt::kGridNameColumn, SortOrder::Ascending);
        large.view.viewport()->repaint();
    }
    state.counters["rows"] = large.model.rowCount();
}

}  // namespace

BENCHMARK(BM_CoreFreeAgentRows)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FillFreeAgents)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FillFreeAgentsAndPaint)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SelectRow)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CoreSelectPlayer)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SortFreeAgents)
    ->Arg(zt::kGridNumberColumn)
    ->Arg(zt::kGridNameColumn)
    ->Arg(zt::kGridLevelColumn)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Fill20000Rows)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Sort20000Rows)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    // The panel goes before the application that its widgets belong to.
    g_large.reset();
    g_grid.reset();
    benchmark::Shutdown();
    return 0;
}
