// Every report and page form of ztedit-cli report, for a generated league, compared byte for
// byte with reviewed files in tests/reports/golden. A change of output shows as a diff of those
// files: run scripts/update-golden (ZT_UPDATE_GOLDEN=1) to write them again, then review the diff.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>

#include "cli/cli_command.h"
#include "league/league.h"
#include "league/league_io.h"
#include "reports/report_names.h"
#include "sample/sample_league.h"
#include "support/league_builder.h"
#include "support/temp_dir.h"

namespace zt::test {
namespace {

namespace fs = std::filesystem;

const fs::path kGoldenDir = ZT_GOLDEN_DIR;

// A small league (thirty teams of 72 players, three years of history) with the header and
// footer files its net.txt names.
class GoldenLeague {
public:
    GoldenLeague() {
        sample::SampleOptions options;
        options.seed = 7;
        options.playersPerTeam = 72;
        options.freeAgents = 30;
        options.years = 3;
        m_sea = sample::generateSampleLeague(m_dir.path(), options);
        writeText(m_dir / "SampleSeason" / "header.txt", "<html><head><title>Sample</title></head><body>\r\n");
        writeText(m_dir / "SampleSeason" / "footer.txt", "<p>Made with ztedit</p></body></html>\r\n");
    }

    const fs::path& sea() const { return m_sea; }
    fs::path out(const std::string& name) const { return m_dir / name; }

private:
    TempDir m_dir;
    fs::path m_sea;
};

const GoldenLeague& league() {
    static const GoldenLeague kLeague;
    return kLeague;
}

std::string contents(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

struct GoldenCase {
    const char* file;
    std::vector<std::string> arguments;  // after "report", the league and --out are added
    // Files the report writes beside --out, compared with golden files named after `file`.
    std::vector<std::string> beside = {};
};

// Compares a written file with its golden file, or writes the golden file when asked to.
void compareWithGolden(const fs::path& written, const std::string& goldenName) {
    const fs::path golden = kGoldenDir / goldenName;
    if (std::getenv("ZT_UPDATE_GOLDEN") != nullptr) {
        fs::copy_file(written, golden, fs::copy_options::overwrite_existing);
        return;
    }
    ASSERT_TRUE(fs::exists(golden)) << golden << " is missing: run scripts/update-golden";
    // Compared as text so that a difference shows where it starts.
    const std::string expected = contents(golden);
    const std::string actual = contents(written);
    if (actual != expected) {
        std::size_t at = 0;
        while (at < actual.size() && at < expected.size() && actual[at] == expected[at]) {
            ++at;
        }
        FAIL() << goldenName << " differs from its golden file at byte " << at
               << ":\n  expected: " << expected.substr(at, 80) << "\n  actual:   " << actual.substr(at, 80);
    }
}

class Golden : public testing::TestWithParam<GoldenCase> {};

TEST_P(Golden, OutputMatchesTheReviewedFile) {
    const GoldenCase& c = GetParam();
    std::vector<std::string> args = {"report"};
    args.push_back(c.arguments.front());
    args.push_back(league().sea().string());
    args.insert(args.end(), c.arguments.begin() + 1, c.arguments.end());
    const fs::path out = league().out(c.file);
    args.insert(args.end(), {"--out", out.string()});
    std::ostringstream stdoutText, stderrText;
    ASSERT_EQ(cli::runCli(args, stdoutText, stderrText), 0) << stderrText.str();
    EXPECT_EQ(stderrText.str(), "");

    compareWithGolden(out, c.file);
    for (const std::string& page : c.beside) {
        compareWithGolden(out.parent_path() / page, fs::path(c.file).stem().string() + "_" + page);
    }
    if (std::getenv("ZT_UPDATE_GOLDEN") != nullptr) {
        GTEST_SKIP() << "wrote the golden files of " << c.file;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Reports,
    Golden,
    testing::Values(
        GoldenCase{"standings.html", {"standings"}},
        GoldenCase{"standings_by_name_without_links.txt", {"standings", "--teams-by", "name", "--no-links", "--csv"}},
        GoldenCase{"rosters_team3.html", {"rosters", "--team", "3"}},
        GoldenCase{"rosters_team3_tables.html", {"rosters", "--team", "3", "--html-table"}},
        GoldenCase{"rosters_team3_years_sorted.html",
                   {"rosters",
                    "--team",
                    "3",
                    "--years",
                    "2024-2026",
                    "--batting-sort",
                    "Avg",
                    "--pitching-sort",
                    "ERA",
                    "--zero-games",
                    "--no-minor-links"}},
        GoldenCase{"team_performance_team3.html", {"team-performance", "--team", "3"}},
        GoldenCase{"team_performance_team3.csv", {"team-performance", "--team", "3", "--csv"}},
        GoldenCase{"team_performance_all.html", {"team-performance", "--all-teams"}},
        GoldenCase{"team_performance_all.csv", {"team-performance", "--all-teams", "--csv"}},
        GoldenCase{"league_scores.htm", {"league-scores", "--from", "2026-04-01", "--to", "2026-04-02"}},
        GoldenCase{"league_scores_links.htm",
                   {"league-scores", "--from", "2026-04-02", "--to", "2026-04-02", "--links"}},
        GoldenCase{
            "league_scores_newspaper.htm",
            {"league-scores", "--from", "2026-04-01", "--to", "2026-04-01", "--links", "--boxscores", "newspaper"},
            {"0_1.htm"}},
        GoldenCase{"league_scores_complete.htm",
                   {"league-scores", "--from", "2026-04-03", "--to", "2026-04-03", "--boxscores", "complete"},
                   {"2_15.htm"}},
        GoldenCase{"leaders_template_3_columns.htm",
                   {"leaders", "--template", (kGoldenDir / "five.lea").string(), "--years", "2024-2026"}},
        GoldenCase{"leaders_hr.htm", {"leaders", "--stat", "HR"}},
        GoldenCase{"leaders_era_team_3_all.htm",
                   {"leaders", "--stat", "ERA", "--pitching", "--team", "3", "--listed", "ALL", "--no-qualify"}},
        GoldenCase{"scouting_no_optional_column.csv", {"scouting", "--columns", "none"}},
        GoldenCase{"scouting_all_columns.csv", {"scouting", "--columns", "all"}},
        GoldenCase{"scouting_compatible_pitchers.csv", {"scouting", "--compatible", "--players", "Pitchers"}},
        GoldenCase{"pro_years.csv", {"pro-years", "--ab", "100", "--ip", "30", "--games", "10"}},
        GoldenCase{"win_chart_teams_0_3.csv", {"win-chart", "--teams", "0,3"}}),
    [](const auto& info) {
        std::string name = info.param.file;
        for (char& ch : name) {
            if (ch == '.') {
                ch = '_';
            }
        }
        return name;
    });

// Cards of a player traded in mid-season (one of his seasons split between two teams), in both
// forms and without the team split, and of a pitcher whose seasons were each with one team.
TEST(GoldenCards, TradedPlayerSingleTeamSeasonsAndBothForms) {
    TempDir dir;
    sample::SampleOptions options;
    options.seed = 7;
    options.playersPerTeam = 72;
    options.freeAgents = 30;
    options.years = 3;
    const fs::path sea = sample::generateSampleLeague(dir.path(), options);
    auto league = openLeague(sea);
    int traded = -1;
    int pitcher = -1;
    for (std::size_t i = 0; i < league->players.size() && (traded < 0 || pitcher < 0); ++i) {
        const PlayerRecord& player = *league->players[i];
        StatHistory* history = findHistory(league->playerHistories, player.playerId());
        if (history == nullptr || player.level() != 0 || !league->isTeam(player.teamIndex())) {
            continue;
        }
        if (pitcher < 0 && player.get(pf::position) == 1 && history->pitching.size() >= 9) {
            pitcher = static_cast<int>(i);
        }
        if (traded < 0 && player.get(pf::position) != 1) {
            // His lines against right-handers of his first major league season go to the next team.
            std::set<int> years;
            for (const BattingLine& line : history->batting) {
                const BattingLineData d = decodeBattingLine(line);
                if (d.year >= 1900 && d.level == 0) {
                    years.insert(d.year);
                }
            }
            if (years.size() < 3) {
                continue;
            }
            for (BattingLine& line : history->batting) {
                BattingLineData d = decodeBattingLine(line);
                if (d.year == *years.begin() && d.level == 0 && d.split == 1) {
                    d.team = static_cast<std::uint8_t>((d.team + 1) % league->teamCount());
                    encodeBattingLine(d, line);
                }
            }
            traded = static_cast<int>(i);
        }
    }
    ASSERT_GE(traded, 0);
    ASSERT_GE(pitcher, 0);
    saveLeague(*league);

    const struct {
        const char* golden;
        int player;
        std::vector<std::string> flags;
    } cases[] = {{"card_traded.htm", traded, {}},
                 {"card_traded_table.htm", traded, {"--html-table"}},
                 {"card_traded_no_team_split.htm", traded, {"--no-team-split"}},
                 {"card_pitcher_minors_extended.htm", pitcher, {"--minors", "--extended-pitching"}}};
    for (const auto& c : cases) {
        const fs::path out = dir / (std::string(c.golden) + ".dir");
        std::vector<std::string> args = {"report",
                                         "cards",
                                         sea.string(),
                                         "--player",
                                         std::to_string(c.player),
                                         "--data-dir",
                                         ZT_SOURCE_DATA_DIR,
                                         "--out",
                                         out.string()};
        args.insert(args.end(), c.flags.begin(), c.flags.end());
        std::ostringstream stdoutText, stderrText;
        ASSERT_EQ(cli::runCli(args, stdoutText, stderrText), 0) << stderrText.str();
        compareWithGolden(out / reports::CardFileName(*league->players[static_cast<std::size_t>(c.player)]), c.golden);
        EXPECT_TRUE(fs::exists(out / "blank.bmp"));
    }
}

}  // namespace
}  // namespace zt::test
