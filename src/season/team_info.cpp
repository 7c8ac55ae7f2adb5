#include "season/team_info.h"

#include "league/league.h"
#include "league/numbers.h"

namespace zt::season {

namespace {

template <std::size_t Offset, std::size_t Width>
void storeIfEdited(TeamRecord& record, TextField<Offset, Width> field, const std::string& text) {
    // Writing a name back unchanged would clear whatever the game left after its end.
    if (record.get(field) != text) {
        record.set(field, text);
    }
}

void updateList(std::vector<TeamListEntry>& list, int team, const std::string& text) {
    for (TeamListEntry& entry : list) {
        if (entry.teamNumber == team) {
            entry.text = text;
        }
    }
}

}  // namespace

const std::array<TeamInfoNumberField, kTeamInfoNumbers>& teamInfoNumberFields() {
    static const std::array<TeamInfoNumberField, kTeamInfoNumbers> kFields = {{
        {"Edit5", "Present Season Wins", tf::wins.offset},
        {"Edit6", "Present Season Losses", tf::losses.offset},
        {"edcs", "Completed Seasons", tf::completedSeasons.offset},
        {"edwc", "Wild Cards Won", tf::wildCardsWon.offset},
        {"eddiv", "Division 1st place", tf::divisionFirstPlaces.offset},
        {"eddivc", "Division Championships Won", tf::divisionTitles.offset},
        {"edleac", "League Championships Won", tf::leagueTitles.offset},
        {"edws", "World Series Won", tf::worldSeriesWon.offset},
        {"edregw", "Regular Season Wins", tf::regularSeasonWins.offset},
        {"edregl", "Regular Season Losses", tf::regularSeasonLosses.offset},
        {"edpostw", "Post Season Wins", tf::postSeasonWins.offset},
        {"edpostl", "Post Season Losses", tf::postSeasonLosses.offset},
    }};
    return kFields;
}

bool namesEditable(const League& league) {
    return league.seasonHeader.get(sh::customSeason) != 0;
}

TeamInfoValues teamInfoValues(const League& league, int team) {
    const TeamRecord& record = league.team(team).record;
    TeamInfoValues values;
    values.name = record.get(tf::name);
    values.city = record.get(tf::city);
    values.completeName = record.get(tf::completeName);
    values.abbreviation = record.get(tf::abbreviation);
    for (std::size_t i = 0; i < teamInfoNumberFields().size(); ++i) {
        values.numbers[i] = std::to_string(record.getAt<std::int32_t>(teamInfoNumberFields()[i].offset));
    }
    return values;
}

void applyTeamInfo(League& league, int team, const TeamInfoValues& values) {
    TeamRecord& record = league.team(team).record;
    const TeamRecord before = record;
    const auto finish = [&] {
        if (!(record == before)) {
            league.markChanged();
        }
        updateList(league.teamNameList, team, record.get(tf::name));
        updateList(league.teamAbbrevList, team, record.get(tf::abbreviation));
    };
    try {
        if (namesEditable(league)) {
            storeIfEdited(record, tf::name, values.name);
            storeIfEdited(record, tf::city, values.city);
            storeIfEdited(record, tf::completeName, values.completeName);
            storeIfEdited(record, tf::abbreviation, values.abbreviation);
        }
        for (std::size_t i = 0; i < teamInfoNumberFields().size(); ++i) {
            record.setAt<std::int32_t>(teamInfoNumberFields()[i].offset, parseInteger(values.numbers[i]));
        }
    } catch (...) {
        finish();
        throw;
    }
    finish();
}

}  // namespace zt::season
