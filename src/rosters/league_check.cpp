#include "rosters/league_check.h"

#include <cmath>
#include <map>
#include <unordered_set>

#include "league/codes.h"
#include "league/league.h"
#include "league/league_text.h"
#include "league/player_fields.h"
#include "rosters/roster_rules.h"

namespace zt {

namespace {

class Check {
public:
    explicit Check(const League& league) : m_league(league) {
        for (std::size_t i = 0; i < league.players.size(); ++i) {
            m_byId[league.players[i]->playerId()].push_back(i);
        }
    }

    std::vector<LeagueFinding> run() {
        duplicateIds();
        players();
        rosters();
        lineupsAndRotations();
        histories();
        schedule();
        return std::move(m_findings);
    }

private:
    void add(std::string_view kind, std::string text) { m_findings.push_back({kind, std::move(text)}); }

    std::string nameOf(std::size_t index) const {
        const PlayerRecord& p = *m_league.players[index];
        return leagueTextToUtf8(p.get(pf::firstName)) + " " + leagueTextToUtf8(p.get(pf::lastName)) + " (id " +
               std::to_string(p.playerId()) + ")";
    }

    std::string teamText(int team) const {
        const Team* found = m_league.findTeam(team);
        return found != nullptr ? leagueTextToUtf8(found->record.get(tf::city)) + " (team " + std::to_string(team) + ")"
                                : "team " + std::to_string(team);
    }

    // The player a slot names, or none for an empty slot, an unknown id or a repeated one.
    const PlayerRecord* playerOf(std::int32_t id) const {
        const auto it = m_byId.find(id);
        return it == m_byId.end() ? nullptr : m_league.players[it->second.front()].get();
    }

    void duplicateIds() {
        for (const auto& [id, indexes] : m_byId) {
            if (indexes.size() > 1) {
                std::string names;
                for (const std::size_t i : indexes) {
                    names += (names.empty() ? "" : ", ") + nameOf(i);
                }
                add(finding::duplicateId,
                    "Player id " + std::to_string(id) + " is used by " + std::to_string(indexes.size()) +
                        " players: " + names);
            }
        }
    }

    void players() {
        static const std::unordered_set<int> kLevels = {0, 1, 2, 3, 6, 7};
        for (std::size_t i = 0; i < m_league.players.size(); ++i) {
            const PlayerRecord& p = *m_league.players[i];
            const int team = p.teamIndex();
            if (team != kFreeAgentTeam && !m_league.isTeam(team)) {
                add(finding::teamOutOfRange,
                    nameOf(i) + " belongs to team " + std::to_string(team) + ", which the league does not have");
            }
            const auto range = [&](const char* what, int value, int low, int high) {
                if (value < low || value > high) {
                    add(finding::valueOutOfRange,
                        nameOf(i) + ": " + what + " " + std::to_string(value) + " is not between " +
                            std::to_string(low) + " and " + std::to_string(high));
                }
            };
            range("position", p.get(pf::position), 1, kPositionCount);
            range("second position", p.get(pf::secondPosition), 1, kPositionCount);
            range("role", p.get(pf::role), kRoleStarter, kRoleCloser);
            range("bats", p.get(pf::bats), 0, 2);
            range("throws", p.get(pf::throws), 0, 1);
            if (kLevels.count(p.level()) == 0) {
                add(finding::valueOutOfRange, nameOf(i) + ": level " + std::to_string(p.level()) + " is no level");
            }
            for (const PlayerFieldInfo& field : playerFieldTable()) {
                if (field.type == FieldType::F32 && !std::isfinite(readNumber(p, field))) {
                    add(finding::valueOutOfRange, nameOf(i) + ": " + std::string(field.name) + " is not a number");
                }
            }
        }
    }

    void rosters() {
        std::map<std::int32_t, std::vector<int>> teamsOf;
        for (int team = 0; team < m_league.teamCount(); ++team) {
            const TeamRecord& record = m_league.team(team).record;
            for (int slot = 0; slot < kRosterSize; ++slot) {
                const std::int32_t id = record.rosterId(slot);
                if (!isFreeForTransfer(id)) {
                    teamsOf[id].push_back(team);
                }
            }
        }
        for (const auto& [id, teams] : teamsOf) {
            const PlayerRecord* player = playerOf(id);
            if (teams.size() > 1) {
                // One fault, said once: which roster is wrong is for the user to decide.
                std::string list;
                for (const int team : teams) {
                    list += (list.empty() ? "" : ", ") + teamText(team);
                }
                add(finding::onTwoRosters,
                    "Player id " + std::to_string(id) + " is on " + std::to_string(teams.size()) + " rosters: " + list);
            } else if (player == nullptr) {
                add(finding::rosterOfNoPlayer,
                    "The roster of " + teamText(teams.front()) + " names player id " + std::to_string(id) +
                        ", which no player has");
            } else if (player->teamIndex() != teams.front()) {
                add(finding::rosterOfOtherTeam,
                    "The roster of " + teamText(teams.front()) + " names " + nameOf(m_byId.at(id).front()) +
                        ", a player of " + teamText(player->teamIndex()));
            }
        }
    }

    void slot(int team, int level, std::int32_t id, const std::string& where) {
        if (id == kEmptySlot || id == 0) {
            return;
        }
        const PlayerRecord* player = playerOf(id);
        if (player == nullptr || player->teamIndex() != team) {
            add(finding::lineupOtherTeam,
                where + " of " + teamText(team) + " holds player id " + std::to_string(id) +
                    (player == nullptr ? ", which no player has" : ", a player of " + teamText(player->teamIndex())));
        } else if (player->level() != level) {
            add(finding::lineupWrongLevel,
                where + " of " + teamText(team) + " holds " + nameOf(m_byId.at(id).front()) +
                    ", who is not at that level");
        }
    }

    void lineupsAndRotations() {
        for (int team = 0; team < m_league.teamCount(); ++team) {
            const TeamRecord& record = m_league.team(team).record;
            for (int kind = 0; kind < kLineupKinds; ++kind) {
                // The four major-league lineups, then AAA, AA and A.
                const int level =
                    kind < static_cast<int>(LineupKind::AAA) ? 0 : kind - static_cast<int>(LineupKind::AAA) + 1;
                for (int k = 0; k < kLineupSlots; ++k) {
                    slot(team,
                         level,
                         record.lineupSlot(static_cast<LineupKind>(kind), k).playerId,
                         "Lineup " + std::to_string(kind) + " slot " + std::to_string(k + 1));
                }
            }
            for (int level = 0; level < kRotationLevels; ++level) {
                for (int k = 0; k < kRotationSlots; ++k) {
                    slot(team,
                         level,
                         record.rotationSlot(level, k),
                         "Rotation " + std::to_string(level) + " slot " + std::to_string(k + 1));
                }
            }
        }
    }

    void histories() {
        for (const auto& block : m_league.playerHistories) {
            if (!m_byId.contains(block->key)) {
                add(finding::historyWithoutOwner,
                    "The history block of player id " + std::to_string(block->key) + " belongs to no player");
            }
        }
        for (const auto& block : m_league.teamHistories) {
            if (!m_league.isTeam(block->key)) {
                add(finding::historyWithoutOwner,
                    "The history block of team " + std::to_string(block->key) + " belongs to no team");
            }
        }
    }

    void schedule() {
        for (std::size_t day = 0; day < m_league.gameScores.size(); ++day) {
            for (int game = 0; game < GameScore::kGames; ++game) {
                const GameResult& result = m_league.gameScores[day].games[static_cast<std::size_t>(game)];
                for (const std::int32_t team : {result.get(gr::homeTeam), result.get(gr::visitingTeam)}) {
                    if (team != -1 && !m_league.isTeam(team)) {
                        add(finding::scheduleUnknownTeam,
                            "Day " + std::to_string(day + 1) + ", game " + std::to_string(game + 1) + " names team " +
                                std::to_string(team) + ", which the league does not have");
                    }
                }
            }
        }
    }

    const League& m_league;
    std::map<std::int32_t, std::vector<std::size_t>> m_byId;  // ordered: the report reads the same every time
    std::vector<LeagueFinding> m_findings;
};

}  // namespace

std::vector<LeagueFinding> checkLeague(const League& league) {
    return Check(league).run();
}

}  // namespace zt
