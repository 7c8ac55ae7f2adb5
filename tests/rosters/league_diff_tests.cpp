// League differences: each kind of change made through the core is listed once, with its values;
// a league compared with its own copy gives nothing.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "league/league.h"
#include "league/player_fields.h"
#include "rosters/league_diff.h"
#include "sample/sample_league.h"

namespace zt::test {
namespace {

std::unique_ptr<League> smallLeague() {
    sample::SampleOptions options;
    options.playersPerTeam = 72;
    options.freeAgents = 5;
    options.years = 2;
    options.days = 3;
    return sample::buildSampleLeague(options).league;
}

PlayerRecord& playerWithBatting(League& league) {
    for (auto& player : league.players) {
        const StatHistory* history = findHistory(league.playerHistories, player->playerId());
        if (history != nullptr && !history->batting.empty()) {
            return *player;
        }
    }
    throw std::logic_error("no player with batting lines");
}

StatHistory& battingOf(League& league) {
    return *findHistory(league.playerHistories, playerWithBatting(league).playerId());
}

struct ChangeCase {
    const char* name;
    std::string_view kind;
    std::string item;  // a part of the item of the one difference of that kind
    std::function<void(League&)> change;
};

std::ostream& operator<<(std::ostream& os, const ChangeCase& c) {
    return os << c.name;
}

class LeagueDiffTest : public ::testing::TestWithParam<ChangeCase> {};

TEST(LeagueDiff, ALeagueAndItsCopyDoNotDiffer) {
    EXPECT_EQ(diffLeagues(*smallLeague(), *smallLeague()), std::vector<LeagueDifference>{});
}

TEST_P(LeagueDiffTest, TheChangeIsListedOnce) {
    const auto before = smallLeague();
    const auto after = smallLeague();
    GetParam().change(*after);
    const auto differences = diffLeagues(*before, *after);
    std::vector<LeagueDifference> ofKind;
    std::copy_if(differences.begin(), differences.end(), std::back_inserter(ofKind), [](const LeagueDifference& d) {
        return d.kind == GetParam().kind;
    });
    ASSERT_EQ(ofKind.size(), 1u) << ::testing::PrintToString(differences);
    EXPECT_NE(ofKind[0].item.find(GetParam().item), std::string::npos) << ofKind[0];
}

const PlayerFieldInfo& firstFloatField() {
    const auto table = playerFieldTable();
    return *std::find_if(table.begin(), table.end(), [](const auto& f) { return f.type == FieldType::F32; });
}

INSTANTIATE_TEST_SUITE_P(
    Kinds,
    LeagueDiffTest,
    ::testing::Values(
        ChangeCase{"added",
                   difference::playerAdded,
                   "",
                   [](League& l) {
                       auto copy = std::make_unique<PlayerRecord>(*l.players.back());
                       copy->set(pf::playerId, static_cast<std::uint16_t>(l.nextPlayerId()));
                       l.addPlayer(std::move(copy));
                   }},
        ChangeCase{"removed", difference::playerRemoved, "", [](League& l) { l.removePlayer(l.players.size() - 1); }},
        ChangeCase{"moved",
                   difference::playerMoved,
                   "",
                   [](League& l) {
                       l.players.front()->set(pf::level,
                                              static_cast<std::uint8_t>(l.players.front()->level() == 2 ? 3 : 2));
                   }},
        ChangeCase{"field",
                   difference::playerField,
                   std::string(firstFloatField().name),
                   [](League& l) { writeNumber(*l.players.front(), firstFloatField(), 0.125); }},
        ChangeCase{"pitch",
                   difference::playerField,
                   "pitches[2]",
                   [](League& l) {
                       PitchSlot pitch = l.players.front()->pitch(2);
                       pitch.set(ps::quality, pitch.get(ps::quality) + 1.0f);
                       l.players.front()->setPitch(2, pitch);
                   }},
        ChangeCase{"familiarity",
                   difference::playerField,
                   "familiarity[4]",
                   [](League& l) { l.players.front()->setFamiliarity(4, 0.75f); }},
        ChangeCase{"history line changed",
                   difference::historyChanged,
                   " hits",
                   [](League& l) {
                       BattingLine& line = battingOf(l).batting.front();
                       BattingLineData data = decodeBattingLine(line);
                       ++data.hits;
                       encodeBattingLine(data, line);
                   }},
        ChangeCase{"history line added",
                   difference::historyAdded,
                   "batting 1900 ",
                   [](League& l) {
                       StatHistory& history = battingOf(l);
                       BattingLine line = history.batting.front();
                       BattingLineData data = decodeBattingLine(line);
                       data.year = 1900;
                       encodeBattingLine(data, line);
                       history.batting.push_back(line);
                   }},
        ChangeCase{"history line removed",
                   difference::historyRemoved,
                   "batting ",
                   [](League& l) { battingOf(l).batting.pop_back(); }},
        ChangeCase{"team field",
                   difference::teamField,
                   "city",
                   [](League& l) { l.team(3).record.set(tf::city, std::string("Elsewhere")); }},
        ChangeCase{"roster",
                   difference::roster,
                   "removed",
                   [](League& l) {
                       TeamRecord& team = l.team(1).record;
                       for (int slot = 0; slot < kRosterSize; ++slot) {
                           if (team.rosterId(slot) > 0) {
                               team.setRosterId(slot, -1);
                               return;
                           }
                       }
                   }},
        ChangeCase{"lineup",
                   difference::lineup,
                   "AA slot 4",
                   [](League& l) {
                       LineupSlot slot = l.team(2).record.lineupSlot(LineupKind::AA, 3);
                       slot.position = slot.position == 5 ? 6 : 5;
                       l.team(2).record.setLineupSlot(LineupKind::AA, 3, slot);
                   }},
        ChangeCase{"rotation",
                   difference::rotation,
                   "AAA starter 5",
                   [](League& l) { l.team(2).record.setRotationSlot(1, 4, -1); }},
        ChangeCase{"season", difference::season, "seasonDay", [](League& l) {
                       l.seasonHeader.set(sh::seasonDay,
                                          static_cast<std::uint16_t>(l.seasonHeader.get(sh::seasonDay) + 1));
                   }}));

TEST(LeagueDiff, ValuesAreShownOnBothSidesAndLinesNameTheChangedField) {
    const auto before = smallLeague();
    const auto after = smallLeague();
    StatHistory& history = battingOf(*after);
    BattingLine& line = history.batting.front();
    BattingLineData data = decodeBattingLine(line);
    const int hits = data.hits;
    ++data.hits;
    encodeBattingLine(data, line);
    after->team(3).record.set(tf::city, std::string("Elsewhere"));

    const auto differences = diffLeagues(*before, *after);
    ASSERT_EQ(differences.size(), 2u) << ::testing::PrintToString(differences);
    EXPECT_TRUE(differences[0].item.ends_with(" hits")) << differences[0];
    EXPECT_EQ(differences[0].before, std::to_string(hits));
    EXPECT_EQ(differences[0].after, std::to_string(hits + 1));
    EXPECT_EQ(differenceLine(differences[1]),
              "team-field: team 3 " + after->teamName(3) + ": city: " + before->team(3).record.get(tf::city) +
                  " -> Elsewhere");
}

}  // namespace
}  // namespace zt::test
