#include "players/history_editing.h"

#include <algorithm>
#include <array>
#include <unordered_set>

#include "league/codes.h"
#include "league/error.h"
#include "league/interaction.h"
#include "league/league.h"
#include "league/league_text.h"
#include "league/numbers.h"
#include "players/history_fields.h"

namespace zt {

namespace {

using C = HistoryCell;

// The level texts a cell may name; the levels without a text (4, 5 and the inactive list's
// empty grid text) are reached through "Inactive List" or not at all.
std::optional<std::uint32_t> levelOf(std::string_view text) {
    static constexpr std::array<std::pair<std::string_view, std::uint32_t>, 6> kLevels = {
        {{"ML", 0}, {"AAA", 1}, {"AA", 2}, {"A", 3}, {"Inactive List", 6}, {"DL", 7}}};
    for (const auto& [name, code] : kLevels) {
        if (equalNoCase(text, name)) {
            return code;
        }
    }
    return std::nullopt;
}

std::optional<std::uint32_t> teamOf(const League& league, std::string_view text) {
    if (text.empty()) {
        return kFreeAgentTeam;
    }
    for (const TeamListEntry& entry : league.teamAbbrevList) {
        if (equalNoCase(trimmed(entry.text), text)) {
            return static_cast<std::uint32_t>(entry.teamNumber) & 0xFFu;
        }
    }
    return std::nullopt;
}

std::optional<std::uint32_t> splitOf(std::string_view text) {
    if (text.empty()) {
        return std::nullopt;
    }
    if (equalNoCase(text, "VsR")) {
        return 1;
    }
    return equalNoCase(text, "VsS") ? 2 : 0;
}

std::optional<std::uint32_t> positionOf(std::string_view text) {
    for (int code = 1; code <= kPositionCount; ++code) {
        if (!text.empty() && equalNoCase(text, positionText(code))) {
            return static_cast<std::uint32_t>(code);
        }
    }
    return std::nullopt;
}

std::int32_t wholeNumber(const std::string& cell) {
    try {
        return parseInteger(cell);
    } catch (const Error&) {
        throw Error(invalidIntegerMessage(leagueTextToUtf8(cell)));
    }
}

double decimalNumber(const std::string& cell) {
    try {
        return parseFloat(cell);
    } catch (const Error&) {
        throw Error(invalidFloatMessage(leagueTextToUtf8(cell)));
    }
}

[[noreturn]] void refuseValue(const HistoryColumn& column, const std::string& cell, std::uint32_t maximum) {
    const std::string caption(column.editCaption);
    if (column.cell == C::Outs) {
        throw Error(caption + " holds at most " + FormatShort(inningsFromOuts(static_cast<int>(maximum))) +
                    " innings (" + std::to_string(maximum) + " outs): '" + leagueTextToUtf8(cell) +
                    "' cannot be stored");
    }
    throw Error(caption + " holds whole numbers from 0 to " + std::to_string(maximum) + ": '" + leagueTextToUtf8(cell) +
                "' cannot be stored");
}

// Reads every value cell into `data` (which starts as the stored line, so cells that keep a
// value leave it as it was). Throws before the caller stores anything.
template <class Data>
void readCells(const League& league,
               Data& data,
               std::span<const HistoryColumn> columns,
               std::span<const std::string> cells) {
    for (std::size_t i = 0; i < columns.size(); ++i) {
        const HistoryColumn& column = columns[i];
        if (column.computed()) {
            continue;  // worked out from the other cells, never read back
        }
        const std::string& cell = cells[i];
        const std::string_view text = trimmed(cell);
        const std::uint32_t maximum = lineFieldMaximum<Data>(column.field);
        std::optional<std::uint32_t> value;
        switch (column.cell) {
            case C::Level:
                value = levelOf(text);
                break;
            case C::Team:
                value = teamOf(league, text);
                break;
            case C::Split:
                value = splitOf(text);
                break;
            case C::Position:
                value = positionOf(text);
                break;
            case C::Outs: {
                const double outs = roundHalfEven(decimalNumber(cell) * 3.0);
                if (outs < 0 || outs > maximum) {
                    refuseValue(column, cell, maximum);
                }
                value = static_cast<std::uint32_t>(outs);
                break;
            }
            default: {
                const std::int32_t number = wholeNumber(cell);
                if (number < 0 || static_cast<std::uint32_t>(number) > maximum) {
                    refuseValue(column, cell, maximum);
                }
                value = static_cast<std::uint32_t>(number);
                break;
            }
        }
        if (value) {
            setLineField(data, column.field, std::min(*value, maximum));
        }
    }
}

template <class Data, class Line>
void confirmInto(const League& league,
                 Line& line,
                 HistoryKind kind,
                 std::span<const std::string> cells,
                 Data (*decode)(const Line&),
                 void (*encode)(const Data&, Line&)) {
    Data data = decode(line);
    readCells(league, data, historyColumns(kind), cells);
    if constexpr (std::is_same_v<Data, PitchingLineData>) {
        data.extra = 0;  // no grid shows it, so a confirmed line does not keep it
    }
    encode(data, line);
}

template <class Line>
bool validLine(const std::vector<Line>& lines, int line) {
    return line >= 0 && static_cast<std::size_t>(line) < lines.size();
}

}  // namespace

std::optional<std::vector<std::string>> confirmHistoryLine(
    League& league, StatHistory& history, HistoryKind kind, int line, std::span<const std::string> cells) {
    league.markChanged();
    if (cells.size() != historyColumns(kind).size()) {
        throw Error("The edit grid holds " + std::to_string(cells.size()) + " cells where " +
                    std::to_string(historyColumns(kind).size()) + " were expected");
    }
    switch (kind) {
        case HistoryKind::Batting:
            if (!validLine(history.batting, line)) {
                return std::nullopt;
            }
            confirmInto(league,
                        history.batting[static_cast<std::size_t>(line)],
                        kind,
                        cells,
                        &decodeBattingLine,
                        &encodeBattingLine);
            break;
        case HistoryKind::Pitching:
            if (!validLine(history.pitching, line)) {
                return std::nullopt;
            }
            confirmInto(league,
                        history.pitching[static_cast<std::size_t>(line)],
                        kind,
                        cells,
                        &decodePitchingLine,
                        &encodePitchingLine);
            break;
        case HistoryKind::Fielding:
            if (!validLine(history.fielding, line)) {
                return std::nullopt;
            }
            confirmInto(league,
                        history.fielding[static_cast<std::size_t>(line)],
                        kind,
                        cells,
                        &decodeFieldingLine,
                        &encodeFieldingLine);
            break;
    }
    return historyLineCells(league, history, kind, static_cast<std::size_t>(line));
}

int addHistoryLine(League& league, StatHistory& history, HistoryKind kind, const PlayerRecord& player) {
    league.markChanged();
    const std::uint8_t team = player.teamIndex();
    switch (kind) {
        case HistoryKind::Batting: {
            BattingLine line;
            BattingLineData data = decodeBattingLine(line);
            data.team = team;
            encodeBattingLine(data, line);
            history.batting.push_back(line);
            return static_cast<int>(history.batting.size()) - 1;
        }
        case HistoryKind::Pitching: {
            PitchingLine line;
            PitchingLineData data = decodePitchingLine(line);
            data.team = team;
            encodePitchingLine(data, line);
            history.pitching.push_back(line);
            return static_cast<int>(history.pitching.size()) - 1;
        }
        case HistoryKind::Fielding:
            break;
    }
    FieldingLine line;
    FieldingLineData data = decodeFieldingLine(line);
    data.team = team;
    data.position = player.get(pf::position);
    encodeFieldingLine(data, line);
    history.fielding.push_back(line);
    return static_cast<int>(history.fielding.size()) - 1;
}

bool deleteHistoryLine(League& league, StatHistory& history, HistoryKind kind, int line, Interaction& interaction) {
    if (!interaction.askYesNo(kDeleteHistoryLineQuestion, DefaultButton::No)) {
        return false;
    }
    league.markChanged();
    const auto erase = [line](auto& lines) {
        if (validLine(lines, line)) {
            lines.erase(lines.begin() + line);
        }
    };
    switch (kind) {
        case HistoryKind::Batting:
            erase(history.batting);
            break;
        case HistoryKind::Pitching:
            erase(history.pitching);
            break;
        case HistoryKind::Fielding:
            erase(history.fielding);
            break;
    }
    return true;
}

int createMissingHistories(League& league, Interaction& interaction) {
    if (!league.statsLoaded) {
        // The blocks would never be written: Save only writes stats.zt when it was read.
        interaction.information(kNoStatsFileForEntries);
        return 0;
    }
    std::unordered_set<std::int32_t> keys;
    keys.reserve(league.playerHistories.size() + league.players.size());
    for (const auto& block : league.playerHistories) {
        keys.insert(block->key);
    }
    int created = 0;
    for (const auto& player : league.players) {
        const std::int32_t id = player->playerId();
        if (keys.insert(id).second) {
            auto block = std::make_unique<StatHistory>();
            block->key = id;
            league.playerHistories.push_back(std::move(block));
            ++created;
        }
    }
    if (created > 0) {
        league.markChanged();
    }
    interaction.information(missingHistoriesMessage(created));
    return created;
}

std::string missingHistoriesMessage(int created) {
    if (created == 0) {
        return kNoStatEntryMissing;
    }
    return std::to_string(created) + " stats entries were missing. They have been created";
}

}  // namespace zt
