#pragma once

#include <filesystem>
#include <memory>

#include "league/file_io.h"

namespace zt {

class League;

// Opens the league of a selected .sea, .pla or players.zt file: derives the league directory,
// checks the season version and reads players.zt, stats.zt, scores.zt, net.txt, season.zt and
// playoffs.zt in that order (the optional ones when present), then builds the team lists.
// Throws zt::Error with the message to show; nothing is returned half-read.
std::unique_ptr<League> openLeague(const std::filesystem::path& selectedFile);

// Writes the league back into its directory: the selected file re-created empty, players.zt,
// stats.zt (when it was read), season.zt, playoffs.zt and scores.zt (when read). All files are
// written first and replace the old ones only together; on failure nothing on disk changes and
// the league stays marked as changed.
void saveLeague(League& league, FileWriter& writer = diskFileWriter());

// Every save keeps the league files it replaces as "<file>.bak" beside them (one generation).
// Whether the league of that selected file has such a previous save, and bringing it back: the
// backups and the files of now change places, so restoring again undoes a restore. Throws
// zt::Error when there is nothing to restore or a file cannot be read or replaced.
bool hasPreviousSave(const std::filesystem::path& selectedFile);
void restorePreviousSave(const std::filesystem::path& selectedFile);

// Writes the league under a new season file name: its directory (created when missing) gets
// the league files, and the game's side files and the files that were not read are copied from
// the old directory. The league then belongs to the new file.
void saveLeagueAs(League& league, const std::filesystem::path& newSelectedFile, FileWriter& writer = diskFileWriter());

}  // namespace zt
