#include <CLI/CLI.hpp>
#include <ostream>

#include "cli/commands.h"
#include "cli/flag_interaction.h"
#include "cli/league_argument.h"
#include "cli/report_subcommand.h"
#include "cli/terminal_progress.h"
#include "league/league.h"
#include "reports/card_photos.h"
#include "reports/league_site.h"
#include "reports/report_files.h"

namespace zt::cli {

namespace {

// "site LEAGUE OUTDIR": the league's web site in one folder, index.html first.
class SiteCommand final : public CliCommand {
public:
    void configure(CLI::App& app) override {
        m_subcommand = app.add_subcommand(
            "site",
            "Write the league's web site: index.html, standings, team pages, leaders, league scores with box "
            "scores and every player's card, with relative links");
        m_league.addTo(*m_subcommand);
        m_subcommand->add_option("OUTDIR", m_folder, "Folder of the site (created when missing)")->required();
        m_subcommand->add_option(
            "--years", m_options.years, "Years of the statistics and leaders (default: the season's)");
        m_subcommand->add_option(
            "--leaders-template", m_template, "A leaders template (.lea) for the leaders page (default: six leaders)");
        m_subcommand->add_option(
            "--game", m_game, "Game folder whose photo album gives the cards' photos (default: $ZTEDIT_GAME_DIR)");
        m_subcommand->add_option("--data-dir",
                                 m_dataDir,
                                 "Editor data folder with header.txt, footer.txt, blank.bmp and the column orders "
                                 "(default: $ZTEDIT_DATA_DIR)");
    }

    void run(std::ostream& out) override {
        const auto league = m_league.open();
        reports::LeagueSiteOptions options = m_options;
        options.leadersTemplate = m_template;
        options.dataDirectory = reportDataDir(m_dataDir);
        options.cardPhotos = reports::albumCardPhotos(gameFolder(m_game));
        options.headerFile = reports::leagueHeaderFile(*league);
        options.footerFile = reports::leagueFooterFile(*league);
        FlagInteraction interaction(std::nullopt, out);
        TerminalProgress progress;
        out << "Wrote " << reports::writeLeagueSite(*league, options, m_folder, interaction, progress).string() << '\n';
    }

private:
    LeagueArgument m_league;
    std::string m_folder;
    std::string m_template;
    std::string m_dataDir;
    std::string m_game;
    reports::LeagueSiteOptions m_options;
};

}  // namespace

std::unique_ptr<CliCommand> makeSiteCommand() {
    return std::make_unique<SiteCommand>();
}

}  // namespace zt::cli
