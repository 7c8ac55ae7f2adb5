// Every command that writes files, run with each of its file operations failing in turn: a
// failure leaves the folders it writes exactly as they were and names a file; the run that
// finally succeeds writes exactly what a run without fault writes.
#include <gtest/gtest.h>

#include <functional>

#include "cli_test_support.h"
#include "globaledit/gbe_file.h"
#include "league/error.h"
#include "league/league.h"
#include "league/league_io.h"
#include "league/net_info.h"
#include "media/photo_album.h"
#include "media/tga.h"
#include "ratings/import_factors.h"
#include "ratings/league_constants.h"
#include "sample/sample_league.h"
#include "support/fault_sweep.h"
#include "support/league_builder.h"
#include "support/temp_dir.h"

namespace zt::test {
namespace {

namespace fs = std::filesystem;

// The folders of one case: a small league, its game folder when a case asks for one, and an
// empty folder for outputs.
struct Fixture {
    fs::path root;
    fs::path sea;
    fs::path season;
    fs::path out;

    fs::path game() {
        const fs::path folder = root / "Game";
        if (!fs::exists(folder)) {
            const CliRun run = runTool({"generate-game", folder.string(), "--league", sea.string()});
            EXPECT_EQ(run.exitCode, 0) << run.err;
        }
        return folder;
    }
};

void mustRun(const std::vector<std::string>& args) {
    const CliRun run = runTool(args);
    ASSERT_EQ(run.exitCode, 0) << args[0] << ": " << run.err;
}

// What the sweep runs: ztedit-cli arguments, or a core call, and the folders they write.
struct Plan {
    std::vector<std::string> args;
    std::function<void()> core;
    std::vector<fs::path> roots;
    std::uint64_t exhaustiveUpTo = 120;  // fewer for the commands of thousands of operations
};

struct WriteCase {
    const char* name;
    std::function<Plan(Fixture&)> prepare;
};

std::string dataDir() {
    return ZT_SOURCE_DATA_DIR;
}

// The textures of a model of the sample game extracted, then the model rebuilt from them.
Plan modelRebuild(Fixture& f, const std::string& name) {
    const fs::path model = f.game() / "Art" / name;
    const fs::path parts = f.root / "parts";
    mustRun({"mod", "extract", model.string(), "--out", parts.string(), "--data-dir", dataDir()});
    return Plan{{"mod", "rebuild", model.string(), parts.string(), "--out", (f.out / name).string()}, {}, {f.out}};
}

const WriteCase kCases[] = {
    {"Save",
     [](Fixture& f) {
         return Plan{{"save", f.sea.string()}, {}, {f.season, f.sea}};
     }},
    {"SaveAs",
     [](Fixture& f) {
         return Plan{{"save-as", f.sea.string(), (f.out / "Copy.sea").string()}, {}, {f.out}};
     }},
    {"RestorePreviousSave",
     [](Fixture& f) {
         mustRun({"save", f.sea.string()});
         mustRun({"shift-years", f.sea.string(), "--by", "1", "--yes"});
         return Plan{{"restore", f.sea.string()}, {}, {f.season, f.sea}};
     }},
    {"ChangeAndSave",
     [](Fixture& f) {
         return Plan{{"shift-years", f.sea.string(), "--by", "-1", "--yes"}, {}, {f.season, f.sea}};
     }},
    // Every single-page report goes through one writer; HTML and CSV pages differ only in bytes.
    {"ReportHtmlPage",
     [](Fixture& f) {
         return Plan{
             {"report", "standings", f.sea.string(), "--out", (f.out / "standings.html").string()}, {}, {f.out}};
     }},
    {"ReportCsv",
     [](Fixture& f) {
         return Plan{{"report", "scouting", f.sea.string(), "--out", (f.out / "scouting.csv").string()}, {}, {f.out}};
     }},
    {"ReportPagesOfEveryTeam",
     [](Fixture& f) {
         return Plan{
             {"report", "rosters", f.sea.string(), "--all-teams", "--out", (f.out / "pages").string()}, {}, {f.out}};
     }},
    {"PlayerCards",
     [](Fixture& f) {
         return Plan{
             {"report", "cards", f.sea.string(), "--team", "1", "--out", (f.out / "cards").string()}, {}, {f.out}};
     }},
    {"WebSite",
     [](Fixture& f) {
         return Plan{{"site", f.sea.string(), (f.out / "site").string(), "--data-dir", dataDir()}, {}, {f.out}, 24};
     }},
    {"ScheduleExport",
     [](Fixture& f) {
         return Plan{{"schedule", "export", f.sea.string(), (f.out / "schedule.csv").string()}, {}, {f.out}};
     }},
    {"ScheduleImport",
     [](Fixture& f) {
         const fs::path csv = f.root / "schedule.csv";
         mustRun({"schedule", "export", f.sea.string(), csv.string()});
         std::string text = fileContents(csv);
         text.erase(text.find_last_of('\n', text.size() - 2) + 1);  // the last game goes
         writeText(csv, text);
         return Plan{{"schedule", "import", f.sea.string(), csv.string()}, {}, {f.season, f.sea}};
     }},
    {"ManagerExport",
     [](Fixture& f) {
         return Plan{{"manager", "export", f.sea.string(), "--team", "2", (f.out / "team2.mps").string()}, {}, {f.out}};
     }},
    {"ManagerImport",
     [](Fixture& f) {
         const fs::path mps = f.root / "team2.mps";
         mustRun({"manager", "export", f.sea.string(), "--team", "2", mps.string()});
         return Plan{
             {"manager", "import", f.sea.string(), "--team", "5", mps.string(), "--yes"}, {}, {f.season, f.sea}};
     }},
    {"TransferFileExport",
     [](Fixture& f) {
         return Plan{{"export-players", f.sea.string(), "--ids", "3,1,2", "--out", (f.out / "players.plr").string()},
                     {},
                     {f.out}};
     }},
    {"TransferFileImport",
     [](Fixture& f) {
         const fs::path plr = f.root / "players.plr";
         mustRun({"export-players", f.sea.string(), "--ids", "3,1,2", "--out", plr.string()});
         return Plan{{"import-players", f.sea.string(), plr.string(), "--to", "255"}, {}, {f.season, f.sea}};
     }},
    {"RostersFileExport",
     [](Fixture& f) {
         return Plan{
             {"export-rosters", f.sea.string(), "--team", "2", "--out", (f.out / "team.ssr").string(), "--force"},
             {},
             {f.out}};
     }},
    {"RostersFileImport",
     [](Fixture& f) {
         const fs::path ssr = f.root / "team.ssr";
         mustRun({"export-rosters", f.sea.string(), "--team", "2", "--out", ssr.string(), "--force"});
         mustRun({"check-lineups", f.sea.string(), "--team", "2", "--yes", "--save"});
         mustRun({"transfer", f.sea.string(), "--player", "1", "--to", "255", "--save"});
         return Plan{{"import-rosters", f.sea.string(), ssr.string(), "--yes"}, {}, {f.season, f.sea}};
     }},
    {"AlbumRebuild",
     [](Fixture& f) {
         const fs::path stadium = f.game() / "Art" / "stadium.alb";
         const fs::path parts = f.root / "stadium";
         mustRun({"alb", "extract", stadium.string(), "--out", parts.string(), "--data-dir", dataDir()});
         return Plan{
             {"alb", "rebuild", stadium.string(), parts.string(), "--out", (f.out / "new.alb").string()}, {}, {f.out}};
     }},
    {"ArchiveExtract",
     [](Fixture& f) {
         const fs::path stadium = f.game() / "Art" / "stadium.alb";
         return Plan{{"alb", "extract", stadium.string(), "--out", (f.out / "parts").string(), "--data-dir", dataDir()},
                     {},
                     {f.out}};
     }},
    {"ModelRebuild", [](Fixture& f) { return modelRebuild(f, "bat.mod"); }},
    {"AnimatedModelRebuild", [](Fixture& f) { return modelRebuild(f, "glove.amd"); }},
    {"PhotoAlbumAddPhoto",
     [](Fixture& f) {
         const fs::path game = f.game();
         const auto league = openLeague(f.sea);
         std::uint32_t id = 0;
         for (const auto& p : league->players) {
             if (p->get(pf::photoIndex) == -1) {
                 id = p->get(pf::playerId);
                 break;
             }
         }
         const fs::path photo = f.root / "face.tga";
         writeBytes(photo, media::encodeTga(media::makeImage(128, 170), 24));
         return Plan{{"alb",
                      "add-photo",
                      f.sea.string(),
                      photo.string(),
                      "--player",
                      std::to_string(id),
                      "--game",
                      game.string(),
                      "--yes"},
                     {},
                     {game / "Art" / "2D", f.season, f.sea}};
     }},
    {"SoundImport",
     [](Fixture& f) {
         const fs::path table = f.game() / "sounds" / "crowd.table";
         const fs::path wav = f.root / "three.wav";
         mustRun({"sound", "extract", table.string(), "3", "--out", wav.string(), "--data-dir", dataDir()});
         return Plan{{"sound", "import", table.string(), "2", wav.string()}, {}, {table.parent_path()}};
     }},
    {"SoundExtract",
     [](Fixture& f) {
         const fs::path table = f.game() / "sounds" / "crowd.table";
         return Plan{{"sound",
                      "extract",
                      table.string(),
                      "3",
                      "--out",
                      (f.out / "three.wav").string(),
                      "--data-dir",
                      dataDir()},
                     {},
                     {f.out}};
     }},
    {"NetTxt",
     [](Fixture& f) {
         const fs::path file = f.season / "net.txt";
         NetLeagueInfo info = readNetInfo(file);
         info.userName = "Pat Writer";
         return Plan{{}, [file, info] { writeNetInfo(file, info); }, {f.season}};
     }},
    {"ConstantsIni",
     [](Fixture& f) {
         const fs::path file = f.out / "constants.ini";
         writeText(file, "[Other]\nkept=1\n");
         LeagueConstants constants;
         constants.lvsl = 0.25F;
         return Plan{{}, [file, constants] { writeLeagueConstants(file, constants); }, {f.out}};
     }},
    {"FactorsZt",
     [](Fixture& f) {
         const fs::path file = f.out / "database" / "factors.zt";
         ImportFactors factors;
         factors.minAb = 150;
         return Plan{{}, [file, factors] { writeImportFactors(file, factors); }, {f.out}};
     }},
    {"GbeSave",
     [](Fixture& f) {
         const fs::path file = f.out / "edits.gbe";
         return Plan{{}, [file] { globaledit::saveGbeFile(file, globaledit::GlobalEditSettings{}); }, {f.out}};
     }},
    {"GbeAppend",
     [](Fixture& f) {
         const fs::path file = f.out / "edits.gbe";
         globaledit::saveGbeFile(file, globaledit::GlobalEditSettings{});
         return Plan{{}, [file] { globaledit::appendGbeFile(file, globaledit::GlobalEditSettings{}); }, {f.out}};
     }},
    {"GenerateDatabase",
     [](Fixture& f) {
         return Plan{
             {"generate-database", (f.out / "db").string(), "--seed", "3", "--teams", "2", "--years", "1990-1992"},
             {},
             {f.out}};
     }},
    {"GenerateSampleGame",
     [](Fixture& f) {
         return Plan{{"generate-game", (f.out / "Game").string(), "--league", f.sea.string()}, {}, {f.out}};
     }},
    {"GenerateSampleLeague",
     [](Fixture& f) {
         return Plan{{"generate",
                      (f.out / "demo").string(),
                      "--players-per-team",
                      "72",
                      "--free-agents",
                      "5",
                      "--years",
                      "1",
                      "--days",
                      "2"},
                     {},
                     {f.out}};
     }},
};

class CliWriteFaults : public ::testing::TestWithParam<WriteCase> {};

TEST_P(CliWriteFaults, EveryFailureLeavesTheOldFilesAndNamesAFile) {
    TempDir dir;
    Fixture fixture{dir.path(), {}, {}, dir / "out"};
    sample::SampleOptions options;
    options.playersPerTeam = 72;
    options.freeAgents = 5;
    options.years = 1;
    options.days = 4;
    fixture.sea = sample::generateSampleLeague(dir / "league", options);
    fixture.season = fixture.sea.parent_path() / "SampleSeason";
    fs::create_directories(fixture.out);

    const Plan plan = GetParam().prepare(fixture);
    ASSERT_FALSE(HasFailure());
    const WriteAttempt attempt = [&plan]() -> std::string {
        if (plan.core) {
            return errorOf(plan.core);
        }
        const CliRun run = runTool(plan.args);
        if (run.exitCode == 0) {
            return {};
        }
        return run.err.empty() ? "exit " + std::to_string(run.exitCode) + " without a message" : run.err;
    };
    const FaultSweep sweep = sweepWriteFaults(plan.roots, attempt, plan.exhaustiveUpTo);
    EXPECT_TRUE(sweep.problems.empty()) << problemList(sweep);
    EXPECT_GT(sweep.failedRuns, 0U);
}

INSTANTIATE_TEST_SUITE_P(Commands, CliWriteFaults, ::testing::ValuesIn(kCases), [](const auto& info) {
    return std::string(info.param.name);
});

}  // namespace
}  // namespace zt::test
