#include "sample_fixtures.h"

#include <algorithm>

namespace zt::sample::test {

const SampleLeague& standardLeague() {
    static const SampleLeague league = buildSampleLeague(SampleOptions{});
    return league;
}

const SampleLeague& largeLeague() {
    static const SampleLeague league = [] {
        SampleOptions options;
        options.seed = 20260401;
        options.playersPerTeam = 120;
        options.freeAgents = 800;
        options.years = 40;
        return buildSampleLeague(options);
    }();
    return league;
}

std::vector<const PlayerRecord*> playersById(const League& league) {
    std::vector<const PlayerRecord*> byId(65536, nullptr);
    for (const auto& player : league.players) {
        byId[player->playerId()] = player.get();
    }
    return byId;
}

int playedDays(const League& league) {
    return league.seasonHeader.get(sh::seasonDay) - 1;
}

std::string findBoxScore(const std::string& text, int day, int home, int visitor) {
    const std::string homeKey = "m" + std::to_string(home) + " (Day " + std::to_string(day) + ")";
    const std::string visitorKey = "m" + std::to_string(visitor) + " (Day " + std::to_string(day) + ")";
    const std::size_t start = std::min(text.find(homeKey), text.find(visitorKey));
    if (start == std::string::npos) {
        return {};
    }
    const std::size_t end = text.find("END", start);
    return end == std::string::npos ? text.substr(start) : text.substr(start, end + 3 - start);
}

}  // namespace zt::sample::test
