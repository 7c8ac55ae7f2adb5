#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "league/stats_file.h"
#include "players/player_grid.h"
#include "support/league_builder.h"

namespace zt::test {
namespace {

// Two teams of three players (indexes 0-2 and 3-5) and two free agents (6, 7); every team
// player is on his team's roster and plays in the majors.
std::unique_ptr<League> smallLeague() {
    LeagueShape shape;
    shape.teams = 2;
    shape.playersPerTeam = 3;
    shape.freeAgents = 2;
    auto league = buildLeague(shape);
    for (std::size_t i = 0; i < league->players.size(); ++i) {
        auto& player = *league->players[i];
        player.set(pf::uniformNumber, static_cast<std::uint8_t>(10 + i));
        player.set(pf::position, static_cast<std::uint8_t>(1 + i % 10));
    }
    return league;
}

PlayerRecord& player(League& league, int index) {
    return *league.players.at(static_cast<std::size_t>(index));
}

void setLevel(League& league, int index, int level) {
    player(league, index).set(pf::level, static_cast<std::uint8_t>(level));
}

// Takes the player's id off his team's roster, which makes him a hidden player of the team.
void hide(League& league, int index) {
    auto& p = player(league, index);
    auto& record = league.teams.at(p.teamIndex()).record;
    for (int slot = 0; slot < kRosterSize; ++slot) {
        if (record.rosterId(slot) == p.playerId()) {
            record.setRosterId(slot, -1);
        }
    }
}

std::vector<int> indexesOf(const std::vector<PlayerGridRow>& rows) {
    std::vector<int> indexes;
    for (const auto& row : rows) {
        indexes.push_back(row.playerIndex);
    }
    return indexes;
}

PlayerGridRow rowWith(std::string number, std::string name, std::string level, int index) {
    PlayerGridRow row;
    row.texts = {std::move(number), std::move(name), "P", std::move(level)};
    row.playerIndex = index;
    return row;
}

// ---- filling -------------------------------------------------------------------------------

TEST(PlayerGridFill, WritesEachColumnFromThePlayerRecord) {
    auto league = smallLeague();
    auto& p = player(*league, 4);
    p.set(pf::lastName, "Ruiz");
    p.set(pf::firstName, "Tomas");
    p.set(pf::uniformNumber, std::uint8_t{7});
    p.set(pf::position, std::uint8_t{6});
    setLevel(*league, 4, 2);

    const auto content = playerGridRows(*league, 1, kAllLevels, false);
    ASSERT_EQ(indexesOf(content.rows), (std::vector<int>{3, 4, 5}));
    const auto& row = content.rows[1];
    EXPECT_EQ(row.texts[0], "7");
    EXPECT_EQ(row.texts[1], "Ruiz , Tomas");
    EXPECT_EQ(row.texts[2], "SS");
    EXPECT_EQ(row.texts[3], "AA");
    EXPECT_FALSE(row.inExportPool);
    EXPECT_FALSE(content.fellBack);
    EXPECT_EQ(content.levelShown, kAllLevels);
}

TEST(PlayerGridFill, InactiveListHasAnEmptyLevelText) {
    auto league = smallLeague();
    setLevel(*league, 0, 6);
    const auto content = playerGridRows(*league, 0, 6, true);
    ASSERT_EQ(indexesOf(content.rows), std::vector<int>{0});
    EXPECT_EQ(content.rows[0].texts[3], "");
}

struct LevelCase {
    int filter;
    std::vector<int> expected;
    bool fellBack;
};

class PlayerGridLevelFilter : public ::testing::TestWithParam<LevelCase> {};

// Team 0: player 0 in AAA, player 1 on the disabled list, player 2 in the majors.
TEST_P(PlayerGridLevelFilter, ListsTheLevelOrFallsBackToEveryLevel) {
    auto league = smallLeague();
    setLevel(*league, 0, 1);
    setLevel(*league, 1, 7);
    const auto& param = GetParam();
    const auto content = playerGridRows(*league, 0, param.filter, true);
    EXPECT_EQ(indexesOf(content.rows), param.expected);
    EXPECT_EQ(content.fellBack, param.fellBack);
    EXPECT_EQ(content.levelShown, param.fellBack ? kAllLevels : param.filter);
}

INSTANTIATE_TEST_SUITE_P(Levels,
                         PlayerGridLevelFilter,
                         ::testing::Values(LevelCase{kAllLevels, {0, 1, 2}, false},
                                           LevelCase{0, {2}, false},
                                           LevelCase{1, {0}, false},
                                           LevelCase{7, {1}, false},
                                           LevelCase{2, {0, 1, 2}, true},
                                           LevelCase{3, {0, 1, 2}, true},
                                           LevelCase{6, {0, 1, 2}, true}));

TEST(PlayerGridFill, TeamWithoutPlayersGivesNoRowsAtAnyLevel) {
    auto league = smallLeague();
    for (int i = 0; i < 3; ++i) {
        player(*league, i).set(pf::teamIndex, std::uint8_t{1});
    }
    EXPECT_TRUE(playerGridRows(*league, 0, kAllLevels, true).rows.empty());
    const auto fallBack = playerGridRows(*league, 0, 1, true);
    EXPECT_TRUE(fallBack.rows.empty());
    EXPECT_TRUE(fallBack.fellBack);
}

TEST(PlayerGridFill, HiddenPlayersAreListedOnlyWithTheOption) {
    auto league = smallLeague();
    hide(*league, 1);
    EXPECT_EQ(indexesOf(playerGridRows(*league, 0, kAllLevels, false).rows), (std::vector<int>{0, 2}));
    EXPECT_EQ(indexesOf(playerGridRows(*league, 0, kAllLevels, true).rows), (std::vector<int>{0, 1, 2}));
}

TEST(PlayerGridFill, HiddenOnlyPlayersAtALevelFallBackToTheVisibleOnes) {
    auto league = smallLeague();
    setLevel(*league, 1, 2);
    hide(*league, 1);
    const auto content = playerGridRows(*league, 0, 2, false);
    EXPECT_TRUE(content.fellBack);
    EXPECT_EQ(indexesOf(content.rows), (std::vector<int>{0, 2}));
}

TEST(PlayerGridFill, FreeAgentsAreAlwaysAllListed) {
    auto league = smallLeague();
    EXPECT_EQ(indexesOf(playerGridRows(*league, kFreeAgentTeam, kAllLevels, false).rows), (std::vector<int>{6, 7}));
}

TEST(PlayerGridFill, ExportPoolMembersGetTheStarAndTheMark) {
    auto league = smallLeague();
    // A second record with the same id as player 2 is not a pool member: membership is by record.
    player(*league, 1).set(pf::playerId, player(*league, 2).playerId());
    league->exportPool.push_back({&player(*league, 2), nullptr});

    const auto rows = playerGridRows(*league, 0, kAllLevels, true).rows;
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[2].texts[0], "*12");
    EXPECT_TRUE(rows[2].inExportPool);
    EXPECT_EQ(rows[1].texts[0], "11");
    EXPECT_FALSE(rows[1].inExportPool);
    EXPECT_EQ(playerGridRow(*league, 2), rows[2]);
}

TEST(PlayerGridExportPool, ListsMembersInPoolOrderWithTheirIndexes) {
    auto league = smallLeague();
    league->exportPool = {
        {&player(*league, 7), nullptr}, {&player(*league, 0), nullptr}, {&player(*league, 4), nullptr}};
    const auto rows = exportPoolRows(*league);
    EXPECT_EQ(indexesOf(rows), (std::vector<int>{7, 0, 4}));
    for (const auto& row : rows) {
        EXPECT_TRUE(row.inExportPool);
        EXPECT_EQ(row.texts[0], "*" + std::to_string(10 + row.playerIndex));
    }
}

TEST(PlayerGridExportPool, MemberSharingAnIdPointsAtItsOwnRecord) {
    auto league = smallLeague();
    player(*league, 5).set(pf::playerId, player(*league, 3).playerId());
    league->exportPool = {{&player(*league, 5), nullptr}};
    EXPECT_EQ(indexesOf(exportPoolRows(*league)), std::vector<int>{5});
}

TEST(PlayerGridExportPool, LeavesOutAMemberThatIsNoPlayerOfTheLeague) {
    auto league = smallLeague();
    PlayerRecord stranger = player(*league, 0);
    league->exportPool = {{&stranger, nullptr}, {&player(*league, 1), nullptr}};
    EXPECT_EQ(indexesOf(exportPoolRows(*league)), std::vector<int>{1});
    league->exportPool.clear();
    EXPECT_TRUE(exportPoolRows(*league).empty());
}

TEST(PlayerGridDefaultTeam, UsesTheSettingOnlyWhenTheLeagueHasThatTeam) {
    auto league = smallLeague();
    EditorSettings settings;
    const std::vector<std::pair<int, int>> cases = {{1, 1}, {kFreeAgentTeam, kFreeAgentTeam}, {5, 0}, {-3, 0}};
    for (const auto& [setting, expected] : cases) {
        settings.defaultTeam = setting;
        EXPECT_EQ(defaultGridTeam(*league, settings), expected) << "default team " << setting;
    }
    league->teams.clear();
    settings.defaultTeam = 5;
    EXPECT_EQ(defaultGridTeam(*league, settings), kFreeAgentTeam);
}

// ---- roster filter -------------------------------------------------------------------------

TEST(RosterFilter, ItemsStandForTheirLevelCodes) {
    const std::vector<std::pair<std::string_view, int>> expected = {
        {"ALL", kAllLevels}, {"ML", 0}, {"AAA", 1}, {"AA", 2}, {"A", 3}, {"DL", 7}, {"IL", 6}};
    ASSERT_EQ(rosterFilterItems().size(), expected.size());
    for (int i = 0; i < kRosterFilterItemCount; ++i) {
        const auto& [text, level] = expected[static_cast<std::size_t>(i)];
        EXPECT_EQ(rosterFilterItems()[static_cast<std::size_t>(i)], text);
        EXPECT_EQ(rosterFilterLevel(i), level) << text;
        EXPECT_EQ(rosterFilterIndex(level), i) << text;
    }
    EXPECT_EQ(rosterFilterLevel(7), kAllLevels);
    EXPECT_EQ(rosterFilterLevel(-1), kAllLevels);
    EXPECT_EQ(rosterFilterIndex(4), -1);
}

// ---- painting ------------------------------------------------------------------------------

EditorSettings distinctColours() {
    EditorSettings settings;
    settings.majorColor = 0x000001;
    settings.aaaColor = 0x000002;
    settings.aaColor = 0x000003;
    settings.aColor = 0x000004;
    settings.dlColor = 0x000005;
    settings.rosterColor = 0x0A0000;
    settings.nonRosterColor = 0x0B0000;
    return settings;
}

struct FontCase {
    std::string levelText;
    bool inPool;
    bool isNew;
    std::optional<StoredColor> expected;
};

class PlayerGridFont : public ::testing::TestWithParam<FontCase> {};

TEST_P(PlayerGridFont, FollowsLevelPoolAndNovelty) {
    auto league = smallLeague();
    const auto& param = GetParam();
    PlayerGridRow row = rowWith("1", "A , B", param.levelText, param.isNew ? 8 : 2);
    row.inExportPool = param.inPool;
    if (param.isNew) {
        league->players.push_back(std::make_unique<PlayerRecord>(player(*league, 0)));
    }
    EXPECT_EQ(paintRow(*league, row, distinctColours(), true).font, param.expected);
}

INSTANTIATE_TEST_SUITE_P(Levels,
                         PlayerGridFont,
                         ::testing::Values(FontCase{"ML", false, false, 0x000001},
                                           FontCase{"AAA", false, false, 0x000002},
                                           FontCase{"AA", false, false, 0x000003},
                                           FontCase{"A", false, false, 0x000004},
                                           FontCase{"DL", false, false, 0x000005},
                                           FontCase{"", false, false, std::nullopt},
                                           FontCase{".312", false, false, std::nullopt},
                                           FontCase{"ML", true, false, kMaroon},
                                           FontCase{"", true, false, kMaroon},
                                           FontCase{"ML", false, true, kRed},
                                           FontCase{"ML", true, true, kRed}));

TEST(PlayerGridPaint, PlayersFromTheLoadedCountOnAreNew) {
    auto league = smallLeague();
    league->loadedPlayerCount = 5;
    const auto settings = distinctColours();
    EXPECT_EQ(paintRow(*league, rowWith("1", "x", "ML", 4), settings, true).font, settings.majorColor);
    EXPECT_EQ(paintRow(*league, rowWith("1", "x", "ML", 5), settings, true).font, kRed);
}

TEST(PlayerGridPaint, BackgroundOnlyWhileTheCurrentPlayerBelongsToATeam) {
    auto league = smallLeague();
    hide(*league, 1);
    const auto settings = distinctColours();
    const auto rosterRow = rowWith("1", "x", "ML", 0);
    const auto hiddenRow = rowWith("1", "x", "ML", 1);
    const auto freeAgentRow = rowWith("1", "x", "ML", 6);

    league->currentPlayer = &player(*league, 4);
    auto paint = paintRow(*league, rosterRow, settings, true);
    EXPECT_EQ(paint.background, settings.rosterColor);
    EXPECT_TRUE(paint.onRoster);
    paint = paintRow(*league, hiddenRow, settings, true);
    EXPECT_EQ(paint.background, settings.nonRosterColor);
    EXPECT_FALSE(paint.onRoster);
    paint = paintRow(*league, freeAgentRow, settings, true);
    EXPECT_EQ(paint.background, settings.nonRosterColor);
    EXPECT_FALSE(paint.onRoster);

    // Disabled grid, a free agent as current player, or none: no background and no flag.
    paint = paintRow(*league, rosterRow, settings, false);
    EXPECT_FALSE(paint.background.has_value());
    EXPECT_FALSE(paint.onRoster);
    league->currentPlayer = &player(*league, 6);
    paint = paintRow(*league, rosterRow, settings, true);
    EXPECT_FALSE(paint.background.has_value());
    EXPECT_FALSE(paint.onRoster);
    league->currentPlayer = nullptr;
    EXPECT_FALSE(paintRow(*league, rosterRow, settings, true).background.has_value());
}

TEST(PlayerGridPaint, RosterFlagUsesTheRowPlayersOwnTeam) {
    auto league = smallLeague();
    league->currentPlayer = &player(*league, 0);  // team 0
    const auto settings = distinctColours();
    // Player 4 plays for team 1 and is on its roster, though team 0 is the current one.
    const auto paint = paintRow(*league, rowWith("1", "x", "ML", 4), settings, true);
    EXPECT_TRUE(paint.onRoster);
    EXPECT_EQ(paint.background, settings.rosterColor);
}

// ---- sorting -------------------------------------------------------------------------------

std::vector<std::string> column(const std::vector<PlayerGridRow>& rows, int col) {
    std::vector<std::string> texts;
    for (const auto& row : rows) {
        texts.push_back(row.texts[static_cast<std::size_t>(col)]);
    }
    return texts;
}

TEST(PlayerGridSort, NumberColumnSortsByValueIgnoringTheStar) {
    std::vector<PlayerGridRow> rows = {rowWith("9", "a", "ML", 0),
                                       rowWith("*10", "b", "ML", 1),
                                       rowWith("2", "c", "ML", 2),
                                       rowWith("", "d", "ML", 3)};
    const auto permutation = sortRows(rows, kGridNumberColumn, SortOrder::Ascending);
    EXPECT_EQ(column(rows, 0), (std::vector<std::string>{"", "2", "9", "*10"}));
    EXPECT_EQ(permutation, (std::vector<int>{3, 2, 0, 1}));
    sortRows(rows, kGridNumberColumn, SortOrder::Descending);
    EXPECT_EQ(column(rows, 0), (std::vector<std::string>{"*10", "9", "2", ""}));
}

TEST(PlayerGridSort, TextColumnsIgnoreLetterCase) {
    std::vector<PlayerGridRow> rows = {
        rowWith("1", "baker , Al", "ML", 0), rowWith("2", "Adams , Bo", "ML", 1), rowWith("3", "Carter , Cy", "ML", 2)};
    sortRows(rows, kGridNameColumn, SortOrder::Ascending);
    EXPECT_EQ(indexesOf(rows), (std::vector<int>{1, 0, 2}));
    sortRows(rows, kGridNameColumn, SortOrder::Descending);
    EXPECT_EQ(indexesOf(rows), (std::vector<int>{2, 0, 1}));
}

TEST(PlayerGridSort, EqualKeysKeepTheirOrderInBothDirections) {
    std::vector<PlayerGridRow> rows = {rowWith("5", "a", "AA", 0),
                                       rowWith("*5", "b", "ML", 1),
                                       rowWith("3", "c", "AA", 2),
                                       rowWith("5", "d", "ML", 3)};
    auto ascending = rows;
    sortRows(ascending, kGridNumberColumn, SortOrder::Ascending);
    EXPECT_EQ(indexesOf(ascending), (std::vector<int>{2, 0, 1, 3}));
    auto descending = rows;
    sortRows(descending, kGridNumberColumn, SortOrder::Descending);
    EXPECT_EQ(indexesOf(descending), (std::vector<int>{0, 1, 3, 2}));
    auto byLevel = rows;
    sortRows(byLevel, kGridLevelColumn, SortOrder::Ascending);
    EXPECT_EQ(indexesOf(byLevel), (std::vector<int>{0, 2, 1, 3}));
}

TEST(PlayerGridSort, ManyEqualKeysKeepListOrder) {
    // Enough rows that a sort which is not stable would mix the groups' order up.
    std::vector<PlayerGridRow> rows;
    for (int i = 0; i < 300; ++i) {
        rows.push_back(rowWith(std::to_string((i * 7) % 5), "n", i % 3 == 0 ? "ML" : "AA", i));
    }
    for (const auto order : {SortOrder::Ascending, SortOrder::Descending}) {
        for (const int col : {kGridNumberColumn, kGridLevelColumn}) {
            auto sorted = rows;
            sortRows(sorted, col, order);
            for (std::size_t i = 1; i < sorted.size(); ++i) {
                const auto& a = sorted[i - 1];
                const auto& b = sorted[i];
                if (a.texts[static_cast<std::size_t>(col)] == b.texts[static_cast<std::size_t>(col)]) {
                    ASSERT_LT(a.playerIndex, b.playerIndex) << "column " << col << " row " << i;
                } else {
                    const bool ascending =
                        a.texts[static_cast<std::size_t>(col)] < b.texts[static_cast<std::size_t>(col)];
                    ASSERT_EQ(ascending, order == SortOrder::Ascending) << "column " << col << " row " << i;
                }
            }
        }
    }
}

TEST(PlayerGridSort, LevelColumnIsNumericOnlyWhileItHoldsValues) {
    const std::vector<PlayerGridRow> rows = {
        rowWith("1", "a", "10.5", 0), rowWith("2", "b", "9", 1), rowWith("3", "c", ".25", 2)};
    auto asText = rows;
    sortRows(asText, kGridLevelColumn, SortOrder::Ascending, false);
    EXPECT_EQ(column(asText, 3), (std::vector<std::string>{".25", "10.5", "9"}));
    auto asValues = rows;
    sortRows(asValues, kGridLevelColumn, SortOrder::Ascending, true);
    EXPECT_EQ(column(asValues, 3), (std::vector<std::string>{".25", "9", "10.5"}));
}

TEST(PlayerGridSort, RowKeyColumnSortsByPlayerIndex) {
    std::vector<PlayerGridRow> rows = {
        rowWith("1", "a", "ML", 12), rowWith("2", "b", "ML", 3), rowWith("3", "c", "ML", 100)};
    sortRows(rows, kGridIndexColumn, SortOrder::Ascending);
    EXPECT_EQ(indexesOf(rows), (std::vector<int>{3, 12, 100}));
}

// ---- selecting -----------------------------------------------------------------------------

TEST(PlayerGridSelect, FindsTheFirstHistoryBlockOfThePlayer) {
    auto league = smallLeague();
    const auto id = player(*league, 2).playerId();
    league->playerHistories.push_back(makeHistory(id, 5, 0, 0, 77));
    const StatHistory* first = findHistory(league->playerHistories, id);
    const std::size_t blocks = league->playerHistories.size();

    EXPECT_EQ(selectPlayer(*league, 2), first);
    EXPECT_EQ(league->currentPlayer, &player(*league, 2));
    EXPECT_EQ(league->currentHistory, first);
    EXPECT_NE(first, league->playerHistories.back().get());
    EXPECT_EQ(league->playerHistories.size(), blocks);
}

TEST(PlayerGridSelect, CreatesAMissingHistoryBlockThatTheNextSaveWrites) {
    auto league = smallLeague();
    const auto id = player(*league, 3).playerId();
    auto& list = league->playerHistories;
    list.erase(std::remove_if(list.begin(), list.end(), [id](const auto& block) { return block->key == id; }),
               list.end());
    const std::size_t blocks = list.size();

    StatHistory* created = selectPlayer(*league, 3);
    ASSERT_NE(created, nullptr);
    EXPECT_EQ(list.size(), blocks + 1);
    EXPECT_EQ(list.back().get(), created);
    EXPECT_EQ(created->key, id);
    EXPECT_TRUE(created->batting.empty());
    EXPECT_TRUE(created->pitching.empty());
    EXPECT_TRUE(created->fielding.empty());
    EXPECT_EQ(league->currentHistory, created);
    EXPECT_FALSE(league->changed());

    // Selecting him again finds the block instead of adding another.
    EXPECT_EQ(selectPlayer(*league, 3), created);
    EXPECT_EQ(list.size(), blocks + 1);

    League reread;
    parseStatsFile(serialiseStatsFile(*league), "stats.zt", reread);
    ASSERT_EQ(reread.playerHistories.size(), blocks + 1);
    EXPECT_EQ(*reread.playerHistories.back(), *created);
}

TEST(PlayerGridSelect, WithoutStatsThereIsNoCurrentHistory) {
    auto league = smallLeague();
    league->statsLoaded = false;
    league->currentHistory = league->playerHistories.front().get();
    const std::size_t blocks = league->playerHistories.size();

    EXPECT_EQ(selectPlayer(*league, 5), nullptr);
    EXPECT_EQ(league->currentPlayer, &player(*league, 5));
    EXPECT_EQ(league->currentHistory, nullptr);
    EXPECT_EQ(league->playerHistories.size(), blocks);
}

TEST(PlayerGridSelect, InvalidIndexChangesNothing) {
    auto league = smallLeague();
    selectPlayer(*league, 1);
    const auto* current = league->currentPlayer;
    const auto* history = league->currentHistory;
    for (const int index : {-1, 8, 1000}) {
        EXPECT_EQ(selectPlayer(*league, index), nullptr);
        EXPECT_EQ(league->currentPlayer, current);
        EXPECT_EQ(league->currentHistory, history);
    }
}

}  // namespace
}  // namespace zt::test
