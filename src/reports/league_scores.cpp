#include "reports/league_scores.h"

#include <unordered_map>

#include "league/league.h"
#include "league/numbers.h"
#include "league/progress.h"
#include "reports/report_names.h"
#include "season/box_scores.h"
#include "season/season_calendar.h"

namespace zt::reports {

namespace {

constexpr std::string_view kEol = "\r\n";
constexpr std::string_view kPageOpening =
    "<html><head><title>League Scores</title><meta http-equiv=\"Content-Type\" content=\"text/html; "
    "charset=iso-8859-1\"></head><pre><style type=\"text/css\"><!--.gridcss {  font-family: courrier; font-size: "
    "9pt}--></style><body class=\"gridcss\">";
constexpr std::string_view kPageClosing = "</pre></body></html>";
constexpr int kGames = 15;

std::string padLeft(std::string_view text, std::size_t width) {
    std::string padded;
    if (text.size() < width) {
        padded.assign(width - text.size(), ' ');
    }
    padded.append(text);
    return padded;
}

// The pitchers of the games by id: the last player in list order with an id is the one named.
class PitcherIndex {
public:
    explicit PitcherIndex(const League& league) {
        for (const auto& player : league.players) {
            m_byId[static_cast<std::int32_t>(player->playerId())] = player.get();
        }
    }

    const PlayerRecord* find(std::int32_t id) const {
        const auto found = m_byId.find(id);
        return found == m_byId.end() ? nullptr : found->second;
    }

private:
    std::unordered_map<std::int32_t, const PlayerRecord*> m_byId;
};

// " W: last , first (w-l)" right-aligned in 30 characters; empty without the pitcher.
std::string pitcherPiece(const PlayerRecord* player, std::string_view label, const std::string& record) {
    if (player == nullptr) {
        return {};
    }
    const std::string text = std::string(" ") + std::string(label) + ": " + player->get(pf::lastName) + " , " +
                             player->get(pf::firstName) + " (" + record + ")";
    return escapeHtml(padLeft(text, 30));
}

std::string teamPiece(const League& league, int team, bool links) {
    static const TeamRecord kNoTeam;
    const Team* found = league.findTeam(team);
    const TeamRecord& record = found != nullptr ? found->record : kNoTeam;
    const std::string abbreviation = record.get(tf::abbreviation);
    return links ? TeamLink(record, padLeft(abbreviation, 3)) : escapeHtml(padLeft(abbreviation, 4));
}

std::string runsPiece(std::int32_t runs, bool links) {
    return padLeft(std::to_string(runs), 4) + (links ? "  " : " ");
}

// A game's line: the teams and runs, then (after the box score link, when there is one) the pitchers.
struct GamePieces {
    std::string teams;
    std::string pitchers;
};

GamePieces gamePieces(const League& league, const PitcherIndex& pitchers, const GameResult& game, bool links) {
    const std::string w =
        pitcherPiece(pitchers.find(game.get(gr::winningPitcher)),
                     "W",
                     shortestFloatText(game.get(gr::winnerWins)) + "-" + shortestFloatText(game.get(gr::winnerLosses)));
    const std::string l =
        pitcherPiece(pitchers.find(game.get(gr::losingPitcher)),
                     "L",
                     shortestFloatText(game.get(gr::loserWins)) + "-" + shortestFloatText(game.get(gr::loserLosses)));
    const std::string s =
        pitcherPiece(pitchers.find(game.get(gr::savingPitcher)), "S", shortestFloatText(game.get(gr::saverSaves)));
    return {teamPiece(league, game.get(gr::visitingTeam), links) + runsPiece(game.get(gr::visitorRuns), links) +
                teamPiece(league, game.get(gr::homeTeam), links) + runsPiece(game.get(gr::homeRuns), links),
            w + l + s};
}

// A header or footer file is copied when it is named and exists.
void appendUserFile(std::string& page, const fs::path& file) {
    std::error_code ec;
    if (!file.empty() && fs::exists(file, ec)) {
        page += wholeText(file);
        page += kEol;
    }
}

}  // namespace

std::vector<ReportFile> leagueScoresFiles(const League& league,
                                          const LeagueScoresOptions& options,
                                          const fs::path& target,
                                          Progress& progress) {
    std::optional<season::BoxScoreFile> boxScores;
    std::string_view marker;
    if (options.boxScores != BoxScorePages::None) {
        boxScores = season::BoxScoreFile::open(league.leagueDir);
        marker = options.boxScores == BoxScorePages::Newspaper ? season::kSummaryMarker : season::kEndMarker;
    }
    const PitcherIndex pitchers(league);
    const fs::path folder = target.parent_path();

    // The page goes first; the box score pages follow as the games are written.
    std::vector<ReportFile> files(1);
    files.front().target = target;
    std::string page;
    appendUserFile(page, options.headerFile);
    page += kPageOpening;
    page += kEol;

    const int last = std::min(options.toRecord, static_cast<int>(league.gameScores.size()) - 1);
    const int first = std::max(options.fromRecord, 0);
    progress.setRange(0, std::max(last - first + 1, 0));
    for (int record = first; record <= last; ++record) {
        progress.setValue(record - first);
        const std::string date = season::shortDateText(season::dateOfDay(league, record + 1));
        page += "<u><b>" + date + " games</u></b><br><br>";
        page += kEol;
        const GameScore& day = league.gameScores[static_cast<std::size_t>(record)];
        for (int n = 1; n <= kGames; ++n) {
            const GameResult& game = day.games[static_cast<std::size_t>(n - 1)];
            if (game.get(gr::visitingTeam) < 0) {
                continue;
            }
            const GamePieces pieces = gamePieces(league, pitchers, game, options.links);
            std::string link;
            if (options.boxScores != BoxScorePages::None) {
                const std::string name = std::to_string(record) + "_" + std::to_string(n) + ".htm";
                // A game without its box score in BoxScores.txt gets no link: it would lead nowhere.
                const auto found =
                    boxScores ? boxScores->find(record + 1, game.get(gr::homeTeam), game.get(gr::visitingTeam), marker)
                              : std::nullopt;
                if (found) {
                    files.push_back(
                        ReportFile{folder / name, "<HTML><pre>" + *found + "</PRE></HTML>" + std::string(kEol)});
                    link = "<A HREF=" + name + " TARGET=\"_parent\"> B</A>";
                }
            }
            page += pieces.teams + link + pieces.pitchers;
            page += kEol;
        }
        page += kEol;
    }
    progress.setValue(std::max(last - first + 1, 0));
    page += kPageClosing;
    appendUserFile(page, options.footerFile);
    files.front().text = std::move(page);
    return files;
}

void writeLeagueScores(const League& league,
                       const LeagueScoresOptions& options,
                       const fs::path& target,
                       Progress& progress) {
    writeReportFiles(leagueScoresFiles(league, options, target, progress));
}

}  // namespace zt::reports
