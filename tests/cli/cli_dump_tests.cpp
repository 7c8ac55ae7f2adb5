#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <nlohmann/json.hpp>

#include "cli/league_json.h"
#include "cli_test_support.h"
#include "league/league.h"
#include "league/league_io.h"
#include "league/player_fields.h"
#include "league/players_file.h"
#include "support/temp_dir.h"

namespace zt::test {
namespace {

using nlohmann::json;

// A JSON number or string read back as the float the dump stands for.
float jsonFloat(const json& value) {
    if (value.is_string()) {
        const auto text = value.get<std::string>();
        if (text == "NaN") {
            return std::nanf("");
        }
        return text == "Infinity" ? INFINITY : -INFINITY;
    }
    return static_cast<float>(value.get<double>());
}

bool sameFloat(float a, float b) {
    return (std::isnan(a) && std::isnan(b)) || a == b;
}

class CliDumpTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        s_dir = std::make_unique<TempDir>();
        const auto run = runTool({"generate", s_dir->path().string(), "--seed", "3"});
        ASSERT_EQ(run.exitCode, 0) << run.err;
        s_league = openLeague(s_dir->path() / "Sample.sea");
    }
    static void TearDownTestSuite() {
        s_league.reset();
        s_dir.reset();
    }

    static json dump(const std::string& what) {
        const auto run = runTool({"dump", what, (s_dir->path() / "Sample.sea").string()});
        EXPECT_EQ(run.exitCode, 0) << run.err;
        return json::parse(run.out);
    }

    static std::unique_ptr<TempDir> s_dir;
    static std::unique_ptr<League> s_league;
};

std::unique_ptr<TempDir> CliDumpTest::s_dir;
std::unique_ptr<League> CliDumpTest::s_league;

TEST_F(CliDumpTest, PlayersMatchTheRecordsFieldByField) {
    const json players = dump("players");
    ASSERT_EQ(players.size(), s_league->players.size());
    for (std::size_t i = 0; i < players.size(); ++i) {
        const auto& record = *s_league->players[i];
        const auto& p = players[i];
        ASSERT_EQ(p.at("index").get<std::size_t>(), i);
        for (const auto& field : playerFieldTable()) {
            const auto& value = p.at(std::string(field.name));
            if (field.type == FieldType::Text) {
                EXPECT_EQ(value.get<std::string>(), readText(record, field)) << field.name;
            } else if (field.type == FieldType::F32) {
                EXPECT_TRUE(sameFloat(jsonFloat(value), record.getAt<float>(field.offset))) << field.name;
            } else {
                EXPECT_EQ(value.get<double>(), readNumber(record, field)) << field.name;
            }
        }
        ASSERT_EQ(p.at("pitches").size(), 6u);
        for (int k = 0; k < 6; ++k) {
            const auto slot = record.pitch(k);
            const auto& pitch = p.at("pitches")[static_cast<std::size_t>(k)];
            EXPECT_EQ(pitch.at("pitchType").get<int>(), slot.get(ps::pitchType));
            EXPECT_TRUE(sameFloat(jsonFloat(pitch.at("quality")), slot.get(ps::quality)));
            EXPECT_TRUE(sameFloat(jsonFloat(pitch.at("slgVsR")), slot.get(ps::slgVsR)));
        }
        ASSERT_EQ(p.at("familiarity").size(), 9u);
        for (int k = 0; k < 9; ++k) {
            EXPECT_TRUE(sameFloat(jsonFloat(p.at("familiarity")[static_cast<std::size_t>(k)]), record.familiarity(k)));
        }
    }
}

TEST_F(CliDumpTest, PlayerFieldsSitAtTheirRecordOffsets) {
    // Read a few fields straight from the bytes, independently of the field table.
    const json players = dump("players");
    const auto& bytes = s_league->players[0]->bytes();
    const auto& p = players[0];
    EXPECT_EQ(p.at("playerId").get<int>(), bytes[34] | (bytes[35] << 8));
    EXPECT_EQ(p.at("teamIndex").get<int>(), bytes[38]);
    EXPECT_EQ(p.at("level").get<int>(), bytes[77]);
    EXPECT_EQ(p.at("peakShift").get<int>(), static_cast<std::int8_t>(bytes[56]));
    float avgVsR = 0;
    std::memcpy(&avgVsR, bytes.data() + 256, 4);
    EXPECT_EQ(jsonFloat(p.at("avgVsR")), avgVsR);
    EXPECT_EQ(p.at("lastName").get<std::string>(),
              std::string(reinterpret_cast<const char*>(bytes.data()),
                          strnlen(reinterpret_cast<const char*>(bytes.data()), 16)));
}

TEST_F(CliDumpTest, HistoryLinesMatchTheDecodedLines) {
    const json history = dump("history");
    ASSERT_EQ(history.at("players").size(), s_league->playerHistories.size());
    ASSERT_EQ(history.at("teams").size(), s_league->teamHistories.size());
    for (std::size_t b = 0; b < s_league->playerHistories.size(); ++b) {
        const auto& block = *s_league->playerHistories[b];
        const auto& j = history.at("players")[b];
        ASSERT_EQ(j.at("key").get<int>(), block.key);
        ASSERT_EQ(j.at("batting").size(), block.batting.size());
        ASSERT_EQ(j.at("pitching").size(), block.pitching.size());
        ASSERT_EQ(j.at("fielding").size(), block.fielding.size());
        for (std::size_t i = 0; i < block.batting.size(); ++i) {
            const auto d = decodeBattingLine(block.batting[i]);
            const auto& line = j.at("batting")[i];
            EXPECT_EQ(line.at("year").get<int>(), d.year);
            EXPECT_EQ(line.at("atBats").get<int>(), d.atBats);
            EXPECT_EQ(line.at("hits").get<int>(), d.hits);
            EXPECT_EQ(line.at("pinchBaseHits").get<int>(), d.pinchBaseHits);
            EXPECT_EQ(line.size(), 24u);
        }
        for (std::size_t i = 0; i < block.pitching.size(); ++i) {
            const auto d = decodePitchingLine(block.pitching[i]);
            const auto& line = j.at("pitching")[i];
            EXPECT_EQ(line.at("outsPitched").get<int>(), d.outsPitched);
            EXPECT_EQ(line.at("earnedRuns").get<int>(), d.earnedRuns);
            EXPECT_EQ(line.at("pitchCount").get<int>(), d.pitchCount);
            EXPECT_EQ(line.size(), 30u);
        }
        for (std::size_t i = 0; i < block.fielding.size(); ++i) {
            const auto d = decodeFieldingLine(block.fielding[i]);
            const auto& line = j.at("fielding")[i];
            EXPECT_EQ(line.at("position").get<int>(), d.position);
            EXPECT_EQ(line.at("outsPlayed").get<int>(), d.outsPlayed);
            EXPECT_EQ(line.size(), 13u);
        }
    }
}

TEST_F(CliDumpTest, SeasonMatchesHeaderNamesAndTeams) {
    const json season = dump("season");
    const auto& header = season.at("header");
    EXPECT_EQ(header.at("seasonVersion").get<std::string>(), "4.0.09");
    EXPECT_EQ(header.at("teamCount").get<int>(), s_league->teamCount());
    for (int round = 0; round < 3; ++round) {
        EXPECT_EQ(header.at("playoffBestOf")[static_cast<std::size_t>(round)].get<int>(),
                  s_league->seasonHeader.playoffBestOf(round));
    }
    EXPECT_EQ(header.at("seasonDay").get<int>(), s_league->seasonHeader.get(sh::seasonDay));
    for (std::size_t n = 0; n < 2; ++n) {
        const auto& names = season.at("leagueNames")[n];
        EXPECT_EQ(names.at("name").get<std::string>(), s_league->leagueNames[n].get(LeagueNames::name));
        for (int d = 0; d < 3; ++d) {
            EXPECT_EQ(names.at("divisions")[static_cast<std::size_t>(d)].get<std::string>(),
                      s_league->leagueNames[n].divisionName(d));
        }
    }
    ASSERT_EQ(season.at("teams").size(), s_league->teams.size());
    for (std::size_t t = 0; t < s_league->teams.size(); ++t) {
        const auto& record = s_league->teams[t].record;
        const auto& team = season.at("teams")[t];
        EXPECT_EQ(team.at("city").get<std::string>(), record.get(tf::city));
        for (int slot = 0; slot < 120; ++slot) {
            EXPECT_EQ(team.at("roster")[static_cast<std::size_t>(slot)].get<int>(), record.rosterId(slot));
        }
        for (int kind = 0; kind < 7; ++kind) {
            for (int slot = 0; slot < 9; ++slot) {
                const auto s = record.lineupSlot(static_cast<LineupKind>(kind), slot);
                const auto& j = team.at("lineups")[static_cast<std::size_t>(kind)][static_cast<std::size_t>(slot)];
                EXPECT_EQ(j.at("playerId").get<int>(), s.playerId);
                EXPECT_EQ(j.at("position").get<int>(), s.position);
            }
        }
        for (int level = 0; level < 4; ++level) {
            for (int slot = 0; slot < 5; ++slot) {
                EXPECT_EQ(
                    team.at("rotations")[static_cast<std::size_t>(level)][static_cast<std::size_t>(slot)].get<int>(),
                    record.rotationSlot(level, slot));
            }
        }
        EXPECT_EQ(team.at("managerProfile").size(), 13u);
        EXPECT_EQ(team.at("entryCount").get<int>(), static_cast<int>(s_league->teams[t].entries.size()));
        EXPECT_EQ(team.at("wins").get<int>(), record.get(tf::wins));
    }
    EXPECT_EQ(season.at("trailerItems").get<std::size_t>(), s_league->seasonTrailer.size());
}

TEST_F(CliDumpTest, ScoresAndPlayoffsHoldEveryValueWithFloatsWhereStored) {
    const json scores = dump("scores");
    ASSERT_EQ(scores.at("days").size(), s_league->gameScores.size());
    for (std::size_t d = 0; d < s_league->gameScores.size(); ++d) {
        ASSERT_EQ(scores.at("days")[d].size(), 15u);
        for (std::size_t g = 0; g < 15; ++g) {
            const auto& game = s_league->gameScores[d].games[g];
            const auto& values = scores.at("days")[d][g];
            ASSERT_EQ(values.size(), 13u);
            for (int i = 0; i < 13; ++i) {
                const auto& v = values[static_cast<std::size_t>(i)];
                if (GameResult::isFloatValue(i)) {
                    EXPECT_TRUE(sameFloat(jsonFloat(v), game.floatValue(i)));
                } else {
                    EXPECT_TRUE(v.is_number_integer());
                    EXPECT_EQ(v.get<int>(), game.intValue(i));
                }
            }
        }
    }
    const json playoffs = dump("playoffs");
    ASSERT_EQ(playoffs.at("series").size(), 7u);
    for (std::size_t s = 0; s < 7; ++s) {
        ASSERT_EQ(playoffs.at("series")[s].at("games").size(), 7u);
        for (std::size_t g = 0; g < 7; ++g) {
            EXPECT_EQ(playoffs.at("series")[s].at("games")[g][0].get<int>(),
                      s_league->playoffSeries[s].games[g].intValue(0));
        }
    }
}

TEST(CliJsonTest, FloatsAreWrittenAsTheirShortestText) {
    struct Case {
        float value;
        const char* text;
    };
    for (const auto& c : {Case{0.3f, "0.3"},
                          Case{0.1f, "0.1"},
                          Case{-2.5f, "-2.5"},
                          Case{1.0e-7f, "1e-07"},
                          Case{std::nanf(""), "\"NaN\""},
                          Case{INFINITY, "\"Infinity\""},
                          Case{-INFINITY, "\"-Infinity\""}}) {
        EXPECT_EQ(cli::floatJson(c.value).dump(), c.text);
    }
}

TEST(CliJsonTest, TextsAreReadAsLatin1) {
    League league;
    auto player = std::make_unique<PlayerRecord>();
    player->set(pf::lastName, "Mu\xf1oz");  // n with tilde in Windows-1252
    league.players.push_back(std::move(player));
    const auto players = cli::playersJson(league);
    EXPECT_EQ(players[0].at("lastName").get<std::string>(), "Mu\xc3\xb1oz");
}

}  // namespace
}  // namespace zt::test
