#include "league/undo_stack.h"

#include <algorithm>
#include <cstdint>
#include <unordered_map>
#include <utility>

#include "league/league.h"
#include "league/list_change.h"

namespace zt {

namespace {

using Key = const void*;

// Everything the league holds besides its lists of players, history blocks and teams, and its
// scores: small, so a step keeps all of it when any of it changed.
struct LeagueRest {
    std::int32_t loadedPlayerCount = 0;
    PlayersFileWords playersFileWords;
    std::array<LeagueNames, 2> leagueNames;
    std::vector<std::uint8_t> playersFileTail;
    bool statsLoaded = false;
    StatsFileWords statsFileWords;
    std::vector<std::uint8_t> statsFileTail;
    SeasonHeader seasonHeader;
    std::vector<std::int32_t> seasonTrailer;
    std::vector<std::uint8_t> seasonTrailerRest;
    bool playoffsLoaded = false;
    std::array<PlayoffSeries, kPlayoffSeriesCount> playoffSeries;
    std::vector<std::uint8_t> playoffsFileTail;
    NetLeagueInfo netInfo;
    // The export pool by position: the player's index and his history block's (-1: none).
    std::vector<std::pair<std::ptrdiff_t, std::ptrdiff_t>> exportPool;
    std::vector<TeamListEntry> teamNameList;
    std::vector<TeamListEntry> teamAbbrevList;

    bool operator==(const LeagueRest&) const = default;
};

struct LeagueScores {
    bool scoresLoaded = false;
    std::vector<GameScore> gameScores;

    bool operator==(const LeagueScores&) const = default;
};

template <class T>
struct ListImage {
    std::vector<Key> keys;
    std::vector<T> values;
};

template <class T>
std::vector<Key> keysOf(const std::vector<std::unique_ptr<T>>& list) {
    std::vector<Key> keys;
    keys.reserve(list.size());
    for (const auto& entry : list) {
        keys.push_back(entry.get());
    }
    return keys;
}

// Teams are values: the same number is the same team.
std::vector<Key> keysOf(const std::vector<Team>& teams) {
    std::vector<Key> keys;
    keys.reserve(teams.size());
    for (std::size_t i = 0; i < teams.size(); ++i) {
        keys.push_back(reinterpret_cast<Key>(static_cast<std::uintptr_t>(i + 1)));
    }
    return keys;
}

template <class T>
std::vector<const T*> valuesOf(const std::vector<std::unique_ptr<T>>& list) {
    std::vector<const T*> values;
    values.reserve(list.size());
    for (const auto& entry : list) {
        values.push_back(entry.get());
    }
    return values;
}

std::vector<const Team*> valuesOf(const std::vector<Team>& teams) {
    std::vector<const Team*> values;
    values.reserve(teams.size());
    for (const Team& team : teams) {
        values.push_back(&team);
    }
    return values;
}

template <class T, class List>
ListImage<T> imageOf(const List& list) {
    ListImage<T> image{keysOf(list), {}};
    image.values.reserve(list.size());
    for (const T* value : valuesOf(list)) {
        image.values.push_back(*value);
    }
    return image;
}

template <class T, class List>
ListChange<T> changeOf(const ListImage<T>& image, const List& list) {
    return ListChange<T>::between(image.keys, image.values, keysOf(list), valuesOf(list));
}

template <class T>
std::ptrdiff_t indexIn(const std::unordered_map<const T*, std::ptrdiff_t>& index, const T* entry) {
    const auto found = index.find(entry);
    return found == index.end() ? -1 : found->second;
}

template <class T>
std::unordered_map<const T*, std::ptrdiff_t> indexOf(const std::vector<std::unique_ptr<T>>& list) {
    std::unordered_map<const T*, std::ptrdiff_t> index;
    index.reserve(list.size());
    for (std::size_t i = 0; i < list.size(); ++i) {
        index.emplace(list[i].get(), static_cast<std::ptrdiff_t>(i));
    }
    return index;
}

LeagueRest restOf(const League& league) {
    LeagueRest rest{league.loadedPlayerCount,
                    league.playersFileWords,
                    league.leagueNames,
                    league.playersFileTail,
                    league.statsLoaded,
                    league.statsFileWords,
                    league.statsFileTail,
                    league.seasonHeader,
                    league.seasonTrailer,
                    league.seasonTrailerRest,
                    league.playoffsLoaded,
                    league.playoffSeries,
                    league.playoffsFileTail,
                    league.netInfo,
                    {},
                    league.teamNameList,
                    league.teamAbbrevList};
    if (!league.exportPool.empty()) {
        const auto players = indexOf(league.players);
        const auto histories = indexOf(league.playerHistories);
        for (const ExportPoolEntry& entry : league.exportPool) {
            rest.exportPool.emplace_back(indexIn<PlayerRecord>(players, entry.player),
                                         indexIn<StatHistory>(histories, entry.history));
        }
    }
    return rest;
}

void restoreRest(League& league, const LeagueRest& rest) {
    league.loadedPlayerCount = rest.loadedPlayerCount;
    league.playersFileWords = rest.playersFileWords;
    league.leagueNames = rest.leagueNames;
    league.playersFileTail = rest.playersFileTail;
    league.statsLoaded = rest.statsLoaded;
    league.statsFileWords = rest.statsFileWords;
    league.statsFileTail = rest.statsFileTail;
    league.seasonHeader = rest.seasonHeader;
    league.seasonTrailer = rest.seasonTrailer;
    league.seasonTrailerRest = rest.seasonTrailerRest;
    league.playoffsLoaded = rest.playoffsLoaded;
    league.playoffSeries = rest.playoffSeries;
    league.playoffsFileTail = rest.playoffsFileTail;
    league.netInfo = rest.netInfo;
    league.teamNameList = rest.teamNameList;
    league.teamAbbrevList = rest.teamAbbrevList;
    league.exportPool.clear();
    for (const auto& [player, history] : rest.exportPool) {
        if (player < 0 || static_cast<std::size_t>(player) >= league.players.size()) {
            continue;  // cannot happen: the pool was taken with the lists now restored
        }
        StatHistory* block = history >= 0 && static_cast<std::size_t>(history) < league.playerHistories.size()
                                 ? league.playerHistories[static_cast<std::size_t>(history)].get()
                                 : nullptr;
        league.exportPool.push_back({league.players[static_cast<std::size_t>(player)].get(), block});
    }
}

// Whether two states differ in what the league files hold, not only in the editing state (the
// export pool, which players are new, the team lists built from the records).
bool filesDiffer(const LeagueRest& a, const LeagueRest& b) {
    LeagueRest left = a;
    LeagueRest right = b;
    for (LeagueRest* rest : {&left, &right}) {
        rest->exportPool.clear();
        rest->loadedPlayerCount = 0;
        rest->teamNameList.clear();
        rest->teamAbbrevList.clear();
    }
    return !(left == right);
}

LeagueScores scoresOf(const League& league) {
    return {league.scoresLoaded, league.gameScores};
}

template <class T>
bool holds(const std::vector<std::unique_ptr<T>>& list, const T* entry) {
    return std::any_of(list.begin(), list.end(), [entry](const auto& owned) { return owned.get() == entry; });
}

}  // namespace

struct LeagueImage {
    ListImage<PlayerRecord> players;
    ListImage<StatHistory> playerHistories;
    ListImage<StatHistory> teamHistories;
    ListImage<Team> teams;
    LeagueRest rest;
    LeagueScores scores;

    explicit LeagueImage(const League& league)
        : players(imageOf<PlayerRecord>(league.players)),
          playerHistories(imageOf<StatHistory>(league.playerHistories)),
          teamHistories(imageOf<StatHistory>(league.teamHistories)),
          teams(imageOf<Team>(league.teams)),
          rest(restOf(league)),
          scores(scoresOf(league)) {}
};

struct UndoStep {
    ListChange<PlayerRecord> players;
    ListChange<StatHistory> playerHistories;
    ListChange<StatHistory> teamHistories;
    ListChange<Team> teams;
    std::optional<std::pair<LeagueRest, LeagueRest>> rest;
    std::optional<std::pair<LeagueScores, LeagueScores>> scores;
    // Whether the step changes what a save writes (marking players for export does not).
    bool changesFiles = false;

    bool empty() const {
        return players.empty() && playerHistories.empty() && teamHistories.empty() && teams.empty() && !rest && !scores;
    }

    std::size_t byteSize() const {
        std::size_t bytes =
            players.byteSize() + playerHistories.byteSize() + teamHistories.byteSize() + teams.byteSize();
        if (rest) {
            bytes += 2 * sizeof(LeagueRest);
        }
        if (scores) {
            bytes += (scores->first.gameScores.size() + scores->second.gameScores.size()) * sizeof(GameScore);
        }
        return bytes;
    }
};

namespace {

// Brings one list of the image to the league's state after a step was applied to the league.
template <class T, class List>
void follow(ListImage<T>& image, const ListChange<T>& change, bool forwards, const List& list) {
    if (forwards) {
        change.applyForwards(image.values);
    } else {
        change.applyBackwards(image.values);
    }
    if (change.reshapes()) {
        image.keys = keysOf(list);
    }
}

}  // namespace

UndoStack::UndoStack() = default;
UndoStack::~UndoStack() = default;

void UndoStack::reset(League* league) {
    m_league = league;
    m_image = league != nullptr ? std::make_unique<LeagueImage>(*league) : nullptr;
    m_done.clear();
    m_undone.clear();
    m_bytes = 0;
    m_position = 0;
    m_savedPosition.reset();
    if (league != nullptr && !league->changed()) {
        m_savedPosition = 0;
    }
    m_savesSeen = league != nullptr ? league->saveCount() : 0;
}

void UndoStack::noticeSave() {
    if (m_league->saveCount() == m_savesSeen) {
        return;
    }
    m_savesSeen = m_league->saveCount();
    // Changed again after the save (in the same command): the state saved is not one of the steps.
    m_savedPosition.reset();
    if (!m_league->changed()) {
        m_savedPosition = m_position;
    }
}

bool UndoStack::record() {
    if (m_league == nullptr) {
        return false;
    }
    auto step = std::make_unique<UndoStep>();
    step->players = changeOf(m_image->players, m_league->players);
    step->playerHistories = changeOf(m_image->playerHistories, m_league->playerHistories);
    step->teamHistories = changeOf(m_image->teamHistories, m_league->teamHistories);
    step->teams = changeOf(m_image->teams, m_league->teams);
    LeagueRest rest = restOf(*m_league);
    if (!(rest == m_image->rest)) {
        step->rest.emplace(m_image->rest, rest);
    }
    LeagueScores scores = scoresOf(*m_league);
    if (!(scores == m_image->scores)) {
        step->scores.emplace(m_image->scores, scores);
    }
    if (step->empty()) {
        noticeSave();
        return false;
    }
    step->changesFiles = !step->players.empty() || !step->playerHistories.empty() || !step->teamHistories.empty() ||
                         !step->teams.empty() || step->scores ||
                         (step->rest && filesDiffer(step->rest->first, step->rest->second));

    follow(m_image->players, step->players, true, m_league->players);
    follow(m_image->playerHistories, step->playerHistories, true, m_league->playerHistories);
    follow(m_image->teamHistories, step->teamHistories, true, m_league->teamHistories);
    follow(m_image->teams, step->teams, true, m_league->teams);
    m_image->rest = std::move(rest);
    m_image->scores = std::move(scores);

    // A new step ends the steps that were undone: the state they led to is out of reach.
    for (const auto& undone : m_undone) {
        m_bytes -= undone->byteSize();
    }
    m_undone.clear();
    if (m_savedPosition && *m_savedPosition > m_position) {
        m_savedPosition.reset();
    }
    m_bytes += step->byteSize();
    m_done.push_back(std::move(step));
    ++m_position;
    while (m_done.size() > 1 && (m_done.size() > kMaxSteps || m_bytes > kMaxBytes)) {
        m_bytes -= m_done.front()->byteSize();
        m_done.pop_front();
    }
    noticeSave();
    return true;
}

void UndoStack::undo() {
    record();
    if (m_done.empty()) {
        return;
    }
    std::unique_ptr<UndoStep> step = std::move(m_done.back());
    m_done.pop_back();
    applyStep(*step, false);
    m_undone.push_back(std::move(step));
    --m_position;
    followChangedFlag();
}

void UndoStack::redo() {
    record();  // a change made since the undo ends the redo steps
    if (m_undone.empty()) {
        return;
    }
    std::unique_ptr<UndoStep> step = std::move(m_undone.back());
    m_undone.pop_back();
    applyStep(*step, true);
    m_done.push_back(std::move(step));
    ++m_position;
    followChangedFlag();
}

void UndoStack::applyStep(const UndoStep& step, bool forwards) {
    League& league = *m_league;
    const auto apply = [forwards](const auto& change, auto& list) {
        if (forwards) {
            change.applyForwards(list);
        } else {
            change.applyBackwards(list);
        }
    };
    apply(step.players, league.players);
    apply(step.playerHistories, league.playerHistories);
    apply(step.teamHistories, league.teamHistories);
    apply(step.teams, league.teams);
    // The export pool points into the lists: when entries came or went it is pointed again.
    if (step.rest || step.players.reshapes() || step.playerHistories.reshapes()) {
        restoreRest(league, step.rest ? (forwards ? step.rest->second : step.rest->first) : m_image->rest);
    }
    if (step.scores) {
        const LeagueScores& scores = forwards ? step.scores->second : step.scores->first;
        league.scoresLoaded = scores.scoresLoaded;
        league.gameScores = scores.gameScores;
    }
    // A player or block the step took away is no longer the one being edited.
    if (league.currentPlayer != nullptr && step.players.reshapes() && !holds(league.players, league.currentPlayer)) {
        league.currentPlayer = nullptr;
    }
    if (league.currentHistory != nullptr && step.playerHistories.reshapes() &&
        !holds(league.playerHistories, league.currentHistory)) {
        league.currentHistory = nullptr;
    }

    follow(m_image->players, step.players, forwards, league.players);
    follow(m_image->playerHistories, step.playerHistories, forwards, league.playerHistories);
    follow(m_image->teamHistories, step.teamHistories, forwards, league.teamHistories);
    follow(m_image->teams, step.teams, forwards, league.teams);
    if (step.rest) {
        m_image->rest = forwards ? step.rest->second : step.rest->first;
    }
    if (step.scores) {
        m_image->scores = forwards ? step.scores->second : step.scores->first;
    }
}

void UndoStack::followChangedFlag() {
    // Changed unless every step between the saved state and this one left the files alone.
    bool changed = !m_savedPosition.has_value();
    if (m_savedPosition) {
        const std::size_t bottom = m_position - m_done.size();
        for (std::size_t step = std::min(*m_savedPosition, m_position); step < std::max(*m_savedPosition, m_position);
             ++step) {
            const UndoStep* between = step < m_position ? (step >= bottom ? m_done[step - bottom].get() : nullptr)
                                                        : m_undone[m_undone.size() - 1 - (step - m_position)].get();
            changed = changed || between == nullptr || between->changesFiles;
        }
    }
    if (changed) {
        m_league->markChanged();
    } else {
        m_league->clearChanged();
    }
}

}  // namespace zt
