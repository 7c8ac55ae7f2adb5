#include "rosters/player_creation.h"

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "league/error.h"
#include "league/interaction.h"
#include "league/league.h"
#include "league/league_text.h"
#include "rosters/roster_rules.h"

namespace zt {

namespace {

constexpr std::uint32_t kLargestPlayerId = 0xFFFF;

std::string askName(Interaction& interaction,
                    const std::string& caption,
                    const std::string& prompt,
                    const std::string& preset) {
    const std::optional<std::string> answer = interaction.promptText(caption, prompt, preset);
    return answer ? *answer : preset;
}

}  // namespace

std::optional<int> clonePlayer(League& league, Interaction& interaction) {
    if (league.currentPlayer == nullptr) {
        return std::nullopt;
    }
    const std::uint32_t newId = league.nextPlayerId();
    if (newId > kLargestPlayerId) {
        throw Error("No player id is left for a new player: the largest id " + std::to_string(kLargestPlayerId) +
                    " is taken");
    }
    auto clone = std::make_unique<PlayerRecord>(*league.currentPlayer);
    clone->set(pf::teamIndex, kFreeAgentTeam);
    clone->set(pf::playerId, static_cast<std::uint16_t>(newId));
    auto history = std::make_unique<StatHistory>();
    history->key = static_cast<std::int32_t>(newId);

    const std::string first =
        askName(interaction, "New player first name", "Enter the new player first name", clone->get(pf::firstName));
    clone->set(pf::firstName, first.substr(0, kCloneNameWidth));
    const std::string last =
        askName(interaction, "New player last name", "Enter the new player last name", clone->get(pf::lastName));
    clone->set(pf::lastName, last.substr(0, kCloneNameWidth));
    interaction.information("A new player named " + leagueTextToUtf8(clone->get(pf::firstName)) + " " +
                            leagueTextToUtf8(clone->get(pf::lastName)) + " has been added to the free agents list");

    return league.addPlayer(std::move(clone), std::move(history));
}

DeleteResult deletePlayer(League& league, int playerIndex, Interaction& interaction) {
    DeleteResult result;
    if (playerIndex < 0 || static_cast<std::size_t>(playerIndex) >= league.players.size()) {
        return result;
    }
    const PlayerRecord& player = *league.players[static_cast<std::size_t>(playerIndex)];
    if (!interaction.askYesNo("Are you sure you want to delete " + leagueTextToUtf8(player.get(pf::firstName)) + " " +
                                  leagueTextToUtf8(player.get(pf::lastName)) + " ?",
                              DefaultButton::No)) {
        return result;
    }
    result.team = league.removePlayer(static_cast<std::size_t>(playerIndex));
    result.deleted = true;
    result.check = checkLineups(league, result.team, interaction);
    return result;
}

int deleteAllInGrid(League& league, std::span<const int> playerIndexes, Interaction& interaction) {
    if (!interaction.askYesNo("Are you sure you want to delete ALL the players in the grid ?", DefaultButton::No)) {
        return 0;
    }
    std::vector<int> indexes(playerIndexes.begin(), playerIndexes.end());
    std::sort(indexes.begin(), indexes.end(), std::greater<>());
    indexes.erase(std::unique(indexes.begin(), indexes.end()), indexes.end());

    struct Departure {
        int team;
        std::int32_t id;
    };
    std::vector<Departure> departures;
    int deleted = 0;
    for (const int index : indexes) {
        if (index < 0 || static_cast<std::size_t>(index) >= league.players.size()) {
            continue;
        }
        const std::int32_t id = league.players[static_cast<std::size_t>(index)]->playerId();
        departures.push_back({league.removePlayer(static_cast<std::size_t>(index)), id});
        ++deleted;
    }

    // Deleted ids leave the lineups of their teams, unless a remaining player of the team has
    // the same id and so still answers to it.
    for (const auto& [team, id] : departures) {
        if (!league.isTeam(team)) {
            continue;
        }
        // Init-captures: clang before 16 (the fuzz build's compiler) cannot capture a binding.
        const bool stillThere =
            std::any_of(league.players.begin(), league.players.end(), [&, team = team, id = id](const auto& player) {
                return player->teamIndex() == team && player->playerId() == id;
            });
        if (!stillThere) {
            removeFromLineups(league, team, id);
        }
    }
    return deleted;
}

void convertedSeasonFix(League& league, Interaction& interaction) {
    league.seasonHeader.set(sh::seasonDay, std::uint16_t{12});
    interaction.information("Done");
    league.markChanged();
}

}  // namespace zt
