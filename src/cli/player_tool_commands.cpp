// history, export-players, import-players, export-rosters and import-rosters: the player tools
// of the editor from the command line, writing the files the window writes.
#include <CLI/CLI.hpp>
#include <algorithm>
#include <map>
#include <ostream>
#include <set>
#include <string>
#include <vector>

#include "cli/commands.h"
#include "cli/flag_interaction.h"
#include "cli/league_argument.h"
#include "league/error.h"
#include "league/league.h"
#include "league/league_io.h"
#include "players/export_pool.h"
#include "players/history_lines.h"
#include "players/transfer_file.h"
#include "reports/history_report.h"
#include "rosters/player_import.h"
#include "rosters/rosters_file.h"

namespace zt::cli {

namespace {

PlayerRecord& playerWithId(League& league, std::uint32_t id) {
    PlayerRecord* player = league.findPlayerById(id);
    if (player == nullptr) {
        throw Error("No player has the id " + std::to_string(id));
    }
    return *player;
}

// The table as text: columns padded to their widest cell, two blanks apart.
void printTable(const reports::ReportTable& table, std::ostream& out) {
    const std::vector<int> columns = table.visibleColumns();
    std::vector<std::size_t> widths(columns.size(), 0);
    for (int row = 0; row < table.rowCount(); ++row) {
        for (std::size_t i = 0; i < columns.size(); ++i) {
            widths[i] = std::max(widths[i], table.text(row, columns[i]).size());
        }
    }
    for (int row = 0; row < table.rowCount(); ++row) {
        std::string line;
        for (std::size_t i = 0; i < columns.size(); ++i) {
            const std::string& cell = table.text(row, columns[i]);
            line += cell;
            if (i + 1 < columns.size()) {
                line.append(widths[i] - cell.size() + 2, ' ');
            }
        }
        line.erase(line.find_last_not_of(' ') + 1);
        out << line << '\n';
    }
}

class HistoryCommand final : public CliCommand {
public:
    void configure(CLI::App& app) override {
        m_subcommand = app.add_subcommand(
            "history",
            "Print a player's history lines of one kind as the history page's summary grid shows them, or with "
            "--csv the file its \"Export to CSV\" writes");
        m_league.addTo(*m_subcommand);
        m_subcommand->add_option("--player", m_playerId, "Id of the player (the first player with it)")->required();
        m_subcommand->add_option("--kind", m_kind, "batting (the default), pitching or fielding")
            ->check(CLI::IsMember(kinds()));
        m_subcommand->add_flag("--csv", m_csv, "Print the CSV export instead of a text table");
    }

    void run(std::ostream& out) override {
        auto league = m_league.open();
        if (!league->statsLoaded) {
            throw Error("The league has no stats file (stats.zt): it keeps no history");
        }
        const PlayerRecord& player = playerWithId(*league, m_playerId);
        const StatHistory* history = findHistory(league->playerHistories, player.playerId());
        const reports::ReportTable table = historySummaryTable(*league, history, kinds().at(m_kind));
        if (m_csv) {
            out << historyCsvText(player, table);
        } else {
            printTable(table, out);
        }
    }

private:
    static const std::map<std::string, HistoryKind>& kinds() {
        static const std::map<std::string, HistoryKind> kKinds = {{"batting", HistoryKind::Batting},
                                                                  {"pitching", HistoryKind::Pitching},
                                                                  {"fielding", HistoryKind::Fielding}};
        return kKinds;
    }

    LeagueArgument m_league;
    std::uint32_t m_playerId = 0;
    std::string m_kind = "batting";
    bool m_csv = false;
};

class ExportPlayersCommand final : public CliCommand {
public:
    void configure(CLI::App& app) override {
        m_subcommand = app.add_subcommand(
            "export-players",
            "Write a player transfer file of the players with these ids (in that order) and their history, as "
            "\"Export Players\" writes the export pool");
        m_league.addTo(*m_subcommand);
        m_subcommand->add_option("--ids", m_ids, "Player ids separated by commas")->required()->delimiter(',');
        m_subcommand->add_option("--out", m_out, "The transfer file to write")->required();
    }

    void run(std::ostream& out) override {
        auto league = m_league.open();
        std::set<std::uint32_t> seen;
        for (const std::uint32_t id : m_ids) {
            if (!seen.insert(id).second) {
                throw Error("The id " + std::to_string(id) + " is given twice");
            }
            toggleExportMark(*league, playerWithId(*league, id));
        }
        FlagInteraction interaction(std::nullopt, out);
        exportPlayers(*league, m_out, interaction);
    }

private:
    LeagueArgument m_league;
    std::vector<std::uint32_t> m_ids;
    std::string m_out;
};

class ImportPlayersCommand final : public CliCommand {
public:
    void configure(CLI::App& app) override {
        m_subcommand = app.add_subcommand(
            "import-players",
            "Add the players of a transfer file with their history (new ids where theirs are taken) and save the "
            "league. --to 999 keeps each player's team, 255 makes them free agents, a team number sends them there; "
            "a player finding no free roster place becomes a free agent");
        m_league.addTo(*m_subcommand);
        m_subcommand->add_option("FILE", m_file, "The player transfer file")->required();
        m_subcommand->add_option("--to", m_destination, "999, 255 or a team number")->required();
    }

    void run(std::ostream& out) override {
        auto league = m_league.open();
        FlagInteraction interaction(std::nullopt, out);
        importPlayers(*league, m_file, m_destination, interaction);
        saveLeague(*league);
        out << "Saved " << league->leagueDir.string() << '\n';
    }

private:
    LeagueArgument m_league;
    std::string m_file;
    int m_destination = -1;
};

class ExportRostersCommand final : public CliCommand {
public:
    void configure(CLI::App& app) override {
        m_subcommand = app.add_subcommand(
            "export-rosters",
            "Run the lineup check of a team and write its rosters management file (.ssr). The league is not saved. "
            "A question (incomplete lineups or rotations, an injured player in them) needs --force, which answers "
            "Yes; without it the command fails and writes nothing");
        m_league.addTo(*m_subcommand);
        m_subcommand->add_option("--team", m_team, "Team number")->required();
        m_subcommand->add_option("--out", m_out, "The .ssr file to write")->required();
        m_subcommand->add_flag("--force", m_force, "Answer Yes to every question");
    }

    void run(std::ostream& out) override {
        auto league = m_league.open();
        if (!league->isTeam(m_team)) {
            throw Error("Team " + std::to_string(m_team) + " is not a team of this league");
        }
        FlagInteraction interaction(m_force ? std::optional<bool>(true) : std::nullopt, out);
        if (!prepareRostersExport(*league, m_team, interaction)) {
            return;
        }
        writeRostersFile(*league, m_team, m_out);
        out << "Exported the rosters management of team " << m_team << " (" << league->teamName(m_team) << ") to "
            << m_out << '\n';
    }

private:
    LeagueArgument m_league;
    int m_team = -1;
    std::string m_out;
    bool m_force = false;
};

class ImportRostersCommand final : public CliCommand {
public:
    void configure(CLI::App& app) override {
        m_subcommand = app.add_subcommand(
            "import-rosters",
            "Import rosters management files (.ssr) in the order given and save the league. Every file is checked "
            "first; a question (incomplete lineups or rotations, an injured player in them) needs --yes or --no, "
            "No undoing that file's import; without them the command fails and changes nothing");
        m_league.addTo(*m_subcommand);
        m_subcommand->add_option("FILES", m_files, "The .ssr files")->required();
        CLI::Option* yes = m_subcommand->add_flag("--yes", m_yes, "Answer Yes to every question");
        CLI::Option* no = m_subcommand->add_flag("--no", m_no, "Answer No to every question");
        yes->excludes(no);
    }

    void run(std::ostream& out) override {
        auto league = m_league.open();
        std::vector<RostersFile> files;
        for (const std::string& file : m_files) {
            files.push_back(readRostersFile(file, *league));
        }
        FlagInteraction interaction(answerFromFlags(m_yes, m_no), out);
        for (const RostersFile& file : files) {
            importRosters(*league, file, interaction);
        }
        if (league->changed()) {
            saveLeague(*league);
            out << "Saved " << league->leagueDir.string() << '\n';
        }
    }

private:
    LeagueArgument m_league;
    std::vector<std::string> m_files;
    bool m_yes = false;
    bool m_no = false;
};

}  // namespace

std::unique_ptr<CliCommand> makeHistoryCommand() {
    return std::make_unique<HistoryCommand>();
}
std::unique_ptr<CliCommand> makeExportPlayersCommand() {
    return std::make_unique<ExportPlayersCommand>();
}
std::unique_ptr<CliCommand> makeImportPlayersCommand() {
    return std::make_unique<ImportPlayersCommand>();
}
std::unique_ptr<CliCommand> makeExportRostersCommand() {
    return std::make_unique<ExportRostersCommand>();
}
std::unique_ptr<CliCommand> makeImportRostersCommand() {
    return std::make_unique<ImportRostersCommand>();
}

}  // namespace zt::cli
