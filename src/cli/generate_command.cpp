#include <CLI/CLI.hpp>
#include <ostream>

#include "cli/commands.h"
#include "sample/sample_league.h"

namespace zt::cli {

namespace {

class GenerateCommand final : public CliCommand {
public:
    void configure(CLI::App& app) override {
        m_subcommand = app.add_subcommand("generate", "Write a complete, realistic sample league into FOLDER");
        m_subcommand->add_option("FOLDER", m_folder, "Folder that receives Sample.sea and SampleSeason/")->required();
        m_subcommand->add_option("--seed", m_options.seed, "Seed of the generator (same seed, same bytes)");
        m_subcommand->add_option("--players-per-team", m_options.playersPerTeam, "Players on each team's roster");
        m_subcommand->add_option("--free-agents", m_options.freeAgents, "Number of free agents");
        m_subcommand->add_option("--years", m_options.years, "Past seasons of statistical history");
        m_subcommand->add_option("--days", m_options.days, "Days of the season's schedule");
    }

    void run(std::ostream& out) override {
        const auto seasonFile = sample::generateSampleLeague(m_folder, m_options);
        out << "Sample league written: " << seasonFile.string() << '\n';
    }

private:
    std::string m_folder;
    sample::SampleOptions m_options;
};

}  // namespace

std::unique_ptr<CliCommand> makeGenerateCommand() {
    return std::make_unique<GenerateCommand>();
}

}  // namespace zt::cli
