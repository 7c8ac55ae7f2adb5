#include "players/player_search.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "league/codes.h"
#include "league/league_text.h"
#include "league/numbers.h"
#include "players/player_editor_values.h"
#include "players/value_format.h"

namespace zt {

namespace {

using enum SearchValueStyle;

constexpr SearchField entry(const PlayerValue& value, SearchValueStyle style) {
    return {value.caption, value, style};
}

constexpr auto kFields =
    joinedList(std::array{entry(pv::position, PositionText),
                          entry(pv::bats, BatsText),
                          entry(pv::throws, ThrowsText),
                          entry(pv::age, Whole),
                          entry(pv::battingAverage.as("Avg"), ThreeDecimals),
                          entry(pv::batDoubles, Whole),
                          entry(pv::batTriples, Whole),
                          entry(pv::batHomeRuns, Whole),
                          entry(pv::batWalks, Whole),
                          entry(pv::batStrikeouts, Whole),
                          entry(pv::avgVsL, ThreeDecimals),
                          entry(pv::avgVsR, ThreeDecimals),
                          entry(pv::obpVsL, ThreeDecimals),
                          entry(pv::obpVsR, ThreeDecimals),
                          entry(pv::slgVsL, ThreeDecimals),
                          entry(pv::slgVsR, ThreeDecimals),
                          entry(pv::pullPct, TwoDecimals),
                          entry(pv::middlePct, TwoDecimals),
                          entry(pv::oppFieldPct, TwoDecimals),
                          entry(pv::batGroundBallPct, TwoDecimals),
                          entry(pv::opponentsAverage, ThreeDecimals),
                          entry(pv::pitDoubles, Whole),
                          entry(pv::pitTriples, Whole),
                          entry(pv::pitHomeRuns, Whole),
                          entry(pv::pitWalks, Whole),
                          entry(pv::pitStrikeouts, Whole),
                          entry(pv::strikeoutsPerAtBat, ThreeDecimals),
                          entry(pv::endurance, TwoDecimals),
                          entry(pv::pitGroundBallPct, TwoDecimals),
                          entry(pv::fatigue, TwoDecimals),
                          entry(pv::armRating, TwoDecimals),
                          entry(pv::runSpeed, TwoDecimals),
                          entry(pv::infieldRange, TwoDecimals),
                          entry(pv::outfieldRange, TwoDecimals),
                          entry(pv::fieldingPct, TwoDecimals),
                          entry(pv::level, LevelText),
                          entry(pv::battingStance, Whole),
                          entry(pv::delivery, Whole)},
               familiarityEntries([](const PlayerValue& value) { return entry(value, TwoDecimals); }),
               std::array{entry(pv::daysOut, Whole),
                          entry(pv::suspensionDays, Whole),
                          entry(pv::uniformNumber.as("Number"), Whole),
                          entry(pv::starRating.as("Star R"), TwoDecimals),
                          entry(pv::prospectRating.as("Prosp R"), TwoDecimals),
                          entry(pv::peakShift.as("Peak"), Whole)});
static_assert(kFields.size() == kSearchFieldCount);

// ---- rows ----------------------------------------------------------------------------------

// Everything a row needs that is the same for every player of one search.
class RowWriter {
public:
    explicit RowWriter(const League& league) : m_league(league) {
        for (const ExportPoolEntry& member : league.exportPool) {
            m_pool.push_back(member.player);
        }
        std::sort(m_pool.begin(), m_pool.end());
        for (std::size_t team = 0; team < kTeamColumnFreeAgentFrom; ++team) {
            m_teamTexts[team] = league.teamAbbrev(static_cast<int>(team));
        }
        for (std::size_t team = kTeamColumnFreeAgentFrom; team < m_teamTexts.size(); ++team) {
            m_teamTexts[team] = "FA";
        }
    }

    // The row of a found player. Export-pool members carry their mark here as in every other
    // listing, so the mark a toggle changes is the mark the user sees.
    PlayerGridRow row(std::size_t playerIndex, std::string column3) const {
        const PlayerRecord& player = *m_league.players[playerIndex];
        PlayerGridRow row;
        row.inExportPool = std::binary_search(m_pool.begin(), m_pool.end(), &player);
        const std::string number = std::to_string(player.get(pf::uniformNumber));
        row.texts[kGridNumberColumn] = row.inExportPool ? "*" + number : number;
        std::string& name = row.texts[kGridNameColumn];
        const std::string last = player.get(pf::lastName);
        const std::string first = player.get(pf::firstName);
        name.reserve(last.size() + 3 + first.size());
        name.append(last).append(" , ").append(first);
        row.texts[kGridPositionColumn] = positionText(player.get(pf::position));
        row.texts[kGridLevelColumn] = std::move(column3);
        row.playerIndex = static_cast<int>(playerIndex);
        return row;
    }

    // The team column: the abbreviation of the player's team; team numbers from 50 on are
    // shown as free agents. A number naming no team of the league shows nothing.
    const std::string& teamText(const PlayerRecord& player) const { return m_teamTexts[player.teamIndex()]; }

private:
    static constexpr std::size_t kTeamColumnFreeAgentFrom = 50;

    const League& m_league;
    std::vector<const PlayerRecord*> m_pool;
    std::array<std::string, 256> m_teamTexts;
};

bool passesPositionFilter(int filter, int position) {
    switch (filter) {
        case kAllPositions:
            return true;
        case kPitchersOnly:
            return position == 1;
        case kFieldersOnly:
            return position >= 2;
        default:
            // "C" (code 2) is the fourth item, and the positions follow in code order.
            return position == filter - 1;
    }
}

bool compares(double value, SearchComparison comparison, double target) {
    switch (comparison) {
        case SearchComparison::Equal:
            return value == target;
        case SearchComparison::Below:
            return value < target;
        case SearchComparison::Above:
            return value > target;
        case SearchComparison::NotAbove:
            return value <= target;
        case SearchComparison::NotBelow:
            return value >= target;
    }
    return false;
}

std::string_view lookupText(int code, SearchValueStyle style) {
    switch (style) {
        case PositionText:
            return positionText(code);
        case BatsText:
            return batsText(code);
        case ThrowsText:
            return throwsText(code);
        case LevelText:
            return code >= 0 && static_cast<std::size_t>(code) < kLevelComboTexts.size()
                       ? kLevelComboTexts[static_cast<std::size_t>(code)]
                       : std::string_view{};
        default:
            return {};
    }
}

// The value rounded half-even to `decimals` decimals, shortest form: the text formatWhole and
// formatDecimals give, written from the integer of the scaled value. A search listing every
// player would otherwise spend most of its time in the general conversion.
std::string roundedText(double value, int decimals) {
    const double scaled = roundHalfEven(value * std::pow(10.0, decimals));
    if (!(std::abs(scaled) < 1e15)) {
        return decimals == 0 ? formatWhole(value) : formatDecimals(value, decimals);
    }
    const auto whole = static_cast<std::int64_t>(scaled);
    if (whole == 0) {
        return "0";
    }
    std::string digits = std::to_string(whole < 0 ? -whole : whole);
    const auto fractionDigits = static_cast<std::size_t>(decimals);
    if (digits.size() <= fractionDigits) {
        digits.insert(0, fractionDigits + 1 - digits.size(), '0');
    }
    std::string text = whole < 0 ? "-" : "";
    text.append(digits, 0, digits.size() - fractionDigits);
    std::string_view fraction(digits.data() + digits.size() - fractionDigits, fractionDigits);
    while (!fraction.empty() && fraction.back() == '0') {
        fraction.remove_suffix(1);
    }
    if (!fraction.empty()) {
        text.append(".").append(fraction);
    }
    return text;
}

}  // namespace

bool isTextStyle(SearchValueStyle style) {
    return style == PositionText || style == BatsText || style == ThrowsText || style == LevelText;
}

std::span<const SearchField> searchFields() {
    return kFields;
}

std::optional<double> searchFieldValue(const SearchField& field, const PlayerRecord& player) {
    return playerValue(player, field.value);
}

std::string searchValueText(const SearchField& field, double value) {
    switch (field.style) {
        case Whole:
            return roundedText(value, 0);
        case TwoDecimals:
            return roundedText(value, 2);
        case ThreeDecimals:
            return roundedText(value, 3);
        default:
            // Codes come from whole-number fields; anything else has no text.
            if (!std::isfinite(value) || value != std::trunc(value) || std::abs(value) > 1e6) {
                return {};
            }
            return std::string(lookupText(static_cast<int>(value), field.style));
    }
}

const std::array<std::string_view, 5>& searchComparisonItems() {
    static constexpr std::array<std::string_view, 5> kItems = {"=", "<", ">", "<=", ">="};
    return kItems;
}

const std::array<std::string_view, 12>& searchPositionItems() {
    static constexpr std::array<std::string_view, 12> kItems = {
        "All Positions", "Pitchers only", "Fielders only", "C", "1B", "2B", "3B", "SS", "LF", "CF", "RF", "DH"};
    return kItems;
}

const std::array<std::string_view, 2>& searchTeamItems() {
    static constexpr std::array<std::string_view, 2> kItems = {"All Teams", "Current Team"};
    return kItems;
}

std::string searchResultMessage(std::size_t count) {
    return std::to_string(count) + " players have met the selection criteria";
}

SearchResults simpleSearch(const League& league, std::string_view prefix) {
    const RowWriter writer(league);
    SearchResults results;
    results.columnHeader = kTeamColumnHeader;
    for (std::size_t i = 0; i < league.players.size(); ++i) {
        const PlayerRecord& player = *league.players[i];
        if (startsWithNoCase(player.get(pf::lastName), prefix)) {
            results.rows.push_back(writer.row(i, writer.teamText(player)));
        }
    }
    return results;
}

SearchResults advancedSearch(const League& league, const AdvancedSearchCriteria& criteria) {
    SearchResults results;
    results.columnHeader = kTeamColumnHeader;
    // A criterion that names no item matches nobody, which the caller reports as nothing found.
    if (criteria.field < 0 || static_cast<std::size_t>(criteria.field) >= kFields.size() ||
        criteria.positionFilter < 0 ||
        static_cast<std::size_t>(criteria.positionFilter) >= searchPositionItems().size()) {
        return results;
    }
    const SearchField& field = kFields[static_cast<std::size_t>(criteria.field)];
    const RowWriter writer(league);
    // Without a current player there is no current team, and nobody belongs to it.
    const int currentTeam = league.currentPlayer != nullptr ? league.currentPlayer->teamIndex() : -1;

    std::optional<double> target;
    for (std::size_t i = 0; i < league.players.size(); ++i) {
        const PlayerRecord& player = *league.players[i];
        if (criteria.currentTeamOnly && player.teamIndex() != currentTeam) {
            continue;
        }
        if (!passesPositionFilter(criteria.positionFilter, player.get(pf::position))) {
            continue;
        }
        const std::optional<double> value = playerValue(player, field.value);
        if (!value) {
            continue;
        }
        if (!target) {
            target = parseFloat(criteria.value);
        }
        if (!compares(*value, criteria.comparison, *target)) {
            continue;
        }
        results.rows.push_back(
            writer.row(i, criteria.valueColumn ? searchValueText(field, *value) : writer.teamText(player)));
    }
    if (criteria.valueColumn) {
        results.columnHeader = field.caption;
        // Only values sort as numbers; the team abbreviations shown without the option do not.
        results.numericColumn = !isTextStyle(field.style);
    }
    return results;
}

SearchResults runAdvancedSearch(const League& league,
                                const AdvancedSearchCriteria& criteria,
                                Interaction& interaction) {
    SearchResults results = advancedSearch(league, criteria);
    if (results.rows.empty()) {
        interaction.warning(std::string(kNoSearchResultMessage));
    } else {
        interaction.information(searchResultMessage(results.rows.size()));
    }
    return results;
}

}  // namespace zt
