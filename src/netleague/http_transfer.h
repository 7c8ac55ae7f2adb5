#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

#include "league/error.h"

namespace zt {

// What an HTTP transfer tells while it runs, and how its owner stops it. Every call comes on
// the thread that runs the transfer, so a window keeps its own thread free and reads what it
// needs from here.
class TransferObserver {
public:
    virtual ~TransferObserver() = default;
    // The server answered with the body on its way; `expected` is its announced length, -1 when
    // the server announced none.
    virtual void started(std::int64_t expected) { (void)expected; }
    // Bytes of the body received so far.
    virtual void received(std::int64_t bytes) { (void)bytes; }
    // Polled while the transfer runs, also while no data arrives (about once a second then);
    // true aborts it.
    virtual bool cancelRequested() const { return false; }
};

inline constexpr char kTransferCancelledMessage[] = "Transfer cancelled";

// A transfer that did not complete: the client's message (host, port or the server's status),
// or kTransferCancelledMessage when the observer asked to stop.
class TransferError : public Error {
public:
    TransferError(const std::string& message, bool cancelled) : Error(message), m_cancelled(cancelled) {}
    bool cancelled() const { return m_cancelled; }

private:
    bool m_cancelled;
};

struct TransferResult {
    std::int64_t expected = -1;  // announced length, -1 when none was announced
    std::int64_t received = 0;
};

// GETs an http or https URL (following redirects), writing the body into `file`, which is created
// or truncated. A status of 400 or more, a connection that fails or closes early (fewer bytes
// than announced) and a cancel throw TransferError. A file that cannot be written throws
// zt::Error naming it.
TransferResult httpGetToFile(const std::string& url, const std::filesystem::path& file, TransferObserver& observer);

// GETs a small text (at most `maxBytes`; more is an error rather than an unbounded buffer).
std::string httpGetText(const std::string& url, TransferObserver& observer, std::size_t maxBytes = 1 << 20);

}  // namespace zt
