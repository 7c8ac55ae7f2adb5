#include "reports/rosters_stats.h"

#include <algorithm>

#include "league/codes.h"
#include "league/league.h"
#include "league/numbers.h"
#include "reports/league_index.h"
#include "reports/report_names.h"
#include "reports/sort_table.h"

namespace zt::reports {

namespace {

// Counts summed over the selected lines. Wider than the lines' own fields, so that a long range
// of seasons cannot wrap around.
struct BattingSums {
    int g = 0, ab = 0, h = 0, doubles = 0, triples = 0, hr = 0, r = 0, rbi = 0, bb = 0, k = 0, sb = 0, cs = 0, hbp = 0;
};

struct PitchingSums {
    int g = 0, outs = 0, w = 0, l = 0, s = 0, bs = 0, gs = 0, cg = 0, sho = 0, h = 0, doubles = 0, triples = 0, hr = 0,
        r = 0, er = 0, bb = 0, k = 0, sb = 0, cs = 0, bk = 0, wp = 0;
};

bool counts(int year, int level, const YearRange& years, int selectedLevel) {
    return year >= years.first && year <= years.last && level == selectedLevel;
}

BattingSums sumBatting(const StatHistory& history, const YearRange& years, int level) {
    BattingSums s;
    for (const BattingLine& line : history.batting) {
        const BattingLineData d = decodeBattingLine(line);
        if (!counts(d.year, d.level, years, level)) {
            continue;
        }
        s.g += d.games;
        s.ab += d.atBats;
        s.h += d.hits;
        s.doubles += d.doubles;
        s.triples += d.triples;
        s.hr += d.homeRuns;
        s.r += d.runs;
        s.rbi += d.rbi;
        s.bb += d.walks;
        s.k += d.strikeouts;
        s.sb += d.stolenBases;
        s.cs += d.caughtStealing;
        s.hbp += d.hitByPitch;
    }
    return s;
}

PitchingSums sumPitching(const StatHistory& history, const YearRange& years, int level) {
    PitchingSums s;
    for (const PitchingLine& line : history.pitching) {
        const PitchingLineData d = decodePitchingLine(line);
        if (!counts(d.year, d.level, years, level)) {
            continue;
        }
        s.g += d.games;
        s.outs += d.outsPitched;
        s.w += d.wins;
        s.l += d.losses;
        s.s += d.saves;
        s.bs += d.blownSaves;
        s.gs += d.gamesStarted;
        s.cg += d.completeGames;
        s.sho += d.shutouts;
        s.h += d.hits;
        s.doubles += d.doubles;
        s.triples += d.triples;
        s.hr += d.homeRuns;
        s.r += d.runs;
        s.er += d.earnedRuns;
        s.bb += d.walks;
        s.k += d.strikeouts;
        s.sb += d.stolenBases;
        s.cs += d.caughtStealing;
        s.bk += d.balks;
        s.wp += d.wildPitches;
    }
    return s;
}

std::string num(int value) {
    return std::to_string(value);
}

double ratio(int a, int b) {
    return static_cast<double>(a) / static_cast<double>(b);
}

// Values in built-in caption order, after "Name".
std::vector<std::string> battingValues(const PlayerRecord& player, const BattingSums& s) {
    const int tb = s.h + s.doubles + 2 * s.triples + 3 * s.hr;
    const bool atBats = s.ab > 0;
    return {std::string(positionText(player.get(pf::position))),
            num(s.g),
            atBats ? FormatRate(ratio(s.h, s.ab)) : "-",
            atBats ? FormatRate(ratio(s.h + s.bb + s.hbp, s.ab + s.bb + s.hbp)) : "-",
            atBats ? FormatRate(ratio(tb, s.ab)) : "-",
            num(s.ab),
            num(s.h),
            num(s.doubles),
            num(s.triples),
            num(s.hr),
            num(s.r),
            num(s.rbi),
            num(s.bb),
            num(s.k),
            num(s.sb),
            num(s.cs)};
}

std::vector<std::string> pitchingValues(const PitchingSums& s) {
    const int bf = s.outs + s.h;
    const int tb = s.h + s.doubles + 2 * s.triples + 3 * s.hr;
    const bool faced = bf > 0;
    return {s.outs > 0 ? FormatFixed2(s.er / (s.outs / 27.0)) : "0.00",
            num(s.w),
            num(s.l),
            num(s.s),
            num(s.bs),
            num(s.g),
            num(s.gs > 70 ? 0 : s.gs),
            num(s.cg),
            num(s.sho),
            FormatShort(roundHalfEven(s.outs / 3.0, 1)),
            num(s.k),
            num(s.bb),
            num(s.h),
            num(s.doubles),
            num(s.triples),
            num(s.hr),
            num(s.sb),
            num(s.cs),
            num(s.bk),
            num(s.wp),
            num(s.r),
            num(s.er),
            faced ? FormatRate(ratio(s.h, bf)) : "",
            faced ? FormatRate(ratio(s.h + s.bb, bf + s.bb)) : "",
            faced ? FormatRate(ratio(tb, bf)) : ""};
}

// Fills one row: the name cell, the values by caption, the hidden name and index.
void fillRow(ReportTable& table,
             int row,
             const std::vector<int>& positions,
             const std::vector<std::string>& values,
             const PlayerRecord& player,
             int playerIndex,
             bool link,
             int nameColumn,
             int indexColumn) {
    if (link) {
        table.setHtml(row, positions[0], PlayerLink(player));
    } else {
        table.setText(row, positions[0], DisplayName(player));
    }
    for (std::size_t i = 0; i < values.size(); ++i) {
        table.setText(row, positions[i + 1], values[i]);
    }
    table.setText(row, nameColumn, DisplayName(player));
    table.setText(row, indexColumn, num(playerIndex));
}

ReportTable emptyTable(int columns, const Captions& order, int nameColumn, int indexColumn) {
    ReportTable table(1, columns);
    for (std::size_t i = 0; i < order.size(); ++i) {
        table.setText(0, static_cast<int>(i), order[i]);
    }
    table.setColumnHidden(nameColumn, true);
    table.setColumnHidden(indexColumn, true);
    table.fixedRow = true;
    return table;
}

// A table that received no player keeps one empty data row.
void finish(ReportTable& table, int rows) {
    table.setRowCount(std::max(rows, 2));
    for (int c = 1; c < table.columnCount(); ++c) {
        if (!table.isColumnHidden(c)) {
            table.setColumnAlignment(c, CellAlign::Right);
        }
    }
}

std::vector<CompareKind> kinds(int columns, int firstNumber, int lastNumber) {
    std::vector<CompareKind> k(static_cast<std::size_t>(columns), CompareKind::Text);
    for (int c = firstNumber; c <= lastNumber; ++c) {
        k[static_cast<std::size_t>(c)] = CompareKind::Number;
    }
    return k;
}

void sortBy(ReportTable& table, int item, int items, int nameColumn, const std::vector<CompareKind>& k) {
    if (item <= 0 || item >= items) {
        SortTable(table, nameColumn, SortDirection::Ascending, k);
    } else {
        SortTable(table, item, SortDirection::Descending, k);
    }
}

}  // namespace

const Captions& battingCaptions() {
    static const Captions kCaptions = {
        "Name", "Pos", "G", "Avg", "Obp", "Slg", "Ab", "H", "2B", "3B", "Hr", "R", "Rbi", "BB", "K", "Sb", "Cs"};
    return kCaptions;
}

const Captions& pitchingCaptions() {
    static const Captions kCaptions = {"Name", "ERA", "W",  "L",  "S",  "BS",  "G",   "GS", "CG",
                                       "SHO",  "IP",  "K",  "BB", "H",  "2B",  "3B",  "HR", "SB",
                                       "CS",   "BK",  "WP", "R",  "ER", "Avg", "Obp", "Slg"};
    return kCaptions;
}

const Captions& battingSortItems() {
    static const Captions kItems = {
        "Name", "Pos", "G", "Avg", "Obp", "Slg", "Ab", "H", "2B", "3B", "HR", "R", "RBI", "BB", "K", "SB", "CS"};
    return kItems;
}

const Captions& pitchingSortItems() {
    static const Captions kItems = {"Name", "ERA", "W",  "L",  "S",  "BS",     "G",      "GS",    "CG",
                                    "SHO",  "IP",  "K",  "BB", "H",  "2B",     "3B",     "HR",    "SB",
                                    "CS",   "BK",  "WP", "R",  "ER", "OPPAVG", "OPPOBP", "OPPSLG"};
    return kItems;
}

YearRange parseYears(std::string_view text) {
    const std::size_t dash = text.find('-');
    if (dash == std::string_view::npos) {
        const int year = parseInteger(text);
        return {year, year};
    }
    return {parseInteger(text.substr(0, dash)), parseInteger(text.substr(dash + 1))};
}

RostersTables rostersTables(const League& league, const LeagueIndex& index, const RostersOptions& options) {
    const YearRange years = parseYears(options.years);
    const std::vector<int> battingAt = positionsOf(battingCaptions(), options.battingOrder);
    const std::vector<int> pitchingAt = positionsOf(pitchingCaptions(), options.pitchingOrder);
    RostersTables tables{
        emptyTable(kBattingColumns, options.battingOrder, kBattingNameColumn, kBattingIndexColumn),
        emptyTable(kPitchingColumns, options.pitchingOrder, kPitchingNameColumn, kPitchingIndexColumn)};
    const bool link = options.level == 0 ? options.linkMajors : options.linkMinors;
    int battingRows = 1;
    int pitchingRows = 1;
    for (const int i : index.playersOfTeam(options.team)) {
        const PlayerRecord& player = *league.players[static_cast<std::size_t>(i)];
        const bool ownLevel = player.level() == options.level;
        if (!options.listEachLevelPlayed && !ownLevel) {
            continue;
        }
        const StatHistory* history = index.history(player.playerId());
        if (history == nullptr) {
            continue;
        }
        const bool pitcher = player.get(pf::position) == 1;
        const BattingSums batting = pitcher ? BattingSums{} : sumBatting(*history, years, options.level);
        const PitchingSums pitching = pitcher ? sumPitching(*history, years, options.level) : PitchingSums{};
        const int games = pitcher ? pitching.g : batting.g;
        if (games == 0 && !(ownLevel && options.listZeroGames)) {
            continue;
        }
        if (pitcher) {
            tables.pitching.setRowCount(pitchingRows + 1);
            fillRow(tables.pitching,
                    pitchingRows++,
                    pitchingAt,
                    pitchingValues(pitching),
                    player,
                    i,
                    link,
                    kPitchingNameColumn,
                    kPitchingIndexColumn);
        } else {
            tables.batting.setRowCount(battingRows + 1);
            fillRow(tables.batting,
                    battingRows++,
                    battingAt,
                    battingValues(player, batting),
                    player,
                    i,
                    link,
                    kBattingNameColumn,
                    kBattingIndexColumn);
        }
    }
    finish(tables.batting, battingRows);
    finish(tables.pitching, pitchingRows);
    sortRostersTables(tables, options.battingSort, options.pitchingSort);
    return tables;
}

void sortRostersTables(RostersTables& tables, int battingSort, int pitchingSort) {
    static const std::vector<CompareKind> kBattingKinds = kinds(kBattingColumns, 2, 16);
    static const std::vector<CompareKind> kPitchingKinds = kinds(kPitchingColumns, 1, 25);
    sortBy(tables.batting, battingSort, static_cast<int>(battingSortItems().size()), kBattingNameColumn, kBattingKinds);
    sortBy(tables.pitching,
           pitchingSort,
           static_cast<int>(pitchingSortItems().size()),
           kPitchingNameColumn,
           kPitchingKinds);
}

std::string rostersCaption(const League& league, const RostersOptions& options) {
    const std::string name = league.isTeam(options.team)
                                 ? league.teams[static_cast<std::size_t>(options.team)].record.get(tf::completeName)
                                 : std::string();
    const auto level = static_cast<std::size_t>(std::clamp(options.level, 0, 3));
    return name + " " + std::string(kLevelLabels[level]) + " " + options.years + " statistics";
}

}  // namespace zt::reports
