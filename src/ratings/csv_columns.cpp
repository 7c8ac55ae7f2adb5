#include "ratings/csv_columns.h"

#include <algorithm>

#include "league/error.h"
#include "league/message_text.h"
#include "ratings/csv_reader.h"

namespace zt {

const std::array<std::string_view, csvcode::count> kCsvColumnNames = {
    "FirstName",
    "LastName",
    "UniformNo",
    "Age",
    "Position",
    "Role",
    "Bats",
    "Throws",
    "Level",
    "DaysOut",
    "SuspensionDays",
    "Face",
    "Complexion",
    "FacialHair",
    "Height",
    "Weight",
    "BattingStance",
    "Arm",
    "Speed",
    "Fatigue",
    "AB",
    "H",
    "2B",
    "3B",
    "HR",
    "BB",
    "SO",
    "AvgVsL",
    "ObpVsL",
    "SlgVsL",
    "AvgVsR",
    "ObpVsR",
    "SlgVsR",
    "Pull",
    "Middle",
    "OppField",
    "BatGroundBall",
    "OppAB",
    "OppH",
    "Opp2B",
    "Opp3B",
    "OppHR",
    "OppBB",
    "OppSO",
    "Endurance",
    "PitchingStyle",
    "PitGroundBall",
    "FamP",
    "FamC",
    "Fam1B",
    "Fam2B",
    "Fam3B",
    "FamSS",
    "FamLF",
    "FamCF",
    "FamRF",
    "InfieldRange",
    "OutfieldRange",
    "FieldingPct",
    "Team",
    "PitchAvgVsL",
    "PitchObpVsL",
    "PitchSlgVsL",
    "PitchAvgVsR",
    "PitchObpVsR",
    "PitchSlgVsR",
    "BirthYear",
    "Note",
    "SB",
    "CS",
    "G",
    "FieldG",
    "A",
    "PO",
    "E",
    "PlayerID",
    "RBI",
    "SH",
    "SF",
    "R",
    "HBP",
    "IBB",
    "W",
    "L",
    "PitG",
    "GS",
    "SV",
    "ERA",
    "IP",
    "ER",
    "DP",
    "StarRating",
    "ProspectRating",
    "PeakShift",
    "FldYear",
    "FldLevel",
    "FldErrors",
    "FldPassedBalls",
    "FldCaughtStealing",
    "FldPutouts",
    "FldDoublePlays",
    "FldAssists",
    "FldStolenBasesAllowed",
    "FldInnings",
    "FldPosition",
    "FldTeam",
    "FldGames",
    "BatGames",
    "BatAtBats",
    "BatPickoffs",
    "BatYear",
    "BatSplit",
    "BatHits",
    "BatHitByPitch",
    "BatDoubles",
    "BatTriples",
    "BatHomeRuns",
    "BatWalks",
    "BatStolenBases",
    "BatCaughtStealing",
    "BatStrikeouts",
    "BatPinchHits",
    "BatPinchAtBats",
    "BatRuns",
    "BatRbi",
    "BatGidp",
    "BatIntentionalWalks",
    "BatSacFlies",
    "BatSacHits",
    "BatTeam",
    "BatLevel",
    "PitYear",
    "PitLevel",
    "PitSplit",
    "PitDoubles",
    "PitInnings",
    "PitHits",
    "PitBlownSaves",
    "PitTriples",
    "PitHomeRuns",
    "PitStolenBases",
    "PitCompleteGames",
    "PitWalks",
    "PitStrikeouts",
    "PitGames",
    "PitEarnedRuns",
    "PitHitBatsmen",
    "PitWildPitches",
    "PitExtra",
    "PitRuns",
    "PitShutouts",
    "PitGamesStarted",
    "PitBalks",
    "PitCaughtStealing",
    "PitWins",
    "PitLosses",
    "PitSaves",
    "PitHolds",
    "PitQualityStarts",
    "PitPitchCount",
    "PitTeam",
};

namespace {

std::string upperAscii(std::string_view text) {
    std::string upper(text);
    std::transform(upper.begin(), upper.end(), upper.begin(), [](char c) {
        return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
    });
    return upper;
}

}  // namespace

CsvColumns::CsvColumns(std::vector<std::string> names) {
    m_upperNames.reserve(names.size());
    for (const std::string& name : names) {
        m_upperNames.push_back(upperAscii(name));
    }
}

CsvColumns CsvColumns::read(const std::filesystem::path& file) {
    return CsvColumns(CsvText::read(file).allValues());
}

CsvColumns CsvColumns::builtIn() {
    return CsvColumns(std::vector<std::string>(kCsvColumnNames.begin(), kCsvColumnNames.end()));
}

int CsvColumns::codeOf(std::string_view headerName) const {
    const std::string upper = upperAscii(headerName);
    // A user's list may hold more names than there are codes: those name no column.
    const auto end =
        m_upperNames.begin() + static_cast<std::ptrdiff_t>(std::min<std::size_t>(m_upperNames.size(), csvcode::count));
    const auto found = std::find(m_upperNames.begin(), end, upper);
    return found == end ? -1 : static_cast<int>(found - m_upperNames.begin());
}

std::vector<int> CsvColumns::codesOfHeader(const CsvText& csv) const {
    std::vector<int> codes;
    if (csv.recordCount() == 0) {
        throw Error(csv.name() + " has no header row");
    }
    for (std::size_t i = 0; i < csv.valueCount(0); ++i) {
        const std::string_view name = csv.value(0, i);
        const int code = codeOf(name);
        if (code < 0) {
            throw Error("\"" + quotedInMessage(name) + "\" is not a valid column header (" + csv.where(0) + ")");
        }
        codes.push_back(code);
    }
    return codes;
}

}  // namespace zt
