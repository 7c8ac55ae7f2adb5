#include "sample/career_paths.h"

#include <algorithm>

namespace zt::sample {

std::vector<Stint> pastCareer(const Profile& p, int seasonYear, int years, int teamCount, Random& rng) {
    std::vector<Stint> stints;
    const int debutAge = std::min(p.age, rng.between(19, 23));
    int level = std::clamp(p.homeLevel, 0, 3);
    int team = p.team;
    if (team == 255 && rng.chance(0.6)) {
        team = rng.between(0, teamCount - 1);  // released by a club last year
    }
    for (int k = 1; k <= years; ++k) {
        const int age = p.age - k;
        if (age < std::max(19, debutAge)) {
            break;
        }
        // Going back in time a player was at the same level or one below.
        if (level < 3) {
            const double drop = level == 0 ? (age <= 24 ? 0.55 : (age <= 27 ? 0.3 : 0.1)) : 0.45;
            if (rng.chance(drop)) {
                ++level;
            }
        }
        if (team != 255 && rng.chance(0.07)) {
            team = rng.chance(0.1) ? 255 : rng.between(0, teamCount - 1);
        } else if (team == 255 && rng.chance(0.5)) {
            team = rng.between(0, teamCount - 1);
        }
        if (rng.chance(0.04)) {
            continue;  // a season lost
        }
        stints.push_back({seasonYear - k, level, team});
    }
    std::reverse(stints.begin(), stints.end());
    return stints;
}

}  // namespace zt::sample
