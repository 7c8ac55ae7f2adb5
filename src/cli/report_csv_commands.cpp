// ztedit-cli report scouting and report pro-years: the CSV files of the "Scouting report (CSV
// Export)" and "Pro Years Report" windows.
#include <CLI/CLI.hpp>
#include <algorithm>
#include <cctype>
#include <ostream>

#include "cli/report_subcommand.h"
#include "league/error.h"
#include "league/league.h"
#include "reports/league_index.h"
#include "reports/pro_years.h"
#include "reports/report_files.h"
#include "reports/scouting.h"
#include "reports/win_chart.h"

namespace zt::cli {

namespace {

using namespace zt::reports;

std::string lower(std::string_view text) {
    std::string result(text);
    std::transform(result.begin(), result.end(), result.begin(), [](unsigned char c) { return std::tolower(c); });
    return result;
}

void writeOrPrint(const std::string& out, const std::string& text, std::ostream& stream) {
    if (out.empty()) {
        stream << text;
    } else {
        writeReportFile(out, text);
    }
}

class ScoutingReport final : public ReportSubcommand {
public:
    void configure(CLI::App& report) override {
        m_command = report.add_subcommand("scouting", "The scouting CSV of the players' ratings and data");
        m_league.addTo(*m_command);
        m_command->add_option("--out", m_out, "CSV file to write (without it the CSV is printed)");
        m_command->add_flag("--compatible", m_options.compatible, "Position, team, bats and throws as codes");
        m_command->add_option("--columns",
                              m_columns,
                              "Optional columns by header name (Age,BAVGL,...,\"Pitch AvgVsL\"), or all, none or "
                              "default (the window's ticks at open)");
        m_command->add_option("--players", m_players, "All Players (the default), Batters, Pitchers, or C .. DH");
    }

    bool parsed() const override { return m_command->parsed(); }

    void run(std::ostream& out) override {
        const auto league = m_league.open();
        m_options.columns = columns();
        m_options.selector = selector();
        writeOrPrint(m_out, scoutingCsv(*league, m_options), out);
    }

private:
    std::vector<bool> columns() const {
        const auto& all = scoutColumns();
        const std::string list = lower(m_columns);
        if (list == "default") {
            return defaultScoutColumns();
        }
        std::vector<bool> on(all.size(), list == "all");
        if (list == "all" || list == "none" || list.empty()) {
            return on;
        }
        std::size_t start = 0;
        while (start <= list.size()) {
            std::size_t end = list.find(',', start);
            end = end == std::string::npos ? list.size() : end;
            const std::string name = list.substr(start, end - start);
            const auto it =
                std::find_if(all.begin(), all.end(), [&](const ScoutColumn& c) { return lower(c.key) == name; });
            if (it == all.end()) {
                throw Error("'" + m_columns.substr(start, end - start) + "' is not a column of the scouting report");
            }
            on[static_cast<std::size_t>(it - all.begin())] = true;
            start = end + 1;
        }
        return on;
    }

    int selector() const {
        const std::string wanted = lower(m_players);
        const auto& items = scoutSelectorItems();
        for (std::size_t i = 0; i < items.size(); ++i) {
            const std::string item = lower(items[i]);
            if (item == wanted || item == wanted + " only" || (i == 0 && wanted == "all")) {
                return static_cast<int>(i);
            }
        }
        throw Error("'" + m_players + "' is not a player selection (All Players, Batters, Pitchers, C .. DH)");
    }

    CLI::App* m_command = nullptr;
    LeagueArgument m_league;
    std::string m_out;
    std::string m_columns = "default";
    std::string m_players = "All Players";
    ScoutingOptions m_options;
};

class ProYearsReport final : public ReportSubcommand {
public:
    void configure(CLI::App& report) override {
        m_command = report.add_subcommand("pro-years", "The players' official pro years at ML, as CSV");
        m_league.addTo(*m_command);
        m_command->add_option("--out", m_out, "CSV file to write (without it the CSV is printed)");
        m_command->add_option("--ab", m_requirements.atBats, "At-bats a batter's season needs (150)");
        m_command->add_option("--ip", m_requirements.innings, "Innings a pitcher's season needs (55) ...");
        m_command->add_option("--games", m_requirements.games, "... or games (15)");
        m_command->add_option("--min-years", m_requirements.minimumYears, "List players with at least these (0)");
    }

    bool parsed() const override { return m_command->parsed(); }

    void run(std::ostream& out) override {
        const auto league = m_league.open();
        const LeagueIndex index(*league);
        writeOrPrint(m_out, proYearsCsv(*league, index, m_requirements), out);
    }

private:
    CLI::App* m_command = nullptr;
    LeagueArgument m_league;
    std::string m_out;
    ProYearsRequirements m_requirements;
};

// The chart window draws these series; pictures are made by the window only, since the tool runs
// without a display toolkit.
class WinChartReport final : public ReportSubcommand {
public:
    void configure(CLI::App& report) override {
        m_command = report.add_subcommand(
            "win-chart", "The winning percentage series of the \"Winning % Chart\" window, as CSV (Team,Game,Day,Pct)");
        m_league.addTo(*m_command);
        m_command->add_option("--out", m_out, "CSV file to write (without it the CSV is printed)");
        m_command->add_option("--teams", m_teams, "Team numbers or abbreviations, separated by commas")->required();
    }

    bool parsed() const override { return m_command->parsed(); }

    void run(std::ostream& out) override {
        const auto league = m_league.open();
        std::vector<int> teams;
        std::size_t start = 0;
        while (start <= m_teams.size()) {
            std::size_t end = m_teams.find(',', start);
            end = end == std::string::npos ? m_teams.size() : end;
            teams.push_back(team(*league, m_teams.substr(start, end - start)));
            start = end + 1;
        }
        if (m_out.ends_with(".png") || m_out.ends_with(".jpg") || m_out.ends_with(".bmp")) {
            throw Error(
                "Pictures of the chart are saved from the \"Winning % Chart\" window; the tool writes the "
                "series as CSV");
        }
        writeOrPrint(m_out, winningSeriesCsv(*league, teams), out);
    }

private:
    static int team(const League& league, const std::string& text) {
        for (int t = 0; t < league.teamCount(); ++t) {
            if (lower(league.teamAbbrev(t)) == lower(text) || std::to_string(t) == text) {
                return t;
            }
        }
        throw Error("'" + text + "' is not a team of this league");
    }

    CLI::App* m_command = nullptr;
    LeagueArgument m_league;
    std::string m_out;
    std::string m_teams;
};

}  // namespace

std::unique_ptr<ReportSubcommand> makeWinChartReport() {
    return std::make_unique<WinChartReport>();
}

std::unique_ptr<ReportSubcommand> makeScoutingReport() {
    return std::make_unique<ScoutingReport>();
}

std::unique_ptr<ReportSubcommand> makeProYearsReport() {
    return std::make_unique<ProYearsReport>();
}

}  // namespace zt::cli
