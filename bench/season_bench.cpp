// The schedule window showing a day, and the league scores page of a whole season with every
// complete box score beside it.
#include <benchmark/benchmark.h>

#include <stdlib.h>
#include "fixed_answers.h"

#include <QApplication>
#include <filesystem>
#include <memory>

#include "league/interaction.h"
#include "league/league.h"
#include "league/league_io.h"
#include "league/progress.h"
#include "reports/league_scores.h"
#include "sample/sample_league.h"
#include "season/ui/schedule_window.h"
#include "season/ui/season_services.h"

namespace {

namespace fs = std::filesystem;

// The standard sample league (162 days, three fifths played, with BoxScores.txt) on disk, removed
// at exit.
struct Workspace {
    Workspace() {
        std::string pattern = (fs::temp_directory_path() / "ztedit-season-bench-XXXXXX").string();
        root = mkdtemp(pattern.data());
        league = zt::openLeague(zt::sample::generateSampleLeague(root / "league", {}));
    }
    ~Workspace() {
        std::error_code ec;
        fs::remove_all(root, ec);
    }
    fs::path root;
    std::unique_ptr<zt::League> league;
};

Workspace& workspace() {
    static Workspace instance;
    return instance;
}

void BM_ScheduleWindowShowsADay(benchmark::State& state) {
    zt::bench::FixedAnswers interaction(false);
    zt::season::ui::SeasonServices services;
    services.interaction = &interaction;
    zt::season::ui::Tschedulefrm window(*workspace().league, services);
    window.show();
    int day = 1;
    for (auto _ : state) {
        day = day % 162 + 1;
        window.goToDay(day);
        QApplication::processEvents();
    }
}
BENCHMARK(BM_ScheduleWindowShowsADay)->Unit(benchmark::kMillisecond);

zt::reports::LeagueScoresOptions wholeSeason() {
    zt::reports::LeagueScoresOptions options;
    options.fromRecord = 0;
    options.toRecord = static_cast<int>(workspace().league->gameScores.size()) - 1;
    options.links = true;
    options.boxScores = zt::reports::BoxScorePages::Complete;
    return options;
}

void BM_LeagueScoresOfTheSeasonWithCompleteBoxScores(benchmark::State& state) {
    zt::NoProgress progress;
    std::size_t pages = 0;
    for (auto _ : state) {
        const auto files = zt::reports::leagueScoresFiles(
            *workspace().league, wholeSeason(), workspace().root / "out" / "s.htm", progress);
        pages = files.size();
        benchmark::DoNotOptimize(files.data());
    }
    state.counters["pages"] = static_cast<double>(pages);
}
BENCHMARK(BM_LeagueScoresOfTheSeasonWithCompleteBoxScores)->Unit(benchmark::kMillisecond);

// The same, written to disk: every page goes through a temporary file and a rename.
void BM_LeagueScoresOfTheSeasonWrittenToDisk(benchmark::State& state) {
    zt::NoProgress progress;
    const fs::path folder = workspace().root / "written";
    fs::create_directories(folder);
    for (auto _ : state) {
        zt::reports::writeLeagueScores(*workspace().league, wholeSeason(), folder / "scores.htm", progress);
    }
}
BENCHMARK(BM_LeagueScoresOfTheSeasonWrittenToDisk)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
