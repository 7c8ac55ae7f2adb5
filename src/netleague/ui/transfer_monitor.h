#pragma once

#include <atomic>
#include <cstdint>
#include <mutex>
#include <string>

#include "netleague/league_update.h"

namespace zt::ui {

// What a transfer on the worker thread tells, held for the window's thread to read on its timer;
// the window sets the cancel mark.
class TransferMonitor final : public LeagueUpdateObserver {
public:
    void status(const std::string& text) override {
        const std::lock_guard lock(m_mutex);
        m_status = text;
    }
    void started(std::int64_t length) override {
        m_expected = length;
        m_started = true;
    }
    void received(std::int64_t bytes) override { m_received = bytes; }
    bool cancelRequested() const override { return m_cancel; }

    void requestCancel() { m_cancel = true; }
    void reset() {
        m_cancel = false;
        m_started = false;
        m_expected = -1;
        m_received = 0;
    }
    std::string statusText() const {
        const std::lock_guard lock(m_mutex);
        return m_status;
    }
    bool hasStarted() const { return m_started; }
    std::int64_t expected() const { return m_expected; }
    std::int64_t receivedBytes() const { return m_received; }

private:
    mutable std::mutex m_mutex;
    std::string m_status;
    std::atomic<bool> m_cancel{false};
    std::atomic<bool> m_started{false};
    std::atomic<std::int64_t> m_expected{-1};
    std::atomic<std::int64_t> m_received{0};
};

}  // namespace zt::ui
