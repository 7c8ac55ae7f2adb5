#include "season/year_shift.h"

#include "league/error.h"
#include "league/interaction.h"
#include "league/league.h"

namespace zt::season {

namespace {

// Who a history block belongs to, for the refusal.
std::string ownerText(const League& league, const StatHistory& block, bool team) {
    if (team) {
        const std::string name = league.teamName(block.key);
        return "team " + std::to_string(block.key) + (name.empty() ? "" : " (" + name + ")");
    }
    const PlayerRecord* player =
        block.key >= 0 ? league.findPlayerById(static_cast<std::uint32_t>(block.key)) : nullptr;
    if (player == nullptr) {
        return "the player with id " + std::to_string(block.key);
    }
    return player->get(pf::firstName) + " " + player->get(pf::lastName) + " (player " + std::to_string(block.key) + ")";
}

template <class Line, class Decode, class Encode, class Owner>
int shiftLines(std::vector<Line>& lines,
               Decode decode,
               Encode encode,
               int years,
               bool apply,
               const char* kind,
               const Owner& owner,
               std::string& refusal) {
    int shifted = 0;
    if (!refusal.empty()) {
        return shifted;
    }
    for (Line& line : lines) {
        auto data = decode(line);
        if (data.year == kStreakYear) {
            continue;
        }
        const int moved = data.year + years;
        if (!apply) {
            if (moved < 0 || moved > kLastStoredYear) {
                refusal = "The years were not adjusted: the " + std::string(kind) + " line of " +
                          std::to_string(data.year) + " of " + owner() + " would become " + std::to_string(moved) +
                          ", outside 0 to " + std::to_string(kLastStoredYear) + ".";
                return shifted;
            }
            if (moved == kStreakYear) {
                refusal = "The years were not adjusted: the " + std::string(kind) + " line of " +
                          std::to_string(data.year) + " of " + owner() + " would become " + std::to_string(moved) +
                          ", the year of the streak records.";
                return shifted;
            }
        } else {
            data.year = static_cast<std::uint16_t>(moved);
            encode(data, line);
        }
        ++shifted;
    }
    return shifted;
}

// One pass over every block: checking (nothing written, stops at the first refusal) or shifting.
int pass(League& league, int years, bool apply, std::string& refusal) {
    int shifted = 0;
    for (const bool team : {false, true}) {
        for (auto& block : team ? league.teamHistories : league.playerHistories) {
            const auto owner = [&] { return ownerText(league, *block, team); };
            shifted += shiftLines(
                block->batting, decodeBattingLine, encodeBattingLine, years, apply, "batting", owner, refusal);
            shifted += shiftLines(
                block->pitching, decodePitchingLine, encodePitchingLine, years, apply, "pitching", owner, refusal);
            shifted += shiftLines(
                block->fielding, decodeFieldingLine, encodeFieldingLine, years, apply, "fielding", owner, refusal);
            if (!refusal.empty()) {
                return shifted;
            }
        }
    }
    return shifted;
}

}  // namespace

std::string yearShiftQuestion(int years) {
    return "Do you want to adjust all historical stats by " + std::to_string(years) + " years ?";
}

int shiftHistoryYears(League& league, int years) {
    if (years == 0) {
        return 0;
    }
    std::string refusal;
    pass(league, years, false, refusal);
    if (!refusal.empty()) {
        throw Error(refusal);
    }
    const int shifted = pass(league, years, true, refusal);
    if (shifted > 0) {
        league.markChanged();
    }
    return shifted;
}

int adjustHistoricalStats(League& league, int years, Interaction& interaction) {
    if (years == 0) {
        return 0;
    }
    if (!interaction.askYesNo(yearShiftQuestion(years))) {
        return -1;
    }
    return shiftHistoryYears(league, years);
}

}  // namespace zt::season
