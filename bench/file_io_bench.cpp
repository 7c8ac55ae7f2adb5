// The cost of the all-or-nothing commit: a transaction replacing existing files (each gets a
// second name before the renames) against one creating new files, and a batch of a thousand
// small pages as the web site and the cards write them.
#include <benchmark/benchmark.h>

#include <unistd.h>
#include <filesystem>
#include <string>
#include <vector>

#include "league/file_io.h"

namespace {

namespace fs = std::filesystem;

class ScratchFolder {
public:
    ScratchFolder() : m_path(fs::temp_directory_path() / ("ztedit-file-io-bench-" + std::to_string(::getpid()))) {
        fs::remove_all(m_path);
        fs::create_directories(m_path);
    }
    ~ScratchFolder() { fs::remove_all(m_path); }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    const fs::path& path() const { return m_path; }

private:
    fs::path m_path;
};

// state.range(0) files of state.range(1) bytes, replaced again and again (each with its backup
// when state.range(2) is 1).
void BM_CommitReplacingFiles(benchmark::State& state) {
    const ScratchFolder folder;
    const auto files = static_cast<int>(state.range(0));
    const std::vector<std::uint8_t> bytes(static_cast<std::size_t>(state.range(1)), 0x5A);
    const zt::Backup backup = state.range(2) == 1 ? zt::Backup::Keep : zt::Backup::None;
    for (auto _ : state) {
        zt::FileTransaction transaction;
        for (int i = 0; i < files; ++i) {
            transaction.stage(folder.path() / ("file" + std::to_string(i) + ".zt"), bytes, backup);
        }
        transaction.commit();
    }
    state.SetItemsProcessed(state.iterations() * files);
}

// A thousand pages written one by one inside a batch, into a fresh folder each time.
void BM_BatchOfNewPages(benchmark::State& state) {
    const ScratchFolder folder;
    const std::vector<std::uint8_t> page(4096, 'x');
    int round = 0;
    for (auto _ : state) {
        const fs::path site = folder.path() / std::to_string(round++);
        fs::create_directories(site);
        zt::FileTransaction batch(zt::FileTransaction::Batch::Open);
        for (int i = 0; i < 1000; ++i) {
            zt::writeFileAtomically(site / ("page" + std::to_string(i) + ".htm"), page);
        }
        batch.commit();
    }
    state.SetItemsProcessed(state.iterations() * 1000);
}

}  // namespace

// A league save: five files of about 1 MB with backups; a page of a thousand small files.
BENCHMARK(BM_CommitReplacingFiles)
    ->Args({5, 1 << 20, 1})
    ->Args({5, 1 << 20, 0})
    ->Args({1000, 4096, 0})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BatchOfNewPages)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
