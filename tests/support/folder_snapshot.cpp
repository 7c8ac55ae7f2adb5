#include "support/folder_snapshot.h"

#include <fstream>
#include <iterator>

namespace zt::test {

namespace fs = std::filesystem;

FolderSnapshot snapshotFolders(const std::vector<fs::path>& roots) {
    FolderSnapshot snapshot;
    for (const auto& root : roots) {
        std::error_code ec;
        if (!fs::exists(root, ec)) {
            continue;
        }
        if (fs::is_regular_file(root, ec)) {
            std::ifstream in(root, std::ios::binary);
            snapshot[root.string()] = std::string(std::istreambuf_iterator<char>(in), {});
            continue;
        }
        snapshot[root.string()] = "/";
        for (const auto& entry : fs::recursive_directory_iterator(root)) {
            if (entry.is_directory()) {
                snapshot[entry.path().string()] = "/";
            } else {
                std::ifstream in(entry.path(), std::ios::binary);
                snapshot[entry.path().string()] = std::string(std::istreambuf_iterator<char>(in), {});
            }
        }
    }
    return snapshot;
}

std::vector<std::string> leftoverTemporaries(const FolderSnapshot& snapshot) {
    std::vector<std::string> found;
    for (const auto& [path, bytes] : snapshot) {
        if (fs::path(path).filename().string().find(".ztedit-") != std::string::npos) {
            found.push_back(path);
        }
    }
    return found;
}

std::string describeDifference(const FolderSnapshot& expected, const FolderSnapshot& actual) {
    std::string text;
    for (const auto& [path, bytes] : expected) {
        const auto it = actual.find(path);
        if (it == actual.end()) {
            text += "missing " + path + "\n";
        } else if (it->second != bytes) {
            text += "changed " + path + "\n";
        }
    }
    for (const auto& [path, bytes] : actual) {
        if (!expected.contains(path)) {
            text += "added " + path + "\n";
        }
    }
    return text;
}

}  // namespace zt::test
