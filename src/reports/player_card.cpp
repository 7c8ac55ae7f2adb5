#include "reports/player_card.h"

#include <algorithm>
#include <cstdio>
#include <map>
#include <set>

#include "league/codes.h"
#include "league/error.h"
#include "league/file_io.h"
#include "league/interaction.h"
#include "league/league.h"
#include "league/numbers.h"
#include "league/progress.h"
#include "reports/league_index.h"
#include "reports/report_files.h"
#include "reports/report_names.h"
#include "reports/rosters_stats.h"
#include "reports/table_writers.h"

namespace zt::reports {

namespace {

namespace fs = std::filesystem;

constexpr int kFirstYear = 1900;
constexpr int kCombined = -1;  // the pass over every team
constexpr char kNoRate[] = " -  ";

const std::vector<std::string>& cardBattingCaptions() {
    static const std::vector<std::string> kCaptions = {"Year", "Team", "G",   "Avg", "Obp", "Slg", "Ab", "H",
                                                       "2B",   "3B",   "Hr",  "R",   "Rbi", "BB",  "K",  "Sb",
                                                       "Cs",   "GIDP", "IBB", "SF",  "SH",  "PAB", "PH", "HBP"};
    return kCaptions;
}

const std::vector<std::string>& cardPitchingCaptions() {
    static const std::vector<std::string> kCaptions = {
        "Year", "Team", "ERA", "W",  "L",  "S",  "BS",  "G",  "GS",   "CG", "SHO", "IP",  "K",   "BB",  "H", "2B",
        "3B",   "HR",   "SB",  "CS", "BK", "WP", "HLD", "QS", "PIT#", "R",  "ER",  "Avg", "Obp", "Slg", ""};
    return kCaptions;
}

const std::vector<std::string>& cardFieldingCaptions() {
    static const std::vector<std::string> kCaptions = {
        "Year", "Team", "Pos", "G", "A", "PO", "E", "DP", "SBA", "PB", "F%"};
    return kCaptions;
}

ReportTable emptyTable(const std::vector<std::string>& captions, int firstRight) {
    ReportTable table(1, static_cast<int>(captions.size()));
    for (std::size_t c = 0; c < captions.size(); ++c) {
        std::string caption = captions[c];
        if (&captions == &cardBattingCaptions() && (c >= 3 && c <= 5)) {
            caption = " " + caption;  // " Avg", " Obp", " Slg"
        }
        table.setText(0, static_cast<int>(c), caption);
    }
    table.fixedRow = true;
    for (int c = firstRight; c < table.columnCount(); ++c) {
        table.setColumnAlignment(c, CellAlign::Right);
    }
    return table;
}

std::string num(long value) {
    return std::to_string(value);
}

double ratio(long a, long b) {
    return static_cast<double>(a) / static_cast<double>(b);
}

std::string fieldingPct(long putouts, long assists, long errors) {
    const long chances = putouts + assists + errors;
    if (chances == 0) {
        return "1.000";
    }
    char text[32];
    std::snprintf(text, sizeof text, "%0.3f", roundHalfEven(ratio(putouts + assists, chances), 3));
    return text;
}

struct Batting {
    long g = 0, ab = 0, h = 0, d = 0, t = 0, hr = 0, r = 0, rbi = 0, bb = 0, k = 0, sb = 0, cs = 0, gidp = 0, ibb = 0,
         sf = 0, sh = 0, pab = 0, ph = 0, hbp = 0;

    void add(const BattingLineData& l) {
        g += l.games, ab += l.atBats, h += l.hits, d += l.doubles, t += l.triples, hr += l.homeRuns, r += l.runs;
        rbi += l.rbi, bb += l.walks, k += l.strikeouts, sb += l.stolenBases, cs += l.caughtStealing;
        gidp += l.gidp, ibb += l.intentionalWalks, sf += l.sacFlies, sh += l.sacHits, pab += l.pinchAtBats;
        ph += l.pinchBaseHits, hbp += l.hitByPitch;
    }
};

std::vector<std::string> battingRates(long ab, long h, long d, long t, long hr, long bb, long hbp, long sf) {
    if (ab == 0) {
        return {kNoRate, kNoRate, kNoRate};
    }
    const long tb = h + d + 2 * t + 3 * hr;
    return {FormatRate(ratio(h, ab)), FormatRate(ratio(h + bb + hbp, ab + bb + hbp + sf)), FormatRate(ratio(tb, ab))};
}

struct Pitching {
    long outs = 0, h = 0, d = 0, t = 0, hr = 0, bb = 0, k = 0, er = 0, r = 0, sb = 0, cs = 0, w = 0, l = 0, s = 0,
         bs = 0, cg = 0, sho = 0, gs = 0, g = 0, bk = 0, wp = 0, hld = 0, qs = 0, pit = 0;

    void add(const PitchingLineData& x) {
        outs += x.outsPitched, h += x.hits, d += x.doubles, t += x.triples, hr += x.homeRuns, bb += x.walks;
        k += x.strikeouts, er += x.earnedRuns, r += x.runs, sb += x.stolenBases, cs += x.caughtStealing;
        w += x.wins, l += x.losses, s += x.saves, bs += x.blownSaves, cg += x.completeGames, sho += x.shutouts;
        gs += x.gamesStarted, g += x.games, bk += x.balks, wp += x.wildPitches, hld += x.holds;
        qs += x.qualityStarts, pit += x.pitchCount;
    }
};

std::string era(long er, long outs) {
    return outs > 0 ? FormatFixed2(static_cast<double>(er) / (static_cast<double>(outs) / 27.0)) : "0.00";
}

std::vector<std::string> opponentRates(long outs, long h, long d, long t, long hr, long bb) {
    const long faced = outs + h;
    if (faced == 0) {
        return {"-", "-", "-"};
    }
    const long tb = h + d + 2 * t + 3 * hr;
    return {FormatRate(ratio(h, faced)), FormatRate(ratio(h + bb, faced + bb)), FormatRate(ratio(tb, faced))};
}

// The lines of one kind grouped by season, level and team.
template <class Data>
using Grouped = std::map<std::tuple<int, int, int>, std::vector<Data>>;

std::string teamLabel(const League& league, int team, int level) {
    const std::string label = team == kCombined ? std::string("Total") : league.teamAbbrev(team);
    return label + " (" + std::string(kLevelLabels[static_cast<std::size_t>(level)]) + ") ";
}

// The three characters before the closing parenthesis of a "Team" cell.
std::string levelOfLabel(const std::string& label) {
    const std::size_t close = label.rfind(')');
    return close != std::string::npos && close >= 3 ? label.substr(close - 3, 3) : std::string();
}

// Whether the combined row of a season goes in: not after the single row of a season played for
// one team at this level.
bool writesCombinedRow(const ReportTable& table, int year, int level) {
    const int rows = table.rowCount() - 1;
    const std::string y = num(year);
    if (rows == 0) {
        return true;
    }
    if (rows == 1) {
        return table.text(1, 0) != y;
    }
    const bool skip = table.text(rows, 0) == y && table.text(rows - 1, 0) != y &&
                      levelOfLabel(table.text(rows, 1)) == kLevelLabels[static_cast<std::size_t>(level)];
    return !skip;
}

void addRow(ReportTable& table, const std::vector<std::string>& cells) {
    const int row = table.rowCount();
    table.setRowCount(row + 1);
    for (std::size_t c = 0; c < cells.size(); ++c) {
        table.setText(row, static_cast<int>(c), cells[c]);
    }
    for (int c = 0; c < table.columnCount(); ++c) {
        table.format(row, c).align = table.format(0, c).align;
    }
}

std::vector<std::string> battingRow(const std::string& year, const std::string& team, const Batting& b) {
    std::vector<std::string> cells = {year, team, num(b.g)};
    for (auto& rate : battingRates(b.ab, b.h, b.d, b.t, b.hr, b.bb, b.hbp, b.sf)) {
        cells.push_back(std::move(rate));
    }
    for (const long v : {b.ab,
                         b.h,
                         b.d,
                         b.t,
                         b.hr,
                         b.r,
                         b.rbi,
                         b.bb,
                         b.k,
                         b.sb,
                         b.cs,
                         b.gidp,
                         b.ibb,
                         b.sf,
                         b.sh,
                         b.pab,
                         b.ph,
                         b.hbp}) {
        cells.push_back(num(v));
    }
    return cells;
}

std::vector<std::string> pitchingRow(const std::string& year, const std::string& team, const Pitching& p) {
    std::vector<std::string> cells = {year, team, era(p.er, p.outs)};
    for (const long v : {p.w, p.l, p.s, p.bs, p.g, p.gs > 70 ? 0L : p.gs, p.cg, p.sho}) {
        cells.push_back(num(v));
    }
    cells.push_back(FormatShort(roundHalfEven(static_cast<double>(p.outs) / 3.0, 1)));
    for (const long v : {p.k, p.bb, p.h, p.d, p.t, p.hr, p.sb, p.cs, p.bk, p.wp, p.hld, p.qs, p.pit, p.r, p.er}) {
        cells.push_back(num(v));
    }
    for (auto& rate : opponentRates(p.outs, p.h, p.d, p.t, p.hr, p.bb)) {
        cells.push_back(std::move(rate));
    }
    cells.push_back(num(p.outs));
    return cells;
}

std::vector<std::string> fieldingRow(const std::string& year, const std::string& team, const FieldingLineData& f) {
    const long dp = f.doublePlays > 999 ? f.doublePlays % 1000 : f.doublePlays;
    return {year,
            team,
            std::string(positionText(f.position)),
            num(f.games),
            num(f.assists),
            num(f.putouts),
            num(f.errors),
            num(dp),
            num(f.stolenBasesAllowed),
            num(f.passedBalls),
            fieldingPct(f.putouts, f.assists, f.errors)};
}

double cellValue(const ReportTable& table, int row, int column) {
    try {
        return parseFloat(table.text(row, column));
    } catch (const Error&) {
        return 0;
    }
}

// A season's "Total" row beside the rows of its teams repeats them.
bool repeatsTeamRows(const ReportTable& table, int row) {
    const std::string& label = table.text(row, 1);
    if (!label.starts_with("Total (")) {
        return false;
    }
    for (int r = 1; r < table.rowCount(); ++r) {
        if (r != row && table.text(r, 0) == table.text(row, 0) && !table.text(r, 1).starts_with("Total (") &&
            levelOfLabel(table.text(r, 1)) == levelOfLabel(label)) {
            return true;
        }
    }
    return false;
}

// Column sums of the data rows, as the cells show them, each season counted once.
std::vector<double> columnSums(const ReportTable& table) {
    std::vector<double> sums(static_cast<std::size_t>(table.columnCount()), 0.0);
    for (int r = 1; r < table.rowCount(); ++r) {
        if (repeatsTeamRows(table, r)) {
            continue;
        }
        for (int c = 2; c < table.columnCount(); ++c) {
            sums[static_cast<std::size_t>(c)] += cellValue(table, r, c);
        }
    }
    return sums;
}

void addTotals(ReportTable& table, int kind, Color totalColor) {
    if (table.rowCount() < 2) {
        return;
    }
    const std::vector<double> s = columnSums(table);
    const auto at = [&](int c) { return static_cast<long>(s[static_cast<std::size_t>(c)]); };
    std::vector<std::string> cells(static_cast<std::size_t>(table.columnCount()));
    cells[0] = "Total";
    for (int c = 2; c < table.columnCount(); ++c) {
        cells[static_cast<std::size_t>(c)] = FormatShort(s[static_cast<std::size_t>(c)]);
    }
    if (kind == 0) {
        const auto rates = battingRates(at(6), at(7), at(8), at(9), at(10), at(13), at(23), at(19));
        std::copy(rates.begin(), rates.end(), cells.begin() + 3);
    } else if (kind == 1) {
        const long outs = at(30);
        cells[2] = era(at(26), outs);
        const auto rates = opponentRates(outs, at(14), at(15), at(16), at(17), at(13));
        std::copy(rates.begin(), rates.end(), cells.begin() + 27);
    } else {
        cells[2].clear();
        cells[10] = fieldingPct(at(5), at(4), at(6));
    }
    addRow(table, cells);
    CellFormat format;
    format.bold = true;
    format.textColor = totalColor;
    for (int c = 0; c < table.columnCount(); ++c) {
        format.align = table.format(0, c).align;
        table.format(table.rowCount() - 1, c) = format;
    }
}

bool isTotalRow(const ReportTable& table, int row) {
    return table.text(row, 0) == "Total";
}

int dataRows(const ReportTable& table) {
    int rows = 0;
    for (int r = 1; r < table.rowCount(); ++r) {
        rows += isTotalRow(table, r) ? 0 : 1;
    }
    return rows;
}

int mlSeasons(const ReportTable& table) {
    int count = 0;
    for (int r = 1; r + 1 < table.rowCount(); ++r) {
        if (isTotalRow(table, r) || levelOfLabel(table.text(r, 1)) != kLevelLabels[0]) {
            continue;
        }
        const bool nextIsOther = table.text(r + 1, 0) != table.text(r, 0) ||
                                 levelOfLabel(table.text(r + 1, 1)) != levelOfLabel(table.text(r, 1));
        count += nextIsOther ? 1 : 0;
    }
    return count;
}

std::string sideName(int code) {
    return std::string(batsText(code));
}

std::string heightText(const PlayerRecord& player) {
    const int height = player.get(pf::height);
    return num(height / 12) + "-" + num(height % 12);
}

// Widths of the preformatted columns, by caption.
int preformattedWidth(int kind, const std::string& caption) {
    const auto in = [&](std::initializer_list<const char*> names) {
        return std::any_of(names.begin(), names.end(), [&](const char* n) { return caption == n; });
    };
    if (caption == "Team") {
        return 13;
    }
    if (kind == 0) {
        return in({" Avg", "3B", "Hr", "R"}) ? 3 : in({"G", "H", "2B"}) ? 4 : 5;
    }
    if (kind == 1) {
        if (in({"G", "GS", "CG"})) {
            return 3;
        }
        if (in({"W", "L", "S", "BS", "2B", "3B", "HR", "SB", "CS", "BK", "WP", "HLD", "QS", "Avg", "Obp", "Slg"})) {
            return 4;
        }
        return in({"IP", "PIT#", "R", "ER"}) ? 6 : 5;
    }
    return caption == "F%" ? 7 : 5;
}

std::string preformattedRow(const ReportTable& table, int kind, int row) {
    std::string line;
    for (const int c : table.visibleColumns()) {
        const std::string& cell = table.text(row, c);
        const auto width = static_cast<std::size_t>(preformattedWidth(kind, table.text(0, c)));
        line += ' ';
        if (cell.size() < width) {
            line.append(width - cell.size(), ' ');
        }
        line += escapeHtml(cell);
    }
    return line;
}

std::vector<std::string> splitLines(const std::string& text) {
    std::vector<std::string> lines;
    const std::string normal = normalisedLines(text);
    std::size_t start = 0;
    while (start < normal.size()) {
        const std::size_t end = normal.find(kLineEnd, start);
        lines.push_back(normal.substr(start, end - start));
        start = end + kLineEnd.size();
    }
    return lines;
}

std::string templateText(const fs::path& file) {
    const auto bytes = readFileBytes(file);
    return std::string(bytes.begin(), bytes.end());
}

std::string nameText(const PlayerRecord& player) {
    return player.get(pf::firstName) + " " + player.get(pf::lastName);
}

}  // namespace

HtmlExportSettings cardHtmlSettings() {
    HtmlExportSettings settings;
    settings.borderSize = 0;
    settings.cellSpacing = 3;
    settings.width = 100;
    settings.useColors = false;
    settings.useFonts = false;
    return settings;
}

CardTables cardTables(const League& league,
                      const LeagueIndex& index,
                      const PlayerRecord& player,
                      const CardOptions& options) {
    CardTables tables{emptyTable(cardBattingCaptions(), 2),
                      emptyTable(cardPitchingCaptions(), 2),
                      emptyTable(cardFieldingCaptions(), 3)};
    tables.pitching.setColumnHidden(kCardPitchingColumns - 1, true);
    showExtendedColumns(tables, options.battingExtended, options.pitchingExtended);
    const StatHistory* history = index.history(player.playerId());
    const int seasonYear = league.seasonHeader.get(sh::seasonYear);
    if (history == nullptr || seasonYear < kFirstYear) {
        return tables;
    }
    const auto wanted = [&](int year, int level) {
        return year >= kFirstYear && year <= seasonYear && level >= 0 && level <= 3 &&
               (options.includeMinors || level == 0);
    };
    Grouped<BattingLineData> batting;
    Grouped<PitchingLineData> pitching;
    Grouped<FieldingLineData> fielding;
    std::set<int> years;
    for (const BattingLine& line : history->batting) {
        const BattingLineData d = decodeBattingLine(line);
        if (wanted(d.year, d.level)) {
            batting[{d.year, d.level, d.team}].push_back(d);
            years.insert(d.year);
        }
    }
    for (const PitchingLine& line : history->pitching) {
        const PitchingLineData d = decodePitchingLine(line);
        if (wanted(d.year, d.level)) {
            pitching[{d.year, d.level, d.team}].push_back(d);
            years.insert(d.year);
        }
    }
    for (const FieldingLine& line : history->fielding) {
        const FieldingLineData d = decodeFieldingLine(line);
        if (wanted(d.year, d.level)) {
            fielding[{d.year, d.level, d.team}].push_back(d);
            years.insert(d.year);
        }
    }
    // A pass over one team, or over every team at once; each table decides on its own row.
    const auto pass = [&](int year, int level, int team) {
        const auto matches = [&](const auto& groups, auto&& visit) {
            for (auto it = groups.lower_bound({year, level, 0}); it != groups.end(); ++it) {
                const auto& [y, v, t] = it->first;
                if (y != year || v != level) {
                    break;
                }
                if (team == kCombined || t == team) {
                    for (const auto& line : it->second) {
                        visit(line);
                    }
                }
            }
        };
        const std::string y = num(year);
        const std::string label = teamLabel(league, team, level);
        Batting b;
        bool any = false;
        matches(batting, [&](const BattingLineData& d) { b.add(d), any = true; });
        if (any && (team != kCombined || writesCombinedRow(tables.batting, year, level))) {
            addRow(tables.batting, battingRow(y, label, b));
        }
        Pitching p;
        any = false;
        matches(pitching, [&](const PitchingLineData& d) { p.add(d), any = true; });
        if (any && (team != kCombined || writesCombinedRow(tables.pitching, year, level))) {
            addRow(tables.pitching, pitchingRow(y, label, p));
        }
        if (team != kCombined) {
            matches(fielding, [&](const FieldingLineData& d) { addRow(tables.fielding, fieldingRow(y, label, d)); });
        }
    };
    const std::vector<int> levels = options.includeMinors ? std::vector<int>{3, 2, 1, 0} : std::vector<int>{0};
    for (const int year : years) {
        for (const int level : levels) {
            if (!options.noTeamSplit) {
                for (int team = league.teamCount() - 1; team >= 0; --team) {
                    pass(year, level, team);
                }
            }
            pass(year, level, kCombined);
        }
    }
    addTotals(tables.batting, 0, options.totalColor);
    addTotals(tables.pitching, 1, options.totalColor);
    addTotals(tables.fielding, 2, options.totalColor);
    return tables;
}

void showExtendedColumns(CardTables& tables, bool batting, bool pitching) {
    for (int c = 17; c <= 22; ++c) {
        tables.batting.setColumnHidden(c, !batting);
    }
    for (int c = 21; c <= 24; ++c) {
        tables.pitching.setColumnHidden(c, !pitching);
    }
}

int mlExperience(const CardTables& tables) {
    return std::max(mlSeasons(tables.batting), mlSeasons(tables.pitching));
}

int tableExperience(const CardTables& tables) {
    const int batting = dataRows(tables.batting);
    const int pitching = dataRows(tables.pitching);
    return batting > pitching ? batting : pitching;
}

std::string preformattedCard(const PlayerRecord& player,
                             const CardTables& tables,
                             const std::string& picture,
                             const std::string& headerText,
                             const std::string& footerText) {
    const ReportTable* all[] = {&tables.batting, &tables.pitching, &tables.fielding};
    if (std::all_of(std::begin(all), std::end(all), [](const ReportTable* t) { return t->rowCount() < 2; })) {
        return {};
    }
    const std::string name = escapeHtml(nameText(player));
    std::string page = headerText;
    page += R"( <!DOCTYPE HTML PUBLIC "-//W3C//DTD HTML 4.0 Transitional//EN">)";
    page += "<HTML><HEAD><TITLE>" + name + " ML Statistics </TITLE>";
    page +=
        R"(</HEAD><style type="text/css"><!--.gridcss {  font-family: Arial, Helvetica, sans-serif; font-size: 9pt}--></style><pre>)";
    page +=
        R"(<BODY bgColor=#ffffff leftMargin=0 topMargin=5 marginwidth="0" marginheight="5" class="gridcss"><hr><table class="gridcss"><tr><td valign="top"><img src=")";
    page += escapeHtml(picture) + R"(" width="64" height="85"></td><td>)";
    page += "<b>   Name       : " + name + " <BR>";
    page += "   Position   : " + std::string(positionText(player.get(pf::position))) + " <BR>";
    page += "   Age        : " + num(player.get(pf::age)) + " <BR>";
    page += "   Height     : " + heightText(player) + " <BR>";
    page += "   Weight     : " + num(player.get(pf::weight)) + " <BR>";
    page += "   Bats       : " + sideName(player.get(pf::bats)) + " <BR>";
    page += "   Throws     : " + sideName(player.get(pf::throws)) + " <BR>";
    page += "   ML Experience : " + num(mlExperience(tables)) + "</b></td></tr></table>";
    page += kLineEnd;
    for (int kind = 0; kind < 3; ++kind) {
        const ReportTable& table = *all[kind];
        if (table.rowCount() < 2) {
            continue;
        }
        page += std::string("<b><hr>") + std::string(kLineEnd);
        page += preformattedRow(table, kind, 0) + std::string(kLineEnd);
        page += std::string("</b><hr>") + std::string(kLineEnd);
        for (int r = 1; r < table.rowCount(); ++r) {
            if (isTotalRow(table, r)) {
                page += "<b>" + preformattedRow(table, kind, r) + std::string(kLineEnd);
                page += std::string("</b>") + std::string(kLineEnd);
            } else {
                page += preformattedRow(table, kind, r) + std::string(kLineEnd);
            }
        }
    }
    page += kLineEnd;
    page += footerText;
    return page;
}

std::string tableCard(const PlayerRecord& player,
                      const CardTables& tables,
                      const CardOptions& options,
                      const std::string& picture,
                      const std::string& headerText,
                      const std::string& footerText) {
    const ReportTable* all[] = {&tables.batting, &tables.pitching, &tables.fielding};
    if (std::all_of(std::begin(all), std::end(all), [](const ReportTable* t) { return t->rowCount() < 2; })) {
        return {};
    }
    const std::string name = escapeHtml(nameText(player));
    std::vector<std::string> lines = splitLines(templateText(options.dataDirectory / kCardHeaderTemplate));
    if (lines.size() < 2) {
        lines.resize(2);
    }
    lines[1] = "<HTML><HEAD><TITLE>" + name + " Statistics </TITLE>";
    lines.push_back(escapeHtml(picture) +
                    R"(" width="64" height="85"><br></FONT><FONT face="arial, helvetica" size=5><br>)");
    lines.push_back(name);
    const std::string block[] = {R"(</FONT><FONT face="arial, helvetica" size=4> )" +
                                     std::string(positionText(player.get(pf::position))) + " </FONT><BR>",
                                 "</p></CENTER><TABLE border=0 cellPadding=1 cellSpacing=2 ",
                                 R"(width="100%"><TR bgColor=#e0e6df><TH )",
                                 R"(colSpan=2 width="100%">Personal Info</TH></TR><TR)",
                                 R"(bgColor=#f0f0f0><TD class=s1 width="25%">Age</TD><TD class=s1 width="75%">)",
                                 num(player.get(pf::age)),
                                 R"(</TD></TR><TR bgColor=#f0f0f0> <TD width="25%">Height</TD><TD width="75%">)",
                                 heightText(player),
                                 R"(</TD> </TR><TR bgColor=#f0f0f0><TD width="25%">Weight</TD><TD width="75%">)",
                                 num(player.get(pf::weight)),
                                 R"(</TD></TR><TR bgColor=#f0f0f0><TD width="25%">Bats</TD><TD width="75%">)",
                                 sideName(player.get(pf::bats)),
                                 R"(</TD></TR><TR bgColor=#f0f0f0><TD width="25%">Throws</TD><TD width="75%">)",
                                 sideName(player.get(pf::throws)),
                                 R"(</TD></TR><TR bgColor=#f0f0f0><TD width="25%">Experience</TD><TD width="75%">)",
                                 num(tableExperience(tables))};
    lines.insert(lines.end(), std::begin(block), std::end(block));
    for (auto& line : splitLines(templateText(options.dataDirectory / kCardFooterTemplate))) {
        lines.push_back(std::move(line));
    }
    lines.insert(lines.begin(), headerText);
    std::string head;
    for (const auto& line : lines) {
        head += line;
        head += kLineEnd;
    }

    HtmlExportSettings shared = options.html;
    shared.headerFile.clear();
    shared.footerFile.clear();
    std::vector<ChainPart> parts;
    for (const ReportTable* table : all) {
        if (table->rowCount() < 2) {
            continue;
        }
        HtmlExportSettings settings = shared;
        if (table != &tables.batting) {
            settings.prefixTags.clear();
            settings.suffixTags.clear();
            settings.tableStyle.clear();
            settings.cellPadding = HtmlExportSettings{}.cellPadding;
        }
        parts.push_back({table, settings});
    }
    std::string page = normalisedLines(head) + chainedPage(parts);
    page += footerText;
    return page;
}

void copyBlankPicture(const fs::path& dataDirectory, const fs::path& folder) {
    std::error_code ec;
    const fs::path source = dataDirectory / kBlankPicture;
    if (dataDirectory.empty() || fs::exists(folder / kBlankPicture, ec) || !fs::exists(source, ec)) {
        return;
    }
    const auto bytes = readFileBytes(source);
    writeReportFile(folder / kBlankPicture, std::string(bytes.begin(), bytes.end()));
}

fs::path writeCard(const League& league,
                   const LeagueIndex& index,
                   const PlayerRecord& player,
                   const CardOptions& options,
                   const fs::path& folder,
                   Interaction& interaction) {
    const CardTables tables = cardTables(league, index, player, options);
    std::string picture = kBlankPicture;
    if (options.photos && options.photo) {
        const CardPhoto photo = options.photo(player, folder);
        if (!photo.file.empty()) {
            picture = photo.file;
        }
        if (!photo.failure.empty()) {
            interaction.information(photo.failure);
        }
    }
    const std::string header = wholeText(options.html.headerFile);
    const std::string footer = wholeText(options.html.footerFile);
    const std::string page = options.htmlTable ? tableCard(player, tables, options, picture, header, footer)
                                               : preformattedCard(player, tables, picture, header, footer);
    if (page.empty()) {
        return {};
    }
    const fs::path target = folder / CardFileName(player);
    writeReportFile(target, page);
    return target;
}

std::vector<fs::path> writeTeamCards(const League& league,
                                     const LeagueIndex& index,
                                     int team,
                                     const CardOptions& options,
                                     const fs::path& folder,
                                     Interaction& interaction) {
    // The team's cards appear together, or none when one of them cannot be written.
    FileTransaction batch(FileTransaction::Batch::Open);
    copyBlankPicture(options.dataDirectory, folder);
    std::vector<fs::path> written;
    for (const int i : index.playersOfTeam(team)) {
        const PlayerRecord& player = *league.players[static_cast<std::size_t>(i)];
        if (options.mlRostersOnly && player.level() != 0) {
            continue;
        }
        if (fs::path card = writeCard(league, index, player, options, folder, interaction); !card.empty()) {
            written.push_back(std::move(card));
        }
    }
    batch.commit();
    return written;
}

std::vector<fs::path> writeAllCards(const League& league,
                                    const LeagueIndex& index,
                                    const CardOptions& options,
                                    const fs::path& folder,
                                    Interaction& interaction,
                                    Progress& progress) {
    // Every card appears together, or none when one cannot be written; a cancelled run keeps the
    // teams done so far.
    FileTransaction batch(FileTransaction::Batch::Open);
    std::vector<fs::path> written;
    progress.setRange(0, league.teamCount() + 1);
    for (int team = 0; team <= league.teamCount(); ++team) {
        if (progress.cancelled()) {
            batch.commit();
            return written;
        }
        progress.setValue(team);
        const auto cards = writeTeamCards(
            league, index, team == league.teamCount() ? kFreeAgentTeam : team, options, folder, interaction);
        written.insert(written.end(), cards.begin(), cards.end());
    }
    batch.commit();
    progress.setValue(league.teamCount() + 1);
    return written;
}

}  // namespace zt::reports
