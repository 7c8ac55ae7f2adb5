// schedule, boxscore, manager and shift-years: the season windows' commands from the command line.
#include <CLI/CLI.hpp>
#include <optional>
#include <ostream>
#include <string>

#include "cli/commands.h"
#include "cli/flag_interaction.h"
#include "cli/league_argument.h"
#include "league/error.h"
#include "league/league.h"
#include "league/league_io.h"
#include "season/box_scores.h"
#include "season/manager_profile.h"
#include "season/schedule.h"
#include "season/schedule_csv.h"
#include "season/year_shift.h"

namespace zt::cli {

namespace {

void saveAndSay(League& league, std::ostream& out) {
    saveLeague(league);
    out << "Saved " << league.leagueDir.string() << '\n';
}

// --yes and --no, for the commands that ask what the window asks.
struct AnswerFlags {
    bool yes = false;
    bool no = false;

    void addTo(CLI::App& command, const char* yesText, const char* noText) {
        CLI::Option* yesOption = command.add_flag("--yes", yes, yesText);
        CLI::Option* noOption = command.add_flag("--no", no, noText);
        yesOption->excludes(noOption);
    }

    std::optional<bool> answer() const { return answerFromFlags(yes, no); }
};

class ScheduleCommand final : public CliCommand {
public:
    void configure(CLI::App& app) override {
        m_subcommand = app.add_subcommand("schedule", "Export the season schedule to CSV, or import one and save");
        m_subcommand->require_subcommand(1);
        m_export = m_subcommand->add_subcommand("export", "Write the schedule as the window's \"Export to CSV\" does");
        m_exportLeague.addTo(*m_export);
        m_export->add_option("FILE", m_exportFile, "The CSV file to write")->required();
        m_import = m_subcommand->add_subcommand(
            "import",
            "Replace the schedule with a CSV file (teams only; every result is reset) and save the league. Every line "
            "is checked first: a bad line changes nothing");
        m_importLeague.addTo(*m_import);
        m_import->add_option("FILE", m_importFile, "The CSV file to read")->required();
    }

    void run(std::ostream& out) override {
        if (m_export->parsed()) {
            const auto league = m_exportLeague.open();
            season::requireSchedule(*league);
            season::exportScheduleCsv(*league, m_exportFile);
            out << season::kDoneMessage << '\n';
        } else {
            auto league = m_importLeague.open();
            season::requireSchedule(*league);
            const int days = season::importScheduleCsv(*league, m_importFile);
            out << season::kDoneMessage << ": " << days << (days == 1 ? " day" : " days") << '\n';
            saveAndSay(*league, out);
        }
    }

private:
    CLI::App* m_export = nullptr;
    CLI::App* m_import = nullptr;
    LeagueArgument m_exportLeague;
    LeagueArgument m_importLeague;
    std::string m_exportFile;
    std::string m_importFile;
};

class BoxScoreCommand final : public CliCommand {
public:
    void configure(CLI::App& app) override {
        m_subcommand = app.add_subcommand(
            "boxscore", "Print a game's box score from the league's BoxScores.txt, as the box score window shows it");
        m_league.addTo(*m_subcommand);
        m_subcommand->add_option("--day", m_day, "Day of the schedule (1 is the first)")->required();
        m_subcommand->add_option("--home", m_home, "Home team number")->required();
        m_subcommand->add_option("--visitor", m_visitor, "Visiting team number")->required();
        m_subcommand->add_option("--until", m_until, "Where the box score ends: END (the default) or SUMMARY")
            ->check(CLI::IsMember(
                std::vector<std::string>{std::string(season::kEndMarker), std::string(season::kSummaryMarker)}));
    }

    void run(std::ostream& out) override {
        const auto league = m_league.open();
        const auto found = season::findBoxScore(league->leagueDir, m_day, m_home, m_visitor, m_until);
        if (!found) {
            throw Error(std::string(season::kBoxScoreNotFound));
        }
        out << season::boxScoreText(season::boxScoreLines(*found));
    }

private:
    LeagueArgument m_league;
    int m_day = 0;
    int m_home = 0;
    int m_visitor = 0;
    std::string m_until{season::kEndMarker};
};

class ManagerCommand final : public CliCommand {
public:
    void configure(CLI::App& app) override {
        m_subcommand = app.add_subcommand("manager", "Export a team's manager profile to an .mps file, or import one");
        m_subcommand->require_subcommand(1);
        m_export = m_subcommand->add_subcommand("export", "Write the team's 13 manager profile values (52 bytes)");
        m_exportLeague.addTo(*m_export);
        m_export->add_option("--team", m_exportTeam, "Team number")->required();
        m_export->add_option("FILE", m_exportFile, "The .mps file to write")->required();
        m_import = m_subcommand->add_subcommand(
            "import",
            "Read an .mps file into the team (--no) or into every team (--yes), as \"Import settings\" asks, and save");
        m_importLeague.addTo(*m_import);
        m_import->add_option("--team", m_importTeam, "Team number")->required();
        m_import->add_option("FILE", m_importFile, "The .mps file to read")->required();
        m_answers.addTo(*m_import, "Apply the settings to all teams", "Apply them to the team only");
    }

    void run(std::ostream& out) override {
        if (m_export->parsed()) {
            const auto league = m_exportLeague.open();
            season::exportManagerProfile(*league, m_exportTeam, m_exportFile);
            return;
        }
        auto league = m_importLeague.open();
        FlagInteraction interaction(m_answers.answer(), out);
        season::importManagerProfile(*league, m_importTeam, m_importFile, interaction);
        saveAndSay(*league, out);
    }

private:
    CLI::App* m_export = nullptr;
    CLI::App* m_import = nullptr;
    LeagueArgument m_exportLeague;
    LeagueArgument m_importLeague;
    int m_exportTeam = -1;
    int m_importTeam = -1;
    std::string m_exportFile;
    std::string m_importFile;
    AnswerFlags m_answers;
};

class ShiftYearsCommand final : public CliCommand {
public:
    void configure(CLI::App& app) override {
        m_subcommand = app.add_subcommand(
            "shift-years",
            "Add a number of years to every history line of every player and team (streak lines excepted) and save; "
            "nothing changes when a year would leave 0..2047");
        m_league.addTo(*m_subcommand);
        m_subcommand->add_option("--by", m_years, "Years to add (negative to subtract)")->required();
        m_answers.addTo(*m_subcommand, "Answer Yes to the confirmation", "Answer No: nothing changes");
    }

    void run(std::ostream& out) override {
        auto league = m_league.open();
        FlagInteraction interaction(m_answers.answer(), out);
        const int shifted = season::adjustHistoricalStats(*league, m_years, interaction);
        if (shifted < 0) {
            out << "Nothing was changed.\n";
            return;
        }
        out << shifted << (shifted == 1 ? " history line" : " history lines") << " shifted by " << m_years
            << (m_years == 1 || m_years == -1 ? " year" : " years") << '\n';
        if (shifted > 0) {
            saveAndSay(*league, out);
        }
    }

private:
    LeagueArgument m_league;
    int m_years = 0;
    AnswerFlags m_answers;
};

}  // namespace

std::unique_ptr<CliCommand> makeScheduleCommand() {
    return std::make_unique<ScheduleCommand>();
}
std::unique_ptr<CliCommand> makeBoxScoreCommand() {
    return std::make_unique<BoxScoreCommand>();
}
std::unique_ptr<CliCommand> makeManagerCommand() {
    return std::make_unique<ManagerCommand>();
}
std::unique_ptr<CliCommand> makeShiftYearsCommand() {
    return std::make_unique<ShiftYearsCommand>();
}

}  // namespace zt::cli
