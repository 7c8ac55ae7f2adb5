// ztedit-cli import-csv, import-team and generate-database: the CSV import of players and of
// historical teams, and an invented database to import them from.
#include <CLI/CLI.hpp>
#include <optional>
#include <ostream>

#include "cli/commands.h"
#include "cli/data_dir_option.h"
#include "cli/flag_interaction.h"
#include "cli/league_argument.h"
#include "cli/terminal_progress.h"
#include "league/error.h"
#include "league/file_io.h"
#include "league/league.h"
#include "league/league_io.h"
#include "ratings/csv_columns.h"
#include "ratings/csv_import.h"
#include "ratings/import_factors.h"
#include "ratings/team_import.h"
#include "sample/database_generator.h"

namespace zt::cli {

namespace {

CsvColumns columnsOf(const std::filesystem::path& dataDir) {
    return CsvColumns::read(leagueFilePath(dataDir, "csvcols.txt"));
}

// The options that answer the transfers' questions (an injured player in a lineup).
struct AnswerFlags {
    bool yes = false;
    bool no = false;
    void addTo(CLI::App& command) {
        auto* yesFlag = command.add_flag("--yes", yes, "Answer Yes to every question");
        command.add_flag("--no", no, "Answer No to every question")->excludes(yesFlag);
    }
};

class ImportCsvCommand final : public CliCommand {
public:
    void configure(CLI::App& app) override {
        m_subcommand = app.add_subcommand(
            "import-csv", "Update and create players from a CSV file whose header names csvcols.txt columns, and save");
        m_league.addTo(*m_subcommand);
        m_subcommand->add_option("FILE", m_file, "The CSV file")->required();
        m_subcommand->add_flag("--no-create", m_noCreate, "Skip rows of players the league does not have");
        m_subcommand->add_flag("--recalc-batting", m_options.recalcBatting, "Recalculate the batting splits");
        m_subcommand->add_flag("--recalc-pitching", m_options.recalcPitching, "Recalculate the pitches' splits");
        m_subcommand->add_flag("--lahman-positions", m_lahman, "Read position cells as position strings (*2/S, O13)");
        m_subcommand->add_flag("--no-check", m_options.noCheck, "Do not check for existing players");
        m_subcommand->add_option("--dest", m_options.destination, "Team number of created players (255: free agents)")
            ->check(CLI::Range(0, 255));
        m_dataDir.addTo(*m_subcommand);
        m_answers.addTo(*m_subcommand);
    }

    void run(std::ostream& out) override {
        const std::filesystem::path dataDir = m_dataDir.directory();
        const LeagueConstants constants = m_dataDir.constants();
        const CsvColumns columns = columnsOf(dataDir);
        const ImportFactors factors = readImportFactors(factorsFile(dataDir)).value_or(ImportFactors{});
        auto league = m_league.open();
        if (!isLeagueDestination(*league, m_options.destination)) {
            throw Error("Team " + std::to_string(m_options.destination) + " is not a team of this league");
        }
        m_options.createPlayers = !m_noCreate;
        m_options.lahmanPositions = m_lahman;
        CsvImportMemory memory;
        FlagInteraction interaction(answerFromFlags(m_answers.yes, m_answers.no), out);
        TerminalProgress progress;
        CsvImportContext context{*league, columns, constants, factors, memory, interaction, progress};
        // A failure stops before the save: the league on disk stays as it was.
        const CsvImportCounts counts = importCsvFile(m_file, m_options, context);
        saveLeague(*league);
        out << importCountsMessage(counts) << '\n';
        out << "Saved " << league->leagueDir.string() << '\n';
    }

    static bool isLeagueDestination(const League& league, int team) { return team == 255 || league.isTeam(team); }

private:
    LeagueArgument m_league;
    DataDirOption m_dataDir;
    AnswerFlags m_answers;
    std::string m_file;
    bool m_noCreate = false;
    bool m_lahman = false;
    CsvImportOptions m_options;
};

class ImportTeamCommand final : public CliCommand {
public:
    void configure(CLI::App& app) override {
        m_subcommand = app.add_subcommand(
            "import-team", "Create the players of a historical team's roster for a year from the database, and save");
        m_league.addTo(*m_subcommand);
        m_subcommand->add_option(
            "--database", m_database, "The database folder (default: Database in the data directory)");
        m_subcommand->add_option("--team", m_team, "The team's identifier in teammaster.csv")->required();
        m_subcommand->add_option("--year", m_year, "The season to import")->required();
        m_subcommand->add_option("--dest", m_destination, "Team number of the new players (255: free agents)")
            ->check(CLI::Range(0, 255));
        m_subcommand->add_option(
            "--min-ab", m_minAb, "Below this many at-bats (and Min ip innings) a player starts in AAA");
        m_subcommand->add_option(
            "--min-ip", m_minIp, "Below this many innings (and Min ab at-bats) a player starts in AAA");
        m_subcommand->add_option("--abpi", m_abpi, "Opponents' at-bats per inning");
        m_subcommand->add_option("--waf", m_waf, "Walks allowed adjustment factor");
        m_subcommand->add_option("--baf", m_baf, "Batting adjustment factor");
        m_subcommand->add_option("--ecf", m_ecf, "Endurance calculation factor");
        m_subcommand->add_option("--endurance", m_endurance, "Endurance based on career or year statistics")
            ->check(CLI::IsMember({"career", "year"}));
        m_subcommand->add_flag(
            "--perf-batting-600", m_settings.battingTo600, "Batting performance data per 600 at-bats");
        m_subcommand->add_flag(
            "--perf-pitching-800", m_settings.pitchingTo800, "Pitching performance data per 800 at-bats");
        m_dataDir.addTo(*m_subcommand);
        m_answers.addTo(*m_subcommand);
    }

    void run(std::ostream& out) override {
        const std::filesystem::path dataDir = m_dataDir.directory();
        const LeagueConstants constants = m_dataDir.constants();
        const CsvColumns columns = columnsOf(dataDir);
        const std::filesystem::path database =
            m_database.empty() ? databaseFolder(dataDir) : std::filesystem::path(m_database);
        ImportFactors factors = readImportFactors(leagueFilePath(database, "factors.zt")).value_or(ImportFactors{});
        factors.minAb = m_minAb.value_or(factors.minAb);
        factors.minIp = m_minIp.value_or(factors.minIp);
        factors.abpi = m_abpi.value_or(factors.abpi);
        factors.waf = m_waf.value_or(factors.waf);
        factors.baf = m_baf.value_or(factors.baf);
        factors.ecf = m_ecf.value_or(factors.ecf);
        const TeamMaster master = readTeamMaster(database);
        const TeamMasterEntry* team = master.find(m_team);
        if (team == nullptr) {
            throw Error("The team " + m_team + " is not in " + master.csv.name());
        }
        auto league = m_league.open();
        if (m_destination != 255 && !league->isTeam(m_destination)) {
            throw Error("Team " + std::to_string(m_destination) + " is not a team of this league");
        }
        TeamImportRequest request;
        request.team = *team;
        request.year = m_year;
        request.destination = m_destination;
        request.settings.endurance =
            m_endurance == "year" ? EnduranceBase::ImportedYearStats : EnduranceBase::CareerStats;
        request.settings.battingTo600 = m_settings.battingTo600;
        request.settings.pitchingTo800 = m_settings.pitchingTo800;
        CsvImportMemory memory;
        FlagInteraction interaction(answerFromFlags(m_answers.yes, m_answers.no), out);
        TerminalProgress progress;
        CsvImportContext context{*league, columns, constants, factors, memory, interaction, progress};
        const TeamImportResult result = importTeam(database, request, context);
        saveLeague(*league);
        out << teamImportMessage(result) << '\n';
        out << importCountsMessage(result.counts) << '\n';
        out << "Saved " << league->leagueDir.string() << '\n';
    }

private:
    LeagueArgument m_league;
    DataDirOption m_dataDir;
    AnswerFlags m_answers;
    std::string m_database;
    std::string m_team;
    int m_year = 0;
    int m_destination = 255;
    std::optional<double> m_minAb, m_minIp, m_abpi, m_waf, m_baf, m_ecf;
    std::string m_endurance = "career";
    TeamModeSettings m_settings;
};

class GenerateDatabaseCommand final : public CliCommand {
public:
    void configure(CLI::App& app) override {
        m_subcommand = app.add_subcommand("generate-database",
                                          "Write an invented historical database for Import Team into FOLDER");
        m_subcommand->add_option("FOLDER", m_folder, "Folder that receives the five CSV files")->required();
        m_subcommand->add_option("--seed", m_options.seed, "Seed of the generator (same seed, same bytes)");
        m_subcommand->add_option("--teams", m_options.teams, "Number of teams")->check(CLI::Range(1, 999));
        m_subcommand->add_option("--years", m_years, "The span of seasons, FIRST-LAST (e.g. 1996-2000)");
        m_subcommand->add_option("--roster-size", m_options.rosterSize, "Players on each team's roster a year")
            ->check(CLI::Range(20, 120));
    }

    void run(std::ostream& out) override {
        if (!m_years.empty()) {
            const auto dash = m_years.find('-');
            try {
                if (dash == std::string::npos) {
                    throw std::invalid_argument(m_years);
                }
                std::size_t used = 0;
                m_options.firstYear = std::stoi(m_years.substr(0, dash), &used);
                if (used != dash) {
                    throw std::invalid_argument(m_years);
                }
                const std::string last = m_years.substr(dash + 1);
                m_options.lastYear = std::stoi(last, &used);
                if (used != last.size()) {
                    throw std::invalid_argument(m_years);
                }
            } catch (const std::logic_error&) {
                throw Error("'" + m_years + "' is not a span of years FIRST-LAST");
            }
        }
        sample::generateDatabase(m_folder, m_options);
        out << "Database written: " << m_folder << '\n';
    }

private:
    std::string m_folder;
    std::string m_years;
    sample::DatabaseOptions m_options;
};

}  // namespace

std::unique_ptr<CliCommand> makeImportCsvCommand() {
    return std::make_unique<ImportCsvCommand>();
}

std::unique_ptr<CliCommand> makeImportTeamCommand() {
    return std::make_unique<ImportTeamCommand>();
}

std::unique_ptr<CliCommand> makeGenerateDatabaseCommand() {
    return std::make_unique<GenerateDatabaseCommand>();
}

}  // namespace zt::cli
