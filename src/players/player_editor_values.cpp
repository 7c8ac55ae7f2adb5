#include "players/player_editor_values.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "league/codes.h"
#include "league/error.h"
#include "league/numbers.h"
#include "players/value_format.h"

namespace zt {

namespace {

constexpr int kPositionItems = kPositionCount;
constexpr int kRoleItems = 4;
constexpr int kBatsItems = 3;
constexpr int kThrowsItems = 2;
constexpr int kComplexionItems = 3;
constexpr int kLevelItems = static_cast<int>(kLevelComboTexts.size());
constexpr int kStanceItems = static_cast<int>(std::tuple_size_v<std::remove_cvref_t<decltype(battingStanceTexts())>>);
constexpr int kDeliveryItems = static_cast<int>(std::tuple_size_v<std::remove_cvref_t<decltype(deliveryTexts())>>);
constexpr int kPitchTypeItems = static_cast<int>(std::tuple_size_v<std::remove_cvref_t<decltype(pitchTypeTexts())>>);

// The combo item of a stored code, whose first item stands for `firstCode`; -1 when the code has
// no item, so the combo shows no selection instead of a wrong one.
int comboIndex(int code, int firstCode, int itemCount) {
    const int index = code - firstCode;
    return index >= 0 && index < itemCount ? index : -1;
}

bool hasItem(int index, int itemCount) {
    return index >= 0 && index < itemCount;
}

template <class T, std::size_t Offset>
std::string wholeText(const PlayerRecord& player, NumField<T, Offset> field) {
    return std::to_string(static_cast<long long>(player.get(field)));
}

template <std::size_t Offset>
std::string wholeText(const PlayerRecord& player, NumField<float, Offset> field) {
    return formatWhole(player.get(field));
}

template <std::size_t Offset>
std::string decimalsText(const PlayerRecord& player, NumField<float, Offset> field, int decimals) {
    return formatDecimals(player.get(field), decimals);
}

template <std::size_t Offset>
std::string percentText(const PlayerRecord& player, NumField<float, Offset> field) {
    return formatPercent(player.get(field));
}

// A typed number as the 32-bit float the record holds. A number beyond the float range would be
// stored as infinity, which the game cannot use, so it is refused like any other bad number.
// The failure names the box (`text` is the box's own string in the values).
float toFloat(const std::string& text, double divisor = 1.0) {
    try {
        const double value = parseFloat(text) / divisor;
        if (std::fabs(value) > static_cast<double>(std::numeric_limits<float>::max())) {
            throw Error(invalidFloatMessage(text));
        }
        return static_cast<float>(value);
    } catch (const Error& e) {
        throw BoxConversionError(e.what(), &text);
    }
}

// Whole numbers are stored into the width of their field without a range check: the low bits
// are kept (an age of 300 becomes 44), as the game's own fixed-width fields behave.
template <class T, std::size_t Offset>
void storeWhole(PlayerRecord& player, NumField<T, Offset> field, const std::string& text) {
    static_assert(std::is_integral_v<T>);
    std::uint32_t value = 0;
    try {
        value = static_cast<std::uint32_t>(parseInteger(text));
    } catch (const Error& e) {
        throw BoxConversionError(e.what(), &text);
    }
    player.set(field, static_cast<T>(value));
}

template <std::size_t Offset>
void storeNumber(PlayerRecord& player, NumField<float, Offset> field, const std::string& text) {
    player.set(field, toFloat(text));
}

template <std::size_t Offset>
void storePercent(PlayerRecord& player, NumField<float, Offset> field, const std::string& text) {
    player.set(field, toFloat(text, 100.0));
}

// A combo box stores its item index plus `firstCode`; with no item selected the stored code stays.
template <std::size_t Offset>
void storeCombo(PlayerRecord& player, NumField<std::uint8_t, Offset> field, int index, int firstCode, int itemCount) {
    if (hasItem(index, itemCount)) {
        player.set(field, static_cast<std::uint8_t>(index + firstCode));
    }
}

// The name as the record would hold it: cut to the field's width and read up to a NUL.
template <std::size_t Offset, std::size_t Width>
std::string storedForm(TextField<Offset, Width> field, const std::string& text) {
    PlayerRecord probe;
    probe.set(field, text);
    return probe.get(field);
}

// The seven performance-data fields of each page, with the box index each one has. Each field
// has its own type (the offset is part of it), hence a call per field rather than an array.
template <class F>
void forEachPitchingField(F&& f) {
    f(0, pf::pitAB);
    f(1, pf::pitHits);
    f(2, pf::pitDoubles);
    f(3, pf::pitTriples);
    f(4, pf::pitHomeRuns);
    f(5, pf::pitWalks);
    f(6, pf::pitStrikeouts);
}

template <class F>
void forEachBattingField(F&& f) {
    f(0, pf::batAB);
    f(1, pf::batHits);
    f(2, pf::batDoubles);
    f(3, pf::batTriples);
    f(4, pf::batHomeRuns);
    f(5, pf::batWalks);
    f(6, pf::batStrikeouts);
}

}  // namespace

std::vector<TeamListEntry> builtInTeamList() {
    std::vector<TeamListEntry> teams;
    const auto& abbreviations = builtInTeamAbbreviations();
    for (int i = 0; i < kBuiltInTeamCount; ++i) {
        const bool freeAgents = i == kBuiltInTeamCount - 1;
        teams.push_back({std::string(abbreviations[static_cast<std::size_t>(i)]), freeAgents ? kFreeAgentTeam : i});
    }
    return teams;
}

void fillPitchValues(PlayerEditorValues& values, const PlayerRecord& player) {
    const int count = player.get(pf::pitchCount);
    for (int k = 0; k < pf::kPitchSlots; ++k) {
        const auto row = static_cast<std::size_t>(k);
        auto& vsRight = values.pitchGrid[row];
        auto& vsLeft = values.pitchGrid[row + pf::kPitchSlots];
        if (k >= count) {
            values.pitchTypes[row] = 0;
            values.qualities[row].clear();
            vsRight.fill("0");
            vsLeft.fill("0");
            continue;
        }
        const PitchSlot slot = player.pitch(k);
        values.pitchTypes[row] = comboIndex(slot.get(ps::pitchType), 0, kPitchTypeItems);
        values.qualities[row] = formatWhole(static_cast<double>(slot.get(ps::quality)) * 100.0);
        vsRight = {formatDecimals(slot.get(ps::avgVsR), 3),
                   formatDecimals(slot.get(ps::obpVsR), 3),
                   formatDecimals(slot.get(ps::slgVsR), 3)};
        vsLeft = {formatDecimals(slot.get(ps::avgVsL), 3),
                  formatDecimals(slot.get(ps::obpVsL), 3),
                  formatDecimals(slot.get(ps::slgVsL), 3)};
    }
}

PlayerEditorValues playerEditorValues(const League& league, const PlayerRecord& player) {
    return playerEditorValues(league.teamAbbrevList, player);
}

PlayerEditorValues playerEditorValues(const std::vector<TeamListEntry>& teams, const PlayerRecord& player) {
    PlayerEditorValues v;

    v.lastName = player.get(pf::lastName);
    v.firstName = player.get(pf::firstName);
    v.uniformNumber = wholeText(player, pf::uniformNumber);
    v.age = wholeText(player, pf::age);
    v.position = comboIndex(player.get(pf::position), 1, kPositionItems);
    v.secondPosition = comboIndex(player.get(pf::secondPosition), 1, kPositionItems);
    v.role = comboIndex(player.get(pf::role), 1, kRoleItems);
    v.bats = comboIndex(player.get(pf::bats), 0, kBatsItems);
    v.throws = comboIndex(player.get(pf::throws), 0, kThrowsItems);
    v.level = comboIndex(player.get(pf::level), 0, kLevelItems);
    v.daysOut = wholeText(player, pf::daysOut);
    const auto team = std::find_if(
        teams.begin(), teams.end(), [&](const TeamListEntry& entry) { return entry.teamNumber == player.teamIndex(); });
    v.team = team == teams.end() ? -1 : static_cast<int>(team - teams.begin());
    v.suspensionDays = wholeText(player, pf::suspensionDays);
    v.faceNumber = wholeText(player, pf::faceNumber);
    v.complexion = comboIndex(player.get(pf::complexion), 1, kComplexionItems);
    v.height = wholeText(player, pf::height);
    v.weight = wholeText(player, pf::weight);
    v.battingStance = comboIndex(player.get(pf::battingStance), 0, kStanceItems);
    v.batColor = wholeText(player, pf::batColor);
    v.facialHair = player.get(pf::facialHair) != 0;
    v.armRating = decimalsText(player, pf::armRating, 2);
    v.runSpeed = decimalsText(player, pf::runSpeed, 2);
    v.fatigue = percentText(player, pf::fatigue);

    forEachBattingField([&](std::size_t i, auto field) { v.batting[i] = wholeText(player, field); });
    v.avgVsL = decimalsText(player, pf::avgVsL, 3);
    v.obpVsL = decimalsText(player, pf::obpVsL, 3);
    v.slgVsL = decimalsText(player, pf::slgVsL, 3);
    v.avgVsR = decimalsText(player, pf::avgVsR, 3);
    v.obpVsR = decimalsText(player, pf::obpVsR, 3);
    v.slgVsR = decimalsText(player, pf::slgVsR, 3);
    v.pull = percentText(player, pf::pullPct);
    v.middle = percentText(player, pf::middlePct);
    v.oppField = percentText(player, pf::oppFieldPct);
    v.batGroundBall = percentText(player, pf::batGroundBallPct);

    forEachPitchingField([&](std::size_t i, auto field) { v.pitching[i] = wholeText(player, field); });
    v.endurance = decimalsText(player, pf::endurance, 2);
    v.pitGroundBall = percentText(player, pf::pitGroundBallPct);
    v.delivery = comboIndex(player.get(pf::delivery), 0, kDeliveryItems);
    v.fromStretch = player.get(pf::fromStretch) != 0;
    fillPitchValues(v, player);

    for (int i = 0; i < pf::kFamiliarityCount; ++i) {
        v.familiarity[static_cast<std::size_t>(i)] = formatDecimals(player.familiarity(i), 2);
    }
    v.infieldRange = decimalsText(player, pf::infieldRange, 2);
    v.outfieldRange = decimalsText(player, pf::outfieldRange, 2);
    v.fieldingPct = decimalsText(player, pf::fieldingPct, 3);

    v.starRating = decimalsText(player, pf::starRating, 2);
    v.prospectRating = decimalsText(player, pf::prospectRating, 2);
    v.peakShift = wholeText(player, pf::peakShift);
    v.waggleType = wholeText(player, pf::waggleType);
    v.waveType = wholeText(player, pf::waveType);
    v.strideType = wholeText(player, pf::strideType);
    return v;
}

ApplyOutcome applyPlayerEditorValues(League& league,
                                     PlayerRecord& player,
                                     const PlayerEditorValues& v,
                                     Interaction& interaction) {
    // The boxes show rounded values (a rating to two decimals, fatigue in percent): a box whose
    // text is what the record shows was not edited and leaves its field exactly as stored.
    const PlayerEditorValues shown = playerEditorValues(league, player);
    const auto edited = [&](auto member) { return v.*member != shown.*member; };
    using V = PlayerEditorValues;

    // 1. The photo is found by the player's name, so a new name loses it; the user decides first.
    const std::string storedName = player.get(pf::firstName) + player.get(pf::lastName);
    const std::string newName = storedForm(pf::firstName, v.firstName) + storedForm(pf::lastName, v.lastName);
    const bool losesPhoto = storedName != newName && player.get(pf::photoIndex) != -1;
    if (losesPhoto && !interaction.askYesNo(std::string(kRenameQuestion))) {
        return ApplyOutcome::Declined;
    }

    // Everything is stored into a copy first: a box that does not convert throws before the
    // player is touched, so a failed APPLY never leaves a half-edited player behind.
    PlayerRecord p = player;
    if (losesPhoto) {
        p.set(pf::photoIndex, std::int16_t{-1});
    }
    const auto whole = [&](auto member, auto field) {
        if (edited(member)) {
            storeWhole(p, field, v.*member);
        }
    };
    const auto number = [&](auto member, auto field) {
        if (edited(member)) {
            storeNumber(p, field, v.*member);
        }
    };
    const auto percent = [&](auto member, auto field) {
        if (edited(member)) {
            storePercent(p, field, v.*member);
        }
    };
    const auto name = [&](auto member, auto field) {
        if (edited(member)) {
            p.set(field, v.*member);
        }
    };

    // 2.
    whole(&V::faceNumber, pf::faceNumber);

    // 3. and 5. The repertoire: left as stored unless one of its controls was edited.
    const bool pitchesEdited = edited(&V::pitchTypes) || edited(&V::qualities) || edited(&V::pitchGrid);

    // 4.
    name(&V::lastName, pf::lastName);
    name(&V::firstName, pf::firstName);
    whole(&V::uniformNumber, pf::uniformNumber);
    whole(&V::age, pf::age);
    storeCombo(p, pf::position, v.position, 1, kPositionItems);
    storeCombo(p, pf::secondPosition, v.secondPosition, 1, kPositionItems);
    storeCombo(p, pf::role, v.role, 1, kRoleItems);
    storeCombo(p, pf::bats, v.bats, 0, kBatsItems);
    storeCombo(p, pf::throws, v.throws, 0, kThrowsItems);
    storeCombo(p, pf::complexion, v.complexion, 1, kComplexionItems);
    if (edited(&V::facialHair)) {
        p.set(pf::facialHair, static_cast<std::uint8_t>(v.facialHair ? 1 : 0));
    }
    storeCombo(p, pf::battingStance, v.battingStance, 0, kStanceItems);
    whole(&V::height, pf::height);
    whole(&V::weight, pf::weight);
    number(&V::armRating, pf::armRating);
    number(&V::runSpeed, pf::runSpeed);
    forEachBattingField([&](std::size_t i, auto field) {
        if (v.batting[i] != shown.batting[i]) {
            storeNumber(p, field, v.batting[i]);
        }
    });
    number(&V::avgVsL, pf::avgVsL);
    number(&V::obpVsL, pf::obpVsL);
    number(&V::slgVsL, pf::slgVsL);
    number(&V::avgVsR, pf::avgVsR);
    number(&V::obpVsR, pf::obpVsR);
    number(&V::slgVsR, pf::slgVsR);
    percent(&V::pull, pf::pullPct);
    percent(&V::middle, pf::middlePct);
    percent(&V::oppField, pf::oppFieldPct);
    percent(&V::batGroundBall, pf::batGroundBallPct);
    forEachPitchingField([&](std::size_t i, auto field) {
        if (v.pitching[i] != shown.pitching[i]) {
            storeNumber(p, field, v.pitching[i]);
        }
    });
    number(&V::endurance, pf::endurance);
    percent(&V::pitGroundBall, pf::pitGroundBallPct);
    percent(&V::fatigue, pf::fatigue);

    // 5. Slot k takes combo k; a gap among the combos is kept, and the pitches beyond the count
    // are dropped with their slots zeroed. Within a slot, boxes not edited keep their values.
    if (pitchesEdited) {
        // A combo with no item (a pitch code the editor does not know) still holds a pitch.
        const int pitchCount = static_cast<int>(
            std::count_if(v.pitchTypes.begin(), v.pitchTypes.end(), [](int index) { return index != 0; }));
        const int storedCount = player.get(pf::pitchCount);
        p.set(pf::pitchCount, static_cast<std::uint8_t>(pitchCount));
        for (int k = 0; k < pf::kPitchSlots; ++k) {
            const auto row = static_cast<std::size_t>(k);
            PitchSlot slot;
            if (k < pitchCount) {
                // A pitch the player had keeps what was not edited; a new one takes every box.
                const bool hadPitch = k < storedCount;
                if (hadPitch) {
                    slot = player.pitch(k);
                }
                const auto take = [&](const auto& typed, const auto& before) { return !hadPitch || typed != before; };
                const int type = v.pitchTypes[row];
                if (take(type, shown.pitchTypes[row])) {
                    slot.set(ps::pitchType, hasItem(type, kPitchTypeItems) ? type : player.pitch(k).get(ps::pitchType));
                }
                if (take(v.qualities[row], shown.qualities[row])) {
                    slot.set(ps::quality, toFloat(v.qualities[row], 100.0));
                }
                const auto cell = [&](std::size_t gridRow, std::size_t column, auto field) {
                    const std::string& typed = v.pitchGrid[gridRow][column];
                    if (take(typed, shown.pitchGrid[gridRow][column])) {
                        slot.set(field, toFloat(typed));
                    }
                };
                cell(row, 0, ps::avgVsR);
                cell(row, 1, ps::obpVsR);
                cell(row, 2, ps::slgVsR);
                cell(row + pf::kPitchSlots, 0, ps::avgVsL);
                cell(row + pf::kPitchSlots, 1, ps::obpVsL);
                cell(row + pf::kPitchSlots, 2, ps::slgVsL);
            }
            p.setPitch(k, slot);
        }
    }

    // 6.
    for (int i = 0; i < pf::kFamiliarityCount; ++i) {
        const auto at = static_cast<std::size_t>(i);
        if (v.familiarity[at] != shown.familiarity[at]) {
            p.setFamiliarity(i, toFloat(v.familiarity[at]));
        }
    }
    number(&V::infieldRange, pf::infieldRange);
    number(&V::outfieldRange, pf::outfieldRange);
    whole(&V::suspensionDays, pf::suspensionDays);
    number(&V::fieldingPct, pf::fieldingPct);
    storeCombo(p, pf::level, v.level, 0, kLevelItems);
    storeCombo(p, pf::delivery, v.delivery, 0, kDeliveryItems);
    whole(&V::daysOut, pf::daysOut);
    number(&V::starRating, pf::starRating);
    number(&V::prospectRating, pf::prospectRating);
    whole(&V::peakShift, pf::peakShift);
    whole(&V::batColor, pf::batColor);
    whole(&V::waggleType, pf::waggleType);
    whole(&V::waveType, pf::waveType);
    if (edited(&V::fromStretch)) {
        p.set(pf::fromStretch, v.fromStretch ? std::int32_t{-1} : std::int32_t{0});
    }
    whole(&V::strideType, pf::strideType);

    player = p;
    league.markChanged();
    return ApplyOutcome::Applied;
}

}  // namespace zt
