#include "players/player_grid.h"

#include <algorithm>
#include <charconv>
#include <numeric>
#include <unordered_map>

namespace zt {

namespace {

// Pool membership is by identity: two records may share an id, only the marked one is a member.
class PoolMembers {
public:
    explicit PoolMembers(const std::vector<ExportPoolEntry>& pool) {
        m_members.reserve(pool.size());
        for (const ExportPoolEntry& entry : pool) {
            m_members.push_back(entry.player);
        }
        std::sort(m_members.begin(), m_members.end());
    }
    bool contains(const PlayerRecord* player) const {
        return std::binary_search(m_members.begin(), m_members.end(), player);
    }

private:
    std::vector<const PlayerRecord*> m_members;
};

PlayerGridRow makeRow(const PlayerRecord& player, int playerIndex, bool inPool) {
    PlayerGridRow row;
    const std::string number = std::to_string(player.get(pf::uniformNumber));
    row.texts[kGridNumberColumn] = inPool ? "*" + number : number;
    std::string& name = row.texts[kGridNameColumn];
    const std::string last = player.get(pf::lastName);
    const std::string first = player.get(pf::firstName);
    name.reserve(last.size() + 3 + first.size());
    name.append(last).append(" , ").append(first);
    row.texts[kGridPositionColumn] = positionText(player.get(pf::position));
    row.texts[kGridLevelColumn] = levelText(player.level());
    row.playerIndex = playerIndex;
    row.inExportPool = inPool;
    return row;
}

void collectTeam(const League& league,
                 int team,
                 int levelFilter,
                 bool showHidden,
                 const PoolMembers& pool,
                 std::vector<PlayerGridRow>& rows) {
    for (std::size_t i = 0; i < league.players.size(); ++i) {
        const PlayerRecord& player = *league.players[i];
        if (player.teamIndex() != team) {
            continue;
        }
        if (levelFilter != kAllLevels && player.level() != levelFilter) {
            continue;
        }
        if (!showHidden && !league.isOnRoster(player, team)) {
            continue;
        }
        rows.push_back(makeRow(player, static_cast<int>(i), pool.contains(&player)));
    }
}

bool isValidIndex(const League& league, int playerIndex) {
    return playerIndex >= 0 && static_cast<std::size_t>(playerIndex) < league.players.size();
}

unsigned char foldCase(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte >= 'A' && byte <= 'Z' ? static_cast<unsigned char>(byte - 'A' + 'a') : byte;
}

int compareText(std::string_view a, std::string_view b) {
    const std::size_t common = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < common; ++i) {
        const unsigned char ca = foldCase(a[i]);
        const unsigned char cb = foldCase(b[i]);
        if (ca != cb) {
            return ca < cb ? -1 : 1;
        }
    }
    if (a.size() == b.size()) {
        return 0;
    }
    return a.size() < b.size() ? -1 : 1;
}

// A cell read as a number; texts that hold none rank below every number.
struct NumericKey {
    bool isNumber = false;
    double value = 0.0;

    static NumericKey of(std::string_view text) {
        if (!text.empty() && text.front() == '*') {
            text.remove_prefix(1);
        }
        NumericKey key;
        if (text.empty()) {
            return key;
        }
        const char* end = text.data() + text.size();
        const auto [ptr, ec] = std::from_chars(text.data(), end, key.value);
        key.isNumber = ec == std::errc() && ptr == end;
        return key;
    }

    int compare(const NumericKey& other) const {
        if (isNumber != other.isNumber) {
            return isNumber ? 1 : -1;
        }
        if (!isNumber || value == other.value) {
            return 0;
        }
        return value < other.value ? -1 : 1;
    }
};

std::string_view cellText(const PlayerGridRow& row, int column) {
    if (column >= 0 && column < kGridTextColumns) {
        return row.texts[static_cast<std::size_t>(column)];
    }
    if (column == kGridPoolColumn) {
        return row.inExportPool ? "O" : "";
    }
    return {};
}

}  // namespace

PlayerGridRow playerGridRow(const League& league, int playerIndex) {
    const PlayerRecord& player = *league.players.at(static_cast<std::size_t>(playerIndex));
    return makeRow(player, playerIndex, league.inExportPool(player));
}

PlayerGridContent playerGridRows(const League& league, int team, int levelFilter, bool showHidden) {
    const bool listHidden = showHidden || team == kFreeAgentTeam;
    const PoolMembers pool(league.exportPool);
    PlayerGridContent content;
    content.levelShown = levelFilter;
    collectTeam(league, team, levelFilter, listHidden, pool, content.rows);
    if (content.rows.empty() && levelFilter != kAllLevels) {
        content.levelShown = kAllLevels;
        content.fellBack = true;
        collectTeam(league, team, kAllLevels, listHidden, pool, content.rows);
    }
    return content;
}

std::vector<PlayerGridRow> exportPoolRows(const League& league) {
    std::vector<PlayerGridRow> rows;
    if (league.exportPool.empty()) {
        return rows;
    }
    std::unordered_map<const PlayerRecord*, int> indexOf;
    indexOf.reserve(league.players.size());
    for (std::size_t i = 0; i < league.players.size(); ++i) {
        indexOf.emplace(league.players[i].get(), static_cast<int>(i));
    }
    rows.reserve(league.exportPool.size());
    for (const ExportPoolEntry& member : league.exportPool) {
        const auto it = indexOf.find(member.player);
        if (it != indexOf.end()) {
            rows.push_back(makeRow(*member.player, it->second, true));
        }
    }
    return rows;
}

int defaultGridTeam(const League& league, const EditorSettings& settings) {
    if (settings.defaultTeam == kFreeAgentTeam || league.isTeam(settings.defaultTeam)) {
        return settings.defaultTeam;
    }
    return league.isTeam(0) ? 0 : kFreeAgentTeam;
}

std::string defaultGridCaption(const League& league, const EditorSettings& settings) {
    const int team = defaultGridTeam(league, settings);
    if (team == settings.defaultTeam && !settings.defaultTeamName.empty()) {
        return settings.defaultTeamName;
    }
    if (team == kFreeAgentTeam) {
        return "Free Agents";
    }
    return league.team(team).record.get(tf::city) + " Roster";
}

const std::array<std::string_view, kRosterFilterItemCount>& rosterFilterItems() {
    static constexpr std::array<std::string_view, kRosterFilterItemCount> kItems = {
        "ALL", "ML", "AAA", "AA", "A", "DL", "IL"};
    return kItems;
}

namespace {
constexpr std::array<int, kRosterFilterItemCount> kRosterFilterLevels = {kAllLevels, 0, 1, 2, 3, 7, 6};
}  // namespace

int rosterFilterLevel(int itemIndex) {
    if (itemIndex < 0 || itemIndex >= kRosterFilterItemCount) {
        return kAllLevels;
    }
    return kRosterFilterLevels[static_cast<std::size_t>(itemIndex)];
}

int rosterFilterIndex(int levelCode) {
    const auto it = std::find(kRosterFilterLevels.begin(), kRosterFilterLevels.end(), levelCode);
    return it == kRosterFilterLevels.end() ? -1 : static_cast<int>(it - kRosterFilterLevels.begin());
}

RowPaint paintRow(const League& league, const PlayerGridRow& row, const EditorSettings& settings, bool gridEnabled) {
    RowPaint paint;
    if (row.inExportPool) {
        paint.font = kMaroon;
    } else {
        const std::string_view level = row.texts[kGridLevelColumn];
        if (level == "DL") {
            paint.font = settings.dlColor;
        } else if (level == "ML") {
            paint.font = settings.majorColor;
        } else if (level == "AAA") {
            paint.font = settings.aaaColor;
        } else if (level == "AA") {
            paint.font = settings.aaColor;
        } else if (level == "A") {
            paint.font = settings.aColor;
        }
    }
    if (row.playerIndex >= 0 && league.isNewPlayer(static_cast<std::size_t>(row.playerIndex))) {
        paint.font = kRed;
    }
    // The roster colours only mean something while a team is being looked at, which the
    // current player's team tells.
    const bool currentIsOnTeam =
        league.currentPlayer != nullptr && league.currentPlayer->teamIndex() < kFirstNonTeamView;
    if (gridEnabled && currentIsOnTeam) {
        const PlayerRecord* player = isValidIndex(league, row.playerIndex)
                                         ? league.players[static_cast<std::size_t>(row.playerIndex)].get()
                                         : nullptr;
        paint.onRoster = player != nullptr && league.isOnRoster(*player, player->teamIndex());
        paint.background = paint.onRoster ? settings.rosterColor : settings.nonRosterColor;
    }
    return paint;
}

bool sortsNumerically(int column, bool levelColumnHoldsValues) {
    return column == kGridNumberColumn || column == kGridIndexColumn ||
           (column == kGridLevelColumn && levelColumnHoldsValues);
}

std::vector<int> sortRows(std::vector<PlayerGridRow>& rows, int column, SortOrder order, bool levelColumnHoldsValues) {
    std::vector<int> permutation(rows.size());
    std::iota(permutation.begin(), permutation.end(), 0);
    const int sign = order == SortOrder::Ascending ? 1 : -1;

    if (sortsNumerically(column, levelColumnHoldsValues)) {
        // Keys are read once, not at every comparison.
        std::vector<NumericKey> keys(rows.size());
        for (std::size_t i = 0; i < rows.size(); ++i) {
            keys[i] = column == kGridIndexColumn ? NumericKey{true, static_cast<double>(rows[i].playerIndex)}
                                                 : NumericKey::of(cellText(rows[i], column));
        }
        std::stable_sort(permutation.begin(), permutation.end(), [&](int a, int b) {
            return sign * keys[static_cast<std::size_t>(a)].compare(keys[static_cast<std::size_t>(b)]) < 0;
        });
    } else {
        std::stable_sort(permutation.begin(), permutation.end(), [&](int a, int b) {
            return sign * compareText(cellText(rows[static_cast<std::size_t>(a)], column),
                                      cellText(rows[static_cast<std::size_t>(b)], column)) <
                   0;
        });
    }

    std::vector<PlayerGridRow> sorted;
    sorted.reserve(rows.size());
    for (const int old : permutation) {
        sorted.push_back(std::move(rows[static_cast<std::size_t>(old)]));
    }
    rows = std::move(sorted);
    return permutation;
}

StatHistory* selectPlayer(League& league, int playerIndex) {
    if (!isValidIndex(league, playerIndex)) {
        return nullptr;
    }
    PlayerRecord* player = league.players[static_cast<std::size_t>(playerIndex)].get();
    league.currentPlayer = player;
    if (!league.statsLoaded) {
        // Without a stats file there is no history to show; a block left from another player
        // must not stay current.
        league.currentHistory = nullptr;
        return nullptr;
    }
    StatHistory* history = findHistory(league.playerHistories, player->playerId());
    if (history == nullptr) {
        auto block = std::make_unique<StatHistory>();
        block->key = player->playerId();
        history = block.get();
        league.playerHistories.push_back(std::move(block));
    }
    league.currentHistory = history;
    return history;
}

}  // namespace zt
