#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "map_settings_store.h"

namespace zt::test {
namespace {

MapSettingsStore completeStore() {
    MapSettingsStore store;
    store.texts = {{"File1", "/l/A.sea"},
                   {"File2", "/l/B.sea"},
                   {"File3", ""},
                   {"Path", "/data/"},
                   {"ShowHidden", "N"},
                   {"DefaultTeam", "7"},
                   {"Name", "Boston Roster"}};
    store.integers = {{"bsort", 3},
                      {"psort", 4},
                      {"dlcol", 1},
                      {"majcol", 2},
                      {"aaacol", 3},
                      {"aacol", 4},
                      {"acol", 5},
                      {"rostercol", 6},
                      {"nonrostercol", 7},
                      {"leadersH", 8},
                      {"leadersR", 9},
                      {"emptycol", 10}};
    return store;
}

TEST(EditorSettings, ReadsEveryValueUnderItsName) {
    const auto settings = readEditorSettings(completeStore());
    EXPECT_EQ(settings.recentFiles.items[0], "/l/A.sea");
    EXPECT_EQ(settings.recentFiles.items[1], "/l/B.sea");
    EXPECT_EQ(settings.dataPath, "/data/");
    EXPECT_EQ(settings.batSort, 3);
    EXPECT_EQ(settings.pitchSort, 4);
    EXPECT_FALSE(settings.showHidden);
    EXPECT_EQ(settings.dlColor, 1u);
    EXPECT_EQ(settings.majorColor, 2u);
    EXPECT_EQ(settings.aColor, 5u);
    EXPECT_EQ(settings.nonRosterColor, 7u);
    EXPECT_EQ(settings.leadersRowColor, 9u);
    EXPECT_EQ(settings.emptyColor, 10u);
    EXPECT_EQ(settings.defaultTeam, 7);
    EXPECT_EQ(settings.defaultTeamName, "Boston Roster");
}

TEST(EditorSettings, WrittenSettingsReadBackTheSame) {
    auto settings = readEditorSettings(completeStore());
    settings.showHidden = true;
    settings.rosterColor = 0x123456;
    MapSettingsStore store;
    writeEditorSettings(settings, store);
    store.texts["Path"] = settings.dataPath;
    EXPECT_EQ(readEditorSettings(store), settings);
    EXPECT_EQ(store.texts.at("ShowHidden"), "Y");
}

struct GroupCase {
    const char* what;
    const char* missing;  // the value removed from a complete store
    bool showHidden;      // expected option
    std::uint32_t majorColor;
    std::uint32_t emptyColor;
};

class DisplayGroupTest : public testing::TestWithParam<GroupCase> {};

// The options are read in order; the first missing one leaves itself and all later ones at
// their defaults.
TEST_P(DisplayGroupTest, StopsAtTheFirstMissingValue) {
    auto store = completeStore();
    store.texts.erase(GetParam().missing);
    store.integers.erase(GetParam().missing);
    const EditorSettings defaults;
    const auto settings = readEditorSettings(store);
    EXPECT_EQ(settings.showHidden, GetParam().showHidden);
    EXPECT_EQ(settings.majorColor, GetParam().majorColor);
    EXPECT_EQ(settings.emptyColor, GetParam().emptyColor);
}

INSTANTIATE_TEST_SUITE_P(
    Cases,
    DisplayGroupTest,
    testing::Values(
        GroupCase{"ShowHidden", "ShowHidden", true, EditorSettings{}.majorColor, EditorSettings{}.emptyColor},
        GroupCase{"dlcol", "dlcol", false, EditorSettings{}.majorColor, EditorSettings{}.emptyColor},
        GroupCase{"leadersR", "leadersR", false, 2, EditorSettings{}.emptyColor},
        GroupCase{"emptycol", "emptycol", false, 2, EditorSettings{}.emptyColor}),
    [](const auto& info) { return std::string(info.param.what); });

TEST(EditorSettings, EmptyShowHiddenLeavesTheGroupUnread) {
    auto store = completeStore();
    store.texts["ShowHidden"] = "";
    const auto settings = readEditorSettings(store);
    EXPECT_TRUE(settings.showHidden);
    EXPECT_EQ(settings.dlColor, EditorSettings{}.dlColor);
}

TEST(EditorSettings, ShowHiddenIsCheckedByAnyTextStartingWithY) {
    for (const auto& [text, checked] : std::initializer_list<std::pair<const char*, bool>>{
             {"Y", true}, {"yes", true}, {"y", true}, {"N", false}, {"no", false}, {"x", false}}) {
        auto store = completeStore();
        store.texts["ShowHidden"] = text;
        EXPECT_EQ(readEditorSettings(store).showHidden, checked) << text;
    }
}

TEST(EditorSettings, DefaultTeamFallsBackToTheFreeAgents) {
    struct Case {
        std::optional<std::string> defaultTeam;
        std::string name;
        int team;
        std::string expectedName;
    };
    for (const auto& c : {Case{"12", "Texas Roster", 12, "Texas Roster"},
                          Case{"abc", "Texas Roster", 255, "Texas Roster"},
                          Case{std::nullopt, "Texas Roster", 255, "Texas Roster"},
                          Case{"12", "", 255, "Free Agents"}}) {
        auto store = completeStore();
        if (c.defaultTeam) {
            store.texts["DefaultTeam"] = *c.defaultTeam;
        } else {
            store.texts.erase("DefaultTeam");
        }
        store.texts["Name"] = c.name;
        const auto settings = readEditorSettings(store);
        EXPECT_EQ(settings.defaultTeam, c.team) << c.defaultTeam.value_or("(missing)");
        EXPECT_EQ(settings.defaultTeamName, c.expectedName);
    }
}

TEST(EditorSettings, GameDirectoryPrefersTheEnvironmentAndEndsWithASeparator) {
    EditorSettings settings;
    settings.gamePath = "/games/zantrip";
    EXPECT_EQ(gameDirectory(settings, nullptr), "/games/zantrip/");
    EXPECT_EQ(gameDirectory(settings, ""), "/games/zantrip/");
    EXPECT_EQ(gameDirectory(settings, "/opt/zt/"), "/opt/zt/");
    settings.gamePath.clear();
    EXPECT_EQ(gameDirectory(settings, nullptr), "");
}

}  // namespace
}  // namespace zt::test

namespace zt::test {
namespace {

// Relative luminance and contrast ratio as accessibility guidelines define them.
double luminance(StoredColor color) {
    const auto channel = [](unsigned value) {
        const double c = value / 255.0;
        return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(color & 0xFF) + 0.7152 * channel((color >> 8) & 0xFF) + 0.0722 * channel(color >> 16);
}

double contrast(StoredColor a, StoredColor b) {
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

TEST(EditorSettings, DefaultColoursAreReadableOnTheirBackgrounds) {
    const EditorSettings d;
    constexpr StoredColor kPageBackground = 0xEFEFEF;  // the light page behind the lineup slots
    const std::pair<const char*, StoredColor> texts[] = {{"dlcol", d.dlColor},
                                                         {"majcol", d.majorColor},
                                                         {"aaacol", d.aaaColor},
                                                         {"aacol", d.aaColor},
                                                         {"acol", d.aColor},
                                                         {"emptycol", d.emptyColor}};
    for (const auto& [name, text] : texts) {
        for (const StoredColor background : {d.rosterColor, d.nonRosterColor, kPageBackground}) {
            EXPECT_GE(contrast(text, background), 4.5) << name << " on " << std::hex << background;
        }
    }
    for (const StoredColor background : {d.leadersHeaderColor, d.leadersRowColor}) {
        EXPECT_GE(contrast(kBlack, background), 4.5) << std::hex << background;
    }
}

}  // namespace
}  // namespace zt::test
