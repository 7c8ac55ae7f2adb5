#include "cli/league_json.h"

#include <cmath>
#include <cstdlib>

#include "league/fixed_text.h"
#include "league/league.h"
#include "league/numbers.h"
#include "league/player_fields.h"

namespace zt::cli {

namespace {

Json textJson(const std::string& bytes) {
    return latin1ToUtf8(bytes);
}

Json fieldJson(const PlayerRecord& player, const PlayerFieldInfo& field) {
    switch (field.type) {
        case FieldType::Text:
            return textJson(readText(player, field));
        case FieldType::F32:
            return floatJson(player.getAt<float>(field.offset));
        default:
            return static_cast<std::int64_t>(readNumber(player, field));
    }
}

Json pitchJson(const PitchSlot& pitch) {
    return Json{{"pitchType", pitch.get(ps::pitchType)},
                {"quality", floatJson(pitch.get(ps::quality))},
                {"avgVsL", floatJson(pitch.get(ps::avgVsL))},
                {"avgVsR", floatJson(pitch.get(ps::avgVsR))},
                {"obpVsL", floatJson(pitch.get(ps::obpVsL))},
                {"obpVsR", floatJson(pitch.get(ps::obpVsR))},
                {"slgVsL", floatJson(pitch.get(ps::slgVsL))},
                {"slgVsR", floatJson(pitch.get(ps::slgVsR))}};
}

Json playerJson(const PlayerRecord& player, std::size_t index) {
    Json json{{"index", index}};
    bool pitchesDone = false;
    bool familiarityDone = false;
    // The repeated groups go where they lie in the record, between the scalar fields.
    const auto addGroupsBefore = [&](std::size_t offset) {
        if (!pitchesDone && offset > pf::pitches.offset) {
            Json pitches = Json::array();
            for (int k = 0; k < pf::kPitchSlots; ++k) {
                pitches.push_back(pitchJson(player.pitch(k)));
            }
            json["pitches"] = std::move(pitches);
            pitchesDone = true;
        }
        if (!familiarityDone && offset > pf::familiarity.offset) {
            Json familiarity = Json::array();
            for (int k = 0; k < pf::kFamiliarityCount; ++k) {
                familiarity.push_back(floatJson(player.familiarity(k)));
            }
            json["familiarity"] = std::move(familiarity);
            familiarityDone = true;
        }
    };
    for (const auto& field : playerFieldTable()) {
        addGroupsBefore(field.offset);
        json[std::string(field.name)] = fieldJson(player, field);
    }
    addGroupsBefore(PlayerRecord::kSize);
    return json;
}

template <class Data>
Json lineJson(const Data& data) {
    Json json = Json::object();
    visitLineFields(data, [&](std::string_view name, const auto& value, const BitSpot&) {
        json[std::string(name)] = static_cast<unsigned>(value);
    });
    return json;
}

Json historyBlockJson(const StatHistory& block) {
    Json batting = Json::array();
    for (const auto& line : block.batting) {
        batting.push_back(lineJson(decodeBattingLine(line)));
    }
    Json pitching = Json::array();
    for (const auto& line : block.pitching) {
        pitching.push_back(lineJson(decodePitchingLine(line)));
    }
    Json fielding = Json::array();
    for (const auto& line : block.fielding) {
        fielding.push_back(lineJson(decodeFieldingLine(line)));
    }
    return Json{{"key", block.key}, {"batting", batting}, {"pitching", pitching}, {"fielding", fielding}};
}

Json historyListJson(const HistoryList& list) {
    Json json = Json::array();
    for (const auto& block : list) {
        json.push_back(historyBlockJson(*block));
    }
    return json;
}

Json gameJson(const GameResult& game) {
    Json values = Json::array();
    for (int i = 0; i < GameResult::kValues; ++i) {
        values.push_back(GameResult::isFloatValue(i) ? floatJson(game.floatValue(i)) : Json(game.intValue(i)));
    }
    return values;
}

Json headerJson(const SeasonHeader& header) {
    Json bestOf = Json::array();
    for (int round = 0; round < SeasonHeader::kRounds; ++round) {
        bestOf.push_back(header.playoffBestOf(round));
    }
    return Json{{"seasonVersion", textJson(header.get(sh::seasonVersion))},
                {"customSeason", header.get(sh::customSeason)},
                {"dhRuleCopy", header.get(sh::dhRuleCopy)},
                {"seasonGames", header.get(sh::seasonGames)},
                {"inningsRule", header.get(sh::inningsRule)},
                {"dhRule", header.get(sh::dhRule)},
                {"leagueCount", header.get(sh::leagueCount)},
                {"divisionsPerLeague", header.get(sh::divisionsPerLeague)},
                {"playoffBestOf", bestOf},
                {"seasonYear", header.get(sh::seasonYear)},
                {"seasonDay", header.get(sh::seasonDay)},
                {"teamCount", header.get(sh::teamCount)}};
}

Json teamJson(const TeamRecord& team) {
    Json roster = Json::array();
    for (int slot = 0; slot < kRosterSize; ++slot) {
        roster.push_back(team.rosterId(slot));
    }
    Json lineups = Json::array();
    for (int kind = 0; kind < kLineupKinds; ++kind) {
        Json lineup = Json::array();
        for (int slot = 0; slot < kLineupSlots; ++slot) {
            const LineupSlot s = team.lineupSlot(static_cast<LineupKind>(kind), slot);
            lineup.push_back(Json{{"playerId", s.playerId}, {"position", s.position}});
        }
        lineups.push_back(std::move(lineup));
    }
    Json rotations = Json::array();
    for (int level = 0; level < kRotationLevels; ++level) {
        Json rotation = Json::array();
        for (int slot = 0; slot < kRotationSlots; ++slot) {
            rotation.push_back(team.rotationSlot(level, slot));
        }
        rotations.push_back(std::move(rotation));
    }
    Json profile = Json::array();
    for (int i = 0; i < kManagerProfileValues; ++i) {
        profile.push_back(floatJson(team.managerProfile(i)));
    }
    return Json{{"teamNumber", team.get(tf::teamNumber)},
                {"name", textJson(team.get(tf::name))},
                {"city", textJson(team.get(tf::city))},
                {"completeName", textJson(team.get(tf::completeName))},
                {"abbreviation", textJson(team.get(tf::abbreviation))},
                {"roster", roster},
                {"lineups", lineups},
                {"rotations", rotations},
                {"nextStarter", team.get(tf::nextStarter)},
                {"humanControlled", team.get(tf::humanControlled)},
                {"leagueIndex", team.get(tf::leagueIndex)},
                {"divisionIndex", team.get(tf::divisionIndex)},
                {"wins", team.get(tf::wins)},
                {"losses", team.get(tf::losses)},
                {"managerProfile", profile},
                {"completedSeasons", team.get(tf::completedSeasons)},
                {"wildCardsWon", team.get(tf::wildCardsWon)},
                {"divisionFirstPlaces", team.get(tf::divisionFirstPlaces)},
                {"divisionTitles", team.get(tf::divisionTitles)},
                {"leagueTitles", team.get(tf::leagueTitles)},
                {"worldSeriesWon", team.get(tf::worldSeriesWon)},
                {"regularSeasonWins", team.get(tf::regularSeasonWins)},
                {"regularSeasonLosses", team.get(tf::regularSeasonLosses)},
                {"postSeasonWins", team.get(tf::postSeasonWins)},
                {"postSeasonLosses", team.get(tf::postSeasonLosses)},
                {"entryCount", team.get(tf::entryCount)}};
}

}  // namespace

Json floatJson(float value) {
    if (std::isnan(value)) {
        return "NaN";
    }
    if (std::isinf(value)) {
        return value > 0 ? "Infinity" : "-Infinity";
    }
    // The shortest text of the float, read as a double, prints back as that same text.
    return std::strtod(shortestFloatText(value).c_str(), nullptr);
}

Json playersJson(const League& league) {
    Json json = Json::array();
    for (std::size_t i = 0; i < league.players.size(); ++i) {
        json.push_back(playerJson(*league.players[i], i));
    }
    return json;
}

Json historyJson(const League& league) {
    return Json{{"players", historyListJson(league.playerHistories)}, {"teams", historyListJson(league.teamHistories)}};
}

Json seasonJson(const League& league) {
    Json leagueNames = Json::array();
    for (const auto& names : league.leagueNames) {
        Json divisions = Json::array();
        for (int d = 0; d < LeagueNames::kDivisions; ++d) {
            divisions.push_back(textJson(names.divisionName(d)));
        }
        leagueNames.push_back(Json{{"name", textJson(names.get(LeagueNames::name))},
                                   {"abbreviation", textJson(names.get(LeagueNames::abbreviation))},
                                   {"divisions", divisions}});
    }
    Json teams = Json::array();
    for (const auto& team : league.teams) {
        teams.push_back(teamJson(team.record));
    }
    return Json{{"header", headerJson(league.seasonHeader)},
                {"leagueNames", leagueNames},
                {"teams", teams},
                {"trailerItems", league.seasonTrailer.size()}};
}

Json scoresJson(const League& league) {
    Json days = Json::array();
    for (const auto& day : league.gameScores) {
        Json games = Json::array();
        for (const auto& game : day.games) {
            games.push_back(gameJson(game));
        }
        days.push_back(std::move(games));
    }
    return Json{{"days", days}};
}

Json playoffsJson(const League& league) {
    Json series = Json::array();
    for (const auto& s : league.playoffSeries) {
        Json games = Json::array();
        for (const auto& game : s.games) {
            games.push_back(gameJson(game));
        }
        series.push_back(Json{{"games", games}});
    }
    return Json{{"series", series}};
}

}  // namespace zt::cli
