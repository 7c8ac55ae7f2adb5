#include "support/fault_sweep.h"

#include <sys/stat.h>

#include <fstream>
#include <limits>
#include <map>
#include <set>

#include "league/error.h"
#include "league/file_faults.h"
#include "support/folder_snapshot.h"

namespace zt::test {

namespace fs = std::filesystem;

namespace {

void restore(const std::vector<fs::path>& roots, const FolderSnapshot& snapshot) {
    for (const auto& root : roots) {
        fs::remove_all(root);
    }
    // Map order puts a folder before what it holds.
    for (const auto& [path, bytes] : snapshot) {
        if (bytes == "/") {
            fs::create_directories(path);
        } else {
            std::ofstream out(path, std::ios::binary | std::ios::trunc);
            out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        }
    }
}

// The identity of every file under the roots: a file replaced by a rename is a new file, even
// with the same bytes.
std::map<std::string, std::uintmax_t> fileIdentities(const std::vector<fs::path>& roots) {
    std::map<std::string, std::uintmax_t> identities;
    for (const auto& [path, bytes] : snapshotFolders(roots)) {
        struct stat status {};
        if (bytes != "/" && ::stat(path.c_str(), &status) == 0) {
            identities[path] = status.st_ino;
        }
    }
    return identities;
}

// The file names a failure may cite: those the command writes; a new backup stands for the
// file it backs up.
std::set<std::string> writtenNames(const std::map<std::string, std::uintmax_t>& before,
                                   const std::map<std::string, std::uintmax_t>& after) {
    std::set<std::string> names;
    for (const auto& [path, identity] : after) {
        const auto it = before.find(path);
        if (it != before.end() && it->second == identity) {
            continue;
        }
        std::string name = fs::path(path).filename().string();
        names.insert(name);
        if (name.ends_with(".bak")) {
            names.insert(name.substr(0, name.size() - 4));
        }
    }
    return names;
}

bool namesOneOf(const std::string& message, const std::set<std::string>& names) {
    for (const auto& name : names) {
        if (message.find(name) != std::string::npos) {
            return true;
        }
    }
    return false;
}

std::vector<std::uint64_t> faultPoints(std::uint64_t operations, std::uint64_t exhaustiveUpTo) {
    std::vector<std::uint64_t> points;
    if (operations <= exhaustiveUpTo) {
        for (std::uint64_t n = 1; n <= operations; ++n) {
            points.push_back(n);
        }
        return points;
    }
    const std::uint64_t edge = exhaustiveUpTo / 3;
    std::set<std::uint64_t> chosen;
    for (std::uint64_t n = 1; n <= edge; ++n) {
        chosen.insert(n);
        chosen.insert(operations + 1 - n);
    }
    const std::uint64_t middle = exhaustiveUpTo - 2 * edge;
    for (std::uint64_t i = 1; i <= middle; ++i) {
        chosen.insert(edge + i * (operations - 2 * edge) / (middle + 1));
    }
    return {chosen.begin(), chosen.end()};
}

FolderSnapshot without(FolderSnapshot snapshot, const std::set<std::string>& names) {
    std::erase_if(snapshot,
                  [&](const auto& entry) { return names.contains(fs::path(entry.first).filename().string()); });
    return snapshot;
}

}  // namespace

FaultSweep sweepWriteFaults(const std::vector<fs::path>& roots,
                            const WriteAttempt& attempt,
                            std::uint64_t exhaustiveUpTo,
                            const std::set<std::string>& transportFiles) {
    FaultSweep sweep;
    const FolderSnapshot before = snapshotFolders(roots);
    const auto identitiesBefore = fileIdentities(roots);

    std::string message;
    {
        // Armed beyond reach: the run counts its operations and none fails.
        const FileFaultsScope count(std::numeric_limits<std::uint64_t>::max());
        message = attempt();
        sweep.operations = FileFaults::counted();
    }
    if (!message.empty()) {
        sweep.problems.push_back("the run without fault failed: " + message);
        return sweep;
    }
    const FolderSnapshot expected = snapshotFolders(roots);
    for (const auto& path : leftoverTemporaries(expected)) {
        sweep.problems.push_back("the run without fault left " + path);
    }
    const std::set<std::string> names = writtenNames(identitiesBefore, fileIdentities(roots));
    if (names.empty()) {
        sweep.problems.push_back("the run without fault wrote nothing under the folders watched");
    }
    if (sweep.operations == 0) {
        sweep.problems.push_back("the run without fault wrote through none of the counted operations");
    }
    restore(roots, before);

    for (const std::uint64_t n : faultPoints(sweep.operations, exhaustiveUpTo)) {
        const std::string where = "fault at operation " + std::to_string(n) + ": ";
        {
            const FileFaultsScope fault(n);
            message = attempt();
            if (!FileFaults::fired()) {
                sweep.problems.push_back(where + "never reached (the runs differ)");
                continue;
            }
        }
        const FolderSnapshot after = snapshotFolders(roots);
        if (message.empty()) {
            sweep.problems.push_back(where + "the command reported success");
            restore(roots, before);
            continue;
        }
        ++sweep.failedRuns;
        if (without(after, transportFiles) != without(before, transportFiles)) {
            sweep.problems.push_back(where + "files changed: " + describeDifference(before, after) + message);
            restore(roots, before);
        }
        if (!namesOneOf(message, names)) {
            sweep.problems.push_back(where + "the message names none of the files written: " + message);
        }
    }

    {
        const FileFaultsScope fault(sweep.operations + 1);
        message = attempt();
    }
    if (!message.empty()) {
        sweep.problems.push_back("the final run failed: " + message);
    } else if (const FolderSnapshot after = snapshotFolders(roots); after != expected) {
        sweep.problems.push_back("the final run wrote other files: " + describeDifference(expected, after));
    }
    return sweep;
}

std::string errorOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const Error& error) {
        return error.what();
    }
    return {};
}

std::string problemList(const FaultSweep& sweep) {
    std::string text = std::to_string(sweep.operations) + " operations\n";
    for (const auto& problem : sweep.problems) {
        text += problem + "\n";
    }
    return text;
}

}  // namespace zt::test
