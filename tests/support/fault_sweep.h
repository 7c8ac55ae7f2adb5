#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <set>
#include <string>
#include <vector>

namespace zt::test {

// One run of a writing command: empty on success, else the message the user would see.
using WriteAttempt = std::function<std::string()>;

struct FaultSweep {
    std::uint64_t operations = 0;  // file operations of a run without fault
    std::uint64_t failedRuns = 0;  // runs in which the injected fault made the command fail
    std::vector<std::string> problems;
};

// Runs the command once without fault to learn what it writes, puts the folders back, then runs
// it again with the n-th file operation failing, n = 1, 2, ... up to the last (above
// `exhaustiveUpTo` operations, the first and last ones and an even sample between), and once
// more with every operation succeeding. After each failure the folders under `roots` must be
// exactly as before (not a file added, removed or changed, no temporary left) and the message
// must name one of the files the command writes; after the final run they must be exactly what
// the run without fault left. Every breach is listed in `problems`. `transportFiles` names files
// that a failure may leave new, as a download completed before a later step failed.
FaultSweep sweepWriteFaults(const std::vector<std::filesystem::path>& roots,
                            const WriteAttempt& attempt,
                            std::uint64_t exhaustiveUpTo = 120,
                            const std::set<std::string>& transportFiles = {});

// The text of the zt::Error `action` throws, empty when it returns.
std::string errorOf(const std::function<void()>& action);

// A sweep's problems, one a line, after the number of operations, for a failed expectation.
std::string problemList(const FaultSweep& sweep);

}  // namespace zt::test
