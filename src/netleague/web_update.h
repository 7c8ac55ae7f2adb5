#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "netleague/http_transfer.h"
#include "netleague/version_file.h"

namespace zt {

inline constexpr char kUpdateServerPath[] = "/velmora/vmedit/";
inline constexpr char kVersionFileName[] = "version2003Editor.txt";
inline constexpr char kFullInstallerName[] = "VMESetup.exe";
inline constexpr char kReleaseNotesFileName[] = "new.rtf";
inline constexpr char kPatchFileName[] = "patch.exe";

// The files of the update server (an address such as "https://host" or "http://127.0.0.1:8000").
std::string versionFileUrl(const std::string& server);
std::string fullInstallerUrl(const std::string& server);

// "Sorry, your version is too old ..." over three lines, the last the full installer's URL.
std::string tooOldMessage(const std::string& server);

struct UpdateCheckResult {
    VersionCheck check;
    std::filesystem::path notesFile;  // new.rtf in the editor's folder, when a patch entry matched
};

// Reads the server's version file and, when an entry matches, downloads its release notes into
// the editor's folder. Throws TransferError or zt::Error with the client's or the conversion's
// message.
UpdateCheckResult checkForUpdate(const std::string& server,
                                 const std::filesystem::path& editorDir,
                                 TransferObserver& observer);

// The percentage of the patch received, rounded, 0 to 100.
int patchPercent(std::int64_t received, std::int64_t size);

// Downloads the entry's patch into patch.exe in the editor's folder and returns its path. The
// patch counts as downloaded only when exactly the announced size arrived: anything else
// removes the file and throws zt::Error saying so, so that no partial installer is ever started.
// A TOO_OLD entry throws tooOldMessage.
std::filesystem::path downloadPatch(const PatchEntry& entry,
                                    const std::string& server,
                                    const std::filesystem::path& editorDir,
                                    TransferObserver& observer);

// The installer's parameters: silent, no icons, installing over the editor's folder.
std::vector<std::string> patchArguments(const std::filesystem::path& editorDir);

}  // namespace zt
