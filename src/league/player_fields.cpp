#include "league/player_fields.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <stdexcept>

#include "league/league_text.h"

namespace zt {

namespace {

template <class T, std::size_t Offset>
constexpr PlayerFieldInfo entry(std::string_view name, NumField<T, Offset>, std::string_view expression = {}) {
    return {name, Offset, fieldTypeOf<T>(), sizeof(T), expression};
}

template <std::size_t Offset, std::size_t Width>
constexpr PlayerFieldInfo entry(std::string_view name, TextField<Offset, Width>) {
    return {name, Offset, FieldType::Text, Width, {}};
}

constexpr std::array kFields = {
    entry("lastName", pf::lastName),
    entry("firstName", pf::firstName),
    entry("playerId", pf::playerId),
    entry("photoIndex", pf::photoIndex),
    entry("teamIndex", pf::teamIndex),
    entry("uniformNumber", pf::uniformNumber),
    entry("age", pf::age, "AGE"),
    entry("starRating", pf::starRating),
    entry("prospectRating", pf::prospectRating),
    entry("peakShift", pf::peakShift),
    entry("complexion", pf::complexion),
    entry("facialHair", pf::facialHair),
    entry("height", pf::height),
    entry("weight", pf::weight),
    entry("daysOut", pf::daysOut),
    entry("level", pf::level),
    entry("fatigue", pf::fatigue),
    entry("role", pf::role),
    entry("position", pf::position),
    entry("secondPosition", pf::secondPosition),
    entry("throws", pf::throws),
    entry("bats", pf::bats),
    entry("battingStance", pf::battingStance),
    entry("waggleType", pf::waggleType),
    entry("waveType", pf::waveType),
    entry("strideType", pf::strideType),
    entry("batColor", pf::batColor),
    entry("armRating", pf::armRating, "ARMR"),
    entry("runSpeed", pf::runSpeed, "RUNR"),
    entry("batGroundBallPct", pf::batGroundBallPct, "BGROUND"),
    entry("pullPct", pf::pullPct, "PULL"),
    entry("middlePct", pf::middlePct, "MIDDLE"),
    entry("oppFieldPct", pf::oppFieldPct, "OPPFIELD"),
    entry("avgVsL", pf::avgVsL, "BAVGL"),
    entry("avgVsR", pf::avgVsR, "BAVGR"),
    entry("obpVsL", pf::obpVsL, "BOBPL"),
    entry("obpVsR", pf::obpVsR, "BOBPR"),
    entry("slgVsL", pf::slgVsL, "BSLGL"),
    entry("slgVsR", pf::slgVsR, "BSLGR"),
    entry("batAB", pf::batAB),
    entry("batHits", pf::batHits, "BHITS"),
    entry("batDoubles", pf::batDoubles, "B2B"),
    entry("batTriples", pf::batTriples, "B3B"),
    entry("batHomeRuns", pf::batHomeRuns, "BHR"),
    entry("batWalks", pf::batWalks, "BWALKS"),
    entry("batStrikeouts", pf::batStrikeouts, "BSO"),
    entry("pitGroundBallPct", pf::pitGroundBallPct, "PGROUND"),
    entry("endurance", pf::endurance, "ENDURANCE"),
    entry("pitAB", pf::pitAB),
    entry("pitHits", pf::pitHits, "PHITS"),
    entry("pitDoubles", pf::pitDoubles, "P2B"),
    entry("pitTriples", pf::pitTriples, "P3B"),
    entry("pitHomeRuns", pf::pitHomeRuns, "PHR"),
    entry("pitWalks", pf::pitWalks, "PWALKS"),
    entry("pitStrikeouts", pf::pitStrikeouts, "PSO"),
    entry("pitchCount", pf::pitchCount),
    entry("delivery", pf::delivery),
    entry("fromStretch", pf::fromStretch),
    entry("outfieldRange", pf::outfieldRange, "OUTFIELDR"),
    entry("infieldRange", pf::infieldRange, "INFIELDR"),
    entry("fieldingPct", pf::fieldingPct, "FIELDING"),
    entry("suspensionDays", pf::suspensionDays),
    entry("faceNumber", pf::faceNumber),
};

// Integer storage keeps the low bits, as the fixed-width fields of the game's files do.
template <class T>
T wrapped(double value) {
    const double whole = std::trunc(value);
    const auto wide = static_cast<std::int64_t>(std::isfinite(whole) ? std::fmod(whole, 4294967296.0) : 0.0);
    return static_cast<T>(static_cast<std::uint32_t>(wide));
}

}  // namespace

std::span<const PlayerFieldInfo> playerFieldTable() {
    return kFields;
}

const PlayerFieldInfo* findPlayerField(std::string_view name) {
    const auto it = std::find_if(kFields.begin(), kFields.end(), [&](const auto& f) { return f.name == name; });
    return it == kFields.end() ? nullptr : &*it;
}

const PlayerFieldInfo* findPlayerFieldByExpression(std::string_view expressionName) {
    if (expressionName.empty()) {
        return nullptr;
    }
    const auto it = std::find_if(
        kFields.begin(), kFields.end(), [&](const auto& f) { return equalNoCase(f.expressionName, expressionName); });
    return it == kFields.end() ? nullptr : &*it;
}

double readNumber(const PlayerRecord& player, FieldRef field) {
    switch (field.type) {
        case FieldType::U8:
            return player.getAt<std::uint8_t>(field.offset);
        case FieldType::I8:
            return player.getAt<std::int8_t>(field.offset);
        case FieldType::U16:
            return player.getAt<std::uint16_t>(field.offset);
        case FieldType::I16:
            return player.getAt<std::int16_t>(field.offset);
        case FieldType::I32:
            return player.getAt<std::int32_t>(field.offset);
        case FieldType::F32:
            return player.getAt<float>(field.offset);
        case FieldType::Text:
            break;
    }
    throw std::logic_error("text field read as a number");
}

void writeNumber(PlayerRecord& player, FieldRef field, double value) {
    switch (field.type) {
        case FieldType::U8:
            return player.setAt(field.offset, wrapped<std::uint8_t>(value));
        case FieldType::I8:
            return player.setAt(field.offset, wrapped<std::int8_t>(value));
        case FieldType::U16:
            return player.setAt(field.offset, wrapped<std::uint16_t>(value));
        case FieldType::I16:
            return player.setAt(field.offset, wrapped<std::int16_t>(value));
        case FieldType::I32:
            return player.setAt(field.offset, wrapped<std::int32_t>(value));
        case FieldType::F32:
            return player.setAt(field.offset, static_cast<float>(value));
        case FieldType::Text:
            break;
    }
    throw std::logic_error("text field written as a number");
}

double readNumber(const PlayerRecord& player, const PlayerFieldInfo& field) {
    return readNumber(player, FieldRef{field.offset, field.type});
}

void writeNumber(PlayerRecord& player, const PlayerFieldInfo& field, double value) {
    writeNumber(player, FieldRef{field.offset, field.type}, value);
}

std::string readText(const PlayerRecord& player, const PlayerFieldInfo& field) {
    if (field.type != FieldType::Text) {
        throw std::logic_error("number field read as a text");
    }
    return readFixedText(player.bytes().data() + field.offset, field.width);
}

}  // namespace zt
