#include "league/league_io.h"

#include <string_view>

#include "league/error.h"
#include "league/league.h"
#include "league/league_paths.h"
#include "league/players_file.h"
#include "league/scores_file.h"
#include "league/season_file.h"
#include "league/stats_file.h"

namespace zt {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kPlayersFile = "players.zt";
constexpr std::string_view kStatsFile = "stats.zt";
constexpr std::string_view kSeasonFile = "season.zt";
constexpr std::string_view kScoresFile = "scores.zt";
constexpr std::string_view kPlayoffsFile = "playoffs.zt";
constexpr std::string_view kNetFile = "net.txt";
constexpr std::string_view kRetiredFile = "retired.zt";
// The game's text files that travel with a league saved under a new name, in copy order.
constexpr std::string_view kSideTextFiles[] = {"net.txt", "BoxScores.txt", "DraftingResults.txt", "HallOfFamers.txt"};

const std::vector<std::uint8_t> kEmptyFile;
// The files a save writes from memory, and so the ones it keeps a backup of.
constexpr std::string_view kLeagueFiles[] = {kPlayersFile, kStatsFile, kSeasonFile, kPlayoffsFile, kScoresFile};

// Stages the league files that are written from memory (the loaded ones); `copyFrom` names the
// directory whose files are copied for those that were not read (Save as only).
void stageLeagueFiles(FileTransaction& transaction,
                      const League& league,
                      const fs::path& dir,
                      const fs::path* copyFrom) {
    const auto stageOrCopy = [&](bool loaded, std::string_view name, auto serialise) {
        const fs::path target = leagueFilePath(dir, name);
        if (loaded) {
            transaction.stage(target, serialise(league), Backup::Keep);
        } else if (copyFrom != nullptr) {
            if (const auto source = findFileNoCase(*copyFrom, name)) {
                transaction.stageCopy(*source, target, Backup::Keep);
            }
        }
    };
    transaction.stage(leagueFilePath(dir, kPlayersFile), serialisePlayersFile(league), Backup::Keep);
    stageOrCopy(league.statsLoaded, kStatsFile, serialiseStatsFile);
    transaction.stage(leagueFilePath(dir, kSeasonFile), serialiseSeasonFile(league), Backup::Keep);
    stageOrCopy(league.playoffsLoaded, kPlayoffsFile, serialisePlayoffsFile);
    stageOrCopy(league.scoresLoaded, kScoresFile, serialiseScoresFile);
}

// Writes the files of a league saved under a new name: all of them or none.
void stageAndCommitSaveAs(const League& league,
                          const fs::path& oldDir,
                          const fs::path& newDir,
                          const fs::path& newSelectedFile,
                          FileWriter& writer) {
    FileTransaction transaction(writer);
    if (const auto retired = findFileNoCase(oldDir, kRetiredFile)) {
        transaction.stageCopy(*retired, leagueFilePath(newDir, kRetiredFile));
    }
    transaction.stage(newSelectedFile, kEmptyFile);
    for (const auto name : kSideTextFiles) {
        if (const auto source = findFileNoCase(oldDir, name)) {
            transaction.stageCopy(*source, leagueFilePath(newDir, name));
        }
    }
    stageLeagueFiles(transaction, league, newDir, &oldDir);
    transaction.commit();
}

}  // namespace

std::unique_ptr<League> openLeague(const fs::path& selectedFile) {
    const fs::path dir = leagueDirFromSelectedFile(selectedFile);
    std::error_code ec;
    if (!fs::is_directory(dir, ec)) {
        throw Error("Directory " + directoryText(dir) + " does not exist. League not loaded");
    }
    if (!checkSeasonVersion(dir)) {
        throw Error("Wrong season version");
    }

    auto league = std::make_unique<League>();
    league->leagueDir = dir;
    league->selectedFile = selectedFile;

    readPlayersFile(leagueFilePath(dir, kPlayersFile), *league);
    if (const auto stats = findFileNoCase(dir, kStatsFile)) {
        readStatsFile(*stats, *league);
    }
    if (const auto scores = findFileNoCase(dir, kScoresFile)) {
        readScoresFile(*scores, *league);
    }
    if (const auto net = findFileNoCase(dir, kNetFile)) {
        league->netInfo = readNetInfo(*net);
    }
    readSeasonFile(leagueFilePath(dir, kSeasonFile), *league);
    league->buildTeamLists();
    // The playoffs layout depends on the round lengths of the season header, read just before.
    if (const auto playoffs = findFileNoCase(dir, kPlayoffsFile)) {
        readPlayoffsFile(*playoffs, *league);
    }
    return league;
}

void saveLeague(League& league, FileWriter& writer) {
    FileTransaction transaction(writer);
    // The selected file as it exists on disk: a league opened as ".../players.zt" whose file is
    // "Players.zt" must not get a second, empty "players.zt" that the next open would read.
    const fs::path selected = league.selectedFile;
    transaction.stage(leagueFilePath(selected.parent_path(), selected.filename().string()), kEmptyFile);
    stageLeagueFiles(transaction, league, league.leagueDir, nullptr);
    transaction.commit();
    league.markSaved();
}

bool hasPreviousSave(const fs::path& selectedFile) {
    const fs::path dir = leagueDirFromSelectedFile(selectedFile);
    for (const auto name : kLeagueFiles) {
        std::error_code ec;
        if (fs::exists(backupPathOf(leagueFilePath(dir, name)), ec)) {
            return true;
        }
    }
    return false;
}

void restorePreviousSave(const fs::path& selectedFile) {
    const fs::path dir = leagueDirFromSelectedFile(selectedFile);
    if (!hasPreviousSave(selectedFile)) {
        throw Error("There is no previous save of the league in " + directoryText(dir) + " to restore");
    }
    // Every backup is read first, so a file that cannot be read changes nothing; then the backups
    // and the files of now change places in one transaction.
    FileTransaction transaction;
    for (const auto name : kLeagueFiles) {
        const fs::path file = leagueFilePath(dir, name);
        const fs::path backup = backupPathOf(file);
        std::error_code ec;
        if (fs::exists(backup, ec)) {
            const std::vector<std::uint8_t> previous = readFileBytes(backup);
            transaction.stage(file, previous, Backup::Keep);
        }
    }
    transaction.commit();
}

void saveLeagueAs(League& league, const fs::path& newSelectedFile, FileWriter& writer) {
    const fs::path newDir = leagueDirForSaveAs(newSelectedFile);
    const fs::path oldDir = league.leagueDir;
    std::error_code ec;
    bool createdDir = false;
    if (!fs::is_directory(newDir, ec)) {
        fs::create_directory(newDir, ec);
        if (ec) {
            throw Error("Cannot create directory " + directoryText(newDir) + ". " + ec.message());
        }
        createdDir = true;
    }
    try {
        stageAndCommitSaveAs(league, oldDir, newDir, newSelectedFile, writer);
    } catch (const Error&) {
        // A failed Save as leaves no trace, not even the folder it made (empty by now).
        if (createdDir) {
            fs::remove(newDir, ec);
        }
        throw;
    }

    league.leagueDir = newDir;
    league.selectedFile = newSelectedFile;
    league.markSaved();
}

}  // namespace zt
