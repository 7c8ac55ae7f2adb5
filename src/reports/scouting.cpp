#include "reports/scouting.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <functional>

#include "league/codes.h"
#include "league/league.h"
#include "league/numbers.h"

namespace zt::reports {

namespace {

enum class Format { Integer, Rounded, Short, Scientific, YesNo };

// How a column takes its value from the record; pitch columns take one field of each slot.
struct ColumnValue {
    std::string_view header;  // with its comma; pitch columns hold "%" where the slot number goes
    Format format;
    std::function<double(const PlayerRecord&)> field;
    std::function<float(const PitchSlot&)> pitch;
};

template <class Field>
std::function<double(const PlayerRecord&)> value(Field field) {
    return [field](const PlayerRecord& p) { return static_cast<double>(p.get(field)); };
}

std::function<double(const PlayerRecord&)> familiarity(int index) {
    return [index](const PlayerRecord& p) { return static_cast<double>(p.familiarity(index)); };
}

template <class Field>
std::function<float(const PitchSlot&)> slot(Field field) {
    return [field](const PitchSlot& s) { return s.get(field); };
}

struct Entry {
    ScoutColumn column;
    ColumnValue value;
};

const std::vector<Entry>& entries() {
    using G = ScoutGroup;
    using F = Format;
    static const std::vector<Entry> kEntries = {
        {{G::Misc, "Age", "Age", true}, {"Age,", F::Integer, value(pf::age), {}}},
        {{G::Batting, "Avg vs L", "BAVGL", true}, {"BAVGL,", F::Short, value(pf::avgVsL), {}}},
        {{G::Batting, "Obp vs L", "BOBPL", true}, {"BOBPL,", F::Short, value(pf::obpVsL), {}}},
        {{G::Batting, "Slg vs L", "BSLGL", true}, {"BSLGL,", F::Short, value(pf::slgVsL), {}}},
        {{G::Batting, "Avg vs R", "BAVGR", true}, {"BAVGR,", F::Short, value(pf::avgVsR), {}}},
        {{G::Batting, "Obp vs R", "BOBPR", true}, {"BOBPR,", F::Short, value(pf::obpVsR), {}}},
        {{G::Batting, "Slg vs R", "BSLGR", true}, {"BSLGR,", F::Short, value(pf::slgVsR), {}}},
        {{G::Batting, "AB", "BAB", true}, {"BAB,", F::Rounded, value(pf::batAB), {}}},
        {{G::Batting, "Hits", "BHITS", true}, {"BHITS,", F::Rounded, value(pf::batHits), {}}},
        {{G::Batting, "2B", "B2B", true}, {"B2B,", F::Rounded, value(pf::batDoubles), {}}},
        {{G::Batting, "3B", "B3B", true}, {"B3B,", F::Rounded, value(pf::batTriples), {}}},
        {{G::Batting, "Hr", "BHR", true}, {"BHR,", F::Rounded, value(pf::batHomeRuns), {}}},
        {{G::Batting, "BB", "BWALKS", true}, {"BWALKS,", F::Rounded, value(pf::batWalks), {}}},
        {{G::Batting, "So", "BSO", true}, {"BSO,", F::Rounded, value(pf::batStrikeouts), {}}},
        {{G::Fielding, "Arm Rating", "ARM", true}, {"ARM,", F::Short, value(pf::armRating), {}}},
        {{G::Batting, "Run Rating", "RUN", true}, {"RUN,", F::Short, value(pf::runSpeed), {}}},
        {{G::Pitching, "AB", "PAB", true}, {"PAB,", F::Rounded, value(pf::pitAB), {}}},
        {{G::Pitching, "Hits", "PHITS", true}, {"PHITS,", F::Rounded, value(pf::pitHits), {}}},
        {{G::Pitching, "2B", "P2B", true}, {"P2B,", F::Rounded, value(pf::pitDoubles), {}}},
        {{G::Pitching, "3B", "P3B", true}, {"P3B,", F::Rounded, value(pf::pitTriples), {}}},
        {{G::Pitching, "Hr", "PHR", true}, {"PHR,", F::Rounded, value(pf::pitHomeRuns), {}}},
        {{G::Pitching, "BB", "PWALKS", true}, {"PWALKS,", F::Rounded, value(pf::pitWalks), {}}},
        {{G::Pitching, "So", "PSO", true}, {"PSO,", F::Rounded, value(pf::pitStrikeouts), {}}},
        {{G::Pitching, "Endurance", "ENDURANCE", true}, {"ENDURANCE,", F::Short, value(pf::endurance), {}}},
        {{G::Pitching, "Pitch quality", "Pitch %", false}, {"Pitch # %,", F::Scientific, {}, slot(ps::quality)}},
        {{G::Pitching, "Pitch avgvsL", "Pitch AvgVsL", false}, {"Pitch # AvgVsL,", F::Short, {}, slot(ps::avgVsL)}},
        {{G::Pitching, "Pitch obpvsL", "Pitch ObpVsL", false}, {"Pitch # ObpVsL,", F::Short, {}, slot(ps::obpVsL)}},
        {{G::Pitching, "Pitch slgvsL", "Pitch SlgVsL", false}, {"Pitch # SlgVsL,", F::Short, {}, slot(ps::slgVsL)}},
        {{G::Pitching, "Pitch avgvsR", "Pitch AvgVsR", false}, {"Pitch # AvgVsR,", F::Short, {}, slot(ps::avgVsR)}},
        {{G::Pitching, "Pitch obpvsR", "Pitch ObpVsR", false}, {"Pitch # ObpVsR,", F::Short, {}, slot(ps::obpVsR)}},
        {{G::Pitching, "Pitch slgvsR", "Pitch SlgVsR", false}, {"Pitch # SlgVsR,", F::Short, {}, slot(ps::slgVsR)}},
        {{G::Fielding, "P", "FAMP", true}, {"FAMP,", F::Short, familiarity(0), {}}},
        {{G::Fielding, "C", "FAMC", true}, {"FAMC,", F::Short, familiarity(1), {}}},
        {{G::Fielding, "1B", "FAM1B", true}, {"FAM1B,", F::Short, familiarity(2), {}}},
        {{G::Fielding, "2B", "FAM2B", true}, {"FAM2B,", F::Short, familiarity(3), {}}},
        {{G::Fielding, "3B", "FAM3B", true}, {"FAM3B,", F::Short, familiarity(4), {}}},
        {{G::Fielding, "SS", "FAMSS", true}, {"FAMSS,", F::Short, familiarity(5), {}}},
        {{G::Fielding, "LF", "FAMLF", true}, {"FAMLF,", F::Short, familiarity(6), {}}},
        {{G::Fielding, "CF", "FAMCF", true}, {"FAMCF,", F::Short, familiarity(7), {}}},
        {{G::Fielding, "RF", "FAMRF", true}, {"FAMRF,", F::Short, familiarity(8), {}}},
        {{G::Fielding, "Infield R.", "INFIELDR", true}, {"INFIELDR,", F::Short, value(pf::infieldRange), {}}},
        {{G::Fielding, "Outfield R.", "OUTFIELDR", true}, {"OUTFIELDR,", F::Short, value(pf::outfieldRange), {}}},
        {{G::Fielding, "Fielding %", "FIELDING", true}, {"FIELDING,", F::Short, value(pf::fieldingPct), {}}},
        {{G::Misc, "Role", "ROLE", false}, {"ROLE,", F::Integer, value(pf::role), {}}},
        {{G::Misc, "Days on DL", "DAYSDL", false}, {"DAYSDL,", F::Integer, value(pf::daysOut), {}}},
        {{G::Misc, "Suspension", "SUSPENSION", false}, {"SUSPENSION,", F::Integer, value(pf::suspensionDays), {}}},
        {{G::Misc, "Face", "FACE", false}, {"FACE,", F::Integer, value(pf::faceNumber), {}}},
        {{G::Misc, "Complexion", "COMPLEXION", false}, {"COMPLEXION,", F::Integer, value(pf::complexion), {}}},
        {{G::Misc, "Height", "HEIGHT", false}, {"HEIGHT,", F::Integer, value(pf::height), {}}},
        {{G::Misc, "Weight", "WEIGHT", false}, {"WEIGHT,", F::Integer, value(pf::weight), {}}},
        {{G::Misc, "Hair", "HAIR", false}, {"HAIR,", F::YesNo, value(pf::facialHair), {}}},
        {{G::Misc, "Batting Stance", "STANCE", false}, {"STANCE,", F::Integer, value(pf::battingStance), {}}},
        {{G::Misc, "Pitching Style", "PSTYLE", false}, {"PSTYLE,", F::Integer, value(pf::delivery), {}}},
        {{G::Misc, "Uniform number", "NUMBER", false}, {"NUMBER,", F::Integer, value(pf::uniformNumber), {}}},
        {{G::Misc, "Level", "LEVEL", false}, {"LEVEL,", F::Integer, value(pf::level), {}}},
        {{G::Misc, "Star Rating", "STAR RATING", false}, {"STAR RATING,", F::Scientific, value(pf::starRating), {}}},
        {{G::Misc, "Prospect Rating", "PROSPECT RATING", false},
         {"PROSPECT RATING,", F::Scientific, value(pf::prospectRating), {}}},
        {{G::Misc, "Peak Shift", "PEAK SHIFT", false}, {"PEAK SHIFT,", F::Integer, value(pf::peakShift), {}}},
    };
    return kEntries;
}

std::string formatted(Format format, double v) {
    switch (format) {
        case Format::Integer:
            return std::to_string(static_cast<long long>(v));
        case Format::Rounded:
            return std::isfinite(v) ? std::to_string(static_cast<long long>(roundHalfEven(v))) : std::string("0");
        case Format::Short:
            return FormatShort(v);
        case Format::Scientific:
            return scientificText(static_cast<float>(v));
        case Format::YesNo:
            return v != 0 ? "1" : "0";
    }
    return {};
}

std::string slotHeader(std::string_view header, int slot) {
    std::string text(header);
    text.replace(text.find('#'), 1, std::to_string(slot));
    return text;
}

bool selected(const PlayerRecord& player, int selector) {
    const int position = player.get(pf::position);
    switch (selector) {
        case 0:
            return true;
        case 1:
            return position != 1;
        case 2:
            return position == 1;
        default:
            return position + 1 == selector;
    }
}

std::string identification(const League& league, const PlayerRecord& p, bool compatible) {
    const int position = p.get(pf::position);
    const int team = p.teamIndex();
    const int bats = p.get(pf::bats);
    const int throws = p.get(pf::throws);
    std::string line = p.get(pf::firstName) + "," + p.get(pf::lastName) + ",";
    if (compatible) {
        return line + std::to_string(position) + "," + std::to_string(team) + "," + std::to_string(bats) + "," +
               std::to_string(throws) + ",";
    }
    line += std::string(positionText(position)) + ",";
    line += (team < 50 ? league.teamAbbrev(team) : std::string("Free Agent")) + ",";
    static constexpr const char* kSides[] = {"L,", "R,", "S,"};
    if (bats >= 0 && bats <= 2) {
        line += kSides[bats];
    }
    if (throws >= 0 && throws <= 1) {
        line += kSides[throws];
    }
    return line;
}

}  // namespace

const std::vector<ScoutColumn>& scoutColumns() {
    static const std::vector<ScoutColumn> kColumns = [] {
        std::vector<ScoutColumn> columns;
        for (const Entry& e : entries()) {
            columns.push_back(e.column);
        }
        return columns;
    }();
    return kColumns;
}

std::vector<bool> defaultScoutColumns() {
    std::vector<bool> on;
    for (const ScoutColumn& c : scoutColumns()) {
        on.push_back(c.defaultOn);
    }
    return on;
}

const std::vector<std::string_view>& scoutSelectorItems() {
    static const std::vector<std::string_view> kItems = {
        "All Players", "Batters Only", "Pitchers Only", "C", "1B", "2B", "3B", "SS", "LF", "CF", "RF", "DH"};
    return kItems;
}

std::string scientificText(float value) {
    const double v = value;
    if (!std::isfinite(v)) {
        char text[32];
        std::snprintf(text, sizeof text, "%23f", v);
        return text;
    }
    char text[48];
    std::snprintf(text, sizeof text, "%.14E", v);  // "3.50000000000000E+00"
    std::string mantissa(text);
    const std::size_t e = mantissa.find('E');
    const int exponent = std::atoi(mantissa.c_str() + e + 1);
    std::snprintf(text, sizeof text, "E%c%04d", exponent < 0 ? '-' : '+', std::abs(exponent));
    std::string result = mantissa.substr(0, e) + text;
    return result[0] == '-' ? result : " " + result;
}

std::string scoutingCsv(const League& league, const ScoutingOptions& options) {
    const std::vector<Entry>& all = entries();
    const auto ticked = [&](std::size_t i) { return i < options.columns.size() && options.columns[i]; };
    std::string csv = "Firstname,Lastname,POS,TEAM,BATS,THROWS,";
    for (std::size_t i = 0; i < all.size(); ++i) {
        if (!ticked(i)) {
            continue;
        }
        if (all[i].value.pitch) {
            for (int k = 1; k <= pf::kPitchSlots; ++k) {
                csv += slotHeader(all[i].value.header, k);
            }
        } else {
            csv += all[i].value.header;
        }
    }
    csv += "\r\n";
    for (const auto& record : league.players) {
        const PlayerRecord& player = *record;
        if (!selected(player, options.selector)) {
            continue;
        }
        csv += identification(league, player, options.compatible);
        const int pitches = player.get(pf::pitchCount);
        for (std::size_t i = 0; i < all.size(); ++i) {
            if (!ticked(i)) {
                continue;
            }
            const ColumnValue& c = all[i].value;
            if (!c.pitch) {
                csv += formatted(c.format, c.field(player)) + ",";
                continue;
            }
            for (int k = 1; k <= pf::kPitchSlots; ++k) {
                csv += k <= pitches ? formatted(c.format, c.pitch(player.pitch(k - 1))) : std::string("NA");
                csv += ",";
            }
        }
        csv += "\r\n";
    }
    return csv;
}

}  // namespace zt::reports
