// "Import Team": rosters, the three passes and their extras, factors.zt, the generated database.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "csv_import_fixture.h"
#include "league/error.h"
#include "ratings/import_factors.h"
#include "ratings/team_import.h"
#include "sample/database_generator.h"
#include "support/temp_dir.h"

namespace zt::test {
namespace {

namespace fs = std::filesystem;

class TeamImport : public CsvImportFixture, public ::testing::Test {
protected:
    void SetUp() override {
        writeText(m_dir / "teammaster.csv",
                  "TeamID,FranchiseID,FirstYear,LastYear,League,Name\nOLD,OLF,1990,1999,AL,Old Town\n");
        writeText(m_dir / "rosters.csv",
                  "OLD,1994,other01,500,0,150,O\n"
                  "OLD,1995,short01,150,10,30,2/S\n"
                  "OLD,1995,slugg01,250,0,120,O13\n"
                  "OLD,1995,ironm01,5,230,33,P\n"
                  "OLD,1995,works01,0,300,40,P\n"
                  "OLD,1996,short01,500,0,150,2\n");
        writeText(m_dir / "battingstats.csv",
                  "FirstName,LastName,PlayerID,Bats,G,AB,H,2B,3B,HR,BB,SO,SB,CS\n"
                  "Sam,Short,short01,R,400,1500,400,60,10,20,100,200,40,10\n"
                  "Sal,Slugger,slugg01,L,1200,4400,2100,400,40,300,500,900,10,5\n"
                  "Ira,Ironman,ironm01,R,300,500,50,5,0,1,10,200,0,0\n");
        writeText(m_dir / "pitchingstats.csv",
                  "FirstName,LastName,PlayerID,Throws,W,L,PitG,IP,OppH,OppBB,OppSO,OppHR,ER\n"
                  "Ira,Ironman,ironm01,R,300,200,600,2900,2500,800,1500,200,1000\n"
                  "Wes,Workhorse,works01,L,250,280,700,4800,4500,1200,2600,300,1800\n"
                  "Sam,Short,short01,R,0,0,2,2,3,1,0,0,1\n");
        writeText(m_dir / "fieldingstats.csv",
                  "FirstName,LastName,PlayerID,Position,FieldG,PO,A,E,DP\n"
                  "Sam,Short,short01,S,50,80,150,10,30\n"
                  "Sam,Short,short01,2,350,700,1000,20,200\n"
                  "Sal,Slugger,slugg01,O,1100,2000,60,40,10\n");
        league->seasonHeader.set(sh::seasonYear, 2001);
        league->clearChanged();
    }

    TeamImportResult importYear(int year, const TeamModeSettings& settings = {}) {
        TeamImportRequest request;
        request.team = *readTeamMaster(m_dir.path()).find("old");
        request.year = year;
        request.settings = settings;
        CsvImportContext ctx = context();
        return importTeam(m_dir.path(), request, ctx);
    }

    PlayerRecord* named(const std::string& lastName) {
        for (auto it = league->players.rbegin(); it != league->players.rend(); ++it) {
            if ((*it)->get(pf::lastName) == lastName) {
                return it->get();
            }
        }
        return nullptr;
    }

    const StatHistory& historyOf(const PlayerRecord& p) { return *findHistory(league->playerHistories, p.playerId()); }

    TempDir m_dir;
};

TEST_F(TeamImport, CreatesTheRosterAndSetsTheSeasonDay) {
    const std::size_t before = league->players.size();
    const TeamImportResult result = importYear(1995);
    EXPECT_EQ(teamImportMessage(result), "4 players created");
    EXPECT_EQ(result.counts.created, 4);
    EXPECT_EQ(league->players.size(), before + 4);
    EXPECT_EQ(league->seasonHeader.get(sh::seasonDay), 12);
    EXPECT_TRUE(league->changed());
    EXPECT_EQ(memory.referenceYear, 1995);
}

TEST_F(TeamImport, LevelsPositionsAndFieldingLine) {
    importYear(1995);
    PlayerRecord* shortstop = named("Short");
    ASSERT_NE(shortstop, nullptr);
    EXPECT_EQ(shortstop->level(), 1);  // 150 at-bats and 10 innings: below both minimums
    EXPECT_EQ(shortstop->get(pf::position), 4);
    EXPECT_EQ(shortstop->get(pf::secondPosition), 4);
    EXPECT_FLOAT_EQ(shortstop->familiarity(3), 1.0f);
    EXPECT_FLOAT_EQ(shortstop->familiarity(5), 0.6f);
    // Only the fielding row of the roster's first position is his; 2 innings are not pitching.
    const StatHistory& history = historyOf(*shortstop);
    ASSERT_EQ(history.fielding.size(), 1u);
    const FieldingLineData line = decodeFieldingLine(history.fielding[0]);
    EXPECT_EQ(line.year, 2000);
    EXPECT_EQ(line.games, 350);
    EXPECT_EQ(line.putouts, 700);
    EXPECT_EQ(line.assists, 1000);
    EXPECT_EQ(line.doublePlays, 200);
    EXPECT_EQ(line.position, 4);
    EXPECT_TRUE(history.pitching.empty());
    EXPECT_FLOAT_EQ(shortstop->get(pf::fieldingPct), 700.0f / 720.0f);
    PlayerRecord* slugger = named("Slugger");
    ASSERT_NE(slugger, nullptr);
    EXPECT_EQ(slugger->level(), 0);
    EXPECT_EQ(slugger->get(pf::position), 8);
}

TEST_F(TeamImport, MoreThan2000HitsSplitIntoLines) {
    importYear(1995);
    const StatHistory& slugger = historyOf(*named("Slugger"));
    ASSERT_EQ(slugger.batting.size(), 2u);
    EXPECT_EQ(decodeBattingLine(slugger.batting[1]).hits, 1050);
    EXPECT_EQ(decodeBattingLine(slugger.batting[0]).atBats, 2200);
    const StatHistory& ironman = historyOf(*named("Ironman"));
    ASSERT_EQ(ironman.pitching.size(), 2u);
    const PitchingLineData half = decodePitchingLine(ironman.pitching[0]);
    EXPECT_EQ(half.hits, 1250);
    EXPECT_EQ(half.outsPitched, 4350);
    EXPECT_EQ(half.wins, 150);
    EXPECT_EQ(half.earnedRuns, 500);
    EXPECT_EQ(half.runs, 500);
    EXPECT_EQ(half.games, 300);
    const StatHistory& workhorse = historyOf(*named("Workhorse"));
    ASSERT_EQ(workhorse.pitching.size(), 3u);
    const PitchingLineData third = decodePitchingLine(workhorse.pitching[2]);
    EXPECT_EQ(third.hits, 1500);
    EXPECT_EQ(third.wins, 83);
    EXPECT_EQ(third.year, 2000);
}

TEST_F(TeamImport, PitcherRatingsFromInnings) {
    importYear(1995);
    const PlayerRecord& ironman = *named("Ironman");
    EXPECT_EQ(ironman.get(pf::pitchCount), 3);
    EXPECT_EQ(ironman.get(pf::position), 1);
    // Opponents' at-bats from the innings, then the walks adjusted.
    EXPECT_FLOAT_EQ(ironman.get(pf::pitAB), 10620.0f);  // 2900 * 2.8 + 2500
    const double walks = 0.91 * 800 * (10620 - 800) / 10620.0;
    EXPECT_FLOAT_EQ(ironman.get(pf::pitWalks), static_cast<float>(std::round(walks)));
    EXPECT_FLOAT_EQ(ironman.get(pf::endurance), static_cast<float>(2900.0 / 600 * 1.27));
}

TEST_F(TeamImport, PerformanceNormalisedWhenAsked) {
    TeamModeSettings settings;
    settings.battingTo600 = true;
    settings.pitchingTo800 = true;
    settings.endurance = EnduranceBase::ImportedYearStats;
    importYear(1995, settings);
    EXPECT_FLOAT_EQ(named("Slugger")->get(pf::batAB), 600.0f);
    EXPECT_FLOAT_EQ(named("Ironman")->get(pf::pitAB), 800.0f);
    EXPECT_FLOAT_EQ(named("Ironman")->get(pf::endurance), static_cast<float>(2900.0 / 33 * 1.27));
}

TEST_F(TeamImport, YearOutsideTheSpanChangesNothing) {
    const std::size_t before = league->players.size();
    try {
        importYear(1989);
        FAIL() << "no error";
    } catch (const Error& e) {
        EXPECT_STREQ(e.what(), "Invalid year for this team");
    }
    EXPECT_EQ(league->players.size(), before);
    EXPECT_FALSE(league->changed());
}

TEST_F(TeamImport, DamagedStatisticsFileChangesNothing) {
    writeText(m_dir / "fieldingstats.csv", "FirstName,LastName,PlayerID,Position\nA,B,c\n");
    const auto day = league->seasonHeader.get(sh::seasonDay);
    const std::size_t before = league->players.size();
    EXPECT_THROW(importYear(1995), Error);
    EXPECT_EQ(league->players.size(), before);
    EXPECT_EQ(league->seasonHeader.get(sh::seasonDay), day);
    EXPECT_FALSE(league->changed());
}

TEST(Roster, LevelFromMinAbAndMinIp) {
    const CsvText rosters = CsvText::parse(
        "T,1995,a,150,10,1,P\nT,1995,b,250,10,1,P\nT,1995,c,150,25,1,P\n"
        "U,1995,d,0,0,1,P\nT,1995,e,0,0,1,P\n",
        "rosters.csv");
    const std::vector<RosterPlayer> roster = readRoster(rosters, "T", 1995, ImportFactors{});
    ASSERT_EQ(roster.size(), 3u);  // reading stops after the team's block
    EXPECT_EQ(roster[0].level, 1);
    EXPECT_EQ(roster[1].level, 0);
    EXPECT_EQ(roster[2].level, 0);
}

TEST(Factors, RoundTripMissingAndDamaged) {
    TempDir dir;
    const fs::path file = dir / "factors.zt";
    EXPECT_FALSE(readImportFactors(file).has_value());
    const ImportFactors factors{150, 15.5, 2.75, 0.9, 1.05, 1.3333};
    writeImportFactors(file, factors);
    EXPECT_EQ(fs::file_size(file), 48u);
    EXPECT_EQ(readImportFactors(file), factors);
    EXPECT_EQ(readBytes(file)[0], 0x60);  // 150 * 10000 = 0x16E360, little-endian
    writeText(file, "short");
    EXPECT_THROW(readImportFactors(file), Error);
}

TEST(Factors, DatabaseFolderFoundWithoutRegardToCase) {
    TempDir dir;
    fs::create_directories(dir / "database");
    writeImportFactors(dir / "database" / "FACTORS.ZT", ImportFactors{});
    EXPECT_EQ(databaseFolder(dir.path()).filename(), "database");
    EXPECT_EQ(factorsFile(dir.path()).filename(), "FACTORS.ZT");
}

// The index by player identifier gives what a scan of every row for every roster player gives.
TEST(GeneratedDatabase, IndexedImportEqualsTheFullScan) {
    TempDir dir;
    sample::generateDatabase(dir.path(), {7, 3, 1996, 1998, 40});
    const TeamMaster master = readTeamMaster(dir.path());
    ASSERT_EQ(master.teams.size(), 3u);
    auto run = [&](bool scan) {
        LeagueShape shape;
        auto league = buildLeague(shape);
        league->currentPlayer = league->players.front().get();
        const CsvColumns columns = CsvColumns::builtIn();
        CsvImportMemory memory;
        ScriptedInteraction interaction;
        NoProgress progress;
        CsvImportContext ctx{
            *league, columns, LeagueConstants::defaults(), ImportFactors{}, memory, interaction, progress};
        TeamImportRequest request;
        request.team = master.teams[1];
        request.year = 1997;
        request.destination = 1;
        request.scanEveryRow = scan;
        const TeamImportResult result = importTeam(dir.path(), request, ctx);
        EXPECT_EQ(result.rosterPlayers, 40);
        return league;
    };
    const auto indexed = run(false);
    const auto scanned = run(true);
    ASSERT_EQ(indexed->players.size(), scanned->players.size());
    for (std::size_t i = 0; i < indexed->players.size(); ++i) {
        EXPECT_EQ(*indexed->players[i], *scanned->players[i]) << "player " << i;
    }
    for (std::size_t i = 0; i < indexed->playerHistories.size(); ++i) {
        EXPECT_EQ(*indexed->playerHistories[i], *scanned->playerHistories[i]);
    }
    EXPECT_EQ(indexed->team(1).record, scanned->team(1).record);
}

TEST(GeneratedDatabase, SameSeedSameBytes) {
    TempDir a;
    TempDir b;
    sample::generateDatabase(a.path(), {5, 2, 1990, 1991, 30});
    sample::generateDatabase(b.path(), {5, 2, 1990, 1991, 30});
    EXPECT_EQ(snapshotFolder(a.path()), snapshotFolder(b.path()));
    EXPECT_EQ(snapshotFolder(a.path()).size(), 5u);
}

}  // namespace
}  // namespace zt::test
