#pragma once

#include <filesystem>
#include <memory>
#include <string>

namespace CLI {
class App;
}

namespace zt {
class League;
}

namespace zt::cli {

// The LEAGUE argument shared by the commands that open a league: a .sea, .pla or players.zt
// path, opened exactly as the editor opens it.
class LeagueArgument {
public:
    void addTo(CLI::App& command);
    std::unique_ptr<League> open() const;
    const std::string& path() const { return m_path; }

private:
    std::string m_path;
};

}  // namespace zt::cli
