#pragma once

#include <filesystem>
#include <iosfwd>
#include <memory>
#include <optional>
#include <string>

#include "cli/league_argument.h"

namespace CLI {
class App;
}

namespace zt {
class League;
}

namespace zt::cli {

// One report of `ztedit-cli report`: declares its subcommand and options, and writes the report
// when its subcommand was given.
class ReportSubcommand {
public:
    virtual ~ReportSubcommand() = default;
    virtual void configure(CLI::App& report) = 0;
    virtual bool parsed() const = 0;
    virtual void run(std::ostream& out) = 0;
};

// Options every report shares: the league, the output and the page's header and footer files.
struct ReportCommonOptions {
    LeagueArgument league;
    std::string out;
    std::optional<std::string> header;
    std::optional<std::string> footer;

    void addTo(CLI::App& command, const char* outText);
    std::filesystem::path headerFile(const League& league) const;
    std::filesystem::path footerFile(const League& league) const;
};

// The editor data folder of --data-dir, else $ZTEDIT_DATA_DIR, else none.
std::filesystem::path reportDataDir(const std::string& option);
// The game folder of --game, else $ZTEDIT_GAME_DIR, else none (cards without photos).
std::filesystem::path gameFolder(const std::string& option);

std::unique_ptr<ReportSubcommand> makeLeadersReport();
std::unique_ptr<ReportSubcommand> makeCardsReport();
std::unique_ptr<ReportSubcommand> makeScoutingReport();
std::unique_ptr<ReportSubcommand> makeProYearsReport();
std::unique_ptr<ReportSubcommand> makeWinChartReport();

}  // namespace zt::cli
