#include "sample/player_histories.h"

#include <algorithm>
#include <map>

#include "sample/career_paths.h"
#include "sample/season_lines.h"

namespace zt::sample {

namespace {

constexpr int kStreakYear = 3;
constexpr int kTeamSlots = 31;  // 30 clubs and the free agents

// How a player was used in one season at one level.
struct Usage {
    int plateAppearances = 0;
    int games = 0;
    double pinchShare = 0;  // share of his at bats as a pinch hitter
    PitchingUsage pitching;
    struct Field {
        int position, games, outs;
    };
    std::vector<Field> fielding;
};

struct Season {
    Stint stint;
    Usage usage;
};

struct Member {
    int player;
    std::size_t season;
};

// Ability rises to a peak at 28 and falls after; a past season shows him at that age.
double agingCurve(int age) {
    const double d = age - 28.0;
    return -0.0009 * d * d;
}

double battingForm(const Profile& p, int ageThen, Random& rng) {
    return 1.0 + agingCurve(ageThen) - agingCurve(p.age) + rng.normal(0.0, 0.03);
}

double pitchingForm(const Profile& p, int ageThen, Random& rng) {
    return 1.0 - (agingCurve(ageThen) - agingCurve(p.age)) + rng.normal(0.0, 0.03);
}

class UsagePlanner {
public:
    UsagePlanner(const Organisation& org, std::vector<std::vector<Season>>& seasons, Random& rng)
        : m_org(org), m_seasons(seasons), m_rng(rng) {}

    void plan(const std::vector<Member>& members, int games, bool unattached) {
        std::vector<Member> hitters, starters, relievers;
        for (const Member& m : members) {
            const Profile& p = m_org.player(m.player);
            (p.pitcher ? (p.role == role::Starter ? starters : relievers) : hitters).push_back(m);
        }
        planHitters(hitters, games, unattached);
        planPitchers(starters, relievers, games, unattached);
    }

private:
    Usage& usageOf(const Member& m) { return m_seasons[static_cast<std::size_t>(m.player)][m.season].usage; }

    void planHitters(const std::vector<Member>& hitters, int games, bool unattached) {
        const double budget = games * 38.5;
        const double cap = games * 4.4;
        std::vector<double> weights;
        double total = 0;
        for (const Member& m : hitters) {
            const Profile& p = m_org.player(m.player);
            const double strength = std::max(0.15, 0.3 * p.ops(0) + 0.7 * p.ops(1) - 0.45);
            // Playing time also depends on health and the manager's whims, so it varies by season.
            weights.push_back((p.role == role::Starter ? 3.0 : 1.0) * strength * m_rng.uniform(0.75, 1.25));
            total += weights.back();
        }
        std::vector<int> fieldOuts(11, 0);
        int benchAppearances = 0;
        for (std::size_t i = 0; i < hitters.size(); ++i) {
            const Profile& p = m_org.player(hitters[i].player);
            Usage& u = usageOf(hitters[i]);
            const double share = unattached ? games * m_rng.uniform(0.6, 2.6) : budget * weights[i] / total;
            u.plateAppearances = m_rng.roundRandom(std::min(cap * m_rng.uniform(0.85, 1.0), share));
            const double perGame = p.role == role::Starter ? 4.2 : 3.2;
            // Catchers need their days off.
            const int most = p.position == pos::C ? m_rng.roundRandom(games * m_rng.uniform(0.75, 0.9)) : games;
            u.games = std::clamp(m_rng.roundRandom(u.plateAppearances / perGame), u.plateAppearances > 0 ? 1 : 0, most);
            addFielding(p, u);
            for (const auto& f : u.fielding) {
                fieldOuts[static_cast<std::size_t>(f.position)] += f.outs;
            }
            benchAppearances += p.role == role::Starter ? 0 : u.plateAppearances;
        }
        // A team sends up about one pinch hitter a game, from its bench.
        const double pinchShare =
            unattached ? 0.1 : (benchAppearances > 0 ? std::min(0.25, games * 0.9 / (benchAppearances * 0.88)) : 0.0);
        for (const Member& m : hitters) {
            usageOf(m).pinchShare = m_org.player(m.player).role == role::Starter ? 0.0 : pinchShare;
        }
        if (unattached) {
            return;
        }
        // A team fields one player at each position: more outs than the games hold are scaled down.
        const int limit = games * 27;
        for (const Member& m : hitters) {
            for (auto& f : usageOf(m).fielding) {
                const int sum = fieldOuts[static_cast<std::size_t>(f.position)];
                if (sum > limit) {
                    const double factor = static_cast<double>(limit) / sum;
                    f.outs = static_cast<int>(f.outs * factor);
                    f.games = std::max(f.outs > 0 ? 1 : 0, static_cast<int>(f.games * factor));
                }
            }
        }
    }

    void addFielding(const Profile& p, Usage& u) {
        if (u.games == 0) {
            return;
        }
        const bool hasSecond = p.secondPosition != p.position && p.secondPosition <= pos::RF;
        double primaryShare = 1.0;
        if (p.position == pos::DH) {
            primaryShare = 0.0;
        } else if (hasSecond) {
            primaryShare = m_rng.uniform(0.8, 1.0);
        }
        const double secondShare = p.position == pos::DH ? m_rng.uniform(0.1, 0.4) : 1.0 - primaryShare;
        const int primaryGames = m_rng.roundRandom(u.games * primaryShare);
        if (p.position <= pos::RF && primaryGames > 0) {
            u.fielding.push_back(
                {p.position, primaryGames, m_rng.roundRandom(primaryGames * m_rng.uniform(24.0, 26.5))});
        }
        const int secondGames = std::min(u.games - primaryGames, m_rng.roundRandom(u.games * secondShare));
        if (hasSecond && secondGames > 0) {
            u.fielding.push_back(
                {p.secondPosition, secondGames, m_rng.roundRandom(secondGames * m_rng.uniform(12.0, 26.0))});
        }
    }

    void planPitchers(const std::vector<Member>& starters,
                      const std::vector<Member>& relievers,
                      int games,
                      bool unattached) {
        const double scale = games / 162.0;
        // Every team game has one starter; the starters share them by endurance.
        double endurance = 0;
        for (const Member& m : starters) {
            endurance += m_org.player(m.player).endurance;
        }
        int starts = 0;
        for (const Member& m : starters) {
            const Profile& p = m_org.player(m.player);
            const double share = unattached ? m_rng.uniform(5.0, 25.0) * scale : games * p.endurance / endurance;
            usageOf(m).pitching.starts = std::min(m_rng.roundRandom(std::min(share, 34.0 * scale)), games);
            starts += usageOf(m).pitching.starts;
        }
        // Rounding may hand out a start or two more than the team played.
        for (std::size_t i = 0; !unattached && starts > games; i = (i + 1) % starters.size()) {
            if (usageOf(starters[i]).pitching.starts > 0) {
                --usageOf(starters[i]).pitching.starts;
                --starts;
            }
        }
        int starterOuts = 0;
        for (const Member& m : starters) {
            Usage& u = usageOf(m);
            u.pitching.outs = m_rng.roundRandom(u.pitching.starts * m_rng.uniform(16.5, 19.0));
            u.pitching.games = std::min(games, u.pitching.starts + (m_rng.chance(0.15) ? m_rng.between(1, 3) : 0));
            starterOuts += u.pitching.outs;
        }
        const int remaining = std::max(0, games * 27 - starterOuts);
        std::vector<double> weights;
        double weight = 0;
        for (const Member& m : relievers) {
            weights.push_back((m_org.player(m.player).role == role::Closer ? 1.3 : 1.0) * m_rng.uniform(0.75, 1.25));
            weight += weights.back();
        }
        int relieverGames = 0;
        for (std::size_t i = 0; i < relievers.size(); ++i) {
            Usage& u = usageOf(relievers[i]);
            const double share = unattached ? m_rng.uniform(60.0, 200.0) * scale : remaining * weights[i] / weight;
            u.pitching.outs = m_rng.roundRandom(std::min(share, 283.0 * scale * m_rng.uniform(0.75, 1.0)));
            u.pitching.games = std::clamp(
                m_rng.roundRandom(u.pitching.outs / m_rng.uniform(3.0, 4.5)), u.pitching.outs > 0 ? 1 : 0, games);
            relieverGames += u.pitching.games;
        }
        // A bullpen of many relievers cannot appear more often than a season allows.
        const int gameLimit = games * 5;
        if (!unattached && relieverGames > gameLimit) {
            for (const Member& m : relievers) {
                Usage& u = usageOf(m);
                u.pitching.games = std::max(u.pitching.outs > 0 ? 1 : 0, u.pitching.games * gameLimit / relieverGames);
            }
        }
        for (const auto* group : {&starters, &relievers}) {
            for (const Member& m : *group) {
                Usage& u = usageOf(m);
                u.games = u.pitching.games;
                if (u.pitching.games > 0) {
                    u.fielding.push_back({pos::P, u.pitching.games, u.pitching.outs});
                }
            }
        }
    }

    const Organisation& m_org;
    std::vector<std::vector<Season>>& m_seasons;
    Random& m_rng;
};

class BlockWriter {
public:
    BlockWriter(StatHistory& block, Random& filler) : m_block(block), m_filler(filler) {}

    void batting(const LineKey& key, const BattingTotals& t) {
        m_block.batting.push_back(makeBattingLine(key, t, m_filler.byte()));
    }
    void pitching(const LineKey& key, const PitchingTotals& t) {
        m_block.pitching.push_back(makePitchingLine(key, t, {m_filler.byte(), m_filler.byte(), m_filler.byte()}));
    }
    void fielding(const LineKey& key, const FieldingTotals& t) {
        m_block.fielding.push_back(makeFieldingLine(key, t, m_filler.byte()));
    }

private:
    StatHistory& m_block;
    Random& m_filler;
};

// A split line is written whenever it holds anything: a walk and a run against a left-hander
// count even in a game counted against right-handers.
bool battingShown(const BattingTotals& t) {
    return !t.empty();
}

bool pitchingShown(const PitchingTotals& t) {
    return !t.empty();
}

// The past and minor-league season lines of one player.
void writeDrawnSeason(
    BlockWriter& out, const Profile& p, const Season& season, const HistoryShape& shape, Random& rng) {
    const Stint& s = season.stint;
    const Usage& u = season.usage;
    const int ageThen = p.age - (shape.seasonYear - s.year);
    if (!p.pitcher) {
        const auto lines =
            battingSeason(p, u.plateAppearances, u.games, battingForm(p, ageThen, rng), u.pinchShare, rng);
        for (int split = 0; split < 2; ++split) {
            if (battingShown(lines[static_cast<std::size_t>(split)])) {
                out.batting({s.year, s.level, split, s.team}, lines[static_cast<std::size_t>(split)]);
            }
        }
    } else {
        // Pitchers bat in the major league without the designated hitter, and little.
        const bool bats = s.level == 0 && s.team != 255 &&
                          shape.places[static_cast<std::size_t>(s.team)].league != shape.designatedHitterLeague;
        if (bats) {
            const int pa = rng.roundRandom(u.pitching.starts * 2.2 + (u.pitching.games - u.pitching.starts) * 0.1);
            const auto lines =
                battingSeason(p, pa, std::min(u.pitching.games, pa), battingForm(p, ageThen, rng), 0.0, rng);
            for (int split = 0; split < 2; ++split) {
                if (battingShown(lines[static_cast<std::size_t>(split)])) {
                    out.batting({s.year, s.level, split, s.team}, lines[static_cast<std::size_t>(split)]);
                }
            }
        }
        const auto lines = pitchingSeason(p, u.pitching, pitchingForm(p, ageThen, rng), rng);
        for (int split = 0; split < 2; ++split) {
            if (pitchingShown(lines[static_cast<std::size_t>(split)])) {
                out.pitching({s.year, s.level, split, s.team}, lines[static_cast<std::size_t>(split)]);
            }
        }
    }
    for (const auto& f : u.fielding) {
        out.fielding({s.year, s.level, f.position, s.team}, fieldingSeason(p, f.position, f.games, f.outs, rng));
    }
}

void writeMajorSeason(BlockWriter& out, const Profile& p, const SeasonRecord& r, int year) {
    for (int split = 0; split < 2; ++split) {
        if (battingShown(r.batting[static_cast<std::size_t>(split)])) {
            out.batting({year, 0, split, p.team}, r.batting[static_cast<std::size_t>(split)]);
        }
    }
    for (int split = 0; split < 2; ++split) {
        if (pitchingShown(r.pitching[static_cast<std::size_t>(split)])) {
            out.pitching({year, 0, split, p.team}, r.pitching[static_cast<std::size_t>(split)]);
        }
    }
    for (int position = pos::P; position <= pos::RF; ++position) {
        if (!r.fielding[static_cast<std::size_t>(position)].empty()) {
            out.fielding({year, 0, position, p.team}, r.fielding[static_cast<std::size_t>(position)]);
        }
    }
}

// The streak record: longest hitting streak, and a pitcher's longest winning and losing runs,
// at least as long as any of this season's.
// The shortest longest runs a season's decisions allow: w wins among l losses include a run of
// at least ceil(w / (l + 1)) wins.
std::pair<int, int> streaksImpliedBy(const StatHistory& block) {
    std::map<int, std::pair<int, int>> decisions;
    for (const PitchingLine& line : block.pitching) {
        const PitchingLineData d = decodePitchingLine(line);
        decisions[d.year].first += d.wins;
        decisions[d.year].second += d.losses;
    }
    std::pair<int, int> longest{0, 0};
    for (const auto& [year, wl] : decisions) {
        longest.first = std::max(longest.first, (wl.first + wl.second) / (wl.second + 1));
        longest.second = std::max(longest.second, (wl.second + wl.first) / (wl.first + 1));
    }
    return longest;
}

void writeStreaks(BlockWriter& out,
                  const Profile& p,
                  const SeasonRecord* current,
                  std::size_t seasons,
                  std::pair<int, int> implied,
                  Random& rng) {
    const int team = p.team;
    BattingTotals hitting;
    const double experience = static_cast<double>(std::min<std::size_t>(seasons, 10));
    const int drawn = p.pitcher ? rng.between(1, 3)
                                : rng.roundRandom(rng.normal(7.0 + (p.avg[1] - 0.25) * 100.0 + experience * 0.7, 3.0));
    hitting.hits = std::clamp(std::max(drawn, current ? current->longestHitStreak : 0), 1, 30);
    out.batting({kStreakYear, p.homeLevel, 0, team}, hitting);
    if (p.pitcher) {
        // Starters get a decision most times out; relievers rarely string many together.
        const int seasonsPitched = static_cast<int>(experience);
        const int longest = p.role == role::Starter ? 4 + seasonsPitched : 2 + seasonsPitched / 3;
        PitchingTotals streaks;
        const int wins = std::max({rng.between(1, longest), implied.first, current ? current->longestWinStreak : 0});
        const int losses =
            std::max({rng.between(1, longest * 2 / 3 + 1), implied.second, current ? current->longestLossStreak : 0});
        streaks.wins = std::clamp(wins, 1, 30);
        streaks.losses = std::clamp(losses, 1, 30);
        out.pitching({kStreakYear, p.homeLevel, 0, team}, streaks);
    }
}

}  // namespace

HistoryList buildPlayerHistories(
    const Organisation& org, const SeasonBook& book, const HistoryShape& shape, Random& rng, Random& filler) {
    const int teamCount = static_cast<int>(org.teams.size());
    const int firstYear = shape.seasonYear - shape.years;
    std::vector<std::vector<Season>> seasons(org.players.size());
    for (std::size_t i = 0; i < org.players.size(); ++i) {
        const Profile& p = org.players[i];
        // Some unsigned free agents never played a professional season.
        if (p.team == 255 && rng.chance(0.03)) {
            continue;
        }
        for (const Stint& s : pastCareer(p, shape.seasonYear, shape.years, teamCount, rng)) {
            seasons[i].push_back({s, {}});
        }
        if (p.team != 255 && p.level >= 1 && p.level <= 3 && shape.playedDays > 0) {
            seasons[i].push_back({{shape.seasonYear, p.level, p.team}, {}});
        }
    }

    // Group the seasons by year, team and level, and share each group's playing time.
    const std::size_t groupCount = static_cast<std::size_t>(shape.years + 1) * kTeamSlots * 4;
    std::vector<std::vector<Member>> groups(groupCount);
    for (std::size_t i = 0; i < seasons.size(); ++i) {
        for (std::size_t k = 0; k < seasons[i].size(); ++k) {
            const Stint& s = seasons[i][k].stint;
            const int teamSlot = s.team == 255 ? kTeamSlots - 1 : s.team;
            const std::size_t g =
                (static_cast<std::size_t>(s.year - firstYear) * kTeamSlots + static_cast<std::size_t>(teamSlot)) * 4 +
                static_cast<std::size_t>(s.level);
            groups[g].push_back({static_cast<int>(i), k});
        }
    }
    UsagePlanner planner(org, seasons, rng);
    for (std::size_t g = 0; g < groupCount; ++g) {
        if (groups[g].empty()) {
            continue;
        }
        const int year = firstYear + static_cast<int>(g / (kTeamSlots * 4));
        const bool unattached = (g / 4) % kTeamSlots == kTeamSlots - 1;
        planner.plan(groups[g], year == shape.seasonYear ? shape.playedDays : shape.pastSeasonGames, unattached);
    }

    HistoryList histories;
    histories.reserve(org.players.size());
    for (std::size_t i = 0; i < org.players.size(); ++i) {
        const Profile& p = org.players[i];
        const SeasonRecord* current = book.find(static_cast<int>(i));
        auto block = std::make_unique<StatHistory>();
        block->key = p.id;
        BlockWriter out(*block, filler);
        for (const Season& season : seasons[i]) {
            writeDrawnSeason(out, p, season, shape, rng);
        }
        if (current != nullptr) {
            writeMajorSeason(out, p, *current, shape.seasonYear);
        }
        if (block->batting.empty() && block->pitching.empty() && block->fielding.empty()) {
            continue;  // never played: no history
        }
        // The streak record leads the block; the seasons follow oldest first.
        StatHistory streaks;
        BlockWriter streakOut(streaks, filler);
        writeStreaks(streakOut, p, current, seasons[i].size(), streaksImpliedBy(*block), rng);
        block->batting.insert(block->batting.begin(), streaks.batting.begin(), streaks.batting.end());
        block->pitching.insert(block->pitching.begin(), streaks.pitching.begin(), streaks.pitching.end());
        histories.push_back(std::move(block));
    }
    return histories;
}

}  // namespace zt::sample
