#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>

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

// A numeric field's value widened to double; texts are not numeric.
double readNumber(const PlayerRecord& player, const PlayerFieldInfo& field);
// Stores a value converted to the field's storage type (integers wrap as the storage does).
void writeNumber(PlayerRecord& player, const PlayerFieldInfo& field, double value);

std::string readText(const PlayerRecord& player, const PlayerFieldInfo& field);

}  // namespace zt
