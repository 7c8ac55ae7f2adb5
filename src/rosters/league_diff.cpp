#include "rosters/league_diff.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <map>
#include <set>
#include <tuple>
#include <unordered_map>

#include "league/codes.h"
#include "league/league.h"
#include "league/league_text.h"
#include "league/numbers.h"
#include "league/player_fields.h"

namespace zt {

std::string differenceLine(const LeagueDifference& d) {
    std::string line(d.kind);
    for (const std::string* part : {&d.subject, &d.item}) {
        if (!part->empty()) {
            line += ": " + *part;
        }
    }
    // A player, line or roster place added or removed: the kind or item says which, its value
    // follows.
    if (d.kind.ends_with("-added") || d.kind.ends_with("-removed") || d.kind == difference::roster) {
        line += ": " + d.before + d.after;
    } else if (!d.before.empty()) {
        line += ": " + d.before + " -> " + d.after;
    }
    return line;
}

namespace {

template <class T>
std::string numberText(T value) {
    if constexpr (std::is_floating_point_v<T>) {
        return shortestFloatText(value);
    } else {
        return std::to_string(value);
    }
}

template <class Record, class T, std::size_t Offset>
std::string valueText(const Record& record, NumField<T, Offset> field) {
    return numberText(record.get(field));
}

template <class Record, std::size_t Offset, std::size_t Width>
std::string valueText(const Record& record, TextField<Offset, Width> field) {
    return leagueTextToUtf8(record.get(field));
}

template <class Record, class T>
std::string valueText(const Record& record, ElementAt<T> element) {
    return numberText(record.get(element));
}

std::string playerFieldText(const PlayerRecord& player, const PlayerFieldInfo& field) {
    if (field.type == FieldType::Text) {
        return leagueTextToUtf8(readText(player, field));
    }
    if (field.type == FieldType::F32) {
        return shortestFloatText(static_cast<float>(readNumber(player, field)));
    }
    return std::to_string(static_cast<long long>(readNumber(player, field)));
}

bool sameBytes(const PlayerRecord& a, const PlayerRecord& b, std::size_t offset, std::size_t width) {
    return std::memcmp(a.bytes().data() + offset, b.bytes().data() + offset, width) == 0;
}

std::string pitchText(const PitchSlot& pitch) {
    return std::to_string(pitch.get(ps::pitchType)) + " " + shortestFloatText(pitch.get(ps::quality)) + " " +
           shortestFloatText(pitch.get(ps::avgVsL)) + " " + shortestFloatText(pitch.get(ps::avgVsR)) + " " +
           shortestFloatText(pitch.get(ps::obpVsL)) + " " + shortestFloatText(pitch.get(ps::obpVsR)) + " " +
           shortestFloatText(pitch.get(ps::slgVsL)) + " " + shortestFloatText(pitch.get(ps::slgVsR));
}

std::string placeText(const League& league, const PlayerRecord& player) {
    const int team = player.teamIndex();
    const std::string teamText = league.isTeam(team)      ? leagueTextToUtf8(league.teamName(team))
                                 : team == kFreeAgentTeam ? std::string("Free Agents")
                                                          : "team " + std::to_string(team);
    return teamText + " " + std::string(trimmed(levelText(player.level())));
}

// The key that identifies a history line within its block, and the line's fields as text.
template <class Data>
auto lineKey(const Data& d) {
    if constexpr (std::is_same_v<Data, FieldingLineData>) {
        return std::make_tuple(int{d.year}, int{d.level}, int{d.position}, int{d.team});
    } else {
        return std::make_tuple(int{d.year}, int{d.level}, int{d.split}, int{d.team});
    }
}

template <class Data>
std::string lineLabel(std::string_view kind, const Data& d) {
    std::string label = std::string(kind) + " " + std::to_string(d.year) + " " + std::string(levelText(d.level));
    if constexpr (std::is_same_v<Data, FieldingLineData>) {
        label += " position " + std::to_string(d.position);
    } else {
        label += " split " + std::to_string(d.split);
    }
    return label + " team " + std::to_string(d.team);
}

bool isKeyField(std::string_view name) {
    return name == "year" || name == "level" || name == "split" || name == "position" || name == "team";
}

// "games=12 atBats=40 ...": the counted values of a line that are not zero.
template <class Data>
std::string lineValues(const Data& d) {
    std::string text;
    visitLineFields(d, [&](std::string_view name, const auto& value, const auto&) {
        if (!isKeyField(name) && value != 0) {
            text += (text.empty() ? "" : " ") + std::string(name) + "=" + std::to_string(value);
        }
    });
    return text;
}

class Differ {
public:
    Differ(const League& before, const League& after) : m_before(before), m_after(after) {}

    std::vector<LeagueDifference> run() {
        const auto beforeIds = firstById(m_before);
        const auto afterIds = firstById(m_after);
        for (const auto& [id, player] : afterIds) {
            if (!beforeIds.contains(id)) {
                add(difference::playerAdded, nameOf(*player), "", "", placeText(m_after, *player));
            }
        }
        for (const auto& [id, player] : beforeIds) {
            if (!afterIds.contains(id)) {
                add(difference::playerRemoved, nameOf(*player), "", placeText(m_before, *player), "");
            }
        }
        for (const auto& [id, player] : beforeIds) {
            if (const auto found = afterIds.find(id); found != afterIds.end()) {
                players(*player, *found->second);
            }
        }
        const auto beforeHistories = firstByKey(m_before.playerHistories);
        const auto afterHistories = firstByKey(m_after.playerHistories);
        for (const auto& [id, player] : beforeIds) {
            if (afterIds.contains(id)) {
                histories(nameOf(*player), blockOf(beforeHistories, id), blockOf(afterHistories, id));
            }
        }
        for (int team = 0; team < std::min(m_before.teamCount(), m_after.teamCount()); ++team) {
            histories(teamSubject(m_after, team),
                      findHistory(m_before.teamHistories, team),
                      findHistory(m_after.teamHistories, team));
        }
        teams();
        season();
        std::stable_sort(m_found.begin(), m_found.end(), [](const LeagueDifference& a, const LeagueDifference& b) {
            return rank(a.kind) < rank(b.kind);
        });
        return std::move(m_found);
    }

private:
    static int rank(std::string_view kind) {
        static constexpr std::array kinds = {difference::playerAdded,
                                             difference::playerRemoved,
                                             difference::playerMoved,
                                             difference::playerField,
                                             difference::historyAdded,
                                             difference::historyRemoved,
                                             difference::historyChanged,
                                             difference::teamField,
                                             difference::roster,
                                             difference::lineup,
                                             difference::rotation,
                                             difference::season};
        return static_cast<int>(std::find(kinds.begin(), kinds.end(), kind) - kinds.begin());
    }

    void add(std::string_view kind, std::string subject, std::string item, std::string before, std::string after) {
        m_found.push_back({kind, std::move(subject), std::move(item), std::move(before), std::move(after)});
    }

    // Ordered by id, so the listing does not depend on where players stand in the files.
    static std::map<std::uint32_t, const PlayerRecord*> firstById(const League& league) {
        std::map<std::uint32_t, const PlayerRecord*> byId;
        for (const auto& player : league.players) {
            byId.emplace(player->playerId(), player.get());
        }
        return byId;
    }

    using BlocksByKey = std::unordered_map<std::int32_t, const StatHistory*>;

    // One look-up table per list instead of a scan of every block for every player.
    static BlocksByKey firstByKey(const HistoryList& list) {
        BlocksByKey byKey;
        byKey.reserve(list.size());
        for (const auto& block : list) {
            byKey.emplace(block->key, block.get());
        }
        return byKey;
    }

    static const StatHistory* blockOf(const BlocksByKey& blocks, std::uint32_t id) {
        const auto found = blocks.find(static_cast<std::int32_t>(id));
        return found != blocks.end() ? found->second : nullptr;
    }

    static std::string nameOf(const PlayerRecord& p) {
        return leagueTextToUtf8(p.get(pf::firstName)) + " " + leagueTextToUtf8(p.get(pf::lastName)) + " (id " +
               std::to_string(p.playerId()) + ")";
    }

    static std::string teamSubject(const League& league, int team) {
        return "team " + std::to_string(team) + " " + leagueTextToUtf8(league.teamName(team));
    }

    void players(const PlayerRecord& a, const PlayerRecord& b) {
        if (a.bytes() == b.bytes()) {
            return;
        }
        const std::string subject = nameOf(b);
        const std::size_t before = m_found.size();
        if (a.teamIndex() != b.teamIndex() || a.level() != b.level()) {
            add(difference::playerMoved, subject, "", placeText(m_before, a), placeText(m_after, b));
        }
        for (const PlayerFieldInfo& field : playerFieldTable()) {
            if (field.offset == pf::teamIndex.offset || field.offset == pf::level.offset ||
                sameBytes(a, b, field.offset, field.width)) {
                continue;
            }
            add(difference::playerField,
                subject,
                std::string(field.name),
                playerFieldText(a, field),
                playerFieldText(b, field));
        }
        for (int slot = 0; slot < pf::kPitchSlots; ++slot) {
            if (a.pitch(slot).bytes() != b.pitch(slot).bytes()) {
                add(difference::playerField,
                    subject,
                    "pitches[" + std::to_string(slot) + "]",
                    pitchText(a.pitch(slot)),
                    pitchText(b.pitch(slot)));
            }
        }
        for (int i = 0; i < pf::kFamiliarityCount; ++i) {
            if (sameBytes(a, b, pf::familiarity[i].offset, sizeof(float))) {
                continue;
            }
            add(difference::playerField,
                subject,
                "familiarity[" + std::to_string(i) + "]",
                shortestFloatText(a.familiarity(i)),
                shortestFloatText(b.familiarity(i)));
        }
        if (m_found.size() == before) {
            add(difference::playerField, subject, "uninterpreted bytes", "", "");
        }
    }

    void histories(const std::string& subject, const StatHistory* a, const StatHistory* b) {
        static const StatHistory kEmpty;
        a = a != nullptr ? a : &kEmpty;
        b = b != nullptr ? b : &kEmpty;
        if (*a == *b) {
            return;
        }
        lines(subject, "batting", a->batting, b->batting, decodeBattingLine);
        lines(subject, "pitching", a->pitching, b->pitching, decodePitchingLine);
        lines(subject, "fielding", a->fielding, b->fielding, decodeFieldingLine);
    }

    template <class Line, class Decode>
    void lines(const std::string& subject,
               std::string_view kind,
               const std::vector<Line>& a,
               const std::vector<Line>& b,
               Decode decode) {
        using Data = decltype(decode(a.front()));
        using Key = std::tuple<decltype(lineKey(Data{})), int>;
        // Lines of one key are paired in the order they are stored.
        const auto keyed = [&](const std::vector<Line>& lines) {
            std::map<Key, Data> byKey;
            std::map<decltype(lineKey(Data{})), int> seen;
            for (const Line& line : lines) {
                const Data data = decode(line);
                byKey.emplace(Key{lineKey(data), seen[lineKey(data)]++}, data);
            }
            return byKey;
        };
        const auto before = keyed(a);
        const auto after = keyed(b);
        // Named references rather than a structured binding: the lambdas below use `data`, and
        // clang before 16 (the fuzz build's compiler) cannot capture a binding.
        for (const auto& entry : after) {
            const auto& data = entry.second;
            const auto found = before.find(entry.first);
            if (found == before.end()) {
                add(difference::historyAdded, subject, lineLabel(kind, data), "", lineValues(data));
                continue;
            }
            if (found->second == data) {
                continue;
            }
            std::map<std::string_view, std::string> old;
            visitLineFields(found->second, [&](std::string_view name, const auto& value, const auto&) {
                old[name] = std::to_string(value);
            });
            visitLineFields(data, [&](std::string_view name, const auto& value, const auto&) {
                if (old[name] != std::to_string(value)) {
                    add(difference::historyChanged,
                        subject,
                        lineLabel(kind, data) + " " + std::string(name),
                        old[name],
                        std::to_string(value));
                }
            });
        }
        for (const auto& [key, data] : before) {
            if (!after.contains(key)) {
                add(difference::historyRemoved, subject, lineLabel(kind, data), lineValues(data), "");
            }
        }
    }

    void teams() {
        const int common = std::min(m_before.teamCount(), m_after.teamCount());
        for (int team = 0; team < std::max(m_before.teamCount(), m_after.teamCount()); ++team) {
            if (team >= common) {
                const bool added = team >= m_before.teamCount();
                const League& league = added ? m_after : m_before;
                add(difference::teamField,
                    teamSubject(league, team),
                    "team",
                    added ? "" : leagueTextToUtf8(league.teamName(team)),
                    added ? leagueTextToUtf8(league.teamName(team)) : "");
                continue;
            }
            const TeamRecord& a = m_before.team(team).record;
            const TeamRecord& b = m_after.team(team).record;
            if (a.bytes() == b.bytes()) {
                continue;
            }
            const std::string subject = teamSubject(m_after, team);
            teamFields(subject, a, b);
            roster(subject, a, b);
            lineups(subject, a, b);
        }
    }

    template <class Record, class Field>
    void field(std::string_view kind,
               const std::string& subject,
               std::string_view name,
               const Record& a,
               const Record& b,
               Field f) {
        std::string old = valueText(a, f);
        std::string now = valueText(b, f);
        if (old != now) {
            add(kind, subject, std::string(name), std::move(old), std::move(now));
        }
    }

    void teamFields(const std::string& subject, const TeamRecord& a, const TeamRecord& b) {
        const auto f = [&](std::string_view name, auto descriptor) {
            field(difference::teamField, subject, name, a, b, descriptor);
        };
        f("name", tf::name);
        f("city", tf::city);
        f("completeName", tf::completeName);
        f("abbreviation", tf::abbreviation);
        f("humanControlled", tf::humanControlled);
        f("leagueIndex", tf::leagueIndex);
        f("divisionIndex", tf::divisionIndex);
        f("wins", tf::wins);
        f("losses", tf::losses);
        f("nextStarter", tf::nextStarter);
        f("completedSeasons", tf::completedSeasons);
        f("wildCardsWon", tf::wildCardsWon);
        f("divisionFirstPlaces", tf::divisionFirstPlaces);
        f("divisionTitles", tf::divisionTitles);
        f("leagueTitles", tf::leagueTitles);
        f("worldSeriesWon", tf::worldSeriesWon);
        f("regularSeasonWins", tf::regularSeasonWins);
        f("regularSeasonLosses", tf::regularSeasonLosses);
        f("postSeasonWins", tf::postSeasonWins);
        f("postSeasonLosses", tf::postSeasonLosses);
        for (int i = 0; i < kManagerProfileValues; ++i) {
            f("managerProfile[" + std::to_string(i) + "]", tf::managerProfile[i]);
        }
    }

    std::string idText(const League& league, std::int32_t id) const {
        if (id <= 0) {
            return "empty";
        }
        const PlayerRecord* player = league.findPlayerById(static_cast<std::uint32_t>(id));
        return player != nullptr ? nameOf(*player) : "id " + std::to_string(id);
    }

    void roster(const std::string& subject, const TeamRecord& a, const TeamRecord& b) {
        std::multiset<std::int32_t> old;
        std::multiset<std::int32_t> now;
        for (int slot = 0; slot < kRosterSize; ++slot) {
            old.insert(a.rosterId(slot));
            now.insert(b.rosterId(slot));
        }
        for (const std::int32_t id : std::set<std::int32_t>(now.begin(), now.end())) {
            if (id > 0 && now.count(id) > old.count(id)) {
                add(difference::roster, subject, "added", "", idText(m_after, id));
            }
        }
        for (const std::int32_t id : std::set<std::int32_t>(old.begin(), old.end())) {
            if (id > 0 && old.count(id) > now.count(id)) {
                add(difference::roster, subject, "removed", idText(m_before, id), "");
            }
        }
    }

    void lineups(const std::string& subject, const TeamRecord& a, const TeamRecord& b) {
        static constexpr std::array<std::string_view, kLineupKinds> kKinds = {
            "ML vs L", "ML vs R", "ML vs L with DH", "ML vs R with DH", "AAA", "AA", "A"};
        for (int kind = 0; kind < kLineupKinds; ++kind) {
            for (int slot = 0; slot < kLineupSlots; ++slot) {
                const LineupSlot old = a.lineupSlot(static_cast<LineupKind>(kind), slot);
                const LineupSlot now = b.lineupSlot(static_cast<LineupKind>(kind), slot);
                if (old != now) {
                    add(difference::lineup,
                        subject,
                        std::string(kKinds[static_cast<std::size_t>(kind)]) + " slot " + std::to_string(slot + 1),
                        slotText(m_before, old),
                        slotText(m_after, now));
                }
            }
        }
        for (int level = 0; level < kRotationLevels; ++level) {
            for (int slot = 0; slot < kRotationSlots; ++slot) {
                const std::int32_t old = a.rotationSlot(level, slot);
                const std::int32_t now = b.rotationSlot(level, slot);
                if (old != now) {
                    add(difference::rotation,
                        subject,
                        std::string(levelText(level)) + " starter " + std::to_string(slot + 1),
                        idText(m_before, old),
                        idText(m_after, now));
                }
            }
        }
    }

    std::string slotText(const League& league, const LineupSlot& slot) const {
        return idText(league, slot.playerId) + " at " + std::to_string(slot.position);
    }

    void season() {
        const SeasonHeader& a = m_before.seasonHeader;
        const SeasonHeader& b = m_after.seasonHeader;
        const auto f = [&](std::string_view name, auto descriptor) {
            field(difference::season, "season", name, a, b, descriptor);
        };
        f("seasonVersion", sh::seasonVersion);
        f("customSeason", sh::customSeason);
        f("seasonGames", sh::seasonGames);
        f("inningsRule", sh::inningsRule);
        f("dhRule", sh::dhRule);
        f("leagueCount", sh::leagueCount);
        f("divisionsPerLeague", sh::divisionsPerLeague);
        f("seasonYear", sh::seasonYear);
        f("seasonDay", sh::seasonDay);
        for (int round = 0; round < SeasonHeader::kRounds; ++round) {
            f("playoffBestOf[" + std::to_string(round) + "]", SeasonHeader::playoffBestOfs[round]);
        }
        for (std::size_t i = 0; i < m_before.leagueNames.size(); ++i) {
            if (m_before.leagueNames[i].bytes() != m_after.leagueNames[i].bytes()) {
                add(difference::season, "season", "league names " + std::to_string(i + 1), "", "");
            }
        }
    }

    const League& m_before;
    const League& m_after;
    std::vector<LeagueDifference> m_found;
};

}  // namespace

std::vector<LeagueDifference> diffLeagues(const League& before, const League& after) {
    return Differ(before, after).run();
}

}  // namespace zt
