// check-lineups and transfer: the lineup check and the transfer of a player from the command line.
#include <CLI/CLI.hpp>
#include <ostream>
#include <string>

#include "cli/commands.h"
#include "cli/flag_interaction.h"
#include "cli/league_argument.h"
#include "league/error.h"
#include "league/league.h"
#include "league/league_io.h"
#include "rosters/lineup_check.h"
#include "rosters/transfers.h"

namespace zt::cli {

namespace {

std::string playerText(const League& league, std::int32_t playerId) {
    if (playerId < 0) {
        return "empty";
    }
    const PlayerRecord* player = league.findPlayerById(static_cast<std::uint32_t>(playerId));
    std::string text = "player " + std::to_string(playerId);
    if (player != nullptr) {
        text += " (" + player->get(pf::lastName) + " , " + player->get(pf::firstName) + ")";
    }
    return text;
}

std::string teamText(const League& league, int team) {
    if (team == kFreeAgentTeam) {
        return "the free agents";
    }
    return "team " + std::to_string(team) + " (" + league.teamName(team) + ")";
}

std::string teamRange(const League& league) {
    return league.teamCount() == 0 ? std::string("it has none") : "0 to " + std::to_string(league.teamCount() - 1);
}

// The flags shared by both commands.
struct CommonOptions {
    bool yes = false;
    bool no = false;
    bool save = false;

    void addTo(CLI::App& command) {
        CLI::Option* yesOption = command.add_flag(
            "--yes", yes, "Answer Yes to every question (an injured player is healed and keeps his slot)");
        CLI::Option* noOption =
            command.add_flag("--no", no, "Answer No to every question (an injured player leaves the slot)");
        yesOption->excludes(noOption);
        command.add_flag("--save", save, "Save the league when the command succeeded");
    }

    void saveIfAsked(League& league, std::ostream& out) const {
        if (save) {
            saveLeague(league);
            out << "Saved " << league.leagueDir.string() << '\n';
        }
    }
};

class CheckLineupsCommand final : public CliCommand {
public:
    void configure(CLI::App& app) override {
        m_subcommand = app.add_subcommand(
            "check-lineups",
            "Run the lineup check of a team and list every slot it emptied. A question about an injured player "
            "needs --yes or --no; without them the command fails and changes nothing");
        m_league.addTo(*m_subcommand);
        m_subcommand->add_option("--team", m_team, "Team number")->required();
        m_options.addTo(*m_subcommand);
    }

    void run(std::ostream& out) override {
        auto league = m_league.open();
        if (!league->isTeam(m_team)) {
            throw Error("Team " + std::to_string(m_team) + " is not a team of this league (" + teamRange(*league) +
                        ")");
        }
        FlagInteraction interaction(answerFromFlags(m_options.yes, m_options.no), out);
        const LineupCheckResult result = checkLineups(*league, m_team, interaction);
        for (const auto& change : result.changes) {
            out << slotGroupName(change.group, change.index) << ", slot " << change.slot + 1 << ": "
                << playerText(*league, change.before) << " -> " << playerText(*league, change.after) << '\n';
        }
        out << result.changes.size() << (result.changes.size() == 1 ? " slot" : " slots") << " changed in "
            << teamText(*league, m_team) << '\n';
        m_options.saveIfAsked(*league, out);
    }

private:
    LeagueArgument m_league;
    int m_team = -1;
    CommonOptions m_options;
};

class TransferCommand final : public CliCommand {
public:
    void configure(CLI::App& app) override {
        m_subcommand = app.add_subcommand(
            "transfer",
            "Transfer a player to a team or to the free agents (255); fails when the team's roster has no room");
        m_league.addTo(*m_subcommand);
        m_subcommand->add_option("--player", m_playerId, "Id of the player (the first player with it)")->required();
        m_subcommand->add_option("--to", m_team, "Team number, 255 for the free agents")->required();
        m_options.addTo(*m_subcommand);
    }

    void run(std::ostream& out) override {
        auto league = m_league.open();
        PlayerRecord* player = league->findPlayerById(m_playerId);
        if (player == nullptr) {
            throw Error("No player has the id " + std::to_string(m_playerId));
        }
        if (!isTransferDestination(*league, m_team)) {
            throw Error("Team " + std::to_string(m_team) + " is not a team of this league (" + teamRange(*league) +
                        ") nor 255 for the free agents");
        }
        const int oldTeam = player->teamIndex();
        const std::string name = playerText(*league, player->playerId());
        FlagInteraction interaction(answerFromFlags(m_options.yes, m_options.no), out);
        player->set(pf::teamIndex, static_cast<std::uint8_t>(m_team));
        if (!transferPlayer(*league, *player, oldTeam, m_team, interaction)) {
            throw Error("No room on the roster of " + teamText(*league, m_team) + ": " + name + " stays with " +
                        teamText(*league, oldTeam));
        }
        out << "Transferred " << name << " from " << teamText(*league, oldTeam) << " to " << teamText(*league, m_team)
            << '\n';
        m_options.saveIfAsked(*league, out);
    }

private:
    LeagueArgument m_league;
    std::uint32_t m_playerId = 0;
    int m_team = -1;
    CommonOptions m_options;
};

}  // namespace

std::unique_ptr<CliCommand> makeCheckLineupsCommand() {
    return std::make_unique<CheckLineupsCommand>();
}
std::unique_ptr<CliCommand> makeTransferCommand() {
    return std::make_unique<TransferCommand>();
}

}  // namespace zt::cli
