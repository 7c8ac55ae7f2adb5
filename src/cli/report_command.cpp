// ztedit-cli report standings|rosters|team-performance LEAGUE: the report windows' exports, byte
// for byte, with the windows' settings at open unless an option says otherwise. Without --out the
// report's table is printed as CSV, as the window shows it.
#include <CLI/CLI.hpp>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "cli/commands.h"
#include "cli/league_argument.h"
#include "cli/report_subcommand.h"
#include "cli/terminal_progress.h"
#include "league/error.h"
#include "league/file_io.h"
#include "league/league.h"
#include "reports/column_order.h"
#include "reports/league_index.h"
#include "reports/league_scores.h"
#include "reports/report_files.h"
#include "reports/rosters_pages.h"
#include "reports/rosters_stats.h"
#include "reports/standings.h"
#include "reports/table_writers.h"
#include "reports/team_performance.h"
#include "season/schedule.h"
#include "season/season_calendar.h"

namespace zt::cli {

namespace {

namespace fs = std::filesystem;
using namespace zt::reports;

using CommonOptions = ReportCommonOptions;

// --team N or --all-teams, one of them.
struct TeamChoice {
    std::optional<int> team;
    bool allTeams = false;

    void addTo(CLI::App& command) {
        CLI::Option* one = command.add_option("--team", team, "Team number");
        CLI::Option* all = command.add_flag("--all-teams", allTeams, "Every team of the league");
        one->excludes(all);
    }

    void check(const League& league) const {
        if (!team && !allTeams) {
            throw Error("Name the team with --team N or ask for --all-teams");
        }
        if (team && !league.isTeam(*team)) {
            throw Error("Team " + std::to_string(*team) + " is not a team of this league (0 to " +
                        std::to_string(league.teamCount() - 1) + ")");
        }
    }
};

std::map<std::string, int> itemMap(const Captions& items) {
    std::map<std::string, int> map;
    for (std::size_t i = 0; i < items.size(); ++i) {
        map.emplace(items[i], static_cast<int>(i));
    }
    return map;
}

class StandingsReport {
public:
    void configure(CLI::App& report) {
        m_command = report.add_subcommand("standings", "The \"League Standings\" table: HTML, or --csv for its .txt");
        m_common.addTo(*m_command, "File to write (without it the table is printed as CSV)");
        m_command->add_option("--teams-by", m_teamsBy, "Teams listed by name, city (the default) or both")
            ->transform(CLI::CheckedTransformer(
                std::map<std::string, TeamsListedBy>{
                    {"name", TeamsListedBy::Name}, {"city", TeamsListedBy::City}, {"both", TeamsListedBy::Both}},
                CLI::ignore_case));
        m_command->add_flag("--links,!--no-links", m_links, "Team names link to the team pages (the default)");
        m_command->add_flag("--csv", m_csv, "Write the table as CSV text instead of HTML");
    }

    bool parsed() const { return m_command->parsed(); }

    void run(std::ostream& out) const {
        const auto league = m_common.league.open();
        StandingsOptions options = defaultStandingsOptions();
        options.listedBy = m_teamsBy;
        options.links = m_links;
        const ReportTable table = standingsTable(*league, computeStandings(*league), options);
        if (m_common.out.empty()) {
            out << tableCsv(table);
        } else if (m_csv) {
            WriteTableCsv(table, m_common.out, false);
        } else {
            HtmlExportSettings settings = standingsHtmlSettings();
            settings.headerFile = m_common.headerFile(*league);
            settings.footerFile = m_common.footerFile(*league);
            writeReportFile(m_common.out, standingsHtml(table, settings));
        }
    }

private:
    CLI::App* m_command = nullptr;
    CommonOptions m_common;
    TeamsListedBy m_teamsBy = TeamsListedBy::City;
    bool m_links = true;
    bool m_csv = false;
};

class RostersReport {
public:
    void configure(CLI::App& report) {
        m_command = report.add_subcommand(
            "rosters",
            "The \"Stats\" window's team pages: --team N writes one page to --out, --all-teams one page per team "
            "into the folder --out. Without --out, prints the batting and pitching tables of --level as CSV");
        m_common.addTo(*m_command, "Page to write (a folder with --all-teams)");
        m_teams.addTo(*m_command);
        m_command->add_option("--level", m_level, "Level of the printed tables: 0 Majors, 1 AAA, 2 AA, 3 Rookie")
            ->check(CLI::Range(0, 3))
            ->excludes("--out");
        m_command->add_option("--years", m_years, "A year or a range year1-year2 (default: the season's year)");
        m_command->add_flag("--html-table", m_settings.htmlTable, "Write tables instead of preformatted text");
        m_command
            ->add_option("--batting-sort", m_settings.options.battingSort, "Batting sort item (Name, Pos, G, Avg, ...)")
            ->transform(CLI::CheckedTransformer(itemMap(battingSortItems()), CLI::ignore_case));
        m_command
            ->add_option("--pitching-sort", m_settings.options.pitchingSort, "Pitching sort item (Name, ERA, W, ...)")
            ->transform(CLI::CheckedTransformer(itemMap(pitchingSortItems()), CLI::ignore_case));
        m_command->add_flag("--selected-level-only",
                            m_selectedLevelOnly,
                            "List a player only at his own level, not at each level he played");
        m_command->add_flag(
            "--zero-games", m_settings.options.listZeroGames, "List the players of a level even with no game");
        m_command->add_flag("--no-ml-links", m_noMajorLinks, "No links to the cards of major league players");
        m_command->add_flag("--no-minor-links", m_noMinorLinks, "No links to the cards of minor league players");
        m_command->add_option("--data-dir",
                              m_dataDir,
                              "Editor data folder with BatStOrder.ini and PitStOrder.ini (default: $ZTEDIT_DATA_DIR; "
                              "without either, the built-in column order)");
    }

    bool parsed() const { return m_command->parsed(); }

    void run(std::ostream& out) {
        const auto league = m_common.league.open();
        m_teams.check(*league);
        const LeagueIndex index(*league);
        RostersPageSettings settings = m_settings;
        RostersOptions& options = settings.options;
        options.years = m_years.value_or(std::to_string(league->seasonHeader.get(sh::seasonYear)));
        options.listEachLevelPlayed = !m_selectedLevelOnly;
        options.linkMajors = !m_noMajorLinks;
        options.linkMinors = !m_noMinorLinks;
        if (const fs::path dir = dataDir(); !dir.empty()) {
            options.battingOrder = readColumnOrder(dir / kBattingOrderFile, battingCaptions());
            options.pitchingOrder = readColumnOrder(dir / kPitchingOrderFile, pitchingCaptions());
        }
        settings.headerFile = m_common.headerFile(*league);
        settings.footerFile = m_common.footerFile(*league);
        if (m_common.out.empty()) {
            if (!m_teams.team) {
                throw Error("--all-teams writes pages: give the folder with --out");
            }
            options.team = *m_teams.team;
            options.level = m_level;
            const RostersTables tables = rostersTables(*league, index, options);
            out << tableCsv(tables.batting) << "\r\n" << tableCsv(tables.pitching);
        } else if (m_teams.allTeams) {
            CreatedFolders created(m_common.out);
            TerminalProgress progress;
            writeRostersAllTeams(*league, index, settings, m_common.out, progress);
            created.keep();
        } else {
            writeRostersTeamPage(*league, index, settings, *m_teams.team, m_common.out);
        }
    }

private:
    fs::path dataDir() const { return reportDataDir(m_dataDir); }

    CLI::App* m_command = nullptr;
    CommonOptions m_common;
    TeamChoice m_teams;
    int m_level = 0;
    std::optional<std::string> m_years;
    bool m_selectedLevelOnly = false;
    bool m_noMajorLinks = false;
    bool m_noMinorLinks = false;
    std::string m_dataDir;
    RostersPageSettings m_settings;
};

class TeamPerformanceReport {
public:
    void configure(CLI::App& report) {
        m_command = report.add_subcommand(
            "team-performance", "The \"Teams Performances\" table of one team or of every team: HTML, or --csv");
        m_common.addTo(*m_command, "File to write (without it the table is printed as CSV)");
        m_teams.addTo(*m_command);
        m_command->add_flag("--csv", m_csv, "Write CSV (a title line, then the table) instead of HTML");
        m_command->add_option("--description", m_description, "Text after the team's name in the titles");
    }

    bool parsed() const { return m_command->parsed(); }

    void run(std::ostream& out) const {
        const auto league = m_common.league.open();
        m_teams.check(*league);
        HtmlExportSettings settings = teamPerformanceHtmlSettings();
        settings.headerFile = m_common.headerFile(*league);
        settings.footerFile = m_common.footerFile(*league);
        if (m_teams.allTeams) {
            TerminalProgress progress;
            if (m_common.out.empty()) {
                out << allTeamsPerformanceCsv(*league, m_description, progress);
            } else if (m_csv) {
                writeReportFile(m_common.out, allTeamsPerformanceCsv(*league, m_description, progress));
            } else {
                writeReportFile(m_common.out, allTeamsPerformanceHtml(*league, settings, m_description, progress));
            }
            return;
        }
        const int team = *m_teams.team;
        const ReportTable table = teamPerformanceTable(*league, team);
        if (m_common.out.empty()) {
            out << tableCsv(table);
        } else if (m_csv) {
            writeReportFile(m_common.out,
                            teamPerformanceCsv(table, teamPerformanceTitle(*league, team, m_description)));
        } else {
            settings.prefixTags = teamPerformancePrefix(*league, team, m_description);
            WriteTableHtml(table, settings, m_common.out, false);
        }
    }

private:
    CLI::App* m_command = nullptr;
    CommonOptions m_common;
    TeamChoice m_teams;
    bool m_csv = false;
    std::string m_description{kDefaultPerformanceDescription};
};

class LeagueScoresReport {
public:
    void configure(CLI::App& report) {
        m_command = report.add_subcommand(
            "league-scores",
            "The \"Leagues Scores\" page of the games between two dates (YYYY-MM-DD), with box score pages beside it "
            "when asked");
        m_common.addTo(*m_command, "Page to write");
        m_command->get_option("--out")->required();
        m_command->add_option("--from", m_from, "First date")->required();
        m_command->add_option("--to", m_to, "Last date")->required();
        m_command->add_flag("--links", m_links, "Team abbreviations link to the team pages");
        m_command->add_option("--boxscores", m_boxScores, "Box score pages: none (the default), newspaper or complete")
            ->transform(
                CLI::CheckedTransformer(std::map<std::string, BoxScorePages>{{"none", BoxScorePages::None},
                                                                             {"newspaper", BoxScorePages::Newspaper},
                                                                             {"complete", BoxScorePages::Complete}},
                                        CLI::ignore_case));
    }

    bool parsed() const { return m_command->parsed(); }

    void run() const {
        const auto league = m_common.league.open();
        season::requireSchedule(*league);
        LeagueScoresOptions options;
        options.fromRecord = record(*league, m_from);
        options.toRecord = record(*league, m_to);
        options.links = m_links;
        options.boxScores = m_boxScores;
        options.headerFile = m_common.headerFile(*league);
        options.footerFile = m_common.footerFile(*league);
        TerminalProgress progress;
        writeLeagueScores(*league, options, m_common.out, progress);
    }

private:
    // The scores record of a date, which must be a day of the schedule, as the window's pickers allow.
    static int record(const League& league, const std::string& text) {
        const auto date = season::parseIsoDate(text);
        const int days = season::scheduleDays(league);
        const std::string range = season::isoDateText(season::dateOfDay(league, 1)) + " to " +
                                  season::isoDateText(season::dateOfDay(league, days));
        if (!date) {
            throw Error("'" + text + "' is not a date (YYYY-MM-DD); the season's days run from " + range);
        }
        const int day = season::dayOfDate(league, *date);
        if (day < 1 || day > days) {
            throw Error("The date " + text + " is not a day of the season (" + range + ")");
        }
        return day - 1;
    }

    CLI::App* m_command = nullptr;
    CommonOptions m_common;
    std::string m_from;
    std::string m_to;
    bool m_links = false;
    BoxScorePages m_boxScores = BoxScorePages::None;
};

class ReportCommand final : public CliCommand {
public:
    void configure(CLI::App& app) override {
        m_subcommand = app.add_subcommand("report", "Write a report as the report windows export it");
        m_subcommand->require_subcommand(1);
        m_standings.configure(*m_subcommand);
        m_rosters.configure(*m_subcommand);
        m_performance.configure(*m_subcommand);
        m_scores.configure(*m_subcommand);
        m_more.push_back(makeLeadersReport());
        m_more.push_back(makeCardsReport());
        m_more.push_back(makeScoutingReport());
        m_more.push_back(makeProYearsReport());
        m_more.push_back(makeWinChartReport());
        for (const auto& report : m_more) {
            report->configure(*m_subcommand);
        }
    }

    void run(std::ostream& out) override {
        if (m_standings.parsed()) {
            m_standings.run(out);
        } else if (m_rosters.parsed()) {
            m_rosters.run(out);
        } else if (m_performance.parsed()) {
            m_performance.run(out);
        } else if (m_scores.parsed()) {
            m_scores.run();
        }
        for (const auto& report : m_more) {
            if (report->parsed()) {
                report->run(out);
            }
        }
    }

private:
    StandingsReport m_standings;
    RostersReport m_rosters;
    TeamPerformanceReport m_performance;
    LeagueScoresReport m_scores;
    std::vector<std::unique_ptr<ReportSubcommand>> m_more;
};

}  // namespace

void ReportCommonOptions::addTo(CLI::App& command, const char* outText) {
    league.addTo(command);
    command.add_option("--out", out, outText);
    command.add_option("--header", header, "Header file of the page (default: the league's net.txt)");
    command.add_option("--footer", footer, "Footer file of the page (default: the league's net.txt)");
}

fs::path ReportCommonOptions::headerFile(const League& l) const {
    return header ? fs::path(*header) : leagueHeaderFile(l);
}

fs::path ReportCommonOptions::footerFile(const League& l) const {
    return footer ? fs::path(*footer) : leagueFooterFile(l);
}

fs::path reportDataDir(const std::string& option) {
    if (!option.empty()) {
        return option;
    }
    const char* environment = std::getenv("ZTEDIT_DATA_DIR");
    return environment != nullptr ? fs::path(environment) : fs::path();
}

fs::path gameFolder(const std::string& option) {
    if (!option.empty()) {
        return option;
    }
    const char* environment = std::getenv("ZTEDIT_GAME_DIR");
    return environment != nullptr ? fs::path(environment) : fs::path();
}

std::unique_ptr<CliCommand> makeReportCommand() {
    return std::make_unique<ReportCommand>();
}

}  // namespace zt::cli
