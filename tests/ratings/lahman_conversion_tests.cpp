// convert-lahman on a small synthetic slice of the public database's layout, written here: two
// teams, one season, a player traded in mid-season, blank fields, a quoted field, and the file
// and column sets of older and newer editions.
#include <gtest/gtest.h>

#include <string>

#include "csv_import_fixture.h"
#include "league/error.h"
#include "ratings/lahman_conversion.h"
#include "ratings/team_import.h"
#include "support/fault_sweep.h"
#include "support/league_builder.h"
#include "support/temp_dir.h"

namespace zt::test {
namespace {

namespace fs = std::filesystem;

const char* const kPeople =
    "playerID,birthYear,birthMonth,nameFirst,nameLast,bats,throws\n"
    "smithjo01,1920,5,John,Smith,R,R\n"
    "jonesbo01,1925,,Bob,\"Jones, Jr.\",L,L\n"
    "tradeal01,1922,1,Al,Trader,B,R\n"
    "pitchpe01,1921,2,Pete,Pitcher,R,L\n";
const char* const kTeams =
    "yearID,lgID,teamID,franchID,divID,Rank,G,W,L,name\n"
    "1949,AL,AAA,AFR,,1,154,91,63,Old Alphas\n"
    "1950,AL,AAA,AFR,,1,154,90,64,Alphas\n"
    "1950,AL,BBB,BFR,,2,154,80,74,\"Betas, The\"\n";
const char* const kFielding =
    "playerID,yearID,stint,teamID,lgID,POS,G,GS,InnOuts,PO,A,E,DP\n"
    "smithjo01,1950,1,AAA,AL,SS,150,150,,250,450,20,90\n"
    "tradeal01,1950,1,AAA,AL,OF,55,,,100,5,3,1\n"
    "tradeal01,1950,2,BBB,AL,OF,70,,,140,6,2,2\n"
    "tradeal01,1950,2,BBB,AL,1B,10,,,80,5,1,8\n"
    "jonesbo01,1950,1,BBB,AL,C,140,,,600,60,8,10\n"
    "pitchpe01,1950,1,AAA,AL,P,35,33,,10,40,2,3\n";

// The newer edition: People.csv, "G" in Batting.csv, Appearances.csv.
void writeNewer(const fs::path& dir) {
    fs::create_directories(dir);
    writeText(dir / "People.csv", kPeople);
    writeText(dir / "Teams.csv", kTeams);
    writeText(dir / "Batting.csv",
              "playerID,yearID,stint,teamID,lgID,G,AB,R,H,2B,3B,HR,RBI,SB,CS,BB,SO,IBB,HBP,SH,SF,GIDP\n"
              "smithjo01,1950,1,AAA,AL,150,550,80,165,30,5,20,90,10,4,60,50,,2,1,,10\n"
              "tradeal01,1950,1,AAA,AL,60,200,20,50,10,1,3,20,5,2,15,30,1,1,0,1,4\n"
              "tradeal01,1950,2,BBB,AL,80,300,30,90,15,2,7,40,6,,25,40,2,0,1,2,6\n"
              "jonesbo01,1950,1,BBB,AL,140,500,70,150,25,4,15,70,2,1,50,60,3,1,2,3,8\n"
              "pitchpe01,1950,1,AAA,AL,35,70,3,10,1,0,0,4,0,0,2,30,0,0,5,0,1\n");
    writeText(dir / "Pitching.csv",
              "playerID,yearID,stint,teamID,lgID,W,L,G,GS,CG,SHO,SV,IPouts,H,ER,HR,BB,SO\n"
              "pitchpe01,1950,1,AAA,AL,18,10,35,33,15,3,0,760,230,90,18,80,120\n");
    writeText(dir / "Fielding.csv", kFielding);
    writeText(dir / "Appearances.csv",
              "yearID,teamID,lgID,playerID,G_all,GS,G_batting,G_defense,G_p,G_c,G_1b,G_2b,G_3b,G_ss,G_lf,G_cf,G_rf,"
              "G_of,G_dh,G_ph,G_pr\n"
              "1950,AAA,AL,smithjo01,150,150,150,150,0,0,0,0,0,150,0,0,0,0,0,0,0\n"
              "1950,AAA,AL,tradeal01,60,50,60,55,0,0,0,0,0,0,30,25,0,55,0,5,0\n"
              "1950,BBB,AL,tradeal01,80,70,80,80,0,0,10,0,0,0,70,0,0,70,0,0,0\n"
              "1950,BBB,AL,jonesbo01,140,130,140,140,0,140,0,0,0,0,0,0,0,0,0,0,0\n"
              "1950,AAA,AL,pitchpe01,35,33,35,35,35,0,0,0,0,0,0,0,0,0,0,0,0\n");
}

// The older edition: Master.csv, "G_batting" and "G_old" in Batting.csv, columns in another
// order, no Appearances.csv (positions from Fielding.csv).
void writeOlder(const fs::path& dir) {
    fs::create_directories(dir);
    writeText(dir / "Master.csv", kPeople);
    writeText(dir / "Teams.csv", kTeams);
    writeText(dir / "Batting.csv",
              "playerID,yearID,stint,teamID,lgID,G_batting,G_old,AB,R,H,2B,3B,HR,RBI,SB,CS,BB,SO,IBB,HBP,SH,SF,GIDP\n"
              "smithjo01,1950,1,AAA,AL,150,150,550,80,165,30,5,20,90,10,4,60,50,,2,1,,10\n"
              "tradeal01,1950,1,AAA,AL,60,,200,20,50,10,1,3,20,5,2,15,30,1,1,0,1,4\n"
              "tradeal01,1950,2,BBB,AL,80,,300,30,90,15,2,7,40,6,,25,40,2,0,1,2,6\n"
              "jonesbo01,1950,1,BBB,AL,140,140,500,70,150,25,4,15,70,2,1,50,60,3,1,2,3,8\n"
              "pitchpe01,1950,1,AAA,AL,35,35,70,3,10,1,0,0,4,0,0,2,30,0,0,5,0,1\n");
    writeText(dir / "Pitching.csv",
              "playerID,yearID,stint,teamID,lgID,W,L,G,GS,CG,SHO,SV,H,ER,HR,BB,SO,IPouts,BAOpp\n"
              "pitchpe01,1950,1,AAA,AL,18,10,35,33,15,3,0,230,90,18,80,120,760,.245\n");
    writeText(dir / "Fielding.csv", kFielding);
}

std::string read(const fs::path& file) {
    const auto bytes = readBytes(file);
    return std::string(bytes.begin(), bytes.end());
}

TEST(LahmanConversion, StintsSummedPositionsAndQuotedNames) {
    TempDir dir;
    writeNewer(dir / "src");
    const LahmanConversionCounts counts = convertLahmanDatabase(dir / "src", dir / "out", {1950, 1950});
    EXPECT_EQ(counts.teams, 2);
    EXPECT_EQ(counts.rosterRows, 5);
    EXPECT_EQ(counts.players, 4);
    EXPECT_EQ(read(dir / "out" / "teammaster.csv"),
              "TeamID,FranchiseID,FirstYear,LastYear,League,Name\n"
              "AAA,AFR,1950,1950,AL,Alphas\n"
              "BBB,BFR,1950,1950,AL,\"Betas, The\"\n");
    EXPECT_EQ(read(dir / "out" / "rosters.csv"),
              "AAA,1950,pitchpe01,70,253,35,P\n"
              "AAA,1950,smithjo01,550,0,150,S\n"
              "AAA,1950,tradeal01,200,0,60,O\n"
              "BBB,1950,jonesbo01,500,0,140,C\n"
              "BBB,1950,tradeal01,300,0,80,O1\n");
    const std::string batting = read(dir / "out" / "battingstats.csv");
    EXPECT_NE(batting.find("Bob,\"Jones, Jr.\",jonesbo01,1925,L,L,140,500,"), std::string::npos) << batting;
    // Both stints of the traded player in one career row; blank cells count 0.
    EXPECT_NE(batting.find("Al,Trader,tradeal01,1922,B,R,140,500,50,140,25,3,10,60,11,2,40,70,3,1,1,3\n"),
              std::string::npos)
        << batting;
    EXPECT_NE(read(dir / "out" / "pitchingstats.csv").find("Pete,Pitcher,pitchpe01,L,18,10,35,33,0,253.33,230,90"),
              std::string::npos);
    const std::string fielding = read(dir / "out" / "fieldingstats.csv");
    EXPECT_NE(fielding.find("Al,Trader,tradeal01,O,125,240,11,5,3\n"), std::string::npos) << fielding;
    EXPECT_NE(fielding.find("Al,Trader,tradeal01,1,10,80,5,1,8\n"), std::string::npos) << fielding;
}

TEST(LahmanConversion, OlderAndNewerEditionsGiveTheSameDatabase) {
    TempDir dir;
    writeNewer(dir / "newer");
    writeOlder(dir / "older");
    convertLahmanDatabase(dir / "newer", dir / "a", {});
    convertLahmanDatabase(dir / "older", dir / "b", {});
    EXPECT_EQ(snapshotFolder(dir / "a"), snapshotFolder(dir / "b"));
    // Without a span the team's first year is its first season.
    EXPECT_NE(read(dir / "a" / "teammaster.csv").find("AAA,AFR,1949,1950,AL,Alphas\n"), std::string::npos);
}

TEST(LahmanConversion, MissingFileOrColumnChangesNothing) {
    TempDir dir;
    writeNewer(dir / "src");
    fs::remove(dir / "src" / "Pitching.csv");
    try {
        convertLahmanDatabase(dir / "src", dir / "out", {});
        FAIL() << "no error";
    } catch (const Error& e) {
        EXPECT_EQ(std::string(e.what()), "The file " + (dir / "src" / "Pitching.csv").string() + " does not exist");
    }
    EXPECT_FALSE(fs::exists(dir / "out" / "rosters.csv"));
    writeText(dir / "src" / "Pitching.csv", "playerID,teamID\n");
    EXPECT_THROW(convertLahmanDatabase(dir / "src", dir / "out", {}), Error);
}

// Each file operation of the conversion failing in turn: the destination stays as it was (the
// folder the conversion created goes again) and the message names a file.
TEST(LahmanConversion, AFailedWriteLeavesNoPartOfTheDatabase) {
    TempDir dir;
    writeNewer(dir / "src");
    fs::create_directories(dir / "out");
    const FaultSweep sweep = sweepWriteFaults(
        {dir / "out"}, [&] { return errorOf([&] { convertLahmanDatabase(dir / "src", dir / "out" / "db", {}); }); });
    EXPECT_TRUE(sweep.problems.empty()) << problemList(sweep);
    EXPECT_EQ(sweep.failedRuns, sweep.operations);
}

class LahmanImport : public CsvImportFixture, public ::testing::Test {};

TEST_F(LahmanImport, ConvertedTeamImports) {
    TempDir dir;
    writeNewer(dir / "src");
    convertLahmanDatabase(dir / "src", dir / "db", {1950, 1950});
    TeamImportRequest request;
    request.team = *readTeamMaster(dir / "db").find("BBB");
    request.year = 1950;
    CsvImportContext ctx = context();
    const TeamImportResult result = importTeam(dir / "db", request, ctx);
    EXPECT_EQ(teamImportMessage(result), "2 players created");
    EXPECT_EQ(last().get(pf::lastName), "Trader");
    EXPECT_EQ(last().get(pf::position), 8);
    EXPECT_FLOAT_EQ(last().familiarity(2), 0.6f);
    EXPECT_EQ(league->players[league->players.size() - 2]->get(pf::lastName), "Jones, Jr.");
}

}  // namespace
}  // namespace zt::test
