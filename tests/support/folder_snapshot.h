#pragma once

#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace zt::test {

// Every file and folder under the roots, by path, with the bytes of each file ("/" for a
// folder), hidden ones included: two snapshots are equal only when nothing was added, removed
// or changed.
using FolderSnapshot = std::map<std::string, std::string>;
FolderSnapshot snapshotFolders(const std::vector<std::filesystem::path>& roots);

// The paths of the snapshot that are a writer's temporaries (or the second names a commit
// keeps), which must never outlive a command.
std::vector<std::string> leftoverTemporaries(const FolderSnapshot& snapshot);

// The names that differ between two snapshots, for a readable failure.
std::string describeDifference(const FolderSnapshot& expected, const FolderSnapshot& actual);

}  // namespace zt::test
