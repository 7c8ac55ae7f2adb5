#pragma once

#include <array>
#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace zt {

class CsvText;

// The column codes of the CSV import: a column's code is the position of its header name in
// csvcols.txt. The names are ours (kCsvColumnNames, shipped as data/csvcols.txt); the codes and
// what each does are fixed, so a user's csvcols.txt may rename columns but not move them.
namespace csvcode {
inline constexpr int firstName = 0;
inline constexpr int lastName = 1;
inline constexpr int uniformNumber = 2;
inline constexpr int age = 3;
inline constexpr int position = 4;
inline constexpr int role = 5;
inline constexpr int bats = 6;
inline constexpr int throws = 7;
inline constexpr int level = 8;
inline constexpr int daysOut = 9;
inline constexpr int suspensionDays = 10;
inline constexpr int face = 11;
inline constexpr int complexion = 12;
inline constexpr int facialHair = 13;
inline constexpr int height = 14;
inline constexpr int weight = 15;
inline constexpr int battingStance = 16;
inline constexpr int arm = 17;
inline constexpr int speed = 18;
inline constexpr int fatigue = 19;
inline constexpr int batAB = 20;  // 20..26: batting at-bats .. strikeouts
inline constexpr int batHits = 21;
inline constexpr int batSplitsFirst = 27;  // 27..32: the batter's split ratings
inline constexpr int pullPct = 33;         // 33..36
inline constexpr int pitAB = 37;           // 37..43: opponents' at-bats .. strikeouts
inline constexpr int pitHits = 38;
inline constexpr int endurance = 44;
inline constexpr int pitchingStyle = 45;
inline constexpr int pitGroundBallPct = 46;
inline constexpr int familiarityFirst = 47;  // 47..55: P .. RF
inline constexpr int infieldRange = 56;
inline constexpr int outfieldRange = 57;
inline constexpr int fieldingPct = 58;
inline constexpr int team = 59;
inline constexpr int pitchSplitsFirst = 60;  // 60..65: per-pitch inputs
inline constexpr int birthYear = 66;
inline constexpr int stolenBases = 68;
inline constexpr int caughtStealing = 69;
inline constexpr int battingGames = 70;
inline constexpr int fieldingGames = 71;
inline constexpr int assists = 72;
inline constexpr int putouts = 73;
inline constexpr int errors = 74;
inline constexpr int playerIdentifier = 75;
inline constexpr int rbi = 76;
inline constexpr int sacHits = 77;
inline constexpr int sacFlies = 78;
inline constexpr int runs = 79;
inline constexpr int hitByPitch = 80;
inline constexpr int intentionalWalks = 81;
inline constexpr int wins = 82;
inline constexpr int losses = 83;
inline constexpr int pitcherGames = 84;
inline constexpr int innings = 88;
inline constexpr int earnedRuns = 89;
inline constexpr int doublePlays = 90;
inline constexpr int starRating = 91;
inline constexpr int prospectRating = 92;
inline constexpr int peakShift = 93;
inline constexpr int historyFirst = 94;  // 94..106 fielding, 107..130 batting, 131..160 pitching
inline constexpr int fieldingHistoryFirst = 94;
inline constexpr int battingHistoryFirst = 107;
inline constexpr int pitchingHistoryFirst = 131;
inline constexpr int fieldingOutsPlayed = 103;
inline constexpr int pitchingOutsPitched = 135;
inline constexpr int last = 160;
inline constexpr int count = 161;
}  // namespace csvcode

// Our names of the codes 0..160, in code order: the content of the shipped csvcols.txt and the
// headers the sample database generator writes.
extern const std::array<std::string_view, csvcode::count> kCsvColumnNames;

// The list of csvcols.txt: names whose position is their code.
class CsvColumns {
public:
    explicit CsvColumns(std::vector<std::string> names);
    // Reads csvcols.txt; throws zt::Error naming the file when it cannot be read.
    static CsvColumns read(const std::filesystem::path& file);
    // Our own list.
    static CsvColumns builtIn();

    // The code of a header name, compared without regard to case; -1 when the list lacks it
    // among its first csvcode::count names (a longer list's further names are no columns).
    int codeOf(std::string_view headerName) const;

    // The code of every column of a header row. A name the list lacks throws zt::Error
    // "\"NAME\" is not a valid column header" followed by where the header is.
    std::vector<int> codesOfHeader(const CsvText& csv) const;

private:
    std::vector<std::string> m_upperNames;
};

}  // namespace zt
