// Showing a player's history on the history page, as selecting his row does: finding his block
// among 20,000, building the summary grid, the Qt model's reset and the edit grid's cells.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <memory>

#include "league/league.h"
#include "players/player_grid.h"
#include "players/ui/history_page.h"
#include "sample/sample_league.h"

namespace {

std::unique_ptr<zt::League> g_league;
std::unique_ptr<zt::ui::HistoryPage> g_page;

void BM_HistoryPageShowHistory(benchmark::State& state) {
    if (!g_league) {
        zt::sample::SampleOptions options;
        options.playersPerTeam = 600;
        options.freeAgents = 2000;
        options.years = 3;
        options.days = 20;
        g_league = zt::sample::buildSampleLeague(options).league;
        g_page = std::make_unique<zt::ui::HistoryPage>();
        g_page->resize(700, 500);
        g_page->show();
        g_page->setLeague(g_league.get());
    }
    // The last player of the list: his block is found last.
    const int index = static_cast<int>(g_league->players.size()) - 1;
    for (auto _ : state) {
        zt::selectPlayer(*g_league, index);
        g_page->showHistory();
        QApplication::processEvents();
    }
}

}  // namespace

BENCHMARK(BM_HistoryPageShowHistory)->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    // The page goes before the application its widgets belong to.
    g_page.reset();
    g_league.reset();
    benchmark::Shutdown();
    return 0;
}
