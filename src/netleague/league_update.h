#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "netleague/http_transfer.h"

namespace zt {

class Interaction;
struct NetLeagueInfo;

inline constexpr char kNoLeagueUrlMessage[] = "No url specified for league files (Net league info)";
inline constexpr char kUpdateLeagueQuestion[] =
    "Updating the league files will overwrite your actual league files. Proceed ?";
inline constexpr char kUpdateStatusIdle[] = "Status: ";
inline constexpr char kUpdateStatusContacting[] = "Status: Contacting Web site ...";
inline constexpr char kUpdateStatusTransferring[] = "Host contacted, transferring files";
inline constexpr char kExtractErrorMessage[] = "Error in Extract; Fatal DLL Exception in mainunit";
inline constexpr char kReloadLeagueQuestion[] = "League files extracted. Do you want to load the league ?";
inline constexpr char kCancelDownloadQuestion[] = "Cancel the download ?";
inline constexpr char kLeagueArchiveName[] = "league.zip";

// Before the update window: refuses an empty league files URL with kNoLeagueUrlMessage, then asks
// kUpdateLeagueQuestion. True when the update may be offered.
bool confirmLeagueUpdate(const NetLeagueInfo& info, Interaction& interaction);

// A transfer observer that also hears the status line.
class LeagueUpdateObserver : public TransferObserver {
public:
    virtual void status(const std::string& text) { (void)text; }
};

enum class LeagueUpdateOutcome { Extracted, Cancelled, TransferFailed, ExtractFailed };

struct LeagueUpdateResult {
    LeagueUpdateOutcome outcome = LeagueUpdateOutcome::Cancelled;
    // The transfer's error text, or the extraction's reason (naming the archive).
    std::string message;
    std::vector<std::string> files;  // extracted, in archive order
    std::int64_t bytes = 0;          // bytes of league.zip received
};

// Downloads `url` into the league folder's league.zip and extracts it flat over the league's
// files. Runs without any question, so a window may run it on a worker thread. Extraction runs
// only after a complete, successful transfer: a failed or cancelled download leaves every league
// file as it was (league.zip keeps what arrived), and a damaged archive replaces nothing.
LeagueUpdateResult updateLeagueFiles(const std::filesystem::path& leagueDir,
                                     const std::string& url,
                                     LeagueUpdateObserver& observer);

}  // namespace zt
