#include "netleague/league_update.h"

#include "league/file_io.h"
#include "league/interaction.h"
#include "league/net_info.h"
#include "netleague/zip_extract.h"

namespace zt {

namespace {

// Passes the transfer's notifications on and says when the host answered.
class StatusRelay final : public TransferObserver {
public:
    explicit StatusRelay(LeagueUpdateObserver& observer) : m_observer(observer) {}
    void started(std::int64_t expected) override {
        m_observer.status(kUpdateStatusTransferring);
        m_observer.started(expected);
    }
    void received(std::int64_t bytes) override { m_observer.received(bytes); }
    bool cancelRequested() const override { return m_observer.cancelRequested(); }

private:
    LeagueUpdateObserver& m_observer;
};

}  // namespace

bool confirmLeagueUpdate(const NetLeagueInfo& info, Interaction& interaction) {
    if (info.leagueFilesUrl.empty()) {
        interaction.warning(kNoLeagueUrlMessage);
        return false;
    }
    return interaction.askYesNo(kUpdateLeagueQuestion);
}

LeagueUpdateResult updateLeagueFiles(const std::filesystem::path& leagueDir,
                                     const std::string& url,
                                     LeagueUpdateObserver& observer) {
    LeagueUpdateResult result;
    observer.status(kUpdateStatusContacting);
    const std::filesystem::path archive = leagueFilePath(leagueDir, kLeagueArchiveName);
    StatusRelay relay(observer);
    try {
        result.bytes = httpGetToFile(url, archive, relay).received;
    } catch (const TransferError& error) {
        result.outcome = error.cancelled() ? LeagueUpdateOutcome::Cancelled : LeagueUpdateOutcome::TransferFailed;
        result.message = error.what();
        observer.status(result.message);
        return result;
    } catch (const Error& error) {
        // league.zip could not be created or written.
        result.outcome = LeagueUpdateOutcome::TransferFailed;
        result.message = error.what();
        observer.status(result.message);
        return result;
    }
    if (observer.cancelRequested()) {
        result.outcome = LeagueUpdateOutcome::Cancelled;
        result.message = kTransferCancelledMessage;
        return result;
    }
    try {
        result.files = extractFlat(archive, leagueDir);
    } catch (const Error& error) {
        result.outcome = LeagueUpdateOutcome::ExtractFailed;
        result.message = error.what();
        return result;
    }
    result.outcome = LeagueUpdateOutcome::Extracted;
    return result;
}

}  // namespace zt
