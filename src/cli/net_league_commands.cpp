// update-league, send-rosters and check-update: the net league tools over HTTP and SMTP.
#include <CLI/CLI.hpp>
#include <ostream>

#include "cli/commands.h"
#include "cli/flag_interaction.h"
#include "cli/league_argument.h"
#include "cli/terminal_progress.h"
#include "league/error.h"
#include "league/league.h"
#include "league/league_io.h"
#include "league/net_info.h"
#include "netleague/league_update.h"
#include "netleague/rosters_mail.h"
#include "netleague/web_update.h"
#include "rosters/rosters_file.h"

namespace zt::cli {

namespace {

// Transfer progress as a bar on a terminal, in KiB so that large archives fit the bar's numbers.
class TransferBar final : public LeagueUpdateObserver {
public:
    explicit TransferBar(std::string label) { m_progress.setLabel(label); }
    void started(std::int64_t expected) override {
        if (expected > 0) {
            m_progress.setRange(0, static_cast<int>(expected / 1024));
        }
    }
    void received(std::int64_t bytes) override { m_progress.setValue(static_cast<int>(bytes / 1024)); }

private:
    TerminalProgress m_progress;
};

std::string joined(const std::vector<std::string>& items) {
    std::string text;
    for (const std::string& item : items) {
        text += (text.empty() ? "" : ", ") + item;
    }
    return text;
}

class UpdateLeagueCommand final : public CliCommand {
public:
    void configure(CLI::App& app) override {
        m_subcommand = app.add_subcommand(
            "update-league",
            "Download the league archive from the league's files URL (net.txt) into league.zip and extract it "
            "flat over the league's files. The question before overwriting and the one after (load the league) "
            "need --yes or --no; a failed download or a damaged archive changes no league file");
        m_league.addTo(*m_subcommand);
        CLI::Option* yes = m_subcommand->add_flag("--yes", m_yes, "Answer Yes to every question");
        CLI::Option* no = m_subcommand->add_flag("--no", m_no, "Answer No to every question");
        yes->excludes(no);
    }

    void run(std::ostream& out) override {
        const auto league = m_league.open();
        if (league->netInfo.leagueFilesUrl.empty()) {
            throw Error(kNoLeagueUrlMessage);
        }
        FlagInteraction interaction(answerFromFlags(m_yes, m_no), out);
        if (!confirmLeagueUpdate(league->netInfo, interaction)) {
            return;
        }
        TransferBar bar(kLeagueArchiveName);
        const LeagueUpdateResult result = updateLeagueFiles(league->leagueDir, league->netInfo.leagueFilesUrl, bar);
        switch (result.outcome) {
            case LeagueUpdateOutcome::Extracted:
                break;
            case LeagueUpdateOutcome::ExtractFailed:
                throw Error(std::string(kExtractErrorMessage) + "\n" + result.message);
            case LeagueUpdateOutcome::TransferFailed:
            case LeagueUpdateOutcome::Cancelled:
                throw Error(result.message);
        }
        out << "Received " << result.bytes << " bytes; extracted " << result.files.size() << " files into "
            << league->leagueDir.string() << ": " << joined(result.files) << '\n';
        if (interaction.askYesNo(kReloadLeagueQuestion)) {
            const auto reloaded = openLeague(league->selectedFile);
            out << "Loaded " << league->selectedFile.string() << ": " << reloaded->teamCount() << " teams, "
                << reloaded->players.size() << " players\n";
        }
    }

private:
    LeagueArgument m_league;
    bool m_yes = false;
    bool m_no = false;
};

class SendRostersCommand final : public CliCommand {
public:
    void configure(CLI::App& app) override {
        m_subcommand = app.add_subcommand(
            "send-rosters",
            "Export a team's rosters management file (.ssr) and e-mail it to the league's address with the mail "
            "settings of net.txt. The file goes beside the league file, named after the team, unless --out says "
            "otherwise. A question of the export (incomplete lineups or rotations) needs --yes");
        m_league.addTo(*m_subcommand);
        m_subcommand->add_option("--team", m_team, "Team number")->required();
        m_subcommand->add_option("--subject", m_subject, "Subject (default: <team> rosters management)");
        m_subcommand->add_option("--comments", m_comments, "Comment lines (default: <team> rosters management file)");
        m_subcommand->add_option("--out", m_out, "The .ssr file to write and attach");
        m_subcommand->add_flag("--yes", m_yes, "Answer Yes to the export's question");
    }

    void run(std::ostream& out) override {
        const auto league = m_league.open();
        if (!league->isTeam(m_team)) {
            throw Error("Team " + std::to_string(m_team) + " is not a team of this league");
        }
        FlagInteraction interaction(m_yes ? std::optional<bool>(true) : std::nullopt, out);
        if (!prepareRostersExport(*league, m_team, interaction)) {
            return;
        }
        std::filesystem::path file = m_out;
        if (file.empty()) {
            file = rostersExportProposal(league->selectedFile, m_team);
            file += ".ssr";
        }
        writeRostersFile(*league, m_team, file);
        const std::string subject = m_subject ? *m_subject : rostersMailSubject(m_team);
        const std::string comments = m_comments ? *m_comments : rostersMailComments(m_team);
        const MailMessage message = rostersMail(league->netInfo, subject, comments, file);
        sendMail(message);
        out << "Sent " << file.string() << " to " << joined(message.recipients) << " through " << message.server
            << '\n';
    }

private:
    LeagueArgument m_league;
    int m_team = -1;
    std::optional<std::string> m_subject;
    std::optional<std::string> m_comments;
    std::string m_out;
    bool m_yes = false;
};

class CheckUpdateCommand final : public CliCommand {
public:
    void configure(CLI::App& app) override {
        m_subcommand = app.add_subcommand(
            "check-update",
            "Ask an update server whether a newer editor exists and which patch applies to this version. With "
            "--download the release notes (new.rtf) and the patch (patch.exe) are saved into that folder; the "
            "patch is kept only when exactly its announced size arrived, and it is never started");
        m_subcommand->add_option("--server", m_server, "The update server, for example https://host")->required();
        m_subcommand->add_option("--download", m_folder, "Folder for the release notes and the patch");
    }

    void run(std::ostream& out) override {
        TransferBar bar(kVersionFileName);
        VersionCheck check;
        if (m_folder.empty()) {
            check = readVersionFile(httpGetText(versionFileUrl(m_server), bar));
        } else {
            const UpdateCheckResult result = checkForUpdate(m_server, m_folder, bar);
            check = result.check;
        }
        out << check.message() << '\n';
        if (!check.patch) {
            return;
        }
        const PatchEntry& patch = *check.patch;
        out << "Patch entry: *" << patch.range << '\n' << "Release notes: " << patch.notesUrl << '\n';
        if (patch.tooOld()) {
            out << tooOldMessage(m_server) << '\n';
            return;
        }
        out << "Patch: " << patch.patchUrl << " (" << patch.size << " bytes)\n";
        if (!m_folder.empty()) {
            TransferBar patchBar(kPatchFileName);
            const std::filesystem::path file = downloadPatch(patch, m_server, m_folder, patchBar);
            out << "Saved " << (std::filesystem::path(m_folder) / kReleaseNotesFileName).string() << " and "
                << file.string() << '\n';
        }
    }

private:
    std::string m_server;
    std::string m_folder;
};

}  // namespace

std::unique_ptr<CliCommand> makeUpdateLeagueCommand() {
    return std::make_unique<UpdateLeagueCommand>();
}
std::unique_ptr<CliCommand> makeSendRostersCommand() {
    return std::make_unique<SendRostersCommand>();
}
std::unique_ptr<CliCommand> makeCheckUpdateCommand() {
    return std::make_unique<CheckUpdateCommand>();
}

}  // namespace zt::cli
