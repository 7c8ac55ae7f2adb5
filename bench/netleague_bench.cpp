// Extracting a full league archive (a default sample league: thirty teams, ten years of history)
// flat into a league folder, all entries staged before any file is replaced.
#include <benchmark/benchmark.h>
#include <unistd.h>
#include <zip.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "netleague/zip_extract.h"
#include "sample/sample_league.h"

namespace {

namespace fs = std::filesystem;

struct Fixture {
    fs::path root;
    fs::path archive;
    fs::path folder;
    std::size_t bytes = 0;
};

const Fixture& fixture() {
    static const Fixture made = [] {
        Fixture f;
        f.root = fs::temp_directory_path() / ("ztedit-netleague-bench-" + std::to_string(::getpid()));
        fs::remove_all(f.root);
        const fs::path sea = zt::sample::generateSampleLeague(f.root / "source", {});
        const fs::path source = sea.parent_path() / "SampleSeason";
        f.archive = f.root / "league.zip";
        f.folder = f.root / "target";
        fs::create_directories(f.folder);
        int code = 0;
        zip_t* zip = zip_open(f.archive.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &code);
        std::vector<std::string> contents;
        contents.reserve(32);
        for (const auto& entry : fs::directory_iterator(source)) {
            std::ifstream in(entry.path(), std::ios::binary);
            contents.emplace_back(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
            f.bytes += contents.back().size();
            zip_source_t* data = zip_source_buffer(zip, contents.back().data(), contents.back().size(), 0);
            zip_file_add(zip, ("SampleSeason/" + entry.path().filename().string()).c_str(), data, ZIP_FL_ENC_UTF_8);
        }
        zip_close(zip);
        return f;
    }();
    return made;
}

void BM_ExtractLeagueArchive(benchmark::State& state) {
    const Fixture& f = fixture();
    for (auto _ : state) {
        benchmark::DoNotOptimize(zt::extractFlat(f.archive, f.folder));
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * f.bytes));
    state.counters["archive_bytes"] = static_cast<double>(fs::file_size(f.archive));
}
BENCHMARK(BM_ExtractLeagueArchive)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::error_code ignored;
    fs::remove_all(fs::temp_directory_path() / ("ztedit-netleague-bench-" + std::to_string(::getpid())), ignored);
    return 0;
}
