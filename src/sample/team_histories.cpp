#include <array>

#include "sample/player_histories.h"
#include "sample/stat_totals.h"

namespace zt::sample {

namespace {

constexpr int kStreakYear = 3;
constexpr int kLevels = 4;

// One team's totals of one year and level.
struct YearLevel {
    std::array<BattingTotals, 2> batting{};
    std::array<PitchingTotals, 2> pitching{};
    std::array<FieldingTotals, 10> fielding{};
    bool used = false;
};

}  // namespace

HistoryList buildTeamHistories(const HistoryList& players, const HistoryShape& shape, int teamCount, Random& filler) {
    const int firstYear = shape.seasonYear - shape.years;
    const std::size_t years = static_cast<std::size_t>(shape.years + 1);
    std::vector<YearLevel> sums(static_cast<std::size_t>(teamCount) * years * kLevels);
    const auto slot = [&](int team, int year, int level) -> YearLevel* {
        if (team < 0 || team >= teamCount || year < firstYear || year > shape.seasonYear || level < 0 ||
            level >= kLevels) {
            return nullptr;
        }
        return &sums[(static_cast<std::size_t>(team) * years + static_cast<std::size_t>(year - firstYear)) * kLevels +
                     static_cast<std::size_t>(level)];
    };

    // The stored player lines are what a reader of stats.zt sees, so the totals add those up.
    for (const auto& block : players) {
        for (const BattingLine& line : block->batting) {
            const BattingLineData d = decodeBattingLine(line);
            if (YearLevel* s = d.year == kStreakYear ? nullptr : slot(d.team, d.year, d.level); s && d.split < 2) {
                addLine(s->batting[d.split], d);
                s->used = true;
            }
        }
        for (const PitchingLine& line : block->pitching) {
            const PitchingLineData d = decodePitchingLine(line);
            if (YearLevel* s = d.year == kStreakYear ? nullptr : slot(d.team, d.year, d.level); s && d.split < 2) {
                addLine(s->pitching[d.split], d);
                s->used = true;
            }
        }
        for (const FieldingLine& line : block->fielding) {
            const FieldingLineData d = decodeFieldingLine(line);
            if (YearLevel* s = slot(d.team, d.year, d.level); s && d.position >= 1 && d.position <= 9) {
                addLine(s->fielding[d.position], d);
                s->used = true;
            }
        }
    }

    HistoryList teams;
    for (int team = 0; team < teamCount; ++team) {
        auto block = std::make_unique<StatHistory>();
        block->key = team;
        for (int year = firstYear; year <= shape.seasonYear; ++year) {
            for (int level = 0; level < kLevels; ++level) {
                const YearLevel& s = *slot(team, year, level);
                if (!s.used) {
                    continue;
                }
                for (int split = 0; split < 2; ++split) {
                    if (!s.batting[static_cast<std::size_t>(split)].empty()) {
                        block->batting.push_back(makeBattingLine(
                            {year, level, split, team}, s.batting[static_cast<std::size_t>(split)], filler.byte()));
                    }
                    if (!s.pitching[static_cast<std::size_t>(split)].empty()) {
                        block->pitching.push_back(makePitchingLine({year, level, split, team},
                                                                   s.pitching[static_cast<std::size_t>(split)],
                                                                   {filler.byte(), filler.byte(), filler.byte()}));
                    }
                }
                for (int position = 1; position <= 9; ++position) {
                    if (!s.fielding[static_cast<std::size_t>(position)].empty()) {
                        block->fielding.push_back(makeFieldingLine({year, level, position, team},
                                                                   s.fielding[static_cast<std::size_t>(position)],
                                                                   filler.byte()));
                    }
                }
            }
        }
        teams.push_back(std::move(block));
    }
    return teams;
}

}  // namespace zt::sample
