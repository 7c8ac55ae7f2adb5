#include "ratings/import_database_layout.h"

#include <initializer_list>

#include "ratings/csv_columns.h"

namespace zt {

namespace {

// Columns without a named code are given by number: batting 20..26 (at-bats .. strikeouts),
// pitching 41..43 (home runs .. strikeouts), 85 and 86 (games started, saves).
std::string titles(std::initializer_list<int> codes) {
    std::string line;
    for (const int c : codes) {
        line += (line.empty() ? "" : ",") + std::string(kCsvColumnNames[static_cast<std::size_t>(c)]);
    }
    return line + '\n';
}

}  // namespace

std::string battingStatsTitles() {
    namespace code = csvcode;
    return titles({code::firstName,
                   code::lastName,
                   code::playerIdentifier,
                   code::birthYear,
                   code::bats,
                   code::throws,
                   code::battingGames,
                   20,
                   code::runs,
                   21,
                   22,
                   23,
                   24,
                   code::rbi,
                   code::stolenBases,
                   code::caughtStealing,
                   25,
                   26,
                   code::intentionalWalks,
                   code::hitByPitch,
                   code::sacHits,
                   code::sacFlies});
}

std::string pitchingStatsTitles() {
    namespace code = csvcode;
    return titles({code::firstName,
                   code::lastName,
                   code::playerIdentifier,
                   code::throws,
                   code::wins,
                   code::losses,
                   code::pitcherGames,
                   85,
                   86,
                   code::innings,
                   code::pitHits,
                   code::earnedRuns,
                   41,
                   42,
                   43});
}

std::string fieldingStatsTitles() {
    namespace code = csvcode;
    return titles({code::firstName,
                   code::lastName,
                   code::playerIdentifier,
                   code::position,
                   code::fieldingGames,
                   code::putouts,
                   code::assists,
                   code::errors,
                   code::doublePlays});
}

}  // namespace zt
