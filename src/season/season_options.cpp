#include "season/season_options.h"

#include "league/league.h"
#include "league/numbers.h"

namespace zt::season {

namespace {

// The texts in storing order: league, name offset or division.
struct NameSlot {
    int league;
    int division;  // -1: the name, -2: the abbreviation
};

constexpr std::array<NameSlot, kLeagueNameTexts> kNameSlots = {{
    {0, -1},
    {0, -2},
    {0, 0},
    {0, 1},
    {0, 2},
    {1, -1},
    {1, -2},
    {1, 0},
    {1, 1},
    {1, 2},
}};

std::string nameText(const LeagueNames& names, const NameSlot& slot) {
    if (slot.division == -1) {
        return names.get(LeagueNames::name);
    }
    if (slot.division == -2) {
        return names.get(LeagueNames::abbreviation);
    }
    return names.divisionName(slot.division);
}

void storeName(LeagueNames& names, const NameSlot& slot, const std::string& text) {
    // Writing a name back unchanged would clear whatever the file held after its end.
    if (nameText(names, slot) == text) {
        return;
    }
    if (slot.division == -1) {
        names.set(LeagueNames::name, text);
    } else if (slot.division == -2) {
        names.set(LeagueNames::abbreviation, text);
    } else {
        names.setDivisionName(slot.division, text);
    }
}

}  // namespace

const std::array<std::string_view, kLeagueNameTexts>& leagueNameControls() {
    static constexpr std::array<std::string_view, kLeagueNameTexts> kControls = {
        "l1name", "l1abv", "l1div1", "l1div2", "l1div3", "l2name", "l2abv", "l2div1", "l2div2", "l2div3"};
    return kControls;
}

SeasonOptionsValues seasonOptionsValues(const League& league) {
    const SeasonHeader& header = league.seasonHeader;
    SeasonOptionsValues values;
    values.year = header.get(sh::seasonYear);
    for (std::size_t i = 0; i < kNameSlots.size(); ++i) {
        values.names[i] = nameText(league.leagueNames[static_cast<std::size_t>(kNameSlots[i].league)], kNameSlots[i]);
    }
    values.games = std::to_string(header.get(sh::seasonGames));
    const std::int32_t dh = header.get(sh::dhRule);
    values.dhItem = dh >= 0 && dh < kDhItems ? dh : -1;
    const std::int32_t innings = header.get(sh::inningsRule) - 1;
    values.inningsItem = innings >= 0 && innings < kInningsItems ? innings : -1;
    values.day = std::to_string(header.get(sh::seasonDay));
    return values;
}

std::array<std::string, kDhItems> dhItemCaptions(std::string_view firstLeagueName, std::string_view secondLeagueName) {
    return {std::string(secondLeagueName) + " only", std::string(firstLeagueName) + " only", "Both", "None"};
}

void applySeasonOptions(League& league, const SeasonOptionsValues& values) {
    SeasonHeader& header = league.seasonHeader;
    const SeasonHeader headerBefore = header;
    const auto namesBefore = league.leagueNames;
    const auto markIfChanged = [&] {
        if (!(header == headerBefore) || league.leagueNames != namesBefore) {
            league.markChanged();
        }
    };
    try {
        header.set(sh::seasonYear, static_cast<std::int32_t>(values.year));
        if (league.seasonHeader.get(sh::customSeason) != 0) {
            for (std::size_t i = 0; i < kNameSlots.size(); ++i) {
                storeName(
                    league.leagueNames[static_cast<std::size_t>(kNameSlots[i].league)], kNameSlots[i], values.names[i]);
            }
        }
        // The game keeps the games in one byte: only the low 8 bits of a larger number remain.
        header.set(sh::seasonGames, static_cast<std::uint8_t>(parseInteger(values.games)));
        if (values.dhItem >= 0 && values.dhItem < kDhItems) {
            header.set(sh::dhRule, static_cast<std::int32_t>(values.dhItem));
            header.set(sh::dhRuleCopy, static_cast<std::uint8_t>(values.dhItem));
        }
        if (values.inningsItem >= 0 && values.inningsItem < kInningsItems) {
            header.set(sh::inningsRule, static_cast<std::int32_t>(values.inningsItem + 1));
        }
        header.set(sh::seasonDay, static_cast<std::uint16_t>(parseInteger(values.day)));
    } catch (...) {
        markIfChanged();
        throw;
    }
    markIfChanged();
}

}  // namespace zt::season
