// The global-editing window: its controls and their enabling, its runs and .gbe files, the main
// window around it, and the same settings giving the same league from the window, a .gbe file
// and the command-line tool.
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>
#include <algorithm>
#include <filesystem>
#include <sstream>

#include "app/global_edit_commands.h"
#include "cli/cli_command.h"
#include "globaledit/gbe_file.h"
#include "globaledit/global_edit_messages.h"
#include "globaledit/ui/global_edit_window.h"
#include "league/league.h"
#include "league/ui/qt_text.h"
#include "main_window_fixture.h"
#include "ratings/rating_computation.h"
#include "support/league_builder.h"

namespace zt::test {
namespace {

namespace fs = std::filesystem;
using globaledit::GlobalEditSettings;
using globaledit::Mode;
using globaledit::ui::Tglobalfrm;

QString pathText(const fs::path& path) {
    return ui::fromPath(path.string());
}

class GlobalEditWindowTest : public MainWindowTest {
protected:
    // A league open in the main window; returns its .sea.
    fs::path openLeague(const std::string& name = "a") {
        const auto sea = generateLeague(name, 11);
        startWindow({pathText(sea)});
        return sea;
    }

    Tglobalfrm* openForm() {
        m_form = app::createGlobalEditWindow(*m_window);
        m_form->show();
        return m_form;
    }

    template <class T>
    T* control(const char* name) {
        auto* widget = m_form->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << "no " << name;
        return widget;
    }

    void click(const char* button) { QTest::mouseClick(control<QPushButton>(button), Qt::LeftButton); }

    // The user picks an item.
    void choose(const char* combo, int item) {
        auto* box = control<QComboBox>(combo);
        box->setCurrentIndex(item);
        Q_EMIT box->activated(item);
    }

    void typeInto(const char* edit, const std::string& text) {
        auto* box = control<QLineEdit>(edit);
        box->clear();
        QTest::keyClicks(box, QString::fromLatin1(text.c_str()));
    }

    // Puts settings into the window the way a user would, control by control.
    void enter(const GlobalEditSettings& s) {
        choose("cbapply", s.applyTo);
        choose("cbpitbat", s.position);
        choose("cbedteam", s.team);
        choose("cbselect", s.criterion1.field);
        choose("cboper", s.criterion1.op);
        typeInto("critere", s.criterion1.value);
        choose("cbsecondcriteria", s.secondCriteria);
        choose("cbselect2", s.criterion2.field);
        choose("cboper2", s.criterion2.op);
        typeInto("critere2", s.criterion2.value);
        choose("cbfield", s.field);
        typeInto("editmodifier", s.modifier);
        const char* radio = s.mode == Mode::Percentage          ? "rdperc"
                            : s.mode == Mode::UniqueValue       ? "rdconst"
                            : s.mode == Mode::ConstantVariation ? "rdvar"
                            : s.mode == Mode::Random            ? "rdrandom"
                            : s.mode == Mode::MinMax            ? "rdminmax"
                                                                : "rdformula";
        check(radio);
    }

    // A click on the button's indicator: a radio button takes clicks on its indicator and text only.
    void check(const char* radio) {
        auto* button = control<QRadioButton>(radio);
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(4, button->height() / 2));
    }

    void closeForm() {
        click("SpeedButton1");
        m_form = nullptr;
    }

    PlayerRecord& currentPlayer() { return *m_window->league()->currentPlayer; }

    std::vector<PlayerRecord::Bytes> snapshotOfPlayers() const {
        std::vector<PlayerRecord::Bytes> bytes;
        for (const auto& player : m_window->league()->players) {
            bytes.push_back(player->bytes());
        }
        return bytes;
    }

    Tglobalfrm* m_form = nullptr;
};

TEST_F(GlobalEditWindowTest, ControlsStartWithTheirDefaults) {
    openLeague();
    openForm();
    EXPECT_EQ(m_form->windowTitle(), QStringLiteral("Global Editing"));
    EXPECT_TRUE(control<QRadioButton>("rdperc")->isChecked());
    EXPECT_EQ(control<QSpinBox>("minyear")->value(), 1975);
    EXPECT_EQ(control<QSpinBox>("maxyear")->value(), 2025);
    EXPECT_EQ(control<QComboBox>("minhlev")->currentText(), QStringLiteral("A"));
    EXPECT_EQ(control<QComboBox>("maxhlev")->currentText(), QStringLiteral("Majors"));
    EXPECT_EQ(control<QComboBox>("cbapply")->currentText(), QStringLiteral("All Players"));
    EXPECT_EQ(control<QComboBox>("cbpitbat")->count(), 12);
    EXPECT_EQ(control<QComboBox>("cbpitbat")->itemText(11), QStringLiteral("DH"));
    EXPECT_EQ(control<QComboBox>("cboper")->count(), 6);
    EXPECT_EQ(control<QComboBox>("cbselect")->count(), 57);
    EXPECT_EQ(control<QComboBox>("cbselect")->itemText(49), QStringLiteral("Uniform Number"));
    EXPECT_EQ(control<QComboBox>("cbselect2")->itemText(49), QStringLiteral("Uniform No"));
    EXPECT_EQ(control<QComboBox>("cbfield")->count(), 53);
    EXPECT_EQ(control<QComboBox>("cbfield")->itemText(52), QStringLiteral("Stride Type"));
    EXPECT_EQ(control<QPushButton>("gobutton")->text(), QStringLiteral("&Execute !"));
    EXPECT_EQ(control<QPushButton>("SpeedButton1")->text(), QStringLiteral("&Close"));
    for (const char* name : {"delallbutton",
                             "Button1",
                             "Button2",
                             "Button3",
                             "Button4",
                             "Button5",
                             "Button6",
                             "Button7",
                             "Button8",
                             "Button9"}) {
        EXPECT_NE(control<QPushButton>(name), nullptr);
    }
    for (const char* name : {"rdconst", "rdminmax", "rdvar", "rdrandom", "rdformula"}) {
        EXPECT_FALSE(control<QRadioButton>(name)->isChecked()) << name;
    }
}

TEST_F(GlobalEditWindowTest, CriteriaAreEnabledOnlyForSelectedCriteria) {
    openLeague();
    openForm();
    auto* criteria1 = control<QGroupBox>("selgroup");
    auto* criteria2 = control<QGroupBox>("selgroup2");
    auto* second = control<QComboBox>("cbsecondcriteria");
    EXPECT_FALSE(criteria1->isEnabled());
    EXPECT_FALSE(second->isEnabled());
    EXPECT_FALSE(criteria2->isEnabled());

    choose("cbapply", globaledit::kApplySelectedCriteria);
    EXPECT_TRUE(criteria1->isEnabled());
    EXPECT_TRUE(second->isEnabled());
    EXPECT_FALSE(criteria2->isEnabled());
    choose("cbsecondcriteria", globaledit::kCriteriaAnd);
    EXPECT_TRUE(criteria2->isEnabled());
    choose("cbsecondcriteria", globaledit::kCriteriaOr);
    EXPECT_TRUE(criteria2->isEnabled());

    choose("cbapply", globaledit::kApplyAllPlayers);
    EXPECT_EQ(second->currentIndex(), globaledit::kNoSecondCriterion);
    EXPECT_FALSE(criteria1->isEnabled());
    EXPECT_FALSE(criteria2->isEnabled());
    choose("cbapply", globaledit::kApplySelectedCriteria);
    EXPECT_FALSE(criteria2->isEnabled());
}

TEST_F(GlobalEditWindowTest, QuickSelectAllChoosesEveryPlayer) {
    openLeague();
    openForm();
    choose("cbapply", 1);
    choose("cbpitbat", 5);
    choose("cbedteam", 1);
    click("Button9");
    EXPECT_EQ(control<QComboBox>("cbapply")->currentIndex(), 0);
    EXPECT_EQ(control<QComboBox>("cbpitbat")->currentIndex(), 0);
    EXPECT_EQ(control<QComboBox>("cbedteam")->currentIndex(), 0);
    EXPECT_FALSE(control<QGroupBox>("selgroup")->isEnabled());
}

TEST_F(GlobalEditWindowTest, TheLevelRangeStartsOverEachTimeTheWindowIsActivated) {
    openLeague();
    openForm();
    const auto narrowRange = [this] {
        control<QComboBox>("minhlev")->setCurrentIndex(1);
        control<QComboBox>("maxhlev")->setCurrentIndex(2);
    };
    const auto expectWholeRange = [this](const char* when) {
        EXPECT_EQ(control<QComboBox>("minhlev")->currentIndex(), 3) << when;
        EXPECT_EQ(control<QComboBox>("maxhlev")->currentIndex(), 0) << when;
    };
    narrowRange();
    QEvent activate(QEvent::WindowActivate);
    QApplication::sendEvent(m_form, &activate);
    expectWholeRange("activated");

    narrowRange();
    const auto file = m_dir / "edits.gbe";
    GlobalEditSettings ages;
    ages.field = 0;
    ages.mode = Mode::ConstantVariation;
    ages.modifier = "1";
    globaledit::saveGbeFile(file, ages);
    m_dialogs.setNextFileName(pathText(file));
    click("Button4");
    expectWholeRange("after a file run");
}

TEST_F(GlobalEditWindowTest, SettingsShownAreTheSettingsRead) {
    openLeague();
    openForm();
    GlobalEditSettings s;
    s.applyTo = 1;
    s.position = 7;
    s.team = 1;
    s.criterion1 = {20, 3, "0.3"};
    s.criterion2 = {52, 1, ""};
    s.secondCriteria = 2;
    s.mode = Mode::Formula;
    s.field = 17;
    s.modifier = "PHITS*0.9";
    m_form->showSettings(s);
    EXPECT_EQ(m_form->settings(), s);
    enter(s);
    EXPECT_EQ(m_form->settings(), s);
}

TEST_F(GlobalEditWindowTest, TheCurrentTeamIsTheSelectedPlayersTeam) {
    openLeague();
    m_window->showTeam(7);
    ASSERT_EQ(currentPlayer().teamIndex(), 7);
    EXPECT_EQ(openForm()->currentTeam(), 7);
}

TEST_F(GlobalEditWindowTest, ExecuteModifiesReportsAndTheMainWindowShowsTheResultAfterClosing) {
    openLeague();
    m_window->showTeam(4);
    const int teamPlayers = static_cast<int>(std::count_if(m_window->league()->players.begin(),
                                                           m_window->league()->players.end(),
                                                           [](const auto& p) { return p->teamIndex() == 4; }));
    openForm();
    choose("cbedteam", globaledit::kCurrentTeam);
    choose("cbfield", 0);  // Age
    typeInto("editmodifier", "77");
    check("rdconst");
    click("gobutton");
    EXPECT_EQ(m_interaction.texts(), std::vector<std::string>{std::to_string(teamPlayers) + " players modified"});
    EXPECT_EQ(currentPlayer().get(pf::age), 77);
    EXPECT_TRUE(m_window->league()->changed());
    EXPECT_NE(text("editage"), QStringLiteral("77"));  // the editor still shows what it showed
    closeForm();
    EXPECT_EQ(text("editage"), QStringLiteral("77"));
}

TEST_F(GlobalEditWindowTest, ValidationMessagesStopTheRunBeforeAnyChange) {
    openLeague();
    openForm();
    const auto before = snapshotOfPlayers();
    choose("cbfield", 0);
    typeInto("editmodifier", "5");
    check("rdminmax");
    click("gobutton");
    EXPECT_EQ(m_interaction.texts(), std::vector<std::string>{globaledit::kSeparatorMissingMessage});
    EXPECT_EQ(snapshotOfPlayers(), before);
    EXPECT_FALSE(m_window->league()->changed());
}

TEST_F(GlobalEditWindowTest, DeleteBattingStatsRemovesTheCurrentTeamsBattingLinesOfTheYears) {
    openLeague();
    m_window->showTeam(2);
    League& league = *m_window->league();
    std::vector<StatHistory> before;
    for (const auto& history : league.playerHistories) {
        before.push_back(*history);
    }
    openForm();
    choose("cbedteam", globaledit::kCurrentTeam);
    control<QSpinBox>("minyear")->setValue(1900);
    control<QSpinBox>("maxyear")->setValue(2100);
    click("Button1");

    int emptied = 0;
    int kept = 0;
    for (std::size_t i = 0; i < league.playerHistories.size(); ++i) {
        const StatHistory& history = *league.playerHistories[i];
        const PlayerRecord* player = league.findPlayerById(static_cast<std::uint32_t>(history.key));
        if (player != nullptr && player->teamIndex() == 2) {
            // Only lines outside the years are left (the streak record's year is not a season).
            for (const auto& line : history.batting) {
                const int year = decodeBattingLine(line).year;
                EXPECT_TRUE(year < 1900 || year > 2100) << year;
            }
            EXPECT_EQ(history.pitching, before[i].pitching);
            emptied += history.batting.size() < before[i].batting.size() ? 1 : 0;
        } else {
            EXPECT_EQ(history, before[i]);
            kept += history.batting.empty() ? 0 : 1;
        }
    }
    EXPECT_GT(emptied, 0);
    EXPECT_GT(kept, 0);
    ASSERT_EQ(m_interaction.texts().size(), 1u);
    EXPECT_NE(m_interaction.texts()[0].find(" players modified"), std::string::npos);
}

TEST_F(GlobalEditWindowTest, RecalculatingBattingAveragesUsesTheWindowsConstants) {
    openLeague();
    m_window->showTeam(3);
    std::vector<PlayerRecord> expected;
    for (const auto& player : m_window->league()->players) {
        expected.push_back(*player);
        if (player->teamIndex() == 3) {
            ComputeBatterSplits(expected.back(), m_window->constants());
        }
    }
    openForm();
    choose("cbedteam", globaledit::kCurrentTeam);
    click("Button2");
    for (std::size_t i = 0; i < expected.size(); ++i) {
        ASSERT_EQ(m_window->league()->players[i]->bytes(), expected[i].bytes()) << i;
    }
}

TEST_F(GlobalEditWindowTest, SaveAndAppendWriteTheFileChosen) {
    openLeague();
    openForm();
    const auto file = m_dir / "edits.gbe";
    choose("cbfield", 46);
    typeInto("editmodifier", "2.5");
    m_dialogs.setNextFileName(pathText(file));
    click("Button5");
    EXPECT_EQ(m_dialogs.lastFilter, QStringLiteral("Global Edting Files (*.gbe)"));
    EXPECT_EQ(m_dialogs.lastExistingFile, app::AppDialogs::ExistingFile::AskToReplace);
    m_dialogs.setNextFileName(pathText(file));
    click("Button6");
    EXPECT_EQ(m_dialogs.lastExistingFile, app::AppDialogs::ExistingFile::Accept);  // it adds, not replaces
    const auto bytes = readBytes(file);
    EXPECT_EQ(bytes.size(), 8u + 2u * 154u);
    const auto records = globaledit::readGbeFile(file).records;
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0], m_form->settings());
    EXPECT_EQ(records[1], m_form->settings());
    EXPECT_TRUE(m_interaction.texts().empty());
}

TEST_F(GlobalEditWindowTest, SaveRefusesACriterionBoxThatIsNotANumber) {
    openLeague();
    openForm();
    const auto file = m_dir / "edits.gbe";
    choose("cbapply", 1);
    typeInto("critere", "abc");
    m_dialogs.setNextFileName(pathText(file));
    click("Button5");
    EXPECT_EQ(m_interaction.texts(), std::vector<std::string>{"'abc' is not a valid floating point value"});
    EXPECT_FALSE(fs::exists(file));
}

TEST_F(GlobalEditWindowTest, OpenRunsTheFileQuietlyAndLeavesTheLastRecordInTheControls) {
    openLeague();
    const auto file = m_dir / "edits.gbe";
    GlobalEditSettings first;
    first.field = 0;
    first.mode = Mode::ConstantVariation;
    first.modifier = "1";
    globaledit::saveGbeFile(file, first);
    GlobalEditSettings second;
    second.applyTo = 1;
    second.criterion1 = {3, 2, ".300"};  // comes back as "0.3"
    second.criterion2 = {0, 0, ""};      // stored as -1: an empty box
    second.field = 46;
    second.mode = Mode::UniqueValue;
    second.modifier = "3";
    globaledit::appendGbeFile(file, second);
    const std::uint8_t age = currentPlayer().get(pf::age);

    openForm();
    m_dialogs.setNextFileName(pathText(file));
    click("Button4");
    EXPECT_TRUE(m_interaction.texts().empty());
    EXPECT_EQ(currentPlayer().get(pf::age), static_cast<std::uint8_t>(age + 1));
    EXPECT_EQ(control<QComboBox>("cbfield")->currentIndex(), 46);
    EXPECT_EQ(control<QLineEdit>("critere")->text(), QStringLiteral("0.3"));
    EXPECT_EQ(control<QLineEdit>("critere2")->text(), QString());
    EXPECT_TRUE(control<QRadioButton>("rdconst")->isChecked());
    EXPECT_EQ(control<QLineEdit>("editmodifier")->text(), QStringLiteral("3"));
    // The progress window is gone.
    EXPECT_EQ(m_window->findChild<QDialog*>(QStringLiteral("Tphotoprogress")), nullptr);
}

TEST_F(GlobalEditWindowTest, OpenRefusesAFileInAnOlderFormat) {
    openLeague();
    const auto file = m_dir / "old.gbe";
    writeBytes(file, std::vector<std::uint8_t>(8 + 154, 1));
    openForm();
    const auto before = snapshotOfPlayers();
    m_dialogs.setNextFileName(pathText(file));
    click("Button4");
    EXPECT_EQ(m_interaction.texts(), std::vector<std::string>{"This GBE file is in an older format"});
    EXPECT_EQ(snapshotOfPlayers(), before);
}

TEST_F(GlobalEditWindowTest, TheMenuCommandNeedsAnOpenLeague) {
    startWindow();
    EXPECT_FALSE(action("GlobalEditing1")->isEnabled());
    EXPECT_EQ(action("GlobalEditing1")->shortcut(), QKeySequence(Qt::Key_F3));
    closeWindow();
    openLeague();
    EXPECT_TRUE(action("GlobalEditing1")->isEnabled());
}

// ---------------------------------------------------------------------------------------------
// The window, a .gbe file opened in the window and the command-line tool, given the same
// settings, the same seed and the same current team, leave the same league files.

struct SameResultCase {
    std::string label;
    GlobalEditSettings settings;
};

std::ostream& operator<<(std::ostream& os, const SameResultCase& c) {
    return os << c.label;
}

class SameResultEverywhere : public GlobalEditWindowTest, public ::testing::WithParamInterface<SameResultCase> {
protected:
    static constexpr std::uint64_t kSeed = 99;
    static constexpr int kTeam = 6;

    // Opens a league in the window with a player of team kTeam selected, and the window over it.
    void openAt(const fs::path& sea) {
        ASSERT_TRUE(m_window->openLeagueFile(pathText(sea)));
        m_window->showTeam(kTeam);
        openForm();
        m_form->setRandomSeed(kSeed);
    }

    void saveAndClose() {
        closeForm();
        ASSERT_TRUE(m_window->saveCommand());
    }
};

TEST_P(SameResultEverywhere, LeavesTheSameLeagueFiles) {
    const auto byWindow = generateLeague("window", 11);
    const auto byFile = generateLeague("file", 11);
    const auto byTool = generateLeague("tool", 11);
    const auto gbe = m_dir / "run.gbe";
    startWindow();

    // The window: the settings typed in, saved as a .gbe file, then executed.
    openAt(byWindow);
    enter(GetParam().settings);
    m_dialogs.setNextFileName(pathText(gbe));
    click("Button5");
    click("gobutton");
    ASSERT_EQ(m_interaction.texts().size(), 1u);
    EXPECT_NE(m_interaction.texts()[0].find(" players modified"), std::string::npos) << m_interaction.texts()[0];
    saveAndClose();

    // The .gbe file opened in the window.
    openAt(byFile);
    m_dialogs.setNextFileName(pathText(gbe));
    click("Button4");
    saveAndClose();

    // The command-line tool.
    std::ostringstream out;
    std::ostringstream err;
    const int code = cli::runCli({"global-edit",
                                  byTool.string(),
                                  gbe.string(),
                                  "--current-team",
                                  std::to_string(kTeam),
                                  "--seed",
                                  std::to_string(kSeed)},
                                 out,
                                 err);
    ASSERT_EQ(code, 0) << err.str();

    const auto season = [](const fs::path& sea) { return sea.parent_path() / "SampleSeason"; };
    const auto original = readBytes(generateLeague("original", 11).parent_path() / "SampleSeason" / "players.zt");
    const auto windowFiles = snapshotFolder(season(byWindow));
    EXPECT_NE(windowFiles.at("players.zt"), original) << "the run changed nothing";
    EXPECT_EQ(snapshotFolder(season(byFile)), windowFiles);
    EXPECT_EQ(snapshotFolder(season(byTool)), windowFiles);
}

GlobalEditSettings sameResultSettings(int applyTo,
                                      int position,
                                      int team,
                                      globaledit::Criterion first,
                                      int second,
                                      globaledit::Criterion other,
                                      Mode mode,
                                      int field,
                                      std::string modifier) {
    return {applyTo, position, team, std::move(first), std::move(other), second, mode, field, std::move(modifier)};
}

INSTANTIATE_TEST_SUITE_P(
    GlobalEdit,
    SameResultEverywhere,
    ::testing::Values(
        SameResultCase{"RandomArmRatingsByCriteria",
                       sameResultSettings(1, 0, 0, {3, 2, "28"}, 2, {0, 0, "1"}, Mode::Random, 26, "5/9")},
        SameResultCase{"AveragesWithinARangeForTheCurrentTeamsFielders",
                       sameResultSettings(0, 2, 1, {0, 0, ""}, 0, {0, 0, ""}, Mode::MinMax, 1, ".250/.300")},
        SameResultCase{
            "FormulaOnStarRatings",
            sameResultSettings(1, 0, 0, {10, 4, ".250"}, 1, {35, 1, "2"}, Mode::Formula, 46, "bhits/100 + age/10")}),
    [](const auto& info) { return info.param.label; });

}  // namespace
}  // namespace zt::test

namespace zt::test {
namespace {

TEST_F(GlobalEditWindowTest, TheCurrentTeamIsNamedBesideTheTeamList) {
    openLeague();
    openForm();
    const Team* team = m_window->league()->findTeam(m_form->currentTeam());
    ASSERT_NE(team, nullptr);
    EXPECT_EQ(control<QLabel>("lblcurrentteam")->text(),
              QStringLiteral("Current Team: ") + ui::fromLeagueText(team->record.get(tf::city)));
}

}  // namespace
}  // namespace zt::test
