// The CSV import: "Import Team" of a 40-player roster from a database of about 120,000 batting,
// 50,000 pitching and 150,000 fielding rows; a standard import of 20,000 rows; convert-lahman of a
// public-database layout of that size. Each budget is well under a second (five for the
// conversion).
#include <benchmark/benchmark.h>

#include "fixed_answers.h"

#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <string>

#include "league/file_io.h"
#include "league/league.h"
#include "league/progress.h"
#include "ratings/csv_columns.h"
#include "ratings/csv_import.h"
#include "ratings/lahman_conversion.h"
#include "ratings/team_import.h"
#include "sample/database_generator.h"
#include "sample/random.h"
#include "sample/sample_league.h"

namespace {

namespace fs = std::filesystem;

fs::path benchFolder() {
    static const fs::path folder = [] {
        fs::path dir = fs::temp_directory_path() / ("ztedit_csv_bench_" + std::to_string(::getpid()));
        fs::remove_all(dir);
        fs::create_directories(dir);
        return dir;
    }();
    return folder;
}

// 100 teams over 120 seasons, a quarter of each roster new every year.
const fs::path& largeDatabase() {
    static const fs::path dir = [] {
        const fs::path db = benchFolder() / "db";
        zt::sample::generateDatabase(db, {11, 100, 1881, 2000, 40});
        return db;
    }();
    return dir;
}

std::unique_ptr<zt::League> freshLeague() {
    zt::sample::SampleOptions options;
    options.years = 1;
    options.days = 10;
    auto league = zt::sample::buildSampleLeague(options).league;
    league->currentPlayer = league->players.front().get();
    return league;
}

void writeText(const fs::path& file, const std::string& text) {
    zt::writeFileAtomically(file, std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
}

std::size_t lines(const fs::path& file) {
    const auto bytes = zt::readFileBytes(file);
    return static_cast<std::size_t>(std::count(bytes.begin(), bytes.end(), '\n'));
}

void BM_ImportTeam(benchmark::State& state) {
    const fs::path& db = largeDatabase();
    const zt::CsvColumns columns = zt::CsvColumns::builtIn();
    const zt::TeamMaster master = zt::readTeamMaster(db);
    zt::bench::FixedAnswers accept(true);
    zt::NoProgress progress;
    for (auto _ : state) {
        state.PauseTiming();
        auto league = freshLeague();
        zt::CsvImportMemory memory;
        state.ResumeTiming();
        zt::CsvImportContext context{
            *league, columns, zt::LeagueConstants::defaults(), zt::ImportFactors{}, memory, accept, progress};
        zt::TeamImportRequest request;
        request.team = master.teams[49];
        request.year = 1990;
        request.destination = 3;
        const auto result = zt::importTeam(db, request, context);
        benchmark::DoNotOptimize(result.counts.created);
    }
    state.counters["batting_rows"] = static_cast<double>(lines(db / "battingstats.csv") - 1);
    state.counters["pitching_rows"] = static_cast<double>(lines(db / "pitchingstats.csv") - 1);
    state.counters["fielding_rows"] = static_cast<double>(lines(db / "fieldingstats.csv") - 1);
    state.counters["roster_rows"] = static_cast<double>(lines(db / "rosters.csv"));
}

void BM_StandardImport20000Rows(benchmark::State& state) {
    const fs::path file = benchFolder() / "players.csv";
    {
        zt::sample::Random rng(5, zt::sample::Stream::Database);
        std::string text =
            "FirstName,LastName,Bats,Throws,Position,AB,H,2B,3B,HR,BB,SO,SB,CS,OppAB,OppH,OppBB,IP,PitG\n";
        for (int row = 0; row < 20000; ++row) {
            const int ab = rng.between(50, 650);
            text += "First" + std::to_string(row % 5000) + ",Last" + std::to_string(row) + ",R,L,*2/S," +
                    std::to_string(ab) + ',' + std::to_string(ab / 4) + ",20,3,12,40,90,8,3,600,150,50,180.1,30\n";
        }
        writeText(file, text);
    }
    const zt::CsvColumns columns = zt::CsvColumns::builtIn();
    zt::bench::FixedAnswers accept(true);
    zt::NoProgress progress;
    for (auto _ : state) {
        state.PauseTiming();
        auto league = freshLeague();
        zt::CsvImportMemory memory;
        state.ResumeTiming();
        zt::CsvImportContext context{
            *league, columns, zt::LeagueConstants::defaults(), zt::ImportFactors{}, memory, accept, progress};
        zt::CsvImportOptions options;
        options.recalcBatting = true;
        const auto counts = zt::importCsvFile(file, options, context);
        benchmark::DoNotOptimize(counts.created);
    }
}

// A public-database layout of about the size above: 30,000 players of four seasons each.
const fs::path& largeLahmanSource() {
    static const fs::path dir = [] {
        const fs::path src = benchFolder() / "lahman";
        fs::create_directories(src);
        zt::sample::Random rng(3, zt::sample::Stream::Database);
        std::string people = "playerID,birthYear,nameFirst,nameLast,bats,throws\n";
        std::string teams = "yearID,lgID,teamID,franchID,name\n";
        std::string batting = "playerID,yearID,stint,teamID,lgID,G,AB,R,H,2B,3B,HR,RBI,SB,CS,BB,SO,IBB,HBP,SH,SF\n";
        std::string pitching = "playerID,yearID,stint,teamID,lgID,W,L,G,GS,SV,IPouts,H,ER,HR,BB,SO\n";
        std::string fielding = "playerID,yearID,stint,teamID,lgID,POS,G,PO,A,E,DP\n";
        std::string appearances = "yearID,teamID,lgID,playerID,G_all,G_p,G_c,G_1b,G_2b,G_3b,G_ss,G_of,G_dh\n";
        for (int year = 1901; year <= 2000; ++year) {
            for (int t = 0; t < 30; ++t) {
                teams += std::to_string(year) + ",AL,T" + std::to_string(t) + ",F" + std::to_string(t) + ",Team " +
                         std::to_string(t) + '\n';
            }
        }
        for (int p = 0; p < 30000; ++p) {
            const std::string id = "p" + std::to_string(p);
            people += id + ",1900,Name" + std::to_string(p % 977) + ",Family" + std::to_string(p) + ",R,R\n";
            const bool pitcher = p % 12 < 5;
            const int first = 1901 + p % 96;
            for (int season = 0; season < 4; ++season) {
                const std::string year = std::to_string(first + season);
                const std::string team = "T" + std::to_string((p + season * 7) % 30);
                const std::string key = id + ',' + year + ",1," + team + ",AL,";
                const int ab = pitcher ? rng.between(0, 80) : rng.between(50, 600);
                batting += key + "100," + std::to_string(ab) + ",50," + std::to_string(ab / 4) +
                           ",20,3,10,40,5,2,30,60,2,1,1,2\n";
                fielding += key + (pitcher ? "P" : "SS") + ",100,150,300,10,40\n";
                if (season % 4 == 0) {
                    fielding += key + (pitcher ? "OF" : "2B") + ",10,20,30,1,4\n";
                }
                if (pitcher) {
                    pitching += key + "10,8,30,25,0," + std::to_string(rng.between(30, 700)) + ",180,70,15,60,120\n";
                }
                appearances += year + ',' + team + ",AL," + id + ",100," +
                               (pitcher ? "100,0,0,0,0,0" : "0,0,0,10,0,90") + ",0,0\n";
            }
        }
        writeText(src / "People.csv", people);
        writeText(src / "Teams.csv", teams);
        writeText(src / "Batting.csv", batting);
        writeText(src / "Pitching.csv", pitching);
        writeText(src / "Fielding.csv", fielding);
        writeText(src / "Appearances.csv", appearances);
        return src;
    }();
    return dir;
}

void BM_ConvertLahman(benchmark::State& state) {
    const fs::path& src = largeLahmanSource();
    for (auto _ : state) {
        const auto counts = zt::convertLahmanDatabase(src, benchFolder() / "converted");
        benchmark::DoNotOptimize(counts.players);
    }
    state.counters["batting_rows"] = static_cast<double>(lines(src / "Batting.csv") - 1);
    state.counters["pitching_rows"] = static_cast<double>(lines(src / "Pitching.csv") - 1);
    state.counters["fielding_rows"] = static_cast<double>(lines(src / "Fielding.csv") - 1);
}

}  // namespace

BENCHMARK(BM_ImportTeam)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StandardImport20000Rows)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ConvertLahman)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::filesystem::remove_all(benchFolder());
    return 0;
}
