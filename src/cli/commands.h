#pragma once

#include <memory>

#include "cli/cli_command.h"

namespace zt::cli {

std::unique_ptr<CliCommand> makeGenerateCommand();
std::unique_ptr<CliCommand> makeInfoCommand();
std::unique_ptr<CliCommand> makeCheckCommand();
std::unique_ptr<CliCommand> makeDiffCommand();
std::unique_ptr<CliCommand> makeSiteCommand();
std::unique_ptr<CliCommand> makeSaveCommand();
std::unique_ptr<CliCommand> makeSaveAsCommand();
std::unique_ptr<CliCommand> makeRestoreCommand();
std::unique_ptr<CliCommand> makeDumpCommand();
std::unique_ptr<CliCommand> makeGlobalEditCommand();
std::unique_ptr<CliCommand> makeCheckLineupsCommand();
std::unique_ptr<CliCommand> makeTransferCommand();
std::unique_ptr<CliCommand> makeEvalCommand();
std::unique_ptr<CliCommand> makeRecalcCommand();
std::unique_ptr<CliCommand> makeReportCommand();
std::unique_ptr<CliCommand> makeScheduleCommand();
std::unique_ptr<CliCommand> makeBoxScoreCommand();
std::unique_ptr<CliCommand> makeManagerCommand();
std::unique_ptr<CliCommand> makeShiftYearsCommand();
std::unique_ptr<CliCommand> makeHistoryCommand();
std::unique_ptr<CliCommand> makeExportPlayersCommand();
std::unique_ptr<CliCommand> makeImportPlayersCommand();
std::unique_ptr<CliCommand> makeExportRostersCommand();
std::unique_ptr<CliCommand> makeImportRostersCommand();
std::unique_ptr<CliCommand> makeImportCsvCommand();
std::unique_ptr<CliCommand> makeImportTeamCommand();
std::unique_ptr<CliCommand> makeGenerateDatabaseCommand();
std::unique_ptr<CliCommand> makeConvertLahmanCommand();
std::unique_ptr<CliCommand> makeGenerateGameCommand();
std::unique_ptr<CliCommand> makeAlbCommand();
std::unique_ptr<CliCommand> makeModCommand();
std::unique_ptr<CliCommand> makeSoundCommand();
std::unique_ptr<CliCommand> makePatchCommand();
std::unique_ptr<CliCommand> makeUpdateLeagueCommand();
std::unique_ptr<CliCommand> makeSendRostersCommand();
std::unique_ptr<CliCommand> makeCheckUpdateCommand();

}  // namespace zt::cli
