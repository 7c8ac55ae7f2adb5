#pragma once

#include <string>

#include "globaledit/edit_random.h"
#include "globaledit/global_edit_settings.h"
#include "league/error.h"
#include "league/interaction.h"
#include "league/league.h"
#include "ratings/league_constants.h"

namespace zt::globaledit {

// A run refused before any player was touched (its modifier, its mode). A .gbe file skips such
// a record and goes on; any other zt::Error of a run ends the whole file.
class ValidationError : public Error {
public:
    using Error::Error;
};

// What every run needs besides its settings.
struct RunContext {
    int currentTeam = -1;  // the team "Current Team" keeps
    EditRandom& random;
    Interaction& interaction;
    // The count or "no player" message at the end of the run; off while a .gbe file runs.
    bool reportResult = true;
};

// What a run did: the modified field's list text (empty for the other runs) and the players
// it processed.
struct RunReport {
    std::string fieldText;
    int playersCounted = 0;
};

// "&Execute !": validates the modifier, then modifies the chosen field of every selected player.
// Throws ValidationError before anything changes; throws zt::Error (a criterion box that is not
// a number, a formula that cannot be evaluated) at the player where the run stops, players
// before him keeping their changes. The league is marked changed whenever a player was
// processed, even by a run that stopped.
RunReport runModification(League& league, const GlobalEditSettings& settings, RunContext& context);

// The history-deletion buttons: removes the selected players' stat lines of the chosen kinds
// within the year and level range. Players without a history are not counted.
RunReport runHistoryDeletion(League& league,
                             const GlobalEditSettings& settings,
                             HistoryKinds kinds,
                             const HistoryRange& range,
                             RunContext& context);

// The recalculation buttons: the batter's or the pitcher's split ratings of every selected
// player, from his performance data.
RunReport runRecalculation(League& league,
                           const GlobalEditSettings& settings,
                           Recalculation recalculation,
                           const LeagueConstants& constants,
                           RunContext& context);

}  // namespace zt::globaledit
