#include "globaledit/player_selection.h"

#include "globaledit/edit_fields.h"
#include "league/numbers.h"

namespace zt::globaledit {

namespace {

// The position code a Position item keeps: C (item 3) is code 2, up to DH (item 11), code 10.
constexpr int kFirstSinglePositionItem = 3;
constexpr int kLastSinglePositionItem = 11;
constexpr int kPositionCodeOffset = 1;

}  // namespace

PlayerSelection::PlayerSelection(const GlobalEditSettings& settings, int currentTeam)
    : m_position(settings.position),
      m_useCriteria(settings.applyTo == kApplySelectedCriteria),
      m_secondCriteria(settings.secondCriteria),
      m_first(settings.criterion1),
      m_second(settings.criterion2) {
    if (settings.team == kCurrentTeam) {
        m_team = currentTeam;
    }
}

bool PlayerSelection::passesTeamAndPosition(const PlayerRecord& player) const {
    if (m_team && player.teamIndex() != *m_team) {
        return false;
    }
    const int position = player.get(pf::position);
    if (m_position == kPitchersOnly) {
        return position == 1;
    }
    if (m_position == kFieldersOnly) {
        return position >= 2;
    }
    if (m_position >= kFirstSinglePositionItem && m_position <= kLastSinglePositionItem) {
        return position == m_position - kPositionCodeOffset;
    }
    return true;  // "All Positions", or no item chosen
}

bool PlayerSelection::selects(const PlayerRecord& player) {
    if (!passesTeamAndPosition(player)) {
        return false;
    }
    if (!m_useCriteria) {
        return true;
    }
    switch (m_secondCriteria) {
        case kCriteriaAnd:
            return m_first.holds(player) && m_second.holds(player);
        case kCriteriaOr:
            return m_first.holds(player) || m_second.holds(player);
        default:
            return m_first.holds(player);
    }
}

bool PlayerSelection::Test::holds(const PlayerRecord& player) {
    if (!m_value) {
        // The box's number is taken as a 32-bit float, as the values it is compared with are:
        // ".3" then equals an average stored as 0.3, and a value read back from a .gbe file
        // (which keeps floats) selects exactly the players the typed value selected.
        m_value = static_cast<float>(parseFloat(m_criterion.value));
    }
    const std::optional<float> value = criterionValue(player, m_criterion.field);
    if (!value) {
        return false;
    }
    const float limit = *m_value;
    switch (m_criterion.op) {
        case 0:
            return *value == limit;
        case 1:
            return *value < limit;
        case 2:
            return *value > limit;
        case 3:
            return *value <= limit;
        case 4:
            return *value >= limit;
        default:
            // The empty operator item (and no operator chosen) compares nothing: no player
            // passes, rather than some arbitrary half of them.
            return false;
    }
}

}  // namespace zt::globaledit
