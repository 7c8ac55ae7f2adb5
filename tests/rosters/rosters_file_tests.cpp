// Rosters management files (.ssr): what an export writes, what an import takes and ignores,
// its question and the undo, and the files it refuses.
#include <gtest/gtest.h>

#include "league/byte_record.h"
#include "league/error.h"
#include "league/league.h"
#include "rosters/lineup_check.h"
#include "rosters/lineup_edit.h"
#include "rosters/rosters_file.h"
#include "sample/sample_league.h"
#include "support/league_builder.h"
#include "support/scripted_interaction.h"
#include "support/temp_dir.h"

namespace zt::test {
namespace {

constexpr int kTeam = 3;
constexpr int kOtherTeam = 4;

// Every player record and team record: the state an import must leave alone or restore.
struct LeagueState {
    std::vector<PlayerRecord> players;
    std::vector<TeamRecord> teams;
    bool changed;
    bool operator==(const LeagueState&) const = default;
};

class RostersFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        sample::SampleOptions options;
        options.playersPerTeam = 72;
        options.freeAgents = 10;
        options.years = 1;
        options.days = 4;
        m_league = sample::buildSampleLeague(options).league;
        // The generated lineups as the check leaves them, so a check alone changes nothing here.
        ScriptedInteraction quiet;
        for (int t = 0; t < m_league->teamCount(); ++t) {
            checkLineups(*m_league, t, quiet);
        }
        m_league->clearChanged();
    }

    LeagueState state() const {
        LeagueState s{{}, {}, m_league->changed()};
        for (const auto& player : m_league->players) {
            s.players.push_back(*player);
        }
        for (const Team& team : m_league->teams) {
            s.teams.push_back(team.record);
        }
        return s;
    }

    RostersFile fileOf(int team) { return parseRostersFile(rostersFileBytes(*m_league, team), "team.ssr", *m_league); }

    PlayerRecord* firstPlayerOf(int team, const std::function<bool(const PlayerRecord&)>& also = {}) {
        for (const auto& player : m_league->players) {
            if (player->teamIndex() == team && (!also || also(*player))) {
                return player.get();
            }
        }
        return nullptr;
    }

    // A player of the team whom no lineup or rotation of it names, so no check touches him.
    PlayerRecord* benchPlayer(int team, const PlayerRecord* besides = nullptr) {
        const TeamRecord& record = m_league->team(team).record;
        return firstPlayerOf(team, [&](const PlayerRecord& p) {
            for (int kind = 0; kind < kLineupKinds; ++kind) {
                for (int slot = 0; slot < kLineupSlots; ++slot) {
                    if (record.lineupSlot(static_cast<LineupKind>(kind), slot).playerId == p.playerId()) {
                        return false;
                    }
                }
            }
            for (int level = 0; level < kRotationLevels; ++level) {
                for (int slot = 0; slot < kRotationSlots; ++slot) {
                    if (record.rotationSlot(level, slot) == p.playerId()) {
                        return false;
                    }
                }
            }
            return &p != besides && p.get(pf::position) != 1 && p.level() <= 3;
        });
    }

    std::unique_ptr<League> m_league;
    ScriptedInteraction m_ask;
};

TEST_F(RostersFileTest, AFortyPlayerTeamGivesItsRecordAndSixBytesPerPlayer) {
    int kept = 0;
    for (auto& player : m_league->players) {
        if (player->teamIndex() == kTeam && ++kept > 40) {
            player->set(pf::teamIndex, kFreeAgentTeam);
        }
    }
    const std::vector<std::uint8_t> bytes = rostersFileBytes(*m_league, kTeam);
    ASSERT_EQ(bytes.size(), 1728U + 240U);
    const TeamRecord& record = m_league->team(kTeam).record;
    EXPECT_TRUE(std::equal(record.bytes().begin(), record.bytes().end(), bytes.begin()));
    const PlayerRecord& first = *firstPlayerOf(kTeam);
    EXPECT_EQ(loadLE<std::int32_t>(&bytes[1728]), first.playerId());
    EXPECT_EQ(bytes[1732], first.level());
    EXPECT_EQ(bytes[1733], first.get(pf::role));
}

TEST_F(RostersFileTest, ImportingTheFileJustExportedChangesNothingAndSaysSo) {
    ASSERT_TRUE(lineupsComplete(*m_league, kTeam));
    ASSERT_TRUE(prepareRostersExport(*m_league, kTeam, m_ask));
    const RostersFile file = fileOf(kTeam);
    const LeagueState before = state();

    const RostersImportResult result = importRosters(*m_league, file, m_ask);

    EXPECT_TRUE(result.kept);
    EXPECT_EQ(result.team, kTeam);
    LeagueState after = state();
    EXPECT_EQ(after.players, before.players);
    EXPECT_EQ(after.teams, before.teams);
    EXPECT_EQ(m_ask.texts(),
              std::vector<std::string>{m_league->team(kTeam).record.get(tf::name) +
                                       " Rosters management succesfully imported"});
}

TEST_F(RostersFileTest, OnlyLineupsRotationsProfileLevelsAndRolesComeIn) {
    RostersFile file = fileOf(kTeam);
    // A file whose other parts differ: none of them may reach the team.
    file.record.set(tf::name, "Other");
    file.record.set(tf::humanControlled, 1 - m_league->team(kTeam).record.get(tf::humanControlled));
    file.record.set(tf::wins, 99);
    file.record.set(tf::losses, 98);
    file.record.setRosterId(0, 4242);
    file.record.setManagerProfile(3, 0.25F);
    const LineupSlot swappedA = file.record.lineupSlot(LineupKind::AAA, 0);
    const LineupSlot swappedB = file.record.lineupSlot(LineupKind::AAA, 1);
    file.record.setLineupSlot(LineupKind::AAA, 0, swappedB);
    file.record.setLineupSlot(LineupKind::AAA, 1, swappedA);
    PlayerRecord* bench = benchPlayer(kTeam);
    ASSERT_NE(bench, nullptr);
    for (RostersEntry& entry : file.entries) {
        if (entry.playerId == bench->playerId()) {
            entry.level = 6;  // the inactive list: no lineup or rotation names a bench player there
        }
    }
    TeamRecord expected = m_league->team(kTeam).record;
    expected.setManagerProfile(3, 0.25F);
    expected.setLineupSlot(LineupKind::AAA, 0, swappedB);
    expected.setLineupSlot(LineupKind::AAA, 1, swappedA);

    importRosters(*m_league, file, m_ask);

    const TeamRecord& record = m_league->team(kTeam).record;
    EXPECT_EQ(record.get(tf::name), expected.get(tf::name));
    EXPECT_EQ(record.get(tf::humanControlled), expected.get(tf::humanControlled));
    EXPECT_EQ(record.get(tf::losses), expected.get(tf::losses));
    EXPECT_EQ(record.rosterId(0), expected.rosterId(0));
    EXPECT_EQ(record.get(tf::wins), expected.get(tf::wins));
    EXPECT_FLOAT_EQ(record.managerProfile(3), 0.25F);
    EXPECT_EQ(record.lineupSlot(LineupKind::AAA, 0).playerId, swappedB.playerId);
    EXPECT_EQ(bench->level(), 6);
    EXPECT_TRUE(m_league->changed());
}

TEST_F(RostersFileTest, TransferredAndInjuredPlayersAreIgnored) {
    RostersFile file = fileOf(kTeam);
    PlayerRecord* moved = benchPlayer(kTeam);
    PlayerRecord* injured = benchPlayer(kTeam, moved);
    ASSERT_NE(moved, nullptr);
    ASSERT_NE(injured, nullptr);
    moved->set(pf::teamIndex, std::uint8_t{kOtherTeam});
    injured->set(pf::level, std::uint8_t{7});
    injured->set(pf::daysOut, std::uint16_t{12});
    const PlayerRecord movedBefore = *moved;
    const PlayerRecord injuredBefore = *injured;
    for (RostersEntry& entry : file.entries) {
        if (entry.playerId == moved->playerId() || entry.playerId == injured->playerId()) {
            entry.level = 1;
            entry.role = 4;
        }
    }
    importRosters(*m_league, file, m_ask);
    EXPECT_EQ(moved->level(), movedBefore.level());
    EXPECT_EQ(moved->get(pf::role), movedBefore.get(pf::role));
    EXPECT_EQ(injured->level(), 7);
    EXPECT_EQ(injured->get(pf::daysOut), 12);
    EXPECT_EQ(injured->get(pf::role), injuredBefore.get(pf::role));
}

TEST_F(RostersFileTest, AnsweringNoRestoresTheTeamAndItsPlayersExactly) {
    RostersFile file = fileOf(kTeam);
    file.record.setRotationSlot(0, 2, -1);  // incomplete: the question follows the check
    file.record.setManagerProfile(0, 0.3F);
    for (RostersEntry& entry : file.entries) {
        entry.role = entry.role == 2 ? 3 : entry.role;
    }
    // An injured player in a lineup: the check asks about him first, and Yes heals him.
    const std::int32_t batter = file.record.lineupSlot(LineupKind::MajorVsR, 0).playerId;
    PlayerRecord* hurt = m_league->findPlayerById(static_cast<std::uint32_t>(batter));
    ASSERT_NE(hurt, nullptr);
    hurt->set(pf::daysOut, std::uint16_t{3});
    const LeagueState before = state();
    int shown = 0;

    m_ask.answerYesNo(true);   // heal him
    m_ask.answerYesNo(false);  // do not keep the import
    const RostersImportResult result = importRosters(*m_league, file, m_ask, [&](int team) {
        EXPECT_EQ(team, kTeam);
        ++shown;
    });

    EXPECT_FALSE(result.kept);
    EXPECT_EQ(shown, 2);
    EXPECT_EQ(state(), before);
    ASSERT_EQ(m_ask.texts().size(), 2U);
    EXPECT_EQ(m_ask.texts()[1],
              "Toronto: It looks like there is an error in the imported lineups or rotations. Do you still want to "
              "import it?");
    EXPECT_EQ(m_ask.yesNoDefaults().back(), DefaultButton::No);
}

TEST_F(RostersFileTest, TwoFilesForTwoTeamsGiveTwoMessages) {
    const RostersFile first = fileOf(kTeam);
    const RostersFile second = fileOf(kOtherTeam);
    importRosters(*m_league, first, m_ask);
    importRosters(*m_league, second, m_ask);
    EXPECT_EQ(m_ask.texts(),
              (std::vector<std::string>{
                  m_league->team(kTeam).record.get(tf::name) + " Rosters management succesfully imported",
                  m_league->team(kOtherTeam).record.get(tf::name) + " Rosters management succesfully imported"}));
}

struct RefusedFileCase {
    const char* name;
    std::size_t size;
    int teamNumber;
    std::string message;
};

class RefusedRostersFileTest : public RostersFileTest, public ::testing::WithParamInterface<RefusedFileCase> {};

TEST_P(RefusedRostersFileTest, AFileThatCannotBeATeamsIsRefusedNamingIt) {
    std::vector<std::uint8_t> bytes = rostersFileBytes(*m_league, kTeam);
    bytes.resize(GetParam().size);
    if (bytes.size() >= 4) {
        storeLE<std::int32_t>(bytes.data(), GetParam().teamNumber);
    }
    try {
        parseRostersFile(bytes, "/x/t.ssr", *m_league);
        ADD_FAILURE() << "accepted";
    } catch (const Error& e) {
        EXPECT_EQ(std::string(e.what()), GetParam().message);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Files,
    RefusedRostersFileTest,
    ::testing::Values(
        RefusedFileCase{"Short",
                        1727,
                        3,
                        "The file \"/x/t.ssr\" is not a rosters management file: it holds 1727 bytes, fewer than the "
                        "1728 of a team record."},
        RefusedFileCase{"BrokenEntry",
                        1728 + 6 * 3 + 4,
                        3,
                        "The file \"/x/t.ssr\" is damaged: the 22 bytes after its team record are not whole player "
                        "entries of 6 bytes."},
        RefusedFileCase{"NoSuchTeam",
                        1728 + 6,
                        40,
                        "The file \"/x/t.ssr\" is for team 40, which is not a team of this league (0 to 29)."},
        RefusedFileCase{"Negative",
                        1728,
                        -1,
                        "The file \"/x/t.ssr\" is for team -1, which is not a team of this league (0 to 29)."}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace zt::test
