#pragma once

#include <atomic>
#include <cstdint>
#include <string>
#include <vector>

#include "netleague/league_update.h"

namespace zt::test {

// Records what a transfer tells; cancels once `cancelAfterBytes` bytes arrived (never when -1).
class RecordingObserver : public LeagueUpdateObserver {
public:
    void status(const std::string& text) override { statuses.push_back(text); }
    void started(std::int64_t length) override {
        ++starts;
        expected = length;
    }
    void received(std::int64_t bytes) override { progress.push_back(bytes); }
    bool cancelRequested() const override {
        return cancelAfterBytes >= 0 && !progress.empty() && progress.back() >= cancelAfterBytes;
    }

    std::vector<std::string> statuses;
    int starts = 0;
    std::int64_t expected = -2;
    std::vector<std::int64_t> progress;
    std::int64_t cancelAfterBytes = -1;
};

}  // namespace zt::test
