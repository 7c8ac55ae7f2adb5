// The player tools on a league of 20,000 players (thirty teams of 600 and 2,000 free agents):
// importing a transfer file of 2,000 players, every id of which is taken, so every one is
// renumbered; and showing a player's history (finding his block among 20,000 and building the
// summary grid of his lines).
#include <benchmark/benchmark.h>

#include <unistd.h>
#include <filesystem>
#include <memory>

#include "league/interaction.h"
#include "league/league.h"
#include "players/export_pool.h"
#include "players/history_lines.h"
#include "players/transfer_file.h"
#include "reports/history_report.h"
#include "rosters/player_import.h"
#include "sample/sample_league.h"

namespace {

class Quiet final : public zt::Interaction {
public:
    bool askYesNo(const std::string&, zt::DefaultButton) override { return true; }
    zt::Answer askYesNoCancel(const std::string&) override { return zt::Answer::Yes; }
    void information(const std::string&) override {}
    void warning(const std::string&) override {}
    std::optional<std::string> promptText(const std::string&, const std::string&, const std::string&) override {
        return std::nullopt;
    }
};

zt::League& largeLeague() {
    static const std::unique_ptr<zt::League> league = [] {
        zt::sample::SampleOptions options;
        options.playersPerTeam = 600;
        options.freeAgents = 2000;
        options.years = 3;
        options.days = 20;
        return zt::sample::buildSampleLeague(options).league;
    }();
    return *league;
}

std::filesystem::path g_written;  // removed at the end

// 2,000 players of the league itself, every tenth, with their histories.
const std::filesystem::path& transferFile() {
    static const std::filesystem::path file = [] {
        zt::League& league = largeLeague();
        for (std::size_t i = 0; i < league.players.size() && league.exportPool.size() < 2000; i += 10) {
            zt::toggleExportMark(league, *league.players[i]);
        }
        const auto path =
            std::filesystem::temp_directory_path() / ("ztedit-bench-" + std::to_string(::getpid()) + ".plr");
        Quiet quiet;
        zt::exportPlayers(league, path, quiet);
        league.exportPool.clear();
        g_written = path;
        return path;
    }();
    return file;
}

void BM_Import2000PlayersInto20000(benchmark::State& state) {
    zt::League& league = largeLeague();
    const auto& file = transferFile();
    const int destination = static_cast<int>(state.range(0));
    Quiet quiet;
    const std::size_t players = league.players.size();
    const std::size_t blocks = league.playerHistories.size();
    const std::int32_t loaded = league.loadedPlayerCount;
    std::vector<zt::TeamRecord> teams;
    for (const zt::Team& team : league.teams) {
        teams.push_back(team.record);
    }
    std::size_t imported = 0;
    for (auto _ : state) {
        const zt::PlayerImportResult result = zt::importPlayers(league, file, destination, quiet);
        imported = result.playerIndexes.size();
        state.PauseTiming();
        league.players.resize(players);
        league.playerHistories.resize(blocks);
        league.loadedPlayerCount = loaded;
        for (std::size_t t = 0; t < teams.size(); ++t) {
            league.teams[t].record = teams[t];
        }
        state.ResumeTiming();
    }
    state.counters["players"] = static_cast<double>(players);
    state.counters["imported"] = static_cast<double>(imported);
}

void BM_ShowHistory(benchmark::State& state) {
    zt::League& league = largeLeague();
    // The player whose block is last in the list (the longest search) with the most batting lines.
    const zt::PlayerRecord* player = league.players.back().get();
    std::size_t mostLines = 0;
    for (const auto& candidate : league.players) {
        const zt::StatHistory* block = zt::findHistory(league.playerHistories, candidate->playerId());
        if (block != nullptr && block->batting.size() >= mostLines) {
            mostLines = block->batting.size();
            player = candidate.get();
        }
    }
    for (auto _ : state) {
        const zt::StatHistory* block = zt::findHistory(league.playerHistories, player->playerId());
        const zt::reports::ReportTable table = zt::historySummaryTable(league, block, zt::HistoryKind::Batting);
        benchmark::DoNotOptimize(table.rowCount());
    }
    state.counters["lines"] = static_cast<double>(mostLines);
}

}  // namespace

BENCHMARK(BM_Import2000PlayersInto20000)->Arg(zt::kImportKeepTeam)->Arg(255)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ShowHistory)->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    if (!g_written.empty()) {
        std::error_code ignored;
        std::filesystem::remove(g_written, ignored);
    }
    return 0;
}
