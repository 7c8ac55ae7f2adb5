#include "globaledit/global_edit_run.h"

#include <algorithm>
#include <optional>
#include <unordered_map>

#include "globaledit/edit_fields.h"
#include "globaledit/field_modification.h"
#include "globaledit/global_edit_messages.h"
#include "globaledit/player_selection.h"
#include "ratings/rating_computation.h"

namespace zt::globaledit {

namespace {

// Counts the processed players and ends the run. The league is marked changed on every way
// out, a run stopped by an error included: the players processed before the error keep their
// changes, and the editor must not let them be lost without asking to save.
class RunTally {
public:
    RunTally(League& league, RunContext& context) : m_league(league), m_context(context) {}
    RunTally(const RunTally&) = delete;
    RunTally& operator=(const RunTally&) = delete;
    ~RunTally() {
        if (m_count > 0) {
            m_league.markChanged();
        }
    }

    void count() { ++m_count; }

    RunReport finish(std::string fieldText) {
        if (m_context.reportResult) {
            if (m_count > 0) {
                m_context.interaction.information(std::to_string(m_count) + kPlayersModifiedSuffix);
            } else {
                m_context.interaction.warning(kNoPlayerMessage);
            }
        }
        return {std::move(fieldText), m_count};
    }

private:
    League& m_league;
    RunContext& m_context;
    int m_count = 0;
};

template <class Line, class Decode>
void eraseLines(std::vector<Line>& lines, const HistoryRange& range, Decode decode) {
    const auto inRange = [&](const Line& line) {
        const auto data = decode(line);
        return data.year >= range.minYear && data.year <= range.maxYear && data.level >= range.maxLevel &&
               data.level <= range.minLevel;
    };
    lines.erase(std::remove_if(lines.begin(), lines.end(), inRange), lines.end());
}

// The first history block of each player id, as findHistory would find it, without searching
// the whole list for every player.
std::unordered_map<std::int32_t, StatHistory*> historiesByKey(const HistoryList& histories) {
    std::unordered_map<std::int32_t, StatHistory*> map;
    map.reserve(histories.size());
    for (const auto& history : histories) {
        map.emplace(history->key, history.get());
    }
    return map;
}

}  // namespace

RunReport runModification(League& league, const GlobalEditSettings& settings, RunContext& context) {
    if (settings.mode == Mode::None) {
        throw ValidationError(kNoModeMessage);
    }
    const ModifierValues values = readModifier(settings.mode, settings.modifier);
    const EditField* field = editField(settings.field);
    if (field != nullptr && settings.mode == Mode::Formula && !field->formula) {
        throw ValidationError(kFormulaRefusedMessage);
    }

    RunTally tally(league, context);
    // Without a field to modify no player is processed: the run ends with the message that a
    // setting is missing.
    if (field != nullptr) {
        FieldModification modification(
            *field, settings.mode, values, settings.modifier, context.random, context.interaction);
        PlayerSelection selection(settings, context.currentTeam);
        for (const auto& player : league.players) {
            if (selection.selects(*player)) {
                modification.apply(*player);
                tally.count();
            }
        }
    }
    return tally.finish(std::string(editFieldText(settings.field)));
}

RunReport runHistoryDeletion(League& league,
                             const GlobalEditSettings& settings,
                             HistoryKinds kinds,
                             const HistoryRange& range,
                             RunContext& context) {
    RunTally tally(league, context);
    PlayerSelection selection(settings, context.currentTeam);
    const auto histories = historiesByKey(league.playerHistories);
    for (const auto& player : league.players) {
        if (!selection.selects(*player)) {
            continue;
        }
        const auto found = histories.find(player->playerId());
        if (found == histories.end()) {
            continue;
        }
        StatHistory& history = *found->second;
        if (kinds.batting) {
            eraseLines(history.batting, range, decodeBattingLine);
        }
        if (kinds.pitching) {
            eraseLines(history.pitching, range, decodePitchingLine);
        }
        if (kinds.fielding) {
            eraseLines(history.fielding, range, decodeFieldingLine);
        }
        tally.count();
    }
    return tally.finish({});
}

RunReport runRecalculation(League& league,
                           const GlobalEditSettings& settings,
                           Recalculation recalculation,
                           const LeagueConstants& constants,
                           RunContext& context) {
    RunTally tally(league, context);
    PlayerSelection selection(settings, context.currentTeam);
    for (const auto& player : league.players) {
        if (!selection.selects(*player)) {
            continue;
        }
        if (recalculation == Recalculation::BatterSplits) {
            ComputeBatterSplits(*player, constants);
        } else {
            ComputePitcherSplits(*player, constants);
        }
        tally.count();
    }
    return tally.finish({});
}

}  // namespace zt::globaledit
