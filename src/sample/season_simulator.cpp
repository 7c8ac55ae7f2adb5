#include "sample/season_simulator.h"

#include "sample/game_simulator.h"

namespace zt::sample {

namespace {

GameResult unplayed(const ScheduledGame& game) {
    GameResult result = GameResult::filler();
    result.set(gr::homeTeam, game.home);
    result.set(gr::visitingTeam, game.visitor);
    return result;
}

GameResult played(const GameLog& log, const Organisation& org, const SeasonBook& book, Random& filler) {
    GameResult result = GameResult::filler();
    result.set(gr::homeTeam, log.sides[1].team);
    result.set(gr::visitingTeam, log.sides[0].team);
    result.set(gr::homeRuns, log.sides[1].runs);
    result.set(gr::visitorRuns, log.sides[0].runs);
    result.setIntValue(4, static_cast<std::int32_t>(filler.next()));
    const SeasonRecord& winner = *book.find(log.winner);
    const SeasonRecord& loser = *book.find(log.loser);
    result.set(gr::winningPitcher, static_cast<std::int32_t>(org.player(log.winner).id));
    result.set(gr::winnerWins, static_cast<float>(winner.wins()));
    result.set(gr::winnerLosses, static_cast<float>(winner.losses()));
    result.set(gr::losingPitcher, static_cast<std::int32_t>(org.player(log.loser).id));
    result.set(gr::loserWins, static_cast<float>(loser.wins()));
    result.set(gr::loserLosses, static_cast<float>(loser.losses()));
    if (log.saver >= 0) {
        result.set(gr::savingPitcher, static_cast<std::int32_t>(org.player(log.saver).id));
        result.set(gr::saverSaves, static_cast<float>(book.find(log.saver)->saves()));
    } else {
        result.set(gr::savingPitcher, -1);
        result.set(gr::saverSaves, 0.0f);
    }
    return result;
}

}  // namespace

PlayedSeason playSeason(
    const Organisation& org, SeasonBook& book, const SeasonSetup& setup, Random& games, Random& filler) {
    const auto& schedule = *setup.schedule;
    const std::size_t teams = org.teams.size();
    PlayedSeason season;
    season.scores.resize(schedule.size());
    season.wins.assign(teams, 0);
    season.losses.assign(teams, 0);
    season.nextStarter.assign(teams, 0);
    const LeagueNorms norms = majorLeagueNorms(org);

    for (std::size_t d = 0; d < schedule.size(); ++d) {
        const int day = static_cast<int>(d) + 1;
        for (std::size_t g = 0; g < schedule[d].size(); ++g) {
            const ScheduledGame& game = schedule[d][g];
            if (day > setup.playedDays) {
                season.scores[d].games[g] = unplayed(game);
                continue;
            }
            GameSetup gameSetup;
            gameSetup.day = day;
            gameSetup.home = game.home;
            gameSetup.visitor = game.visitor;
            gameSetup.designatedHitter =
                (*setup.places)[static_cast<std::size_t>(game.home)].league == setup.designatedHitterLeague;
            int& homeNext = season.nextStarter[static_cast<std::size_t>(game.home)];
            int& visitorNext = season.nextStarter[static_cast<std::size_t>(game.visitor)];
            gameSetup.homeStarter =
                org.teams[static_cast<std::size_t>(game.home)].rotations[0][static_cast<std::size_t>(homeNext)];
            gameSetup.visitorStarter =
                org.teams[static_cast<std::size_t>(game.visitor)].rotations[0][static_cast<std::size_t>(visitorNext)];
            homeNext = (homeNext + 1) % 5;
            visitorNext = (visitorNext + 1) % 5;

            const GameLog log = simulateGame(org, book, norms, gameSetup, games);
            book.addGame(log);
            const int winnerTeam = log.sides[static_cast<std::size_t>(log.winningSide)].team;
            const int loserTeam = log.sides[static_cast<std::size_t>(1 - log.winningSide)].team;
            season.wins[static_cast<std::size_t>(winnerTeam)] += 1;
            season.losses[static_cast<std::size_t>(loserTeam)] += 1;
            season.scores[d].games[g] = played(log, org, book, filler);
            appendBoxScore(season.boxScores, log, org, book, *setup.labels);
        }
    }
    return season;
}

}  // namespace zt::sample
