#include "players/history_lines.h"

#include <array>
#include <charconv>

#include "league/codes.h"
#include "league/league.h"
#include "league/numbers.h"
#include "players/history_fields.h"

namespace zt {

namespace {

using C = HistoryCell;

constexpr std::array<HistoryColumn, 27> kBatting = {{
    {"Year", "Year", C::Year, "year"},
    {"Lev", "Level", C::Level, "level"},
    {"Team", "Team", C::Team, "team"},
    {"Split", "Split", C::Split, "split"},
    {"G", "G", C::Count, "games"},
    {"Ab", "Ab", C::Count, "atBats"},
    {"H", "H", C::Count, "hits"},
    {"2B", "2B", C::Count, "doubles"},
    {"3B", "3B", C::Count, "triples"},
    {"HR", "HR", C::Count, "homeRuns"},
    {"RBI", "RBI", C::Count, "rbi"},
    {"R", "R", C::Count, "runs"},
    {"SB", "SB", C::Count, "stolenBases"},
    {"CS", "CS", C::Count, "caughtStealing"},
    {"BB", "BB", C::Count, "walks"},
    {"SO", "SO", C::Count, "strikeouts"},
    {"HBP", "HBP", C::Count, "hitByPitch"},
    {"GIDP", "GIDP", C::Count, "gidp"},
    {"IBB", "IBB", C::Count, "intentionalWalks"},
    {"SF", "SF", C::Count, "sacFlies"},
    {"SH", "SH", C::Count, "sacHits"},
    {"PAB", "PAB", C::Count, "pinchAtBats"},
    {"PH", "PH", C::Count, "pinchBaseHits"},
    {"AVG", "AVG", C::Average, ""},
    {"OBP", "OBP", C::OnBase, ""},
    {"SLG", "SLG", C::Slugging, ""},
    {"Pickoffs", "Pickoffs", C::Count, "pickoffs"},
}};

constexpr std::array<HistoryColumn, 33> kPitching = {{
    {"Year", "Year", C::Year, "year"},
    {"Lev", "Level", C::Level, "level"},
    {"Team", "Team", C::Team, "team"},
    {"Split", "Split", C::Split, "split"},
    {"G", "G", C::Count, "games"},
    {"GS", "GS", C::Count, "gamesStarted"},
    {"CG", "CG", C::Count, "completeGames"},
    {"W", "W", C::Count, "wins"},
    {"L", "L", C::Count, "losses"},
    {"SV", "SV", C::Count, "saves"},
    {"BS", "BS", C::Count, "blownSaves"},
    {"SHO", "SHO", C::Count, "shutouts"},
    {"IP", "IP", C::Outs, "outsPitched"},
    {"H", "H", C::Count, "hits"},
    {"2B", "2B", C::Count, "doubles"},
    {"3B", "3B", C::Count, "triples"},
    {"HR", "HR", C::Count, "homeRuns"},
    {"R", "R", C::Count, "runs"},
    {"ER", "ER", C::Count, "earnedRuns"},
    {"BB", "BB", C::Count, "walks"},
    {"SO", "SO", C::Count, "strikeouts"},
    {"BK", "BK", C::Count, "balks"},
    {"HB", "HB", C::Count, "hitBatsmen"},
    {"WP", "WP", C::Count, "wildPitches"},
    {"SB", "SB", C::Count, "stolenBases"},
    {"CS", "CS", C::Count, "caughtStealing"},
    {"HOLDS", "HLDS", C::Count, "holds"},
    {"QS", "QS", C::Count, "qualityStarts"},
    {"PIT#", "PIT#", C::Count, "pitchCount"},
    {"AVG", "AVG", C::Average, ""},
    {"OBP", "OBP", C::OnBase, ""},
    {"SLG", "SLG", C::Slugging, ""},
    {"ERA", "ERA", C::EarnedRunAverage, ""},
}};

constexpr std::array<HistoryColumn, 14> kFielding = {{
    {"Year", "Year", C::Year, "year"},
    {"Lev", "Level", C::Level, "level"},
    {"Team", "Team", C::Team, "team"},
    {"Pos", "Pos", C::Position, "position"},
    {"G", "G", C::Count, "games"},
    {"A", "A", C::Count, "assists"},
    {"PO", "PO", C::Count, "putouts"},
    {"E", "E", C::Count, "errors"},
    {"DP", "DP", C::Count, "doublePlays"},
    {"SBA", "SBA", C::Count, "stolenBasesAllowed"},
    {"CS", "CS", C::Count, "caughtStealing"},
    {"PB", "PB", C::Count, "passedBalls"},
    {"F%", "F%", C::FieldingPct, ""},
    {"Inn", "Inn", C::Outs, "outsPlayed"},
}};

// Three decimals as the grids show rates: "0.300", "1.000".
std::string threeDecimals(std::optional<double> value) {
    if (!value) {
        return {};
    }
    std::array<char, 64> buffer{};
    const auto result =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), *value, std::chars_format::fixed, 3);
    return std::string(buffer.data(), result.ptr);
}

template <class Data>
std::string computedCell(const Data& d, HistoryCell cell) {
    if constexpr (std::is_same_v<Data, BattingLineData>) {
        switch (cell) {
            case C::Average:
                return threeDecimals(battingAverage(d));
            case C::OnBase:
                return threeDecimals(onBasePercentage(d));
            case C::Slugging:
                return threeDecimals(sluggingPercentage(d));
            default:
                return {};
        }
    } else if constexpr (std::is_same_v<Data, PitchingLineData>) {
        switch (cell) {
            case C::Average:
                return threeDecimals(averageAgainst(d));
            case C::OnBase:
                return threeDecimals(onBaseAgainst(d));
            case C::Slugging:
                return threeDecimals(sluggingAgainst(d));
            case C::EarnedRunAverage: {
                const auto era = earnedRunAverage(d);
                return era ? FormatFixed2(*era) : std::string();
            }
            default:
                return {};
        }
    } else {
        return cell == C::FieldingPct ? fieldingPercentageText(d) : std::string();
    }
}

template <class Data>
std::vector<std::string> cellsOf(const League& league, const Data& d, std::span<const HistoryColumn> columns) {
    std::vector<std::string> cells;
    cells.reserve(columns.size());
    for (const HistoryColumn& column : columns) {
        if (column.computed()) {
            cells.push_back(computedCell(d, column.cell));
            continue;
        }
        const std::uint32_t value = lineFieldValue(d, column.field);
        const int code = static_cast<int>(value);
        switch (column.cell) {
            case C::Level:
                cells.emplace_back(levelText(code));
                break;
            case C::Team:
                cells.push_back(league.isTeam(code) ? league.teamAbbrev(code) : std::string());
                break;
            case C::Split:
                cells.emplace_back(splitText(code));
                break;
            case C::Position:
                cells.emplace_back(positionText(code));
                break;
            case C::Outs:
                cells.push_back(FormatShort(inningsFromOuts(code)));
                break;
            default:
                cells.push_back(std::to_string(value));
                break;
        }
    }
    return cells;
}

}  // namespace

std::span<const HistoryColumn> historyColumns(HistoryKind kind) {
    switch (kind) {
        case HistoryKind::Batting:
            return kBatting;
        case HistoryKind::Pitching:
            return kPitching;
        case HistoryKind::Fielding:
            break;
    }
    return kFielding;
}

int historyEditColumnCount(HistoryKind kind) {
    return kind == HistoryKind::Pitching ? 6 : 5;
}

int historyIndexColumn(HistoryKind kind) {
    return static_cast<int>(historyColumns(kind).size());
}

std::size_t historyLineCount(const StatHistory& history, HistoryKind kind) {
    switch (kind) {
        case HistoryKind::Batting:
            return history.batting.size();
        case HistoryKind::Pitching:
            return history.pitching.size();
        case HistoryKind::Fielding:
            break;
    }
    return history.fielding.size();
}

std::vector<std::string> historyLineCells(const League& league,
                                          const StatHistory& history,
                                          HistoryKind kind,
                                          std::size_t line) {
    const auto columns = historyColumns(kind);
    switch (kind) {
        case HistoryKind::Batting:
            return cellsOf(league, decodeBattingLine(history.batting.at(line)), columns);
        case HistoryKind::Pitching:
            return cellsOf(league, decodePitchingLine(history.pitching.at(line)), columns);
        case HistoryKind::Fielding:
            break;
    }
    return cellsOf(league, decodeFieldingLine(history.fielding.at(line)), columns);
}

std::string_view historyKindCaption(HistoryKind kind) {
    static constexpr std::array<std::string_view, 3> kCaptions = {"Batting", "Pitching", "Fielding"};
    return kCaptions[static_cast<std::size_t>(kind)];
}

std::string_view historyKindTitle(HistoryKind kind) {
    static constexpr std::array<std::string_view, 3> kTitles = {" Batting Stats", " Pitching Stats", " Fielding Stats"};
    return kTitles[static_cast<std::size_t>(kind)];
}

}  // namespace zt
