// ztedit-cli global-edit LEAGUE FILE.gbe: runs a .gbe file's records on a league, as the
// global-editing window's "Open" runs them, and saves the league.
#include <CLI/CLI.hpp>
#include <optional>
#include <ostream>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "cli/commands.h"
#include "cli/league_argument.h"
#include "globaledit/gbe_file.h"
#include "globaledit/gbe_run.h"
#include "league/error.h"
#include "league/interaction.h"
#include "league/league.h"
#include "league/league_io.h"
#include "league/progress.h"

namespace zt::cli {

namespace {

// Keeps the messages of the record being run, a message repeated for player after player
// (a refused Percentage) once with its count. No run asks a question.
class RecordMessages final : public Interaction {
public:
    struct Message {
        std::string text;
        int times = 1;
    };

    bool askYesNo(const std::string&, DefaultButton) override { return false; }
    Answer askYesNoCancel(const std::string&) override { return Answer::Cancel; }
    void information(const std::string& message) override { add(message); }
    void warning(const std::string& message) override { add(message); }
    std::optional<std::string> promptText(const std::string&, const std::string&, const std::string&) override {
        return std::nullopt;
    }

    std::vector<Message> take() { return std::exchange(m_messages, {}); }

private:
    void add(const std::string& message) {
        if (!m_messages.empty() && m_messages.back().text == message) {
            ++m_messages.back().times;
        } else {
            m_messages.push_back({message, 1});
        }
    }

    std::vector<Message> m_messages;
};

class GlobalEditCommand final : public CliCommand {
public:
    void configure(CLI::App& app) override {
        m_subcommand = app.add_subcommand("global-edit",
                                          "Run the records of a global-editing file (.gbe) on a league and save it");
        m_league.addTo(*m_subcommand);
        m_subcommand->add_option("FILE", m_file, "The global-editing file (*.gbe)")->required();
        m_subcommand->add_option("--current-team", m_currentTeam, "The team \"Current Team\" keeps (255: free agents)");
        m_subcommand->add_option(
            "--seed", m_seed, "Seed of the Random mode's numbers (the same seed draws the same values)");
    }

    void run(std::ostream& out) override {
        auto league = m_league.open();
        const globaledit::GbeFile file = globaledit::readGbeFile(m_file);
        const int currentTeam = checkedCurrentTeam(*league, file);

        globaledit::EditRandom random(m_seed ? *m_seed : std::random_device{}());
        RecordMessages messages;
        globaledit::RunContext context{currentTeam, random, messages, true};
        NoProgress progress;
        std::size_t recordNumber = 0;
        const auto writeMessages = [&] {
            for (const auto& message : messages.take()) {
                out << "   " << message.text;
                if (message.times > 1) {
                    out << " (" << message.times << " times)";
                }
                out << '\n';
            }
        };
        // Each record's line, then the messages its run showed.
        const auto recordDone = [&](const globaledit::RecordReport& report) {
            out << ++recordNumber << ". " << report.fieldText << ": ";
            if (report.refusal) {
                out << "skipped\n";
            } else {
                out << report.playersCounted << " players counted\n";
            }
            writeMessages();
        };
        try {
            globaledit::runGbeFile(*league, file, context, progress, {}, recordDone);
            writeMessages();  // what the file run itself said after its records
        } catch (const Error&) {
            // The run stopped: nothing is saved, and the error tells why.
            writeMessages();
            throw;
        }
        saveLeague(*league);
        out << "Saved " << league->leagueDir.string() << '\n';
    }

private:
    int checkedCurrentTeam(const League& league, const globaledit::GbeFile& file) const {
        if (m_currentTeam) {
            if (!league.isTeam(*m_currentTeam) && *m_currentTeam != kFreeAgentTeam) {
                throw Error("--current-team " + std::to_string(*m_currentTeam) + " is not a team of the league (0 to " +
                            std::to_string(league.teamCount() - 1) + ", or 255 for the free agents)");
            }
            return *m_currentTeam;
        }
        for (const auto& record : file.records) {
            if (record.team == globaledit::kCurrentTeam) {
                throw Error("The file's records keep the current team only: name it with --current-team");
            }
        }
        return -1;
    }

    LeagueArgument m_league;
    std::string m_file;
    std::optional<int> m_currentTeam;
    std::optional<std::uint64_t> m_seed;
};

}  // namespace

std::unique_ptr<CliCommand> makeGlobalEditCommand() {
    return std::make_unique<GlobalEditCommand>();
}

}  // namespace zt::cli
