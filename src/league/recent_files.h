#pragma once

#include <array>
#include <string>

namespace zt {

// The three most recently opened or saved leagues, most recent first ("File1" to "File3").
struct RecentFiles {
    static constexpr int kCount = 3;
    std::array<std::string, kCount> items;

    // Puts `path` first. Paths are compared exactly: opening item 2 swaps it with item 1,
    // item 1 stays where it is, any other path pushes the others down and drops item 3.
    void update(const std::string& path);

    bool operator==(const RecentFiles&) const = default;
};

}  // namespace zt
