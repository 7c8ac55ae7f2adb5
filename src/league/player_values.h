#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

#include "league/player_fields.h"
#include "league/player_record.h"

namespace zt {

// The catalogue of player values: every value that a list of player fields offers (the search's
// Field list, the global-editing criteria and modifiable fields, and later reports, the
// scouting export and the CSV import), with the caption those lists show. A value is a record
// field as stored, a ratio of two fields, or a stored fraction read as a percentage; the
// familiarity values are fields of the familiarity group.
//
// Lists take their entries from here (`pv::endurance`), never name fields by strings, so a
// misspelt field or value fails to compile. A list whose caption differs from the catalogue's
// gives its own (`pv::battingAverage.as("Avg")`).
//
// Adding a value: declare it in namespace pv below, named after what it is, with the caption
// most lists show and the typed descriptors of player_record.h (a field the record has no
// descriptor for gets one there first):
//     inline constexpr PlayerValue weight = stored("Weight", pf::weight);
//     inline constexpr PlayerValue homeRunsPerAtBat = ratio("Hr/Ab", pf::batHomeRuns, pf::batAB);
// and percent(caption, field) for a fraction the user reads as a percentage. A new kind of
// value (one computed from more than two fields) adds a ValueKind and its case in
// playerValue(); the lists that modify values (global editing) say how they write it back.

enum class ValueKind {
    Stored,   // a record field as stored
    Ratio,    // a field divided by another: an average over at-bats
    Percent,  // a fraction stored from 0 to 1, shown and typed as a percentage
};

struct PlayerValue {
    std::string_view caption;
    ValueKind kind = ValueKind::Stored;
    FieldRef field;    // the stored field; a ratio's numerator
    FieldRef divisor;  // a ratio's divisor

    // The same value under the caption one list shows instead of the catalogue's.
    constexpr PlayerValue as(std::string_view listCaption) const {
        PlayerValue value = *this;
        value.caption = listCaption;
        return value;
    }
};

// The value for one player, widened to double. A ratio whose divisor is 0 has no value: a
// player without at-bats has no average, so nothing compares with it.
std::optional<double> playerValue(const PlayerRecord& player, const PlayerValue& value);

namespace pv {

template <class Field>
constexpr PlayerValue stored(std::string_view caption, Field field) {
    return {caption, ValueKind::Stored, fieldRef(field), {}};
}

template <class Numerator, class Divisor>
constexpr PlayerValue ratio(std::string_view caption, Numerator numerator, Divisor divisor) {
    return {caption, ValueKind::Ratio, fieldRef(numerator), fieldRef(divisor)};
}

template <class Field>
constexpr PlayerValue percent(std::string_view caption, Field field) {
    return {caption, ValueKind::Percent, fieldRef(field), {}};
}

// Player and roles.
inline constexpr PlayerValue position = stored("Position", pf::position);
inline constexpr PlayerValue bats = stored("Bats", pf::bats);
inline constexpr PlayerValue throws = stored("Throws", pf::throws);
inline constexpr PlayerValue age = stored("Age", pf::age);
inline constexpr PlayerValue level = stored("Level", pf::level);
inline constexpr PlayerValue uniformNumber = stored("Uniform No", pf::uniformNumber);
inline constexpr PlayerValue daysOut = stored("Days on DL", pf::daysOut);
inline constexpr PlayerValue suspensionDays = stored("Suspension Days", pf::suspensionDays);
inline constexpr PlayerValue fatigue = percent("Fatigue", pf::fatigue);
inline constexpr PlayerValue starRating = stored("Star Rating", pf::starRating);
inline constexpr PlayerValue prospectRating = stored("Prospect Rating", pf::prospectRating);
inline constexpr PlayerValue peakShift = stored("Peak Shift", pf::peakShift);

// Appearance.
inline constexpr PlayerValue complexion = stored("Complexion", pf::complexion);
inline constexpr PlayerValue battingStance = stored("Batting Stance", pf::battingStance);
inline constexpr PlayerValue delivery = stored("Pitching Style", pf::delivery);
inline constexpr PlayerValue batColor = stored("Bat Color", pf::batColor);
inline constexpr PlayerValue waggleType = stored("Waggle Type", pf::waggleType);
inline constexpr PlayerValue waveType = stored("Wave Type", pf::waveType);
inline constexpr PlayerValue strideType = stored("Stride Type", pf::strideType);

// Batting.
inline constexpr PlayerValue battingAverage = ratio("General Avg", pf::batHits, pf::batAB);
inline constexpr PlayerValue batDoubles = stored("2B", pf::batDoubles);
inline constexpr PlayerValue batTriples = stored("3B", pf::batTriples);
inline constexpr PlayerValue batHomeRuns = stored("Homeruns", pf::batHomeRuns);
inline constexpr PlayerValue batWalks = stored("Walks", pf::batWalks);
inline constexpr PlayerValue batStrikeouts = stored("So", pf::batStrikeouts);
inline constexpr PlayerValue avgVsL = stored("Avg Vs L", pf::avgVsL);
inline constexpr PlayerValue avgVsR = stored("Avg Vs R", pf::avgVsR);
inline constexpr PlayerValue obpVsL = stored("Obp Vs L", pf::obpVsL);
inline constexpr PlayerValue obpVsR = stored("Obp Vs R", pf::obpVsR);
inline constexpr PlayerValue slgVsL = stored("Slg Vs L", pf::slgVsL);
inline constexpr PlayerValue slgVsR = stored("Slg Vs R", pf::slgVsR);
inline constexpr PlayerValue pullPct = stored("Pull", pf::pullPct);
inline constexpr PlayerValue middlePct = stored("Middle", pf::middlePct);
inline constexpr PlayerValue oppFieldPct = stored("Opp Field", pf::oppFieldPct);
inline constexpr PlayerValue batGroundBallPct = stored("Ground % (b)", pf::batGroundBallPct);

// Pitching: what opponents did against the pitcher.
inline constexpr PlayerValue opponentsAverage = ratio("Opp. Total Avg", pf::pitHits, pf::pitAB);
inline constexpr PlayerValue pitDoubles = stored("Opp. 2B", pf::pitDoubles);
inline constexpr PlayerValue pitTriples = stored("Opp. 3B", pf::pitTriples);
inline constexpr PlayerValue pitHomeRuns = stored("Opp. Hrs", pf::pitHomeRuns);
inline constexpr PlayerValue pitWalks = stored("Opp. Walks", pf::pitWalks);
inline constexpr PlayerValue pitStrikeouts = stored("Opp. So", pf::pitStrikeouts);
inline constexpr PlayerValue strikeoutsPerAtBat = ratio("So/Ab", pf::pitStrikeouts, pf::pitAB);
inline constexpr PlayerValue endurance = stored("Endurance", pf::endurance);
inline constexpr PlayerValue pitGroundBallPct = stored("Ground % (p)", pf::pitGroundBallPct);

// Fielding and running.
inline constexpr PlayerValue armRating = stored("Arm Rating", pf::armRating);
inline constexpr PlayerValue runSpeed = stored("Run Speed", pf::runSpeed);
inline constexpr PlayerValue infieldRange = stored("Infield Range", pf::infieldRange);
inline constexpr PlayerValue outfieldRange = stored("Outfield Range", pf::outfieldRange);
inline constexpr PlayerValue fieldingPct = stored("Fielding %", pf::fieldingPct);

// Familiarity with each position, P to RF, in the order of the familiarity group.
inline constexpr std::array<std::string_view, pf::kFamiliarityCount> kFamiliarityCaptions = {
    "Fam P", "Fam C", "Fam 1B", "Fam 2B", "Fam 3B", "Fam SS", "Fam LF", "Fam CF", "Fam RF"};
inline constexpr auto familiarity = [] {
    std::array<PlayerValue, pf::kFamiliarityCount> values{};
    for (int i = 0; i < pf::kFamiliarityCount; ++i) {
        values[static_cast<std::size_t>(i)] =
            stored(kFamiliarityCaptions[static_cast<std::size_t>(i)], pf::familiarity[i]);
    }
    return values;
}();

}  // namespace pv

// ---- building lists from the catalogue --------------------------------------------------------

// The entries of a list, one per familiarity value in order, each made by `make` from the value.
template <class Make>
constexpr auto familiarityEntries(Make make) {
    using Entry = decltype(make(pv::familiarity[0]));
    std::array<Entry, pv::familiarity.size()> entries{};
    for (std::size_t i = 0; i < entries.size(); ++i) {
        entries[i] = make(pv::familiarity[i]);
    }
    return entries;
}

// The parts of a list one after another, so that a list can be one constant array.
template <class Entry, std::size_t... Sizes>
constexpr std::array<Entry, (Sizes + ...)> joinedList(const std::array<Entry, Sizes>&... parts) {
    std::array<Entry, (Sizes + ...)> list{};
    std::size_t next = 0;
    ((std::copy(parts.begin(), parts.end(), list.begin() + static_cast<std::ptrdiff_t>(next)), next += Sizes), ...);
    return list;
}

}  // namespace zt
