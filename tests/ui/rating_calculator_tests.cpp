// The player editor's calculators: "Calculate avgs with vital stats" (Bat), "Calculate Avgs" and
// "Undo" (Pit), computed with the main window's league constants.
#include <QComboBox>
#include <QTableWidget>

#include "league/league.h"
#include "league/numbers.h"
#include "league/ui/qt_text.h"
#include "main_window_fixture.h"
#include "players/ui/player_editor.h"
#include "ratings/calculator_input.h"
#include "ratings/rating_computation.h"

namespace zt::test {
namespace {

const char* const kBatBoxes[] = {"editbatab", "editbathits", "editbat2b", "editbat3b", "editbathr", "editbatwalks"};
const char* const kPitBoxes[] = {"editpitab", "editpithits", "editpit2b", "editpit3b", "editpithr", "editpitwalks"};
const char* const kAverageBoxes[] = {"editavgl", "editobpl", "editslgl", "editavgr", "editobpr", "editslgr"};

class RatingCalculatorTest : public MainWindowTest {
protected:
    PlayerRecord& openLeague() {
        const auto sea = generateLeague("a");
        startWindow({ui::fromPath(sea.string())});
        m_window->constants() = LeagueConstants::defaults();
        EXPECT_NE(m_window->league()->currentPlayer, nullptr);
        return *m_window->league()->currentPlayer;
    }

    // The player is shown again, as selecting his row does.
    void reload(const PlayerRecord& player) { m_window->playerEditor()->loadPlayer(player); }

    void typeAll(const char* const (&boxes)[6], const std::array<const char*, 6>& texts) {
        for (std::size_t i = 0; i < 6; ++i) {
            type(boxes[i], QString::fromLatin1(texts[i]));
        }
    }

    QStringList averageTexts() {
        QStringList texts;
        for (const char* box : kAverageBoxes) {
            texts << text(box);
        }
        return texts;
    }

    void click(const char* button) { child<QPushButton>(button)->click(); }

    QString cell(int row, int column) { return child<QTableWidget>("pitchgrid")->item(row, column)->text(); }

    // A repertoire of three pitches with qualities best first, and recognisable values in the
    // unused slots 3 to 5 that only Undo may bring back.
    void setRepertoire(PlayerRecord& player) {
        player.set(pf::pitchCount, std::uint8_t{3});
        const float qualities[] = {0.5f, 0.3f, 0.2f, 0.9f, 0.8f, 0.7f};
        for (int k = 0; k < 6; ++k) {
            PitchSlot slot;
            slot.set(ps::pitchType, k + 1);
            slot.set(ps::quality, qualities[k]);
            slot.set(ps::avgVsL, 0.111f * static_cast<float>(k + 1));
            slot.set(ps::slgVsR, 0.222f * static_cast<float>(k + 1));
            player.setPitch(k, slot);
        }
    }
};

TEST_F(RatingCalculatorTest, BattingCalculatorFillsTheAverageBoxesFromTheStoredHand) {
    PlayerRecord& player = openLeague();
    player.set(pf::bats, std::uint8_t{0});  // stored: left-handed
    reload(player);
    child<QComboBox>("cbbats")->setCurrentIndex(1);  // the box says Right; the stored hand counts
    const PlayerRecord before = player;
    typeAll(kBatBoxes, {"500", "150", "30", "5", "20", "50"});
    click("btcalcbat");
    EXPECT_TRUE(m_interaction.texts().empty()) << m_interaction.texts().front();
    EXPECT_EQ(averageTexts(),
              (QStringList{QStringLiteral("0.273"),
                           QStringLiteral("0.341"),
                           QStringLiteral("0.455"),
                           QStringLiteral("0.315"),
                           QStringLiteral("0.393"),
                           QStringLiteral("0.525")}));
    // Nothing reaches the record before APPLY.
    EXPECT_EQ(player.bytes(), before.bytes());
    EXPECT_FALSE(m_window->league()->changed());
    apply();
    EXPECT_EQ(player.get(pf::avgVsL), 0.273f);
    EXPECT_EQ(player.get(pf::slgVsR), 0.525f);
}

TEST_F(RatingCalculatorTest, BattingCalculatorUsesTheCurrentConstants) {
    PlayerRecord& player = openLeague();
    player.set(pf::bats, std::uint8_t{1});
    reload(player);
    m_window->constants() = LeagueConstants{};  // no constants.ini: every factor 0
    typeAll(kBatBoxes, {"500", "150", "30", "5", "20", "50"});
    click("btcalcbat");
    EXPECT_EQ(averageTexts(), QStringList(6, QStringLiteral("0")));
}

struct BadInput {
    std::string label;
    std::array<const char*, 6> boxes;
    std::string message;
};

class RatingCalculatorFailureTest : public RatingCalculatorTest, public ::testing::WithParamInterface<BadInput> {};

TEST_P(RatingCalculatorFailureTest, BattingCalculatorWritesNothing) {
    openLeague();
    const QStringList before = averageTexts();
    typeAll(kBatBoxes, GetParam().boxes);
    click("btcalcbat");
    EXPECT_EQ(m_interaction.texts(), std::vector<std::string>{GetParam().message});
    EXPECT_EQ(averageTexts(), before);
}

TEST_P(RatingCalculatorFailureTest, PitchingCalculatorWritesNothingButKeepsTheSlotsForUndo) {
    PlayerRecord& player = openLeague();
    setRepertoire(player);
    reload(player);
    const PlayerRecord before = player;
    const QString shown = cell(0, 0);
    typeAll(kPitBoxes, GetParam().boxes);
    click("btcalcpit");
    EXPECT_EQ(m_interaction.texts(), std::vector<std::string>{GetParam().message});
    EXPECT_EQ(player.bytes(), before.bytes());
    EXPECT_EQ(cell(0, 0), shown);
    EXPECT_FALSE(m_window->league()->changed());
}

INSTANTIATE_TEST_SUITE_P(
    Inputs,
    RatingCalculatorFailureTest,
    ::testing::Values(
        BadInput{"not_a_number", {"500", "abc", "30", "5", "20", "50"}, "'abc' is not a valid floating point value"},
        BadInput{"empty_box", {"500", "150", "30", "5", "", "50"}, "'' is not a valid floating point value"},
        BadInput{
            "zero_at_bats", {"0", "150", "30", "5", "20", "50"}, "At bats is 0: the averages cannot be computed."}),
    [](const auto& info) { return info.param.label; });

TEST_F(RatingCalculatorTest, PitchingCalculatorDistributesOverTheStoredRepertoire) {
    PlayerRecord& player = openLeague();
    setRepertoire(player);
    player.set(pf::throws, std::uint8_t{1});
    reload(player);
    const PlayerRecord before = player;
    typeAll(kPitBoxes, {"800", "200", "40", "4", "20", "70"});
    click("btcalcpit");
    ASSERT_TRUE(m_interaction.texts().empty()) << m_interaction.texts().front();

    PlayerRecord expected = before;
    const LeagueConstants c = LeagueConstants::defaults();
    DistributePitchSplits(expected, splitValues(ComputeRates(800, 200, 40, 4, 20, 70, c), 1, c));
    EXPECT_EQ(player.bytes(), expected.bytes());
    EXPECT_NE(player.bytes(), before.bytes());
    EXPECT_TRUE(m_window->league()->changed());

    // The pitch display shows the new values: rows 0-5 against right-handers, 6-11 against left.
    const auto shown = [](float x) { return QString::fromStdString(FormatShort(roundHalfEven(x, 3))); };
    EXPECT_EQ(cell(0, 0), shown(player.pitch(0).get(ps::avgVsR)));
    EXPECT_EQ(cell(2, 2), shown(player.pitch(2).get(ps::slgVsR)));
    EXPECT_EQ(cell(7, 1), shown(player.pitch(1).get(ps::obpVsL)));
    EXPECT_EQ(cell(3, 0), QStringLiteral("0"));  // slot 4 is not in use
    EXPECT_EQ(text("editp1q"), QStringLiteral("50"));
}

TEST_F(RatingCalculatorTest, UndoRestoresAllSixSlotsAsTheyWereWhenShown) {
    PlayerRecord& player = openLeague();
    setRepertoire(player);
    reload(player);
    const PitchSlots shown = pitchSlots(player);
    typeAll(kPitBoxes, {"800", "200", "40", "4", "20", "70"});
    click("btcalcpit");
    ASSERT_NE(pitchSlots(player), shown);
    click("btundopit");
    EXPECT_EQ(pitchSlots(player), shown);
    EXPECT_EQ(cell(0, 0), QString::fromStdString(FormatShort(roundHalfEven(shown[0].get(ps::avgVsR), 3))));
}

TEST_F(RatingCalculatorTest, UndoAfterTwoCalculationsRestoresTheFirstResult) {
    PlayerRecord& player = openLeague();
    setRepertoire(player);
    reload(player);
    typeAll(kPitBoxes, {"800", "200", "40", "4", "20", "70"});
    click("btcalcpit");
    const PitchSlots first = pitchSlots(player);
    typeAll(kPitBoxes, {"600", "180", "30", "2", "25", "60"});
    click("btcalcpit");
    ASSERT_NE(pitchSlots(player), first);
    click("btundopit");
    EXPECT_EQ(pitchSlots(player), first);
}

TEST_F(RatingCalculatorTest, UndoNeverBringsAnotherPlayersPitches) {
    PlayerRecord& first = openLeague();
    setRepertoire(first);
    reload(first);
    // Another player becomes current and is shown: his own slots are what Undo keeps.
    League& league = *m_window->league();
    PlayerRecord& second = *league.players[league.players[0].get() == &first ? 1 : 0];
    league.currentPlayer = &second;
    reload(second);
    const PitchSlots his = pitchSlots(second);
    click("btundopit");
    EXPECT_EQ(pitchSlots(second), his);
    EXPECT_NE(pitchSlots(first), his);
}

TEST_F(RatingCalculatorTest, NothingToChangeLeavesTheLeagueUnchanged) {
    PlayerRecord& player = openLeague();
    player.set(pf::pitchCount, std::uint8_t{0});
    reload(player);
    const PlayerRecord before = player;
    click("btundopit");  // the slots as shown: nothing to restore
    typeAll(kPitBoxes, {"800", "200", "40", "4", "20", "70"});
    click("btcalcpit");  // no pitch in use: nothing to distribute
    EXPECT_TRUE(m_interaction.texts().empty());
    EXPECT_EQ(player.bytes(), before.bytes());
    EXPECT_FALSE(m_window->league()->changed());
}

}  // namespace
}  // namespace zt::test
