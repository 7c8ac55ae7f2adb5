#include "netleague/web_update.h"

#include <algorithm>
#include <cmath>
#include <system_error>

#include "league/error.h"

namespace zt {

namespace {

std::string withoutTrailingSlash(std::string server) {
    while (!server.empty() && server.back() == '/') {
        server.pop_back();
    }
    return server;
}

}  // namespace

std::string versionFileUrl(const std::string& server) {
    return withoutTrailingSlash(server) + kUpdateServerPath + kVersionFileName;
}

std::string fullInstallerUrl(const std::string& server) {
    return withoutTrailingSlash(server) + kUpdateServerPath + kFullInstallerName;
}

std::string tooOldMessage(const std::string& server) {
    return "Sorry, your version is too old to be updated by the web update feature.\n"
           "Please uninstall your version and download the full installer at\n" +
           fullInstallerUrl(server);
}

UpdateCheckResult checkForUpdate(const std::string& server,
                                 const std::filesystem::path& editorDir,
                                 TransferObserver& observer) {
    UpdateCheckResult result;
    result.check = readVersionFile(httpGetText(versionFileUrl(server), observer));
    if (result.check.patch) {
        result.notesFile = editorDir / kReleaseNotesFileName;
        httpGetToFile(result.check.patch->notesUrl, result.notesFile, observer);
    }
    return result;
}

int patchPercent(std::int64_t received, std::int64_t size) {
    if (size <= 0) {
        return 0;
    }
    const double percent = std::nearbyint(100.0 * static_cast<double>(received) / static_cast<double>(size));
    return static_cast<int>(std::clamp(percent, 0.0, 100.0));
}

std::filesystem::path downloadPatch(const PatchEntry& entry,
                                    const std::string& server,
                                    const std::filesystem::path& editorDir,
                                    TransferObserver& observer) {
    if (entry.tooOld()) {
        throw Error(tooOldMessage(server));
    }
    const std::filesystem::path patch = editorDir / kPatchFileName;
    std::int64_t received = 0;
    try {
        received = httpGetToFile(entry.patchUrl, patch, observer).received;
    } catch (const Error& error) {
        // A failed download leaves the folder as it was.
        throw Error(std::string(error.what()) + " Nothing was started.");
    }
    if (received != entry.size) {
        std::error_code ignored;
        std::filesystem::remove(patch, ignored);
        throw Error("The patch has " + std::to_string(received) + " bytes instead of the " +
                    std::to_string(entry.size) + " announced. Nothing was started.");
    }
    return patch;
}

std::vector<std::string> patchArguments(const std::filesystem::path& editorDir) {
    return {"/SP-", "/silent", "/noicons", "/dir=" + editorDir.string()};
}

}  // namespace zt
