#include "sample/schedule.h"

#include <stdexcept>

namespace zt::sample {

namespace {

constexpr int kSeriesLength = 3;

double pairingWeight(const TeamPlace& a, const TeamPlace& b, bool metLastTime) {
    double weight = 1.0;
    if (a.league == b.league) {
        weight = a.division == b.division ? 6.0 : 2.5;
    }
    return metLastTime ? weight * 0.05 : weight;
}

}  // namespace

std::vector<ScheduleDay> makeSchedule(const std::vector<TeamPlace>& places, int days, Random& rng) {
    const int teams = static_cast<int>(places.size());
    if (teams != 2 * kGamesPerDay) {
        throw std::logic_error("a schedule day pairs exactly thirty teams");
    }
    std::vector<ScheduleDay> schedule;
    schedule.reserve(static_cast<std::size_t>(days));
    std::vector<int> homeGames(static_cast<std::size_t>(teams), 0);
    std::vector<int> lastOpponent(static_cast<std::size_t>(teams), -1);

    for (int first = 0; first < days; first += kSeriesLength) {
        std::vector<int> open(static_cast<std::size_t>(teams));
        for (int t = 0; t < teams; ++t) {
            open[static_cast<std::size_t>(t)] = t;
        }
        rng.shuffle(open);
        ScheduleDay pairing;
        int game = 0;
        while (!open.empty()) {
            const int a = open.back();
            open.pop_back();
            double total = 0;
            for (const int b : open) {
                total += pairingWeight(places[static_cast<std::size_t>(a)],
                                       places[static_cast<std::size_t>(b)],
                                       lastOpponent[static_cast<std::size_t>(a)] == b);
            }
            double draw = rng.uniform() * total;
            std::size_t chosen = open.size() - 1;
            for (std::size_t i = 0; i < open.size(); ++i) {
                draw -= pairingWeight(places[static_cast<std::size_t>(a)],
                                      places[static_cast<std::size_t>(open[i])],
                                      lastOpponent[static_cast<std::size_t>(a)] == open[i]);
                if (draw < 0) {
                    chosen = i;
                    break;
                }
            }
            const int b = open[chosen];
            open.erase(open.begin() + static_cast<std::ptrdiff_t>(chosen));
            lastOpponent[static_cast<std::size_t>(a)] = b;
            lastOpponent[static_cast<std::size_t>(b)] = a;
            // The team with fewer home games so far hosts the series.
            const int homeA = homeGames[static_cast<std::size_t>(a)];
            const int homeB = homeGames[static_cast<std::size_t>(b)];
            const bool aHosts = homeA < homeB || (homeA == homeB && rng.chance(0.5));
            pairing[static_cast<std::size_t>(game++)] = aHosts ? ScheduledGame{a, b} : ScheduledGame{b, a};
        }
        const int length = std::min(kSeriesLength, days - first);
        for (const auto& g : pairing) {
            homeGames[static_cast<std::size_t>(g.home)] += length;
        }
        for (int d = 0; d < length; ++d) {
            schedule.push_back(pairing);
        }
    }
    return schedule;
}

}  // namespace zt::sample
