#include "reports/rosters_pages.h"

#include <array>

#include "league/codes.h"
#include "league/league.h"
#include "league/progress.h"
#include "reports/league_index.h"
#include "reports/report_files.h"
#include "reports/report_names.h"

namespace zt::reports {

namespace {

constexpr int kLevels = 4;
constexpr std::size_t kNameWidth = 25;

constexpr std::string_view kStyle =
    "<style type=\"text/css\"><!--.gridcss {  font-family: Arial, Helvetica, sans-serif; font-size: 9pt}--></style>";
constexpr std::string_view kTitleStart = "<HTML><p align=\"center\"><strong><font color=\"#004080\"><big><big><big>";
constexpr std::string_view kLineupLinks =
    "Lineups :  <a href=\"#LMLVSL\">ML vs L</a>  <a href=\"#LMLVSR\">ML vs R</a>  <a href=\"#LMLVSLDH\">ML vs L DH</a> "
    " "
    "<a href=\"#LMLVSRDH\">ML vs R DH</a>  <a href=\"#LAAA\">AAA</a>  <a href=\"#LAA\">AA</a>  <a href=\"#LA\">A</a> "
    "<BR>Rotations :  <a href=\"#RML\">ML</a>  <a href=\"#RAAA\">AAA</a>  <a href=\"#RAA\">AA</a>  <a "
    "href=\"#RA\">A</a><br><br>";

struct Block {
    std::string_view opening;
    std::string_view closing;
};

constexpr std::array<Block, kLineupKinds> kLineupBlocks = {{
    {"<BR><a name=\"LMLVSL\"><Table class=\"gridcss\"><td>ML Lineup Vs L <a href=\"#top\">Top</a><BR>", "</td>"},
    {"<BR><a name=\"LMLVSR\"><td>ML Lineup Vs R <a href=\"#top\">Top</a><BR>", "</td>"},
    {"<BR><a name=\"LMLVSLDH\"><td>ML Lineup Vs L DH <a href=\"#top\">Top</a><BR>", "</table>"},
    {"<BR><a name=\"LMLVSRDH\"><Table class=\"gridcss\"><td>ML Lineup Vs R DH <a href=\"#top\">Top</a><BR>", "</td>"},
    {"<BR><a name=\"LAAA\"><td>AAA Lineup <a href=\"#top\">Top</a><BR>", "</td>"},
    {"<BR><a name=\"LAA\"><td>AA Lineup <a href=\"#top\">Top</a><BR>", "</table>"},
    {"<BR><a name=\"LA\">A Lineup <a href=\"#top\">Top</a><BR>", ""},
}};

constexpr std::array<Block, kRotationLevels> kRotationBlocks = {{
    {"<BR><a name=\"RML\"><Table class=\"gridcss\"><td>ML Rotation <a href=\"#top\">Top</a><BR>", "</td>"},
    {"<BR><a name=\"RAAA\"><td>AAA Rotation <a href=\"#top\">Top</a><BR>", "</td>"},
    {"<BR><a name=\"RAA\"><td>AA Rotation <a href=\"#top\">Top</a><BR>", "</table>"},
    {"<BR><a name=\"RA\"><Table class=\"gridcss\"><td>A Rotation <a href=\"#top\">Top</a><BR>", "</td></table>"},
}};

void line(std::string& out, std::string_view text) {
    out.append(text).append(kLineEnd);
}

std::string trimmedRight(std::string_view text) {
    const std::size_t end = text.find_last_not_of(' ');
    return std::string(end == std::string_view::npos ? std::string_view{} : text.substr(0, end + 1));
}

// A cell as page text: links as built, other text escaped.
std::string pageText(const ReportTable& table, int row, int column) {
    const std::string& text = table.text(row, column);
    return table.format(row, column).html ? text : escapeHtml(text);
}

std::string levelLabel(int level) {
    return std::string(kLevelLabels[static_cast<std::size_t>(level)]);
}

class PageWriter {
public:
    PageWriter(const League& league, const LeagueIndex& index, const RostersPageSettings& settings, int team)
        : m_league(league),
          m_index(index),
          m_settings(settings),
          m_team(team),
          m_record(league.teams[static_cast<std::size_t>(team)].record),
          m_background(ColorToHtml(settings.headerBackground)),
          m_text(ColorToHtml(settings.headerText)) {}

    std::string preformatted() const;
    std::string htmlTables() const;

private:
    RostersTables tablesOf(int level) const {
        RostersOptions options = m_settings.options;
        options.team = m_team;
        options.level = level;
        return rostersTables(m_league, m_index, options);
    }

    std::string years() const { return escapeHtml(trimmedRight(m_settings.options.years)); }

    void textTable(std::string& out, const ReportTable& table, int nameColumn, bool pitching) const;
    std::string textRow(const ReportTable& table, int row, int nameColumn, bool pitching) const;
    std::string historyBlock() const;
    void lineupsAndRotations(std::string& out) const;
    std::string playerName(const PlayerRecord& player) const;
    std::string lineupTable(LineupKind kind) const;
    std::string rotationTable(int level) const;
    std::string tableLines(const ReportTable& table) const;

    const League& m_league;
    const LeagueIndex& m_index;
    const RostersPageSettings& m_settings;
    int m_team;
    const TeamRecord& m_record;
    std::string m_background;
    std::string m_text;
};

std::string PageWriter::preformatted() const {
    std::string out;
    for (int level = 0; level < kLevels; ++level) {
        const RostersTables tables = tablesOf(level);
        if (level == 0) {
            line(out,
                 wholeText(m_settings.headerFile) + std::string(kTitleStart) +
                     escapeHtml(m_record.get(tf::completeName)) +
                     "</big></big></big></font></strong></p><p><strong><font color=\"#004080\">"
                     "</font></strong></p><BR>" +
                     historyBlock() +
                     "Rosters : <a href=\"#AAA\">AAA</a> <a href=\"#AA\">AA</a> <a href=\"#A\">A</a><BR>" + " " +
                     std::string(kLineupLinks) + std::string(kStyle) + "<pre><body class=\"gridcss\">");
        }
        line(out,
             "<br><B><a name=\"" + trimmedRight(kLevelLabels[static_cast<std::size_t>(level)]) + "\"></a>" +
                 levelLabel(level) + " roster " + years() + " Season Stats </B><a href=\"#top\">Top</a>");
        textTable(out, tables.batting, kBattingNameColumn, false);
        textTable(out, tables.pitching, kPitchingNameColumn, true);
        line(out, "");
    }
    lineupsAndRotations(out);
    line(out, "</body></html>");
    line(out, wholeText(m_settings.footerFile));
    return out;
}

std::string PageWriter::historyBlock() const {
    const auto n = [this](auto field) { return std::to_string(m_record.get(field)); };
    return "Seasons Completed: " + n(tf::completedSeasons) + "<BR>Won Wild Card: " + n(tf::wildCardsWon) +
           "<BR>Won Division: " + n(tf::divisionFirstPlaces) +
           "<BR>Won Division Championship: " + n(tf::divisionTitles) +
           "<BR>Won League Championship: " + n(tf::leagueTitles) + "<BR>Won World Series: " + n(tf::worldSeriesWon) +
           "<BR>Regular Season Record: " + n(tf::regularSeasonWins) + "-" + n(tf::regularSeasonLosses) +
           "<BR>Post Season Record: " + n(tf::postSeasonWins) + "-" + n(tf::postSeasonLosses) + "<BR><BR>";
}

void PageWriter::textTable(std::string& out, const ReportTable& table, int nameColumn, bool pitching) const {
    line(out, "<b><hr COLOR=\"#" + m_background + "\">");
    line(out, textRow(table, 0, nameColumn, pitching));
    line(out, "</b><hr COLOR=\"#" + m_background + "\">");
    for (int row = 1; row < table.rowCount(); ++row) {
        line(out, textRow(table, row, nameColumn, pitching));
    }
}

// Columns padded so that they line up in the page's preformatted text: the name filled to 25
// characters (counted on the plain name, whatever markup surrounds it), every further cell
// right-aligned in its caption's width plus two.
std::string PageWriter::textRow(const ReportTable& table, int row, int nameColumn, bool pitching) const {
    const std::vector<int> columns = table.visibleColumns();
    std::string text;
    if (columns.empty()) {
        return text;
    }
    const std::string first = pageText(table, row, columns[0]);
    text = first.substr(std::min(first.find_first_not_of(' '), first.size()));
    const std::size_t plain = row == 0 ? std::string_view("Name").size() : table.text(row, nameColumn).size();
    if (plain < kNameWidth) {
        text.append(kNameWidth - plain, ' ');
    }
    for (std::size_t i = 1; i < columns.size(); ++i) {
        const std::string& caption = table.text(0, columns[i]);
        const std::size_t width = caption.size() + (pitching && caption == "IP" ? 3 : 2);
        const std::string cell = pageText(table, row, columns[i]);
        text += ' ';
        if (cell.size() < width) {
            text.append(width - cell.size(), ' ');
        }
        text += cell;
    }
    return text;
}

std::string PageWriter::playerName(const PlayerRecord& player) const {
    const RostersOptions& o = m_settings.options;
    const bool link = player.level() == 0 ? o.linkMajors : o.linkMinors;
    return link ? PlayerLink(player) : escapeHtml(DisplayName(player));
}

std::string PageWriter::lineupTable(LineupKind kind) const {
    std::string text = "<table border=1 class=\"gridcss\">";
    for (int slot = 0; slot < kLineupSlots; ++slot) {
        const LineupSlot entry = m_record.lineupSlot(kind, slot);
        if (entry.playerId == -1) {
            text += "<tr><td width=200>Pitcher Slot</td><td>P</td></tr>";
            continue;
        }
        for (const int i : m_index.playersWithId(entry.playerId)) {
            text += "<tr><td width=200>" + playerName(*m_league.players[static_cast<std::size_t>(i)]) + "</td><td>" +
                    std::string(positionText(entry.position)) + "</td></tr>";
        }
    }
    return text + "</table>";
}

std::string PageWriter::rotationTable(int level) const {
    std::string text = "<table border=1 class=\"gridcss\">";
    for (int slot = 0; slot < kRotationSlots; ++slot) {
        const std::int32_t id = m_record.rotationSlot(level, slot);
        if (id == -1) {
            text += "<tr><td width=200>EMPTY</td><td>P</td></tr>";
            continue;
        }
        const auto players = m_index.playersWithId(id);
        if (!players.empty()) {
            text += "<tr><td>" + std::to_string(slot + 1) + "</td><td width=200>" +
                    playerName(*m_league.players[static_cast<std::size_t>(players.front())]) + "</td></tr>";
        }
    }
    return text + "</table>";
}

void PageWriter::lineupsAndRotations(std::string& out) const {
    for (int kind = 0; kind < kLineupKinds; ++kind) {
        const Block& block = kLineupBlocks[static_cast<std::size_t>(kind)];
        line(out, std::string(block.opening) + lineupTable(static_cast<LineupKind>(kind)) + std::string(block.closing));
    }
    for (int level = 0; level < kRotationLevels; ++level) {
        const Block& block = kRotationBlocks[static_cast<std::size_t>(level)];
        line(out, std::string(block.opening) + rotationTable(level) + std::string(block.closing));
    }
}

// The rows of a table as HTML: captions on the header colours, the first column left-aligned
// and the others right-aligned, empty cells as a blank.
std::string PageWriter::tableLines(const ReportTable& table) const {
    std::string out;
    line(out, "<table border=0 width=100% class=\"gridcss\">");
    const std::vector<int> columns = table.visibleColumns();
    for (int row = 0; row < table.rowCount(); ++row) {
        line(out, "<tr>");
        for (std::size_t i = 0; i < columns.size(); ++i) {
            const char* align = i == 0 ? "left" : "right";
            std::string cell = pageText(table, row, columns[i]);
            if (cell.empty()) {
                cell = " ";
            }
            if (row == 0) {
                line(out,
                     std::string("<td nowrap align=\"") + align + "\" BGCOLOR=\"#" + m_background +
                         "\"><font color=\"#" + m_text + "\"><B>" + cell + "</B></font></td>");
            } else {
                line(out, std::string("<td nowrap align=\"") + align + "\">" + cell + "</td>");
            }
        }
        line(out, "</tr>");
    }
    line(out, "</table>");
    line(out, "</body></html>");
    return out;
}

// Eight tables, batting then pitching for each level, each written after the page so far as
// read back line by line.
std::string PageWriter::htmlTables() const {
    std::string page;
    for (int level = 0; level < kLevels; ++level) {
        const RostersTables tables = tablesOf(level);
        std::string prefix;
        if (level == 0) {
            prefix = std::string(kTitleStart) + escapeHtml(m_record.get(tf::completeName)) +
                     " Players Statistics</big></big></big></font></strong></p><p><strong><font color=\"#004080\">" +
                     years() +
                     " Season Stats</font></strong></p><BR><table width=\"160\" border=\"1\" align=\"left\">"
                     "<tr><td width=\"49\"><strong><font color=\"#004080\"><a href=\"#AAA\">AAA</a></font></strong>"
                     "</td><td width=\"50\"><strong><font color=\"#004080\"><a href=\"#AA\">AA</a></font></strong>"
                     "</td>  <td width=\"33\"><strong><font color=\"#004080\"><a href=\"#A\">A</a></font></strong>"
                     "</td></tr></table><br><br><BR><B>Major League roster</B>" +
                     std::string(kStyle);
        } else {
            prefix = "<br><B><a name=\"" + trimmedRight(kLevelLabels[static_cast<std::size_t>(level)]) + "\"></a>" +
                     levelLabel(level) + " roster</B> <a href=\"#top\">Top</a>";
        }
        std::string batting = level == 0 ? fileLines(m_settings.headerFile) : normalisedLines(page);
        line(batting, prefix);
        batting += tableLines(tables.batting);
        page = normalisedLines(batting) + tableLines(tables.pitching);
    }
    line(page, wholeText(m_settings.footerFile));
    return page;
}

}  // namespace

std::string rostersTeamPage(const League& league,
                            const LeagueIndex& index,
                            const RostersPageSettings& settings,
                            int team) {
    const PageWriter writer(league, index, settings, team);
    return settings.htmlTable ? writer.htmlTables() : writer.preformatted();
}

void writeRostersTeamPage(const League& league,
                          const LeagueIndex& index,
                          const RostersPageSettings& settings,
                          int team,
                          const std::filesystem::path& target) {
    writeReportFile(target, rostersTeamPage(league, index, settings, team));
}

void writeRostersAllTeams(const League& league,
                          const LeagueIndex& index,
                          const RostersPageSettings& settings,
                          const std::filesystem::path& folder,
                          Progress& progress) {
    std::vector<ReportFile> files;
    progress.setRange(0, league.teamCount());
    for (int team = 0; team < league.teamCount(); ++team) {
        if (progress.cancelled()) {
            return;
        }
        const TeamRecord& record = league.teams[static_cast<std::size_t>(team)].record;
        progress.setLabel(record.get(tf::completeName));
        files.push_back({folder / TeamPageName(record), rostersTeamPage(league, index, settings, team)});
        progress.setValue(team + 1);
    }
    if (!files.empty()) {
        writeReportFiles(files);
    }
}

}  // namespace zt::reports
