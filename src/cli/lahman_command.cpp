// ztedit-cli convert-lahman SOURCE_DIR DEST_DIR [--from Y --to Y]: the public historical baseball
// database turned into the import database of "Import Team".
#include <CLI/CLI.hpp>
#include <optional>
#include <ostream>

#include "cli/commands.h"
#include "ratings/lahman_conversion.h"

namespace zt::cli {

namespace {

class ConvertLahmanCommand final : public CliCommand {
public:
    void configure(CLI::App& app) override {
        m_subcommand = app.add_subcommand(
            "convert-lahman",
            "Turn the public historical baseball database (People, Teams, Batting, Pitching, Fielding, Appearances "
            "CSV files) into the import database of Import Team");
        m_subcommand->add_option("SOURCE_DIR", m_source, "Folder of the database's CSV files")->required();
        m_subcommand->add_option("DEST_DIR", m_destination, "Folder that receives the import database")->required();
        m_subcommand->add_option("--from", m_options.fromYear, "First season of the teams and rosters");
        m_subcommand->add_option("--to", m_options.toYear, "Last season of the teams and rosters");
    }

    void run(std::ostream& out) override {
        const LahmanConversionCounts counts = convertLahmanDatabase(m_source, m_destination, m_options);
        out << counts.teams << " teams, " << counts.rosterRows << " roster rows, " << counts.players
            << " players written to " << m_destination << '\n';
    }

private:
    std::string m_source;
    std::string m_destination;
    LahmanConversionOptions m_options;
};

}  // namespace

std::unique_ptr<CliCommand> makeConvertLahmanCommand() {
    return std::make_unique<ConvertLahmanCommand>();
}

}  // namespace zt::cli
