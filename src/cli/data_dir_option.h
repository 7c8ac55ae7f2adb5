#pragma once

#include <filesystem>
#include <string>

#include "ratings/league_constants.h"

namespace CLI {
class App;
}

namespace zt::cli {

// The editor's data directory (where constants.ini lives): `--data-dir DIR`, else the environment
// variable ZTEDIT_DATA_DIR, as the editor window finds it.
class DataDirOption {
public:
    void addTo(CLI::App& command);

    // Throws zt::Error when neither is given.
    std::filesystem::path directory() const;

    // constants.ini of the data directory. A missing file is an error here: the window would
    // compute with factors of 0 and turn every split rating into 0.
    LeagueConstants constants() const;

private:
    std::string m_directory;
};

}  // namespace zt::cli
