// A hand-edited or damaged settings file never brings the editor down: every value is checked
// against its range, and one out of range behaves as if it were missing.
#include <QLabel>
#include <QSettings>

#include "league/league.h"
#include "league/ui/qt_text.h"
#include "main_window_fixture.h"
#include "players/map_settings_store.h"
#include "players/ui/player_grid_model.h"
#include "players/ui/player_grid_panel.h"

namespace zt::test {
namespace {

// A complete, valid set of the values the editor keeps.
MapSettingsStore validSettings() {
    MapSettingsStore store;
    store.texts = {{"File1", "/l/A.sea"}, {"ShowHidden", "Y"}, {"DefaultTeam", "3"}, {"Name", "Team 3 roster"}};
    std::int64_t colour = 0x102030;
    for (const char* name : {"dlcol",
                             "majcol",
                             "aaacol",
                             "aacol",
                             "acol",
                             "rostercol",
                             "nonrostercol",
                             "leadersH",
                             "leadersR",
                             "emptycol"}) {
        store.integers[name] = colour++;
    }
    store.integers["bsort"] = 2;
    store.integers["psort"] = 1;
    return store;
}

struct DamagedValue {
    const char* name;
    const char* value;
};

std::ostream& operator<<(std::ostream& os, const DamagedValue& c) {
    return os << c.name << "=" << c.value;
}

std::vector<DamagedValue> damagedValues() {
    std::vector<DamagedValue> cases;
    for (const char* name : {"File1",
                             "Path",
                             "GamePath",
                             "bsort",
                             "psort",
                             "ShowHidden",
                             "dlcol",
                             "majcol",
                             "aaacol",
                             "aacol",
                             "acol",
                             "rostercol",
                             "nonrostercol",
                             "leadersH",
                             "leadersR",
                             "emptycol",
                             "DefaultTeam",
                             "Name"}) {
        for (const char* value : {"x#!{", "-100000000", "99999999999999999999", "", "256"}) {
            cases.push_back({name, value});
        }
    }
    return cases;
}

class DamagedSettingsTest : public MainWindowTest, public ::testing::WithParamInterface<DamagedValue> {};

TEST_P(DamagedSettingsTest, OpensTheLeagueAndTreatsTheValueAsMissing) {
    const auto& [name, value] = GetParam();
    const auto sea = generateLeague("a");
    MapSettingsStore store = validSettings();
    {
        QSettings file(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("ztedit"), QStringLiteral("ztedit"));
        for (const auto& [key, text] : store.texts) {
            file.setValue(QString::fromStdString(key), QString::fromStdString(text));
        }
        for (const auto& [key, number] : store.integers) {
            file.setValue(QString::fromStdString(key), static_cast<qlonglong>(number));
        }
        file.setValue(QString::fromLatin1(name), QString::fromLatin1(value));
    }

    auto& window = startWindow({ui::fromPath(sea.string())});
    ASSERT_NE(window.league(), nullptr);
    const int shownTeam = window.settings().defaultTeam == 3 ? 3 : 0;
    EXPECT_EQ(child<QLabel>("lblteam")->text(),
              ui::fromLeagueText(window.league()->teams[static_cast<std::size_t>(shownTeam)].record.get(tf::city)) +
                  QStringLiteral(" roster"));
    action("ExportPool1")->trigger();  // an empty pool shows the default team again
    EXPECT_GT(window.gridPanel()->model()->rowCount(), 0);

    // Numbers out of their range read as if the value were absent; texts are texts.
    store.texts.erase(name);
    store.integers.erase(name);
    EditorSettings expected = readEditorSettings(store);
    const std::string_view n = name;
    const bool isText = n == "File1" || n == "Path" || n == "GamePath" || n == "Name" || n == "ShowHidden";
    const bool inRange = std::string_view(value) == "256" && n != "DefaultTeam";
    if (!isText && !inRange) {
        expected.dataPath = window.settings().dataPath;        // set by the test environment
        expected.recentFiles = window.settings().recentFiles;  // the open added the league
        EXPECT_EQ(window.settings(), expected);
    }
    EXPECT_GE(window.settings().defaultTeam, 0);
    EXPECT_LE(window.settings().defaultTeam, 255);
    closeWindow();
}

INSTANTIATE_TEST_SUITE_P(EveryValue, DamagedSettingsTest, ::testing::ValuesIn(damagedValues()), [](const auto& info) {
    return std::string(info.param.name) + std::to_string(info.index);
});

}  // namespace
}  // namespace zt::test
