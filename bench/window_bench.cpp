// The editor window opening the standard sample league, from the chosen file to a filled
// player grid and a loaded player editor, on the offscreen platform.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <QApplication>
#include <QSettings>
#include <filesystem>
#include <memory>

#include "app/main_window.h"
#include "league/league.h"
#include "sample/sample_league.h"

namespace {

namespace fs = std::filesystem;

// A folder for the league, the settings and the editor data, removed at exit.
struct Workspace {
    Workspace() {
        std::string pattern = (fs::temp_directory_path() / "ztedit-window-bench-XXXXXX").string();
        root = mkdtemp(pattern.data());
        QSettings::setPath(
            QSettings::IniFormat, QSettings::UserScope, QString::fromStdString((root / "settings").string()));
        qputenv("ZTEDIT_DATA_DIR", QByteArray::fromStdString((root / "data").string()));
        seasonFile = QString::fromStdString(zt::sample::generateSampleLeague(root / "league", {}).string());
    }
    ~Workspace() {
        std::error_code ec;
        fs::remove_all(root, ec);
    }
    fs::path root;
    QString seasonFile;
};

void BM_OpenStandardLeagueInTheWindow(benchmark::State& state) {
    static Workspace workspace;
    zt::app::TForm1 window;
    window.show();
    for (auto _ : state) {
        if (!window.openLeagueFile(workspace.seasonFile)) {
            state.SkipWithError("the league did not open");
            break;
        }
        benchmark::DoNotOptimize(window.league()->currentPlayer);
    }
}

}  // namespace

BENCHMARK(BM_OpenStandardLeagueInTheWindow)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
