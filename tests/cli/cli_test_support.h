#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace zt::test {

struct CliRun {
    int exitCode = -1;
    std::string out;
    std::string err;
};

// Runs ztedit-cli in-process on the arguments, capturing its output.
CliRun runTool(const std::vector<std::string>& args);

// The bytes of a file, for comparisons.
std::string fileContents(const std::filesystem::path& path);

}  // namespace zt::test
