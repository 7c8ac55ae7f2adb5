#include "sample/team_achievements.h"

#include <algorithm>

namespace zt::sample {

namespace {

// Plays a series; returns the winner and adds the games to both teams' postseason records.
int playSeries(int a, int b, int bestOf, const std::vector<int>& wins, std::vector<Achievements>& out, Random& rng) {
    const double edge =
        std::clamp(0.5 + (wins[static_cast<std::size_t>(a)] - wins[static_cast<std::size_t>(b)]) * 0.005, 0.3, 0.7);
    const int needed = bestOf / 2 + 1;
    int winsA = 0;
    int winsB = 0;
    while (winsA < needed && winsB < needed) {
        (rng.chance(edge) ? winsA : winsB) += 1;
    }
    Achievements& ra = out[static_cast<std::size_t>(a)];
    Achievements& rb = out[static_cast<std::size_t>(b)];
    ra.postSeasonWins += winsA;
    ra.postSeasonLosses += winsB;
    rb.postSeasonWins += winsB;
    rb.postSeasonLosses += winsA;
    return winsA > winsB ? a : b;
}

}  // namespace

std::vector<Achievements> pastAchievements(
    const std::vector<TeamPlace>& places, int years, int seasonGames, const std::array<int, 3>& bestOf, Random& rng) {
    const std::size_t teams = places.size();
    std::vector<Achievements> out(teams);
    std::vector<double> quality(teams);
    for (auto& q : quality) {
        q = rng.normal(0.0, 0.6);  // some clubs are better than others year after year
    }
    const int average = seasonGames / 2;
    for (int year = 0; year < years; ++year) {
        std::vector<int> wins(teams);
        int total = 0;
        for (std::size_t t = 0; t < teams; ++t) {
            wins[t] = std::clamp(static_cast<int>(average + seasonGames * 0.055 * (quality[t] + rng.normal(0.0, 1.0))),
                                 seasonGames / 4,
                                 seasonGames - seasonGames / 4);
            total += wins[t];
        }
        // Every game has a winner and a loser: the league's wins must equal its losses.
        const int target = average * static_cast<int>(teams);
        while (total != target) {
            const std::size_t t = static_cast<std::size_t>(rng.below(teams));
            if (total > target && wins[t] > 0) {
                --wins[t];
                --total;
            } else if (total < target && wins[t] < seasonGames) {
                ++wins[t];
                ++total;
            }
        }
        for (std::size_t t = 0; t < teams; ++t) {
            out[t].completedSeasons += 1;
            out[t].regularSeasonWins += wins[t];
            out[t].regularSeasonLosses += seasonGames - wins[t];
        }

        // Division winners, then the best second-placed team of each league as its wild card.
        std::array<int, 2> champions{};
        for (int league = 0; league < 2; ++league) {
            std::vector<int> qualified;
            for (int division = 0; division < 3; ++division) {
                int best = -1;
                for (std::size_t t = 0; t < teams; ++t) {
                    if (places[t].league == league && places[t].division == division &&
                        (best < 0 || wins[t] > wins[static_cast<std::size_t>(best)])) {
                        best = static_cast<int>(t);
                    }
                }
                out[static_cast<std::size_t>(best)].divisionFirstPlaces += 1;
                out[static_cast<std::size_t>(best)].divisionTitles += 1;
                qualified.push_back(best);
            }
            int wildCard = -1;
            for (std::size_t t = 0; t < teams; ++t) {
                const bool winner =
                    std::find(qualified.begin(), qualified.end(), static_cast<int>(t)) != qualified.end();
                if (places[t].league == league && !winner &&
                    (wildCard < 0 || wins[t] > wins[static_cast<std::size_t>(wildCard)])) {
                    wildCard = static_cast<int>(t);
                }
            }
            out[static_cast<std::size_t>(wildCard)].wildCardsWon += 1;
            std::stable_sort(qualified.begin(), qualified.end(), [&](int a, int b) {
                return wins[static_cast<std::size_t>(a)] > wins[static_cast<std::size_t>(b)];
            });
            const int first = playSeries(qualified[0], wildCard, bestOf[0], wins, out, rng);
            const int second = playSeries(qualified[1], qualified[2], bestOf[0], wins, out, rng);
            champions[static_cast<std::size_t>(league)] = playSeries(first, second, bestOf[1], wins, out, rng);
            out[static_cast<std::size_t>(champions[static_cast<std::size_t>(league)])].leagueTitles += 1;
        }
        const int worldChampion = playSeries(champions[0], champions[1], bestOf[2], wins, out, rng);
        out[static_cast<std::size_t>(worldChampion)].worldSeriesWon += 1;
    }
    return out;
}

}  // namespace zt::sample
