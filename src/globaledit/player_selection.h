#pragma once

#include <optional>
#include <string>

#include "globaledit/global_edit_settings.h"
#include "league/player_record.h"

namespace zt::globaledit {

// Which players a run processes: team, position and, with "Sel. Criteria", one or two
// criteria. Built once per run.
class PlayerSelection {
public:
    PlayerSelection(const GlobalEditSettings& settings, int currentTeam);

    // Whether the player passes every test. A criterion's value box is converted when a player
    // first needs that criterion; a box that does not hold a number throws zt::Error with the
    // conversion message at that player. With "OR" the second criterion is looked at only when
    // the first fails, with "AND" only when the first holds.
    bool selects(const PlayerRecord& player);

private:
    class Test {
    public:
        explicit Test(const Criterion& criterion) : m_criterion(criterion) {}
        bool holds(const PlayerRecord& player);

    private:
        Criterion m_criterion;
        std::optional<float> m_value;  // the box's number, once converted
    };

    bool passesTeamAndPosition(const PlayerRecord& player) const;

    int m_position;
    std::optional<int> m_team;  // the one team kept, with "Current Team"
    bool m_useCriteria;
    int m_secondCriteria;
    Test m_first;
    Test m_second;
};

}  // namespace zt::globaledit
