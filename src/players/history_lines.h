#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "league/stat_history.h"

namespace zt {

class League;
class PlayerRecord;

// The three kinds of lines a player's history holds; the history page shows one at a time.
enum class HistoryKind { Batting = 0, Pitching = 1, Fielding = 2 };

// What a cell of the history grids holds and how a typed text is read back into the line.
enum class HistoryCell {
    Year,      // whole number
    Level,     // level text ("ML" .. "DL")
    Team,      // team abbreviation, empty for the free agents and numbers that are no team
    Split,     // "VsL", "VsR", "VsS"
    Position,  // "P" .. "DH"
    Count,     // whole number
    Outs,      // innings as a decimal fraction (7 outs show as 2.3), held as outs
    Average,   // computed: never read back
    OnBase,
    Slugging,
    EarnedRunAverage,
    FieldingPct,
};

// One column of the summary grid, which is also one value cell of the edit grid: both grids
// show a line's cells in the same order, the edit grid folded into rows of five or six.
struct HistoryColumn {
    std::string_view summaryCaption;
    std::string_view editCaption;  // the edit grid names a few columns differently ("Level", "HLDS")
    HistoryCell cell;
    std::string_view field;  // the decoded line's field the cell shows; empty for computed cells

    bool computed() const { return field.empty(); }
};

std::span<const HistoryColumn> historyColumns(HistoryKind kind);
// The edit grid: five columns for batting and fielding, six for pitching.
int historyEditColumnCount(HistoryKind kind);
// The summary table's hidden column holding each row's line index.
int historyIndexColumn(HistoryKind kind);

std::size_t historyLineCount(const StatHistory& history, HistoryKind kind);

// The cells of line `line` as the grids show them, in column order. League text (team
// abbreviations) stays as the league's bytes.
std::vector<std::string> historyLineCells(const League& league,
                                          const StatHistory& history,
                                          HistoryKind kind,
                                          std::size_t line);

// The radio button's caption ("Batting", "Pitching", "Fielding") and the words the HTML export
// puts after the player's name (" Batting Stats", ...).
std::string_view historyKindCaption(HistoryKind kind);
std::string_view historyKindTitle(HistoryKind kind);

}  // namespace zt
