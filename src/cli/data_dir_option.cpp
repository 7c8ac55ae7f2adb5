#include "cli/data_dir_option.h"

#include <CLI/CLI.hpp>
#include <cstdlib>
#include <system_error>

#include "league/error.h"

namespace zt::cli {

void DataDirOption::addTo(CLI::App& command) {
    command.add_option("--data-dir", m_directory, "The editor's data directory (default: $ZTEDIT_DATA_DIR)");
}

std::filesystem::path DataDirOption::directory() const {
    if (!m_directory.empty()) {
        return m_directory;
    }
    const char* fromEnvironment = std::getenv("ZTEDIT_DATA_DIR");
    if (fromEnvironment != nullptr && *fromEnvironment != '\0') {
        return fromEnvironment;
    }
    throw Error("No editor data directory: give --data-dir DIR or set ZTEDIT_DATA_DIR.");
}

LeagueConstants DataDirOption::constants() const {
    const std::filesystem::path file = directory() / kConstantsFileName;
    std::error_code ec;
    if (!std::filesystem::is_regular_file(file, ec)) {
        throw Error("The league constants file " + file.string() + " does not exist.");
    }
    return readLeagueConstants(file);
}

}  // namespace zt::cli
