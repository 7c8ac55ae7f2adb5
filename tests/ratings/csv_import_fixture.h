#pragma once

#include <memory>
#include <string>

#include "league/league.h"
#include "league/progress.h"
#include "ratings/csv_columns.h"
#include "ratings/csv_import.h"
#include "ratings/csv_reader.h"
#include "support/league_builder.h"
#include "support/scripted_interaction.h"

namespace zt::test {

// A small built league with the import's collaborators, the first player current.
class CsvImportFixture {
protected:
    CsvImportFixture() {
        LeagueShape shape;
        shape.teams = 2;
        shape.playersPerTeam = 2;
        shape.freeAgents = 1;
        league = buildLeague(shape);
        league->currentPlayer = league->players.front().get();
    }

    CsvImportContext context() {
        return CsvImportContext{*league, columns, constants, factors, memory, interaction, progress};
    }

    CsvImportCounts import(const std::string& text, const CsvImportOptions& options = {}) {
        CsvImportContext ctx = context();
        return importCsvText(CsvText::parse(text, "players.csv"), options, ctx);
    }

    PlayerRecord& last() { return *league->players.back(); }

    std::unique_ptr<League> league;
    CsvColumns columns = CsvColumns::builtIn();
    LeagueConstants constants = LeagueConstants::defaults();
    ImportFactors factors;
    CsvImportMemory memory;
    ScriptedInteraction interaction;
    NoProgress progress;
};

}  // namespace zt::test
