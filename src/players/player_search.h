#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "league/interaction.h"
#include "league/league.h"
#include "league/player_values.h"
#include "players/player_grid.h"

namespace zt {

// How a searched value is written into the grid's fourth column.
enum class SearchValueStyle {
    PositionText,  // "P" .. "DH"
    BatsText,      // "Left", "Right", "Switch"
    ThrowsText,    // "Left", "Right"
    LevelText,     // the player editor's level list ("ML" .. "DL", "Inactive List ")
    Whole,         // rounded to a whole number
    TwoDecimals,   // rounded to two decimals, shortest form
    ThreeDecimals,
};

// Styles whose column holds words sort as text; the others hold numbers and sort by value.
bool isTextStyle(SearchValueStyle style);

// A field the advanced search can compare: a value of the player value catalogue, with the
// caption the Field list shows (the catalogue's unless the list names it otherwise).
struct SearchField {
    std::string_view caption;
    PlayerValue value;
    SearchValueStyle style = SearchValueStyle::Whole;
};

inline constexpr std::size_t kSearchFieldCount = 53;

// The fields in the order the Field list offers them.
std::span<const SearchField> searchFields();

// The field's value for one player, widened to double; none when it has no value (an average
// without at-bats).
std::optional<double> searchFieldValue(const SearchField& field, const PlayerRecord& player);

// The value as the grid's fourth column shows it.
std::string searchValueText(const SearchField& field, double value);

// The items of the panel's lists, in their order. The item index is what the criteria hold.
enum class SearchComparison { Equal, Below, Above, NotAbove, NotBelow };
const std::array<std::string_view, 5>& searchComparisonItems();

// "All Positions", "Pitchers only", "Fielders only", then one item per position "C" .. "DH".
inline constexpr int kAllPositions = 0;
inline constexpr int kPitchersOnly = 1;
inline constexpr int kFieldersOnly = 2;
const std::array<std::string_view, 12>& searchPositionItems();

const std::array<std::string_view, 2>& searchTeamItems();  // "All Teams", "Current Team"

struct AdvancedSearchCriteria {
    int field = 0;  // index in searchFields()
    SearchComparison comparison = SearchComparison::Equal;
    std::string value;                   // as typed; converted when the first player is compared
    int positionFilter = kAllPositions;  // index in searchPositionItems()
    bool currentTeamOnly = false;        // only players of the current player's team
    bool valueColumn = false;            // the fourth column shows the field's value, not the team
};

// What a search lists: grid rows of players from any team, in list order.
struct SearchResults {
    std::vector<PlayerGridRow> rows;
    std::string columnHeader;    // header of the fourth column
    bool numericColumn = false;  // the fourth column holds numbers and sorts by value
};

inline constexpr std::string_view kSearchResultsCaption = "Search Results";
inline constexpr std::string_view kTeamColumnHeader = "Team";
inline constexpr std::string_view kNoSearchResultMessage =
    "No player has met the selecion criteria or a setting is missing";
// N + " players have met the selection criteria".
std::string searchResultMessage(std::size_t count);

// The players whose last name begins with `prefix` (Windows-1252 letters compared without
// regard to case; an empty prefix takes everyone). The fourth column holds the team.
SearchResults simpleSearch(const League& league, std::string_view prefix);

// The players passing the team and position filters whose field value compares with the typed
// value as asked. Throws zt::Error "'<value>' is not a valid floating point value" when the
// first player is compared and the value is no number; no result is returned then.
SearchResults advancedSearch(const League& league, const AdvancedSearchCriteria& criteria);

// The advanced search as the user runs it: the results, with the count announced, or no rows
// after the warning that nothing matched. A value that is no number propagates as zt::Error.
SearchResults runAdvancedSearch(const League& league, const AdvancedSearchCriteria& criteria, Interaction& interaction);

}  // namespace zt
