// ztedit-cli report leaders: one leader table as the "Leaders" window writes it to a new page, or
// a page replayed from a .lea template.
#include <CLI/CLI.hpp>
#include <algorithm>
#include <cctype>
#include <ostream>

#include "cli/report_subcommand.h"
#include "league/error.h"
#include "league/league.h"
#include "reports/leaders.h"
#include "reports/leaders_page.h"
#include "reports/league_index.h"
#include "reports/table_writers.h"

namespace zt::cli {

namespace {

using namespace zt::reports;

std::string lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
    return text;
}

class LeadersReport final : public ReportSubcommand {
public:
    void configure(CLI::App& report) override {
        m_command = report.add_subcommand(
            "leaders",
            "The \"Leaders\" window: one table (--stat) on a new page, or a page replayed from a template "
            "(--template). Without --out, --stat prints the table as CSV");
        m_common.addTo(*m_command, "Page to write");
        CLI::Option* templ = m_command->add_option("--template", m_template, "Leaders template (.lea) to replay");
        CLI::Option* stat = m_command->add_option("--stat", m_stat, "Category name (Avg, HR, ERA, IP, ...)");
        templ->excludes(stat);
        m_command->add_option("--years", m_years, "A year or a range year1-year2 (default: the season's year)");
        m_command->add_option("--columns", m_replay.columns, "Tables per row of the page (1 to 50, default 3)")
            ->check(CLI::Range(1, 50));
        m_command->add_flag("--pitching", m_pitching, "Pitching categories instead of batting")->excludes(templ);
        m_command->add_option("--level", m_level, "Level: 0 ML (the default), 1 AAA, 2 AA, 3 A")
            ->check(CLI::Range(0, 3))
            ->excludes(templ);
        m_command
            ->add_option("--team", m_team, "A team number, fa (the free agents) or totals (teams totals); default all")
            ->excludes(templ);
        m_command->add_option("--league", m_league, "0 both leagues (the default), 1 or 2")
            ->check(CLI::Range(0, 2))
            ->excludes(templ);
        m_command->add_option("--listed", m_listed, "Rows listed: 3, 5, 10 (the default), 15, 20, 25, 30, 50, 100, ALL")
            ->excludes(templ);
        m_command->add_flag("--ascending", m_ascending, "Smallest values first")->excludes(templ);
        m_command->add_flag("--no-qualify", m_noQualify, "Rank players who do not qualify too")->excludes(templ);
        m_command->add_flag("--no-links", m_noLinks, "Names without links to the players' cards");
    }

    bool parsed() const override { return m_command->parsed(); }

    void run(std::ostream& out) override {
        const auto league = m_common.league.open();
        const LeagueIndex index(*league);
        const std::string years = m_years.value_or(std::to_string(league->seasonHeader.get(sh::seasonYear)));
        m_replay.years = years;
        m_replay.display.links = !m_noLinks;
        m_replay.settings.headerFile = m_common.headerFile(*league);
        m_replay.settings.footerFile = m_common.footerFile(*league);
        if (m_template) {
            if (m_common.out.empty()) {
                throw Error("A template writes a page: give its file with --out");
            }
            const auto entries = readLeadersTemplate(*m_template, *league);
            writeLeadersPageFromTemplate(*league, index, entries, m_replay, m_common.out);
            return;
        }
        if (!m_stat) {
            throw Error("Name the category with --stat or give a template with --template");
        }
        LeadersSelection selection;
        selection.years = years;
        selection.level = m_level;
        selection.pitching = m_pitching;
        selection.team = teamItem(*league);
        selection.league = m_league;
        LeadersDisplay display = m_replay.display;
        display.category = category(*m_stat);
        display.ascending = m_ascending;
        display.qualify = !m_noQualify;
        display.listed = listed();
        LeaderCandidates candidates = leaderCandidates(*league, index, selection);
        sortLeaders(candidates, display.category, display.ascending, display.qualify);
        const ReportTable table = leadersTable(*league, candidates, selection, display);
        if (m_common.out.empty()) {
            out << tableCsv(table);
            return;
        }
        HtmlExportSettings settings = m_replay.settings;
        LeadersPage page;
        page.start(m_common.out,
                   table,
                   settings,
                   years,
                   templateEntry(selection, display),
                   categoryName(selection.pitching, display.category));
        page.finish(settings);
    }

private:
    int category(const std::string& name) const {
        const std::string wanted = lower(name);
        const int count = m_pitching ? kPitchingCategories : kBattingCategories;
        for (int c = 0; c < count; ++c) {
            if (lower(std::string(categoryName(m_pitching, c))) == wanted) {
                return c;
            }
        }
        throw Error("'" + name + "' is not a " + (m_pitching ? "pitching" : "batting") + " category");
    }

    int teamItem(const League& league) const {
        if (!m_team) {
            return kAllTeamsItem;
        }
        const std::string team = lower(*m_team);
        if (team == "fa") {
            return kFreeAgentsItem;
        }
        if (team == "totals") {
            return teamsTotalsItem(league);
        }
        try {
            const int number = std::stoi(team);
            if (league.isTeam(number) && std::to_string(number) == team) {
                return number + 2;
            }
        } catch (const std::exception&) {
        }
        throw Error("'" + *m_team + "' is not a team of this league (0 to " + std::to_string(league.teamCount() - 1) +
                    ", fa or totals)");
    }

    int listed() const {
        const auto& items = listedItems();
        for (std::size_t i = 0; i < items.size(); ++i) {
            if (lower(std::string(items[i])) == lower(listedText())) {
                return static_cast<int>(i);
            }
        }
        throw Error("'" + listedText() + "' is not a number of rows listed (3, 5, 10, 15, 20, 25, 30, 50, 100, ALL)");
    }

    std::string listedText() const { return m_listed.value_or("10"); }

    CLI::App* m_command = nullptr;
    ReportCommonOptions m_common;
    std::optional<std::string> m_template;
    std::optional<std::string> m_stat;
    std::optional<std::string> m_years;
    std::optional<std::string> m_team;
    std::optional<std::string> m_listed;
    bool m_pitching = false;
    int m_level = 0;
    int m_league = 0;
    bool m_ascending = false;
    bool m_noQualify = false;
    bool m_noLinks = false;
    LeadersReplay m_replay;
};

}  // namespace

std::unique_ptr<ReportSubcommand> makeLeadersReport() {
    return std::make_unique<LeadersReport>();
}

}  // namespace zt::cli
