#include "sample/season_builder.h"

#include "sample/name_lists.h"
#include "sample/team_achievements.h"

namespace zt::sample {

namespace {

constexpr std::array<int, 3> kBestOf = {5, 7, 7};

void fillHeader(SeasonHeader& header, const SeasonFacts& facts, int teamCount, Random& filler) {
    filler.fill(header.bytes());
    header.set(sh::seasonVersion, SeasonHeader::kExpectedVersion);
    header.set(sh::teamCount, teamCount);
    header.set(sh::leagueCount, 2);
    header.set(sh::divisionsPerLeague, 3);
    for (int round = 0; round < SeasonHeader::kRounds; ++round) {
        header.setPlayoffBestOf(round, kBestOf[static_cast<std::size_t>(round)]);
    }
    header.set(sh::inningsRule, 9);
    header.set(sh::dhRule, 1);
    header.set(sh::dhRuleCopy, std::uint8_t{1});
    // Each team plays every day of the schedule, so the season has as many games as days.
    header.set(sh::seasonGames, static_cast<std::uint8_t>(facts.days));
    header.set(sh::customSeason, std::uint8_t{0});
    header.set(sh::seasonYear, kSeasonYear);
    header.set(sh::seasonDay, static_cast<std::uint16_t>(facts.playedDays + 1));
}

void fillLeagueNames(League& league) {
    static constexpr std::string_view kNames[2][2] = {{"American League", "AL"}, {"National League", "NL"}};
    static constexpr std::string_view kDivisions[3] = {"East", "Central", "West"};
    for (std::size_t l = 0; l < 2; ++l) {
        LeagueNames& names = league.leagueNames[l];
        names.set(LeagueNames::name, kNames[l][0]);
        names.set(LeagueNames::abbreviation, kNames[l][1]);
        for (int d = 0; d < LeagueNames::kDivisions; ++d) {
            names.setDivisionName(d, kDivisions[static_cast<std::size_t>(d)]);
        }
    }
}

void fillRoster(TeamRecord& record, const Organisation& org, const TeamPlan& plan, std::int32_t emptySlot) {
    for (int slot = 0; slot < kRosterSize; ++slot) {
        const bool used = static_cast<std::size_t>(slot) < plan.roster.size();
        record.setRosterId(slot, used ? org.player(plan.roster[static_cast<std::size_t>(slot)]).id : emptySlot);
    }
    for (int kind = 0; kind < kLineupKinds; ++kind) {
        const Lineup& lineup = plan.lineups[static_cast<std::size_t>(kind)];
        for (int slot = 0; slot < kLineupSlots; ++slot) {
            const LineupEntry& e = lineup[static_cast<std::size_t>(slot)];
            record.setLineupSlot(static_cast<LineupKind>(kind),
                                 slot,
                                 {e.player < 0 ? -1 : static_cast<std::int32_t>(org.player(e.player).id), e.position});
        }
    }
    for (int level = 0; level < kRotationLevels; ++level) {
        for (int slot = 0; slot < kRotationSlots; ++slot) {
            const int player = plan.rotations[static_cast<std::size_t>(level)][static_cast<std::size_t>(slot)];
            record.setRotationSlot(level, slot, org.player(player).id);
        }
    }
}

void fillAchievements(TeamRecord& record, const Achievements& a) {
    record.set(tf::completedSeasons, a.completedSeasons);
    record.set(tf::wildCardsWon, a.wildCardsWon);
    record.set(tf::divisionFirstPlaces, a.divisionFirstPlaces);
    record.set(tf::divisionTitles, a.divisionTitles);
    record.set(tf::leagueTitles, a.leagueTitles);
    record.set(tf::worldSeriesWon, a.worldSeriesWon);
    record.set(tf::regularSeasonWins, a.regularSeasonWins);
    record.set(tf::regularSeasonLosses, a.regularSeasonLosses);
    record.set(tf::postSeasonWins, a.postSeasonWins);
    record.set(tf::postSeasonLosses, a.postSeasonLosses);
}

}  // namespace

std::vector<TeamPlace> standardPlaces() {
    std::vector<TeamPlace> places(30);
    for (int t = 0; t < 30; ++t) {
        TeamPlace& p = places[static_cast<std::size_t>(t)];
        if (t < 14) {
            p = {0, t < 5 ? 0 : (t < 10 ? 1 : 2)};
        } else {
            p = {1, t < 19 ? 0 : (t < 25 ? 1 : 2)};
        }
    }
    return places;
}

void fillSeason(League& league,
                const Organisation& org,
                const PlayedSeason& season,
                const SeasonFacts& facts,
                Random& rng,
                Random& filler) {
    const int teamCount = static_cast<int>(org.teams.size());
    fillHeader(league.seasonHeader, facts, teamCount, filler);
    fillLeagueNames(league);

    const std::vector<Achievements> achievements = pastAchievements(facts.places, facts.years, 162, kBestOf, rng);
    // The game writes 0 in the unused roster slots of some teams and -1 in others.
    const int zeroTeamA = static_cast<int>(rng.below(static_cast<std::uint64_t>(teamCount)));
    const int zeroTeamB = static_cast<int>(rng.below(static_cast<std::uint64_t>(teamCount)));
    const auto& names = builtInTeamNames();
    const auto& clubs = clubIdentities();

    league.teams.resize(static_cast<std::size_t>(teamCount));
    for (int t = 0; t < teamCount; ++t) {
        const std::size_t ti = static_cast<std::size_t>(t);
        Team& team = league.teams[ti];
        TeamRecord& r = team.record;
        filler.fill(r.bytes());
        r.set(tf::teamNumber, t);
        r.set(tf::city, names[ti]);
        r.set(tf::name, clubs[ti].name);
        r.set(tf::completeName, std::string(names[ti]) + " " + std::string(clubs[ti].name));
        r.set(tf::abbreviation, clubs[ti].abbreviation);
        fillRoster(r, org, org.teams[ti], t == zeroTeamA || t == zeroTeamB ? 0 : -1);
        r.set(tf::nextStarter, season.nextStarter[ti]);
        r.set(tf::humanControlled, t == 0 ? 1 : 0);
        r.set(tf::leagueIndex, facts.places[ti].league);
        r.set(tf::divisionIndex, facts.places[ti].division);
        r.set(tf::wins, season.wins[ti]);
        r.set(tf::losses, season.losses[ti]);
        for (int i = 0; i < kManagerProfileValues; ++i) {
            r.setManagerProfile(i, rng.chance(0.3) ? 0.0f : static_cast<float>(rng.uniform(-0.9, 0.3)));
        }
        fillAchievements(r, achievements[ti]);
        team.entries.resize(static_cast<std::size_t>(rng.between(2, 4)));
        for (TeamEntry& entry : team.entries) {
            filler.fill(entry.bytes());
        }
        r.set(tf::entryCount, static_cast<std::int32_t>(team.entries.size()));
    }
    league.seasonTrailer.resize(static_cast<std::size_t>(rng.between(3, 6)));
    for (auto& item : league.seasonTrailer) {
        item = static_cast<std::int32_t>(filler.next());
    }
    league.seasonTrailerRest.clear();

    // The season is still going: no playoff game has been played.
    for (PlayoffSeries& series : league.playoffSeries) {
        filler.fill(series.header);
        series.games.fill(GameResult::filler());
    }
    league.playersFileWords.first = static_cast<std::int32_t>(filler.next());
    for (auto& word : league.playersFileWords.afterPlayers) {
        word = static_cast<std::int32_t>(filler.next());
    }
    league.statsFileWords.beforePlayers = static_cast<std::int32_t>(filler.next());
    league.statsFileWords.beforeTeams = static_cast<std::int32_t>(filler.next());
}

}  // namespace zt::sample
