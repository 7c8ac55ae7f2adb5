// ztedit-cli report cards: the "Player's card" window's pages, of one player, of one team or of
// every team, into a folder.
#include <CLI/CLI.hpp>
#include <ostream>

#include "cli/flag_interaction.h"
#include "cli/report_subcommand.h"
#include "cli/terminal_progress.h"
#include "league/error.h"
#include "league/file_io.h"
#include "league/league.h"
#include "reports/card_photos.h"
#include "reports/league_index.h"
#include "reports/player_card.h"

namespace zt::cli {

namespace {

namespace fs = std::filesystem;
using namespace zt::reports;

class CardsReport final : public ReportSubcommand {
public:
    void configure(CLI::App& report) override {
        m_command = report.add_subcommand(
            "cards",
            "The players' card pages (named first and last name + .htm) of one team (--team N, fa for the free "
            "agents), of every team (--all) or of one player (--player INDEX) into the folder --out");
        m_common.addTo(*m_command, "Folder of the card pages");
        m_command->get_option("--out")->required();
        CLI::Option* team = m_command->add_option("--team", m_team, "Team number, or fa for the free agents");
        CLI::Option* all = m_command->add_flag("--all", m_all, "Every team, then the free agents");
        CLI::Option* player = m_command->add_option("--player", m_player, "One player, by index in the player list");
        team->excludes(all)->excludes(player);
        all->excludes(player);
        m_command->add_flag("--html-table", m_options.htmlTable, "The table form (header.txt and footer.txt)");
        m_command->add_flag("--minors", m_options.includeMinors, "Include the minor league statistics");
        m_command->add_flag("--no-team-split", m_options.noTeamSplit, "One row per season and level");
        m_command->add_flag("--extended-batting", m_options.battingExtended, "Batting columns GIDP to PH too");
        m_command->add_flag("--extended-pitching", m_options.pitchingExtended, "Pitching columns WP to PIT# too");
        m_command->add_flag("--ml-only", m_options.mlRostersOnly, "Only players of the major league rosters");
        m_command->add_option(
            "--game", m_game, "Game folder whose photo album gives the photos (default: $ZTEDIT_GAME_DIR)");
        m_command->add_option("--data-dir",
                              m_dataDir,
                              "Editor data folder with header.txt, footer.txt and blank.bmp (default: "
                              "$ZTEDIT_DATA_DIR)");
    }

    bool parsed() const override { return m_command->parsed(); }

    void run(std::ostream& out) override {
        const auto league = m_common.league.open();
        const LeagueIndex index(*league);
        CardOptions options = m_options;
        options.html = cardHtmlSettings();
        options.html.headerFile = m_common.headerFile(*league);
        options.html.footerFile = m_common.footerFile(*league);
        options.dataDirectory = reportDataDir(m_dataDir);
        options.photo = albumCardPhotos(gameFolder(m_game));
        const fs::path folder = m_common.out;
        CreatedFolders created(folder);
        FileTransaction batch(FileTransaction::Batch::Open);
        FlagInteraction interaction(std::nullopt, out);
        if (m_player) {
            if (*m_player < 0 || *m_player >= static_cast<int>(league->players.size())) {
                throw Error("Player " + std::to_string(*m_player) + " is not in the player list (0 to " +
                            std::to_string(league->players.size() - 1) + ")");
            }
            copyBlankPicture(options.dataDirectory, folder);
            writeCard(
                *league, index, *league->players[static_cast<std::size_t>(*m_player)], options, folder, interaction);
        } else if (m_all) {
            TerminalProgress progress;
            writeAllCards(*league, index, options, folder, interaction, progress);
        } else if (m_team) {
            writeTeamCards(*league, index, teamNumber(*league), options, folder, interaction);
        } else {
            throw Error("Name the cards with --team N, --all or --player INDEX");
        }
        batch.commit();
        created.keep();
    }

private:
    int teamNumber(const League& league) const {
        if (*m_team == "fa" || *m_team == "FA") {
            return kFreeAgentTeam;
        }
        try {
            const int number = std::stoi(*m_team);
            if (league.isTeam(number) && std::to_string(number) == *m_team) {
                return number;
            }
        } catch (const std::exception&) {
        }
        throw Error("'" + *m_team + "' is not a team of this league (0 to " + std::to_string(league.teamCount() - 1) +
                    " or fa)");
    }

    CLI::App* m_command = nullptr;
    ReportCommonOptions m_common;
    std::optional<std::string> m_team;
    std::optional<int> m_player;
    bool m_all = false;
    std::string m_dataDir;
    std::string m_game;
    CardOptions m_options;
};

}  // namespace

std::unique_ptr<ReportSubcommand> makeCardsReport() {
    return std::make_unique<CardsReport>();
}

}  // namespace zt::cli
