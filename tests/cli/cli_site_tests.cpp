// ztedit-cli site: the league's web site, walked page by page and link by link.
#include <gtest/gtest.h>

#include <regex>
#include <set>

#include "cli_test_support.h"
#include "sample/sample_league.h"
#include "support/temp_dir.h"

namespace zt::test {
namespace {

namespace fs = std::filesystem;

bool isPage(const fs::path& file) {
    const std::string extension = file.extension().string();
    return extension == ".htm" || extension == ".html";
}

// Every relative link and picture of every page names a file of the site: "page -> target" of those that do not.
std::vector<std::string> brokenLinks(const fs::path& folder, std::size_t& pages, std::size_t& links) {
    static const std::regex kHref(R"re((?:href|src)\s*=\s*(?:"([^"]*)"|([^\s>"]+)))re", std::regex::icase);
    std::vector<std::string> broken;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        if (!isPage(entry.path())) {
            continue;
        }
        ++pages;
        const std::string text = fileContents(entry.path());
        for (auto it = std::sregex_iterator(text.begin(), text.end(), kHref); it != std::sregex_iterator(); ++it) {
            std::string target = (*it)[1].matched ? (*it)[1].str() : (*it)[2].str();
            if (target.find("://") != std::string::npos || target.starts_with("mailto:") || target.starts_with("#")) {
                continue;
            }
            target = target.substr(0, target.find('#'));
            ++links;
            if (!fs::exists(entry.path().parent_path() / target)) {
                broken.push_back(entry.path().filename().string() + " -> " + target);
            }
        }
    }
    return broken;
}

TEST(CliSite, EveryPageIsThereAndEveryLinkLeadsToAPage) {
    TempDir dir;
    sample::SampleOptions options;
    options.playersPerTeam = 72;
    options.freeAgents = 5;
    options.years = 2;
    options.days = 4;
    const fs::path sea = sample::generateSampleLeague(dir / "league", options);
    ASSERT_EQ(runTool({"generate-game", (dir / "game").string(), "--league", sea.string()}).exitCode, 0);
    const CliRun run = runTool({"site",
                                sea.string(),
                                (dir / "site").string(),
                                "--data-dir",
                                ZT_SOURCE_DATA_DIR,
                                "--game",
                                (dir / "game").string()});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, "Wrote " + (dir / "site" / "index.html").string() + "\n");

    const std::string index = fileContents(dir / "site" / "index.html");
    for (const char* page : {"standings.htm", "leaders.htm", "performance.htm", "scores.htm"}) {
        EXPECT_NE(index.find(std::string("href=\"") + page + "\""), std::string::npos) << page;
    }
    std::size_t pages = 0;
    std::size_t links = 0;
    EXPECT_EQ(brokenLinks(dir / "site", pages, links), std::vector<std::string>{});
    // Index, standings, leaders, performance, scores, 30 team pages, box scores and cards.
    EXPECT_GT(pages, 5u + 30u + 30u * 72u / 2u);
    EXPECT_GT(links, 30u * 72u / 2u);  // at least the index's and the team pages' links to cards
    // The cards show the album's photos.
    std::size_t photos = 0;
    for (const auto& entry : fs::directory_iterator(dir / "site")) {
        photos += entry.path().extension() == ".jpg" && fileContents(entry.path()).starts_with("\xFF\xD8") ? 1 : 0;
    }
    EXPECT_GT(photos, 30u);
}

TEST(CliSite, AMissingLeadersTemplateIsNamedAndNoIndexIsWritten) {
    TempDir dir;
    sample::SampleOptions options;
    options.playersPerTeam = 72;
    options.freeAgents = 0;
    options.years = 1;
    options.days = 2;
    const fs::path sea = sample::generateSampleLeague(dir / "league", options);
    const fs::path missing = dir / "none.lea";
    const CliRun run = runTool({"site", sea.string(), (dir / "site").string(), "--leaders-template", missing.string()});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("none.lea"), std::string::npos) << run.err;
    EXPECT_FALSE(fs::exists(dir / "site" / "index.html"));
}

}  // namespace
}  // namespace zt::test
