#include "players/player_search.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <stdexcept>

#include "league/codes.h"
#include "league/league_text.h"
#include "league/numbers.h"
#include "league/player_fields.h"
#include "players/player_editor_values.h"
#include "players/value_format.h"

namespace zt {

namespace {

// ---- values the record does not hold as one field ------------------------------------------

// A ratio of two stored counts; a player without the denominator has no ratio to compare.
template <class Numerator, class Denominator>
std::optional<double> ratio(const PlayerRecord& player, Numerator numerator, Denominator denominator) {
    const double below = player.get(denominator);
    if (below == 0.0) {
        return std::nullopt;
    }
    return static_cast<double>(player.get(numerator)) / below;
}

std::optional<double> battingAverage(const PlayerRecord& player) {
    return ratio(player, pf::batHits, pf::batAB);
}

std::optional<double> opponentsAverage(const PlayerRecord& player) {
    return ratio(player, pf::pitHits, pf::pitAB);
}

std::optional<double> strikeoutsPerAtBat(const PlayerRecord& player) {
    return ratio(player, pf::pitStrikeouts, pf::pitAB);
}

// Fatigue is stored as a fraction and read by the user as a percentage.
std::optional<double> fatiguePercent(const PlayerRecord& player) {
    return static_cast<double>(player.get(pf::fatigue)) * 100.0;
}

template <int Position>
std::optional<double> familiarity(const PlayerRecord& player) {
    return static_cast<double>(player.familiarity(Position));
}

constexpr SearchField record(std::string_view caption, std::string_view field, SearchValueStyle style) {
    return {caption, field, nullptr, style};
}

constexpr SearchField derived(std::string_view caption,
                              std::optional<double> (*value)(const PlayerRecord&),
                              SearchValueStyle style) {
    return {caption, {}, value, style};
}

using enum SearchValueStyle;

constexpr std::array<SearchField, kSearchFieldCount> kFields = {
    record("Position", "position", PositionText),
    record("Bats", "bats", BatsText),
    record("Throws", "throws", ThrowsText),
    record("Age", "age", Whole),
    derived("Avg", battingAverage, ThreeDecimals),
    record("2B", "batDoubles", Whole),
    record("3B", "batTriples", Whole),
    record("Homeruns", "batHomeRuns", Whole),
    record("Walks", "batWalks", Whole),
    record("So", "batStrikeouts", Whole),
    record("Avg Vs L", "avgVsL", ThreeDecimals),
    record("Avg Vs R", "avgVsR", ThreeDecimals),
    record("Obp Vs L", "obpVsL", ThreeDecimals),
    record("Obp Vs R", "obpVsR", ThreeDecimals),
    record("Slg Vs L", "slgVsL", ThreeDecimals),
    record("Slg Vs R", "slgVsR", ThreeDecimals),
    record("Pull", "pullPct", TwoDecimals),
    record("Middle", "middlePct", TwoDecimals),
    record("Opp Field", "oppFieldPct", TwoDecimals),
    record("Ground % (b)", "batGroundBallPct", TwoDecimals),
    derived("Opp. Total Avg", opponentsAverage, ThreeDecimals),
    record("Opp. 2B", "pitDoubles", Whole),
    record("Opp. 3B", "pitTriples", Whole),
    record("Opp. Hrs", "pitHomeRuns", Whole),
    record("Opp. Walks", "pitWalks", Whole),
    record("Opp. So", "pitStrikeouts", Whole),
    derived("So/Ab", strikeoutsPerAtBat, ThreeDecimals),
    record("Endurance", "endurance", TwoDecimals),
    record("Ground % (p)", "pitGroundBallPct", TwoDecimals),
    derived("Fatigue", fatiguePercent, TwoDecimals),
    record("Arm Rating", "armRating", TwoDecimals),
    record("Run Speed", "runSpeed", TwoDecimals),
    record("Infield Range", "infieldRange", TwoDecimals),
    record("Outfield Range", "outfieldRange", TwoDecimals),
    record("Fielding %", "fieldingPct", TwoDecimals),
    record("Level", "level", LevelText),
    record("Batting Stance", "battingStance", Whole),
    record("Pitching Style", "delivery", Whole),
    derived("Fam P", familiarity<0>, TwoDecimals),
    derived("Fam C", familiarity<1>, TwoDecimals),
    derived("Fam 1B", familiarity<2>, TwoDecimals),
    derived("Fam 2B", familiarity<3>, TwoDecimals),
    derived("Fam 3B", familiarity<4>, TwoDecimals),
    derived("Fam SS", familiarity<5>, TwoDecimals),
    derived("Fam LF", familiarity<6>, TwoDecimals),
    derived("Fam CF", familiarity<7>, TwoDecimals),
    derived("Fam RF", familiarity<8>, TwoDecimals),
    record("Days on DL", "daysOut", Whole),
    record("Suspension Days", "suspensionDays", Whole),
    record("Number", "uniformNumber", Whole),
    record("Star R", "starRating", TwoDecimals),
    record("Prosp R", "prospectRating", TwoDecimals),
    record("Peak", "peakShift", Whole),
};

// A field ready to be read for many players: the record field looked up once.
class FieldReader {
public:
    explicit FieldReader(const SearchField& field) : m_field(field) {
        if (field.derived == nullptr) {
            m_record = findPlayerField(field.recordField);
            if (m_record == nullptr) {
                throw std::logic_error("search field names no record field");
            }
        }
    }

    std::optional<double> operator()(const PlayerRecord& player) const {
        if (m_record != nullptr) {
            return readNumber(player, *m_record);
        }
        return m_field.derived(player);
    }

private:
    const SearchField& m_field;
    const PlayerFieldInfo* m_record = nullptr;
};

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
    return FieldReader(field)(player);
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
    const FieldReader read(field);
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
        const std::optional<double> value = read(player);
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
