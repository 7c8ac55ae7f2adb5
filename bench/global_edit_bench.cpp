// Global editing on a league of 20,000 players: one run with a Formula modifier, and a .gbe file
// of 20 records of every mode, read from disk and run.
#include <benchmark/benchmark.h>

#include "fixed_answers.h"

#include <filesystem>
#include <memory>

#include "globaledit/edit_random.h"
#include "globaledit/gbe_file.h"
#include "globaledit/gbe_run.h"
#include "globaledit/global_edit_run.h"
#include "league/interaction.h"
#include "league/progress.h"
#include "league/undo_stack.h"
#include "sample/sample_league.h"

namespace {

using zt::globaledit::GlobalEditSettings;
using zt::globaledit::Mode;

// Answers nothing and keeps nothing: the runs of the benchmark ask no question.
// Thirty teams of 600 players and 2,000 free agents: 20,000 players.
zt::League& league() {
    static const std::unique_ptr<zt::League> built = [] {
        zt::sample::SampleOptions options;
        options.playersPerTeam = 600;
        options.freeAgents = 2000;
        options.years = 1;
        return std::move(zt::sample::buildSampleLeague(options).league);
    }();
    return *built;
}

GlobalEditSettings settings(int field, Mode mode, std::string modifier) {
    GlobalEditSettings s;
    s.field = field;
    s.mode = mode;
    s.modifier = std::move(modifier);
    return s;
}

void BM_FormulaRun(benchmark::State& state) {
    zt::League& players = league();
    zt::bench::FixedAnswers interaction(false);
    zt::globaledit::EditRandom random(1);
    zt::globaledit::RunContext context{0, random, interaction, true};
    const auto run = settings(46, Mode::Formula, "BHITS/600*1.1 + AGE/100 + bavgl*(1+bslgr)");  // Star Rating
    for (auto _ : state) {
        const auto report = zt::globaledit::runModification(players, run, context);
        benchmark::DoNotOptimize(report.playersCounted);
    }
    state.counters["players"] = static_cast<double>(players.players.size());
}
BENCHMARK(BM_FormulaRun)->Unit(benchmark::kMillisecond);

// Twenty records over every mode and class, some with criteria.
std::vector<GlobalEditSettings> twentyRecords() {
    std::vector<GlobalEditSettings> records = {
        settings(0, Mode::ConstantVariation, "0"),
        settings(1, Mode::MinMax, ".200/.350"),
        settings(2, Mode::Percentage, "101"),
        settings(6, Mode::MinMax, "20/180"),
        settings(7, Mode::Random, ".200/.320"),
        settings(10, Mode::Formula, "bobpr*0.99+0.003"),
        settings(17, Mode::Formula, "PHITS*1.01"),
        settings(23, Mode::MinMax, "1/9"),
        settings(25, Mode::UniqueValue, "0"),
        settings(26, Mode::Random, "1/10"),
        settings(30, Mode::MinMax, ".9/1"),
        settings(31, Mode::ConstantVariation, "0"),
        settings(35, Mode::UniqueValue, ".5"),
        settings(42, Mode::UniqueValue, "0"),
        settings(46, Mode::Formula, "BHITS/600*1.1 + AGE/100"),
        settings(47, Mode::Percentage, "100"),
        settings(48, Mode::UniqueValue, "0"),
        settings(49, Mode::Random, "0/3"),
        settings(13, Mode::MinMax, ".2/.5"),
        settings(27, Mode::Formula, "RUNR*1.0"),
    };
    records[1].applyTo = zt::globaledit::kApplySelectedCriteria;
    records[1].criterion1 = {3, 2, "25"};  // Age > 25
    records[4].applyTo = zt::globaledit::kApplySelectedCriteria;
    records[4].criterion1 = {0, 2, "1"};  // fielders
    records[4].secondCriteria = zt::globaledit::kCriteriaAnd;
    records[4].criterion2 = {35, 1, "2"};  // ML and AAA
    records[9].position = zt::globaledit::kPitchersOnly;
    return records;
}

void BM_GbeFileOfTwentyRecords(benchmark::State& state) {
    zt::League& players = league();
    const auto file = std::filesystem::temp_directory_path() / "global_edit_bench.gbe";
    const auto records = twentyRecords();
    zt::globaledit::saveGbeFile(file, records.front());
    for (std::size_t i = 1; i < records.size(); ++i) {
        zt::globaledit::appendGbeFile(file, records[i]);
    }
    zt::bench::FixedAnswers interaction(false);
    zt::globaledit::EditRandom random(1);
    zt::globaledit::RunContext context{0, random, interaction, true};
    zt::NoProgress progress;
    for (auto _ : state) {
        const auto reports = zt::globaledit::runGbeFile(players, zt::globaledit::readGbeFile(file), context, progress);
        benchmark::DoNotOptimize(reports.size());
    }
    std::filesystem::remove(file);
    state.counters["players"] = static_cast<double>(players.players.size());
}
BENCHMARK(BM_GbeFileOfTwentyRecords)->Unit(benchmark::kMillisecond);

// Undo, then redo, of one Formula run over every player (the figure is the pair).
void BM_UndoRedoOfAGlobalEditRun(benchmark::State& state) {
    zt::League& players = league();
    zt::UndoStack stack;
    stack.reset(&players);
    zt::bench::FixedAnswers interaction(false);
    zt::globaledit::EditRandom random(1);
    zt::globaledit::RunContext context{0, random, interaction, true};
    zt::globaledit::runModification(players, settings(10, Mode::Formula, "bobpr*0.99+0.003"), context);
    if (!stack.record()) {
        state.SkipWithError("the run changed nothing");
        return;
    }
    for (auto _ : state) {
        stack.undo();
        stack.redo();
    }
    state.counters["players"] = static_cast<double>(players.players.size());
}
BENCHMARK(BM_UndoRedoOfAGlobalEditRun)->Unit(benchmark::kMillisecond);

// What every command pays when it ends: comparing the league with the state after the last step.
void BM_RecordAfterACommandThatChangedNothing(benchmark::State& state) {
    zt::League& players = league();
    zt::UndoStack stack;
    stack.reset(&players);
    for (auto _ : state) {
        benchmark::DoNotOptimize(stack.record());
    }
}
BENCHMARK(BM_RecordAfterACommandThatChangedNothing)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
