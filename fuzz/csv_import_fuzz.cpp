// "Standard CSV Import" into a small league. The input is split into csvcols.txt and the CSV
// file (see splitFrames); an empty csvcols.txt part stands for the editor's own list. The first
// byte of the CSV part's options chooses the import's check boxes.
#include "fuzz_support.h"
#include "league/interaction.h"
#include "league/league.h"
#include "league/progress.h"
#include "ratings/csv_columns.h"
#include "ratings/csv_import.h"

using namespace zt;

namespace {
class AnswerYes final : public Interaction {
public:
    bool askYesNo(const std::string&, DefaultButton) override { return true; }
    Answer askYesNoCancel(const std::string&) override { return Answer::Yes; }
    void information(const std::string&) override {}
    void warning(const std::string&) override {}
    std::optional<std::string> promptText(const std::string&, const std::string&, const std::string&) override {
        return std::nullopt;
    }
};
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto parts = fuzz::splitFrames(fuzz::bytesOf(data, size), 3);
    fuzz::Cursor choice(parts[1]);
    const std::uint8_t flags = choice.byte();
    const auto columnsFile = fuzz::writeScratchFile("csvcols.txt", parts[0]);
    const auto csvFile = fuzz::writeScratchFile("players.csv", parts[2]);
    CsvImportOptions options;
    options.createPlayers = (flags & 1) == 0;
    options.recalcBatting = (flags & 2) != 0;
    options.recalcPitching = (flags & 4) != 0;
    options.lahmanPositions = (flags & 8) == 0;
    options.noCheck = (flags & 16) != 0;
    options.destination = (flags & 32) != 0 ? 3 : 255;

    std::optional<CsvColumns> columns;
    fuzz::refusalsOnly([&] { columns = parts[0].empty() ? CsvColumns::builtIn() : CsvColumns::read(columnsFile); },
                       columnsFile);
    if (!columns) {
        return 0;
    }
    fuzz::refusalsOnly(
        [&] {
            auto league = fuzz::freshSmallLeague();
            const LeagueConstants constants = LeagueConstants::defaults();
            CsvImportMemory memory;
            AnswerYes interaction;
            NoProgress progress;
            CsvImportContext context{*league, *columns, constants, ImportFactors{}, memory, interaction, progress};
            importCsvFile(csvFile, options, context);
        },
        csvFile);
    return 0;
}
