// The player editor as the user meets it: its pages filled from a player, typed into, and
// stored with APPLY.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTableWidget>
#include <QTest>
#include <clocale>
#include <sstream>
#include <stdexcept>

#include "players/editable_player.h"
#include "players/ui/player_editor.h"
#include "support/league_builder.h"
#include "support/scripted_interaction.h"

namespace zt {
namespace {

using test::makeEditablePlayer;
using test::makeSlot;
using test::ScriptedInteraction;
using Kind = ScriptedInteraction::Shown::Kind;

::testing::AssertionResult sameBytes(const PlayerRecord& actual, const PlayerRecord& expected) {
    std::ostringstream differences;
    int count = 0;
    for (std::size_t i = 0; i < PlayerRecord::kSize; ++i) {
        if (actual.bytes()[i] != expected.bytes()[i] && count++ < 16) {
            differences << " @" << i << ": " << int(actual.bytes()[i]) << " expected " << int(expected.bytes()[i]);
        }
    }
    if (count == 0) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure() << count << " bytes differ:" << differences.str();
}

QString q(const char* text) {
    return QString::fromLatin1(text);
}

class PlayerEditorTest : public ::testing::Test {
protected:
    PlayerEditorTest() : league(test::buildLeague()) {
        *league->players[0] = makeEditablePlayer();
        player = league->players[0].get();
        league->currentPlayer = player;
        original = *player;
        editor.setInteraction(&interaction);
        editor.setLeague(league.get());
        editor.resize(900, 600);
        editor.show();
        editor.loadPlayer(*player);
    }

    template <class T>
    T* control(const char* name) {
        T* widget = editor.findChild<T*>(q(name));
        if (widget == nullptr) {
            throw std::runtime_error(std::string("no control ") + name);
        }
        return widget;
    }

    QLineEdit* edit(const char* name) { return control<QLineEdit>(name); }
    QComboBox* combo(const char* name) { return control<QComboBox>(name); }
    QCheckBox* check(const char* name) { return control<QCheckBox>(name); }
    QTableWidget* grid() { return control<QTableWidget>("pitchgrid"); }

    void type(const char* name, const QString& text) {
        QLineEdit* box = edit(name);
        box->clear();
        QTest::keyClicks(box, text);
    }

    // A click on the box itself: a check box wider than its text ignores clicks beside it.
    void clickCheck(const char* name) {
        QCheckBox* box = check(name);
        QStyleOptionButton option;
        option.initFrom(box);
        const QRect target = box->style()->subElementRect(QStyle::SE_CheckBoxClickRect, &option, box);
        QTest::mouseClick(box, Qt::LeftButton, {}, target.center());
    }

    void clickApply() { QTest::mouseClick(control<QPushButton>("btsave"), Qt::LeftButton); }

    std::unique_ptr<League> league;
    PlayerRecord* player = nullptr;
    PlayerRecord original;
    ScriptedInteraction interaction;
    ui::PlayerEditor editor;
};

// ---- Pages and controls -----------------------------------------------------------------------

TEST_F(PlayerEditorTest, HasTheSevenPagesAndThePhotoBox) {
    EXPECT_EQ(editor.objectName(), q("pages"));
    ASSERT_EQ(editor.count(), 7);
    const char* captions[] = {"Gen", "Bat", "Pit", "Fld", "Adv", "His", "Man"};
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(editor.tabText(i), q(captions[i]));
    }
    EXPECT_EQ(editor.historyPage()->objectName(), q("hispage"));
    EXPECT_EQ(editor.lineupPage()->objectName(), q("manpage"));
    EXPECT_EQ(editor.photoBox(), control<QFrame>("photobox"));
    EXPECT_EQ(control<QPushButton>("btsave")->text(), q("APPLY"));
}

TEST_F(PlayerEditorTest, CombosHoldTheirItems) {
    QStringList levels;
    for (int i = 0; i < combo("cblevel")->count(); ++i) {
        levels << combo("cblevel")->itemText(i);
    }
    EXPECT_EQ(levels, (QStringList{q("ML"), q("AAA"), q("AA"), q("A"), q(" "), q(" "), q("Inactive List "), q("DL")}));
    EXPECT_EQ(combo("cbpos")->count(), 10);
    EXPECT_EQ(combo("cbpos")->itemText(9), q("DH"));
    EXPECT_EQ(combo("cbpos2")->itemText(0), q("P"));
    EXPECT_EQ(combo("cbrole")->itemText(3), q("Closer"));
    EXPECT_EQ(combo("cbbats")->itemText(2), q("Switch"));
    EXPECT_EQ(combo("cbthrows")->count(), 2);
    EXPECT_EQ(combo("cbcomplexion")->itemText(0), q("Light"));
    EXPECT_EQ(combo("cbstance")->count(), 22);
    EXPECT_EQ(combo("cbdelivery")->count(), 9);
    for (const char* name : {"cbp1", "cbp2", "cbp3", "cbp4", "cbp5", "cbp6"}) {
        EXPECT_EQ(combo(name)->count(), 10) << name;
        EXPECT_EQ(combo(name)->itemText(0), q("No pitch")) << name;
        EXPECT_EQ(combo(name)->itemText(9), q("Screwball")) << name;
    }
    EXPECT_EQ(combo("cbvs")->itemText(0), q("Vs R"));
    EXPECT_EQ(combo("cbvs")->itemText(1), q("Vs L"));
    EXPECT_EQ(grid()->rowCount(), 12);
    EXPECT_EQ(grid()->horizontalHeaderItem(0)->text(), q("Avg"));
    EXPECT_EQ(grid()->horizontalHeaderItem(2)->text(), q("Slg"));
}

TEST_F(PlayerEditorTest, TeamComboIsDisabledAndListsTheLeaguesTeams) {
    QComboBox* team = combo("cbteam");
    EXPECT_FALSE(team->isEnabled());
    ASSERT_EQ(team->count(), static_cast<int>(league->teamAbbrevList.size()));
    EXPECT_EQ(team->itemText(0), q("FA"));
    // The player belongs to team number 1.
    EXPECT_EQ(team->currentText(), QString::fromStdString(league->teamAbbrev(1)));

    PlayerRecord stranger = original;
    stranger.set(pf::teamIndex, std::uint8_t{77});
    editor.loadPlayer(stranger);
    EXPECT_EQ(team->currentText(), QString::fromStdString(league->teamAbbrev(1)));  // left where it was
}

TEST(PlayerEditorWithoutLeague, PagesAreDisabledAndTheBuiltInTeamsListed) {
    ui::PlayerEditor editor;
    QComboBox* team = editor.findChild<QComboBox*>(q("cbteam"));
    ASSERT_NE(team, nullptr);
    ASSERT_EQ(team->count(), 31);
    EXPECT_EQ(team->itemText(0), q("BAL"));
    EXPECT_EQ(team->itemText(30), q("FA"));
    EXPECT_FALSE(editor.widget(0)->isEnabled());
    EXPECT_FALSE(editor.widget(4)->isEnabled());
    EXPECT_FALSE(editor.findChild<QPushButton*>(q("btsave"))->isEnabled());
    EXPECT_FALSE(editor.applyToCurrent());
}

TEST_F(PlayerEditorTest, LeagueClosedDisablesThePagesAgain) {
    EXPECT_TRUE(editor.widget(1)->isEnabled());
    editor.setLeague(nullptr);
    EXPECT_FALSE(editor.widget(1)->isEnabled());
    EXPECT_FALSE(editor.applyToCurrent());
    EXPECT_TRUE(sameBytes(*player, original));
}

TEST_F(PlayerEditorTest, HistoryAndLineupPagesAreSwitchedByTheWindow) {
    editor.setHistoryPageEnabled(false);
    EXPECT_FALSE(editor.isTabEnabled(5));
    editor.setHistoryPageEnabled(true);
    EXPECT_TRUE(editor.isTabEnabled(5));
    editor.setLineupPageVisible(false);
    EXPECT_FALSE(editor.isTabVisible(6));
    editor.setLineupPageVisible(true);
    EXPECT_TRUE(editor.isTabVisible(6));
    editor.setCurrentIndex(3);
    editor.showGeneralPage();
    EXPECT_EQ(editor.currentIndex(), 0);
}

// ---- Loading ----------------------------------------------------------------------------------

struct Shown {
    const char* name;
    const char* text;
};

TEST_F(PlayerEditorTest, LoadingFillsEveryBox) {
    const Shown boxes[] = {
        {"editnom", "Carver"},    {"editprenom", "Cal"},    {"editnumber", "24"},      {"editage", "29"},
        {"editdl", "0"},          {"editsusp", "0"},        {"editface", "12"},        {"editheight", "73"},
        {"editweight", "205"},    {"editbatcolor", "1"},    {"editarm", "6.5"},        {"editspeed", "4.75"},
        {"editfatigue", "25"},    {"editbatab", "520"},     {"editbathits", "146"},    {"editbat2b", "30"},
        {"editbat3b", "3"},       {"editbathr", "18"},      {"editbatwalks", "55"},    {"editbatso", "90"},
        {"editavgl", "0.281"},    {"editobpl", "0.35"},     {"editslgl", "0.45"},      {"editavgr", "0.275"},
        {"editobpr", "0.342"},    {"editslgr", "0.438"},    {"editpull", "40"},        {"editmiddle", "35"},
        {"editoppfield", "25"},   {"editbatgb", "45"},      {"editpitab", "700"},      {"editpithits", "180"},
        {"editpit2b", "35"},      {"editpit3b", "4"},       {"editpithr", "20"},       {"editpitwalks", "60"},
        {"editpitso", "150"},     {"editendurance", "7.5"}, {"editpitgb", "50"},       {"editp1q", "80"},
        {"editp2q", "60"},        {"editp3q", "50"},        {"editp4q", ""},           {"editp6q", ""},
        {"editfam1", "0"},        {"editfam2", "0.1"},      {"editfam5", "0.4"},       {"editfam9", "0.8"},
        {"editinfield", "5.5"},   {"editoutfield", "6.25"}, {"editfielding", "0.975"}, {"editstar", "3.5"},
        {"editprospect", "2.25"}, {"editpeak", "-2"},       {"editwaggle", "3"},       {"editwave", "4"},
        {"editstride", "2"},
    };
    for (const Shown& box : boxes) {
        EXPECT_EQ(edit(box.name)->text(), q(box.text)) << box.name;
    }
    const Shown combos[] = {
        {"cbpos", "P"},
        {"cbpos2", "LF"},
        {"cbrole", "Starter"},
        {"cbbats", "Switch"},
        {"cbthrows", "Right"},
        {"cblevel", "AAA"},
        {"cbcomplexion", "Medium"},
        {"cbstance", "High Hands"},
        {"cbdelivery", "Three Quarters"},
        {"cbp1", "Fastball"},
        {"cbp2", "Curve"},
        {"cbp3", "Changeup"},
        {"cbp4", "No pitch"},
        {"cbp6", "No pitch"},
    };
    for (const Shown& box : combos) {
        EXPECT_EQ(combo(box.name)->currentText(), q(box.text)) << box.name;
    }
    EXPECT_FALSE(check("cbfacialhair")->isChecked());
    EXPECT_FALSE(check("cbstretch")->isChecked());
    // Row k-1 against right-handers, row k+5 against left-handers, "0" beyond the pitch count.
    EXPECT_EQ(grid()->item(0, 0)->text(), q("0.24"));
    EXPECT_EQ(grid()->item(0, 2)->text(), q("0.39"));
    EXPECT_EQ(grid()->item(6, 0)->text(), q("0.25"));
    EXPECT_EQ(grid()->item(8, 1)->text(), q("0.33"));
    EXPECT_EQ(grid()->item(3, 0)->text(), q("0"));
    EXPECT_EQ(grid()->item(11, 2)->text(), q("0"));
}

TEST_F(PlayerEditorTest, ControlsGiveBackWhatWasLoaded) {
    PlayerRecord other = original;
    other.set(pf::facialHair, std::uint8_t{1});
    other.set(pf::fromStretch, std::int32_t{1});
    other.set(pf::lastName, "M\xfcller");  // a league text beyond ASCII
    const auto expected = playerEditorValues(*league, other);
    editor.loadPlayer(other);
    EXPECT_TRUE(check("cbfacialhair")->isChecked());
    EXPECT_TRUE(check("cbstretch")->isChecked());
    EXPECT_EQ(edit("editnom")->text(), QString::fromUtf8("M\xc3\xbcller"));
    EXPECT_EQ(editor.values(), expected);
}

TEST_F(PlayerEditorTest, LongFirstNameFromTheLeagueIsShownWhole) {
    original.set(pf::firstName, "Maximilianusss");  // fourteen: longer than the box takes when typed
    original.set(pf::photoIndex, std::int16_t{5});
    *player = original;
    editor.loadPlayer(*player);
    EXPECT_EQ(edit("editprenom")->text(), q("Maximilianusss"));
    clickApply();
    EXPECT_TRUE(interaction.shown().empty());  // not renamed, so no question
    EXPECT_TRUE(sameBytes(*player, original));
}

TEST_F(PlayerEditorTest, NameBoxesLimitWhatIsTyped) {
    type("editnom", q("Abcdefghijklmnopqrst"));
    EXPECT_EQ(edit("editnom")->text(), q("Abcdefghijklmnop"));
    type("editprenom", q("Abcdefghijklmnopqrst"));
    EXPECT_EQ(edit("editprenom")->text(), q("Abcdefghijkl"));
}

TEST_F(PlayerEditorTest, VsComboScrollsThePitchGrid) {
    editor.setCurrentIndex(2);
    QApplication::processEvents();
    combo("cbvs")->setCurrentIndex(1);
    EXPECT_EQ(grid()->rowAt(0), 6);
    EXPECT_EQ(grid()->verticalScrollBar()->value(), 6);
    combo("cbvs")->setCurrentIndex(0);
    EXPECT_EQ(grid()->rowAt(0), 0);
    EXPECT_EQ(grid()->verticalScrollBar()->value(), 0);
}

// ---- APPLY ------------------------------------------------------------------------------------

TEST_F(PlayerEditorTest, ApplyWithoutEditsKeepsEveryByte) {
    QSignalSpy applied(&editor, &ui::PlayerEditor::playerApplied);
    clickApply();
    EXPECT_TRUE(sameBytes(*player, original));
    EXPECT_TRUE(league->changed());
    ASSERT_EQ(applied.count(), 1);
    EXPECT_EQ(applied.at(0).at(0).value<PlayerRecord*>(), player);
}

TEST_F(PlayerEditorTest, EditsOnEveryPageChangeExactlyTheirBytes) {
    // Gen
    type("editage", q("31"));
    type("editweight", q("300"));
    type("editfatigue", q("30"));
    combo("cbpos")->setCurrentIndex(9);
    combo("cblevel")->setCurrentIndex(7);
    clickCheck("cbfacialhair");
    // Bat
    type("editbat2b", q("41"));
    type("editavgr", q(".312"));
    type("editpull", q("12.5"));
    // Pit: a fourth pitch, the stretch, the style
    combo("cbp4")->setCurrentIndex(3);
    type("editp4q", q("45"));
    grid()->item(3, 0)->setText(q("0.2"));
    grid()->item(3, 1)->setText(q("0.25"));
    grid()->item(3, 2)->setText(q("0.3"));
    grid()->item(9, 0)->setText(q("0.21"));
    grid()->item(9, 1)->setText(q("0.26"));
    grid()->item(9, 2)->setText(q("0.31"));
    type("editendurance", q("8.25"));
    clickCheck("cbstretch");
    combo("cbdelivery")->setCurrentIndex(8);
    // Fld
    type("editfam3", q("0.85"));
    type("editfielding", q("0.99"));
    // Adv
    type("editpeak", q("-5"));
    type("editstride", q("9"));

    PlayerRecord expected = original;
    expected.set(pf::age, std::uint8_t{31});
    expected.set(pf::weight, std::uint16_t{300});
    expected.set(pf::fatigue, 0.3f);
    expected.set(pf::position, std::uint8_t{10});
    expected.set(pf::level, std::uint8_t{7});
    expected.set(pf::facialHair, std::uint8_t{1});
    expected.set(pf::batDoubles, 41.0f);
    expected.set(pf::avgVsR, 0.312f);
    expected.set(pf::pullPct, 0.125f);
    expected.set(pf::pitchCount, std::uint8_t{4});
    expected.setPitch(3, makeSlot(3, 0.45f, 0.21f, 0.2f, 0.26f, 0.25f, 0.31f, 0.3f));
    expected.set(pf::endurance, 8.25f);
    expected.set(pf::fromStretch, std::int32_t{-1});
    expected.set(pf::delivery, std::uint8_t{8});
    expected.setFamiliarity(2, 0.85f);
    expected.set(pf::fieldingPct, 0.99f);
    expected.set(pf::peakShift, std::int8_t{-5});
    expected.set(pf::strideType, std::uint8_t{9});

    clickApply();
    EXPECT_TRUE(interaction.shown().empty());
    EXPECT_TRUE(sameBytes(*player, expected));
    EXPECT_TRUE(league->changed());
    // The pages show what was stored.
    EXPECT_EQ(edit("editp4q")->text(), q("45"));
    EXPECT_EQ(edit("editpull")->text(), q("12.5"));
}

TEST_F(PlayerEditorTest, PitchGapDropsThePitchesBeyondIt) {
    combo("cbp3")->setCurrentIndex(0);
    combo("cbp4")->setCurrentIndex(2);
    type("editp4q", q("70"));
    clickApply();
    PlayerRecord expected = original;
    expected.set(pf::pitchCount, std::uint8_t{3});
    expected.setPitch(2, makeSlot(0, 0.5f, 0.27f, 0.265f, 0.33f, 0.325f, 0.42f, 0.415f));
    EXPECT_TRUE(sameBytes(*player, expected));
    EXPECT_EQ(combo("cbp3")->currentText(), q("No pitch"));
    EXPECT_EQ(combo("cbp4")->currentText(), q("No pitch"));
    EXPECT_EQ(edit("editp4q")->text(), q(""));
}

struct BadBox {
    const char* name;
    const char* text;
    const char* message;
};

void PrintTo(const BadBox& c, std::ostream* os) {
    *os << c.name << " \"" << c.text << "\"";
}

class PlayerEditorBadBox : public PlayerEditorTest, public ::testing::WithParamInterface<BadBox> {};

TEST_P(PlayerEditorBadBox, ShowsTheConversionMessageAndStoresNothing) {
    QSignalSpy applied(&editor, &ui::PlayerEditor::playerApplied);
    type("editnom", q("Other"));  // a valid change that must not be stored either
    type(GetParam().name, q(GetParam().text));
    clickApply();
    ASSERT_EQ(interaction.shown().size(), 1u);
    EXPECT_EQ(interaction.shown()[0].kind, Kind::Warning);
    EXPECT_EQ(interaction.shown()[0].text, GetParam().message);
    EXPECT_TRUE(sameBytes(*player, original));
    EXPECT_FALSE(league->changed());
    EXPECT_EQ(applied.count(), 0);
    EXPECT_EQ(edit(GetParam().name)->text(), q(GetParam().text));  // the pages keep what was typed
}

INSTANTIATE_TEST_SUITE_P(Boxes,
                         PlayerEditorBadBox,
                         ::testing::Values(BadBox{"editage", "abc", "'abc' is not a valid integer value"},
                                           BadBox{"editface", "1.5", "'1.5' is not a valid integer value"},
                                           BadBox{"editstride", "x", "'x' is not a valid integer value"},
                                           BadBox{"editarm", "6,5", "'6,5' is not a valid floating point value"},
                                           BadBox{"editbatso", "lots", "'lots' is not a valid floating point value"},
                                           BadBox{"editp2q", "", "'' is not a valid floating point value"},
                                           BadBox{"editfam9", "one", "'one' is not a valid floating point value"}));

TEST_F(PlayerEditorTest, BadGridCellIsAFloatingPointError) {
    grid()->item(7, 2)->setText(q("?"));
    EXPECT_FALSE(editor.applyToCurrent());
    ASSERT_EQ(interaction.texts().size(), 1u);
    EXPECT_EQ(interaction.texts()[0], "'?' is not a valid floating point value");
    EXPECT_TRUE(sameBytes(*player, original));
}

// ---- Rename question --------------------------------------------------------------------------

TEST_F(PlayerEditorTest, RenamingWithoutPhotoAsksNothing) {
    type("editnom", q("Carter"));
    EXPECT_TRUE(editor.applyToCurrent());
    EXPECT_TRUE(interaction.shown().empty());
    EXPECT_EQ(player->get(pf::lastName), "Carter");
}

TEST_F(PlayerEditorTest, RenamingWithPhotoAsksAndYesDropsThePhoto) {
    player->set(pf::photoIndex, std::int16_t{321});
    original = *player;
    type("editprenom", q("CAL"));  // only the case differs
    interaction.answerYesNo(true);
    clickApply();
    ASSERT_EQ(interaction.shown().size(), 1u);
    EXPECT_EQ(interaction.shown()[0].kind, Kind::YesNo);
    EXPECT_EQ(interaction.shown()[0].text,
              "You are trying to rename a player with an existing photo, the newly renamed player won't have a "
              "photo. Do you want to proceed ?");
    PlayerRecord expected = original;
    expected.set(pf::photoIndex, std::int16_t{-1});
    expected.set(pf::firstName, "CAL");
    EXPECT_TRUE(sameBytes(*player, expected));
}

TEST_F(PlayerEditorTest, RenamingWithPhotoAndNoStoresNothing) {
    player->set(pf::photoIndex, std::int16_t{321});
    original = *player;
    QSignalSpy applied(&editor, &ui::PlayerEditor::playerApplied);
    type("editnom", q("Carter"));
    type("editage", q("40"));
    interaction.answerYesNo(false);
    EXPECT_FALSE(editor.applyToCurrent());
    EXPECT_EQ(interaction.shown().size(), 1u);
    EXPECT_TRUE(sameBytes(*player, original));
    EXPECT_FALSE(league->changed());
    EXPECT_EQ(applied.count(), 0);
}

// ---- Locale -----------------------------------------------------------------------------------

// A German system writes "6,5"; the editor still shows and reads "6.5".
class PlayerEditorGermanTest : public PlayerEditorTest {
protected:
    void SetUp() override {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        m_systemLocaleGerman = std::setlocale(LC_ALL, "de_DE.UTF-8") != nullptr;
        editor.loadPlayer(*player);
    }
    void TearDown() override {
        QLocale::setDefault(QLocale::c());
        std::setlocale(LC_ALL, "C");
    }
    bool m_systemLocaleGerman = false;
};

TEST_F(PlayerEditorGermanTest, NumbersAreShownAndReadWithAPoint) {
    ASSERT_EQ(QLocale().toString(6.5), q("6,5"));  // the default locale really is German
    if (m_systemLocaleGerman) {
        EXPECT_EQ(*std::localeconv()->decimal_point, ',');
    }
    EXPECT_EQ(edit("editarm")->text(), q("6.5"));
    EXPECT_EQ(edit("editavgl")->text(), q("0.281"));
    EXPECT_EQ(edit("editfielding")->text(), q("0.975"));
    EXPECT_EQ(grid()->item(1, 1)->text(), q("0.315"));

    type("editarm", q("7.25"));
    type("editpull", q("12.5"));
    grid()->item(0, 0)->setText(q("0.125"));
    clickApply();
    EXPECT_TRUE(interaction.shown().empty());
    EXPECT_EQ(player->get(pf::armRating), 7.25f);
    EXPECT_EQ(player->get(pf::pullPct), 0.125f);
    EXPECT_EQ(player->pitch(0).get(ps::avgVsR), 0.125f);

    type("editspeed", q("4,5"));
    clickApply();
    ASSERT_EQ(interaction.texts().size(), 1u);
    EXPECT_EQ(interaction.texts()[0], "'4,5' is not a valid floating point value");
}

}  // namespace
}  // namespace zt
