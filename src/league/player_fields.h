#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>

#include "league/player_record.h"

namespace zt {

enum class FieldType { Text, U8, I8, U16, I16, I32, F32 };

// A named scalar field of the player record, for code that works on fields generically
// (dumps, search, global editing, imports). The typed descriptors of player_record.h are the
// source of every offset.
struct PlayerFieldInfo {
    std::string_view name;
    std::size_t offset;
    FieldType type;
    std::size_t width;                // bytes of a text field; size of a number
    std::string_view expressionName;  // name in global-editing formulas, empty when none
};

// Every named field of the record except the pitch slots and familiarity, in record order.
std::span<const PlayerFieldInfo> playerFieldTable();

// The field of that name (the record name, e.g. "avgVsL"), or none.
const PlayerFieldInfo* findPlayerField(std::string_view name);
// The field of that formula name (e.g. "BAVGL"), compared without regard to case, or none.
const PlayerFieldInfo* findPlayerFieldByExpression(std::string_view expressionName);

// A numeric field of the player record as generic code holds it: where it lies and how it is
// stored. Made from a typed descriptor (`fieldRef(pf::batHits)`, `fieldRef(pf::familiarity[2])`),
// so a misspelt field fails to compile.
struct FieldRef {
    std::size_t offset = 0;
    FieldType type = FieldType::F32;
    bool operator==(const FieldRef&) const = default;
};

template <class T>
constexpr FieldType fieldTypeOf() {
    if constexpr (std::is_same_v<T, std::uint8_t>) {
        return FieldType::U8;
    } else if constexpr (std::is_same_v<T, std::int8_t>) {
        return FieldType::I8;
    } else if constexpr (std::is_same_v<T, std::uint16_t>) {
        return FieldType::U16;
    } else if constexpr (std::is_same_v<T, std::int16_t>) {
        return FieldType::I16;
    } else if constexpr (std::is_same_v<T, std::int32_t>) {
        return FieldType::I32;
    } else {
        static_assert(std::is_same_v<T, float>, "a storage type the player record does not use");
        return FieldType::F32;
    }
}

template <class T, std::size_t Offset>
constexpr FieldRef fieldRef(NumField<T, Offset>) {
    return {Offset, fieldTypeOf<T>()};
}

template <class T>
constexpr FieldRef fieldRef(ElementAt<T> element) {
    return {element.offset, fieldTypeOf<T>()};
}

// A numeric field's value widened to double; texts are not numeric.
double readNumber(const PlayerRecord& player, FieldRef field);
double readNumber(const PlayerRecord& player, const PlayerFieldInfo& field);
// Stores a value converted to the field's storage type (integers wrap as the storage does).
void writeNumber(PlayerRecord& player, FieldRef field, double value);
void writeNumber(PlayerRecord& player, const PlayerFieldInfo& field, double value);

std::string readText(const PlayerRecord& player, const PlayerFieldInfo& field);

}  // namespace zt
