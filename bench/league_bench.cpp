// Opening and saving generated leagues: the standard sample league and a large one.
#include <benchmark/benchmark.h>

#include <unistd.h>
#include <filesystem>
#include <map>
#include <memory>

#include "allocation_counter.h"
#include "league/league.h"
#include "league/league_io.h"
#include "sample/sample_league.h"

namespace {

namespace fs = std::filesystem;

struct GeneratedLeague {
    fs::path root;
    fs::path seasonFile;
    std::uintmax_t fileBytes = 0;
};

zt::sample::SampleOptions largeOptions() {
    zt::sample::SampleOptions options;
    options.playersPerTeam = 600;
    options.freeAgents = 2000;
    options.years = 40;
    return options;
}

// Generates each league once per run, into a folder removed at exit.
const GeneratedLeague& generated(const std::string& name, const zt::sample::SampleOptions& options) {
    static std::map<std::string, GeneratedLeague> leagues;
    static struct Cleanup {
        ~Cleanup() {
            for (const auto& [unused, league] : leagues) {
                std::error_code ec;
                fs::remove_all(league.root, ec);
            }
        }
    } cleanup;
    auto it = leagues.find(name);
    if (it == leagues.end()) {
        GeneratedLeague league;
        league.root = fs::temp_directory_path() / ("ztedit-bench-" + name + "-" + std::to_string(::getpid()));
        league.seasonFile = zt::sample::generateSampleLeague(league.root, options);
        // The binary league files the League holds (the text files are not read at open).
        for (const auto& entry : fs::directory_iterator(league.root / "SampleSeason")) {
            if (entry.path().extension() == ".zt") {
                league.fileBytes += entry.file_size();
            }
        }
        it = leagues.emplace(name, league).first;
    }
    return it->second;
}

void openLeague(benchmark::State& state, const GeneratedLeague& league) {
    std::size_t heap = 0;
    for (auto _ : state) {
        const std::size_t before = zt::bench::liveHeapBytes();
        auto opened = zt::openLeague(league.seasonFile);
        heap = zt::bench::liveHeapBytes() - before;
        benchmark::DoNotOptimize(opened.get());
    }
    state.counters["league_MB"] = static_cast<double>(heap) / 1e6;
    state.counters["files_MB"] = static_cast<double>(league.fileBytes) / 1e6;
    state.counters["heap_per_file_byte"] = static_cast<double>(heap) / static_cast<double>(league.fileBytes);
}

void BM_OpenStandardLeague(benchmark::State& state) {
    openLeague(state, generated("standard", {}));
}
void BM_OpenLargeLeague(benchmark::State& state) {
    openLeague(state, generated("large", largeOptions()));
}

void BM_SaveAsStandardLeague(benchmark::State& state) {
    const auto& league = generated("standard", {});
    auto opened = zt::openLeague(league.seasonFile);
    const fs::path target = league.root / "copy" / "Copy.sea";
    fs::create_directories(target.parent_path());
    for (auto _ : state) {
        zt::saveLeagueAs(*opened, target);
    }
}

void BM_SaveLargeLeague(benchmark::State& state) {
    const auto& league = generated("large", largeOptions());
    auto opened = zt::openLeague(league.seasonFile);
    for (auto _ : state) {
        zt::saveLeague(*opened);
    }
}

}  // namespace

BENCHMARK(BM_OpenStandardLeague)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveAsStandardLeague)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenLargeLeague)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveLargeLeague)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
