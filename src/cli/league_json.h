#pragma once

#include <nlohmann/json.hpp>

namespace zt {
class League;
}

namespace zt::cli {

using Json = nlohmann::ordered_json;

// The documents of `ztedit-cli dump`. Field names are the record field names; texts are the
// league bytes read as Latin-1; 32-bit floats are written as the shortest decimal that reads
// back to the same float, non-finite ones as "NaN", "Infinity" or "-Infinity".
Json playersJson(const League& league);
Json historyJson(const League& league);
Json seasonJson(const League& league);
Json scoresJson(const League& league);
Json playoffsJson(const League& league);

Json floatJson(float value);

}  // namespace zt::cli
