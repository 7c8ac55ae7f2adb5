#include <CLI/CLI.hpp>
#include <ostream>

#include "cli/commands.h"
#include "cli/league_argument.h"
#include "league/league.h"
#include "league/league_io.h"

namespace zt::cli {

namespace {

class SaveCommand final : public CliCommand {
public:
    void configure(CLI::App& app) override {
        m_subcommand = app.add_subcommand("save", "Open a league and save it in place");
        m_league.addTo(*m_subcommand);
    }

    void run(std::ostream& out) override {
        auto league = m_league.open();
        saveLeague(*league);
        out << "Saved " << league->leagueDir.string() << '\n';
    }

private:
    LeagueArgument m_league;
};

// "restore LEAGUE": the league files of the save before the last one come back; the files of
// now become the backup, so running it again undoes it.
class RestoreCommand final : public CliCommand {
public:
    void configure(CLI::App& app) override {
        m_subcommand = app.add_subcommand("restore", "Bring back the league files of the previous save");
        m_league.addTo(*m_subcommand);
    }

    void run(std::ostream& out) override {
        restorePreviousSave(m_league.path());
        out << "Restored the previous save of " << m_league.path() << '\n';
    }

private:
    LeagueArgument m_league;
};

class SaveAsCommand final : public CliCommand {
public:
    void configure(CLI::App& app) override {
        m_subcommand = app.add_subcommand("save-as", "Open a league and save it under a new season file");
        m_league.addTo(*m_subcommand);
        m_subcommand->add_option("NEW", m_target, "The new season file (*.sea)")->required();
    }

    void run(std::ostream& out) override {
        auto league = m_league.open();
        saveLeagueAs(*league, m_target);
        out << "Saved " << league->leagueDir.string() << '\n';
    }

private:
    LeagueArgument m_league;
    std::string m_target;
};

}  // namespace

std::unique_ptr<CliCommand> makeSaveCommand() {
    return std::make_unique<SaveCommand>();
}
std::unique_ptr<CliCommand> makeRestoreCommand() {
    return std::make_unique<RestoreCommand>();
}

std::unique_ptr<CliCommand> makeSaveAsCommand() {
    return std::make_unique<SaveAsCommand>();
}

}  // namespace zt::cli
