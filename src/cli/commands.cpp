#include "cli/commands.h"

namespace zt::cli {

std::vector<std::unique_ptr<CliCommand>> makeCommands() {
    std::vector<std::unique_ptr<CliCommand>> commands;
    commands.push_back(makeGenerateCommand());
    commands.push_back(makeInfoCommand());
    commands.push_back(makeCheckCommand());
    commands.push_back(makeDiffCommand());
    commands.push_back(makeSiteCommand());
    commands.push_back(makeSaveCommand());
    commands.push_back(makeSaveAsCommand());
    commands.push_back(makeRestoreCommand());
    commands.push_back(makeDumpCommand());
    commands.push_back(makeGlobalEditCommand());
    commands.push_back(makeCheckLineupsCommand());
    commands.push_back(makeTransferCommand());
    commands.push_back(makeEvalCommand());
    commands.push_back(makeRecalcCommand());
    commands.push_back(makeReportCommand());
    commands.push_back(makeScheduleCommand());
    commands.push_back(makeBoxScoreCommand());
    commands.push_back(makeManagerCommand());
    commands.push_back(makeShiftYearsCommand());
    commands.push_back(makeHistoryCommand());
    commands.push_back(makeExportPlayersCommand());
    commands.push_back(makeImportPlayersCommand());
    commands.push_back(makeExportRostersCommand());
    commands.push_back(makeImportRostersCommand());
    commands.push_back(makeImportCsvCommand());
    commands.push_back(makeImportTeamCommand());
    commands.push_back(makeGenerateDatabaseCommand());
    commands.push_back(makeConvertLahmanCommand());
    commands.push_back(makeGenerateGameCommand());
    commands.push_back(makeAlbCommand());
    commands.push_back(makeModCommand());
    commands.push_back(makeSoundCommand());
    commands.push_back(makePatchCommand());
    commands.push_back(makeUpdateLeagueCommand());
    commands.push_back(makeSendRostersCommand());
    commands.push_back(makeCheckUpdateCommand());
    return commands;
}

}  // namespace zt::cli
