#include "cli/league_argument.h"

#include <CLI/CLI.hpp>

#include "league/league.h"
#include "league/league_io.h"

namespace zt::cli {

void LeagueArgument::addTo(CLI::App& command) {
    command.add_option("LEAGUE", m_path, "The league's .sea, .pla or players.zt file")->required();
}

std::unique_ptr<League> LeagueArgument::open() const {
    return openLeague(m_path);
}

}  // namespace zt::cli
