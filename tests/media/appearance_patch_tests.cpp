// Appearance patches: faces, batting stances and pitching styles assigned by player name.
#include <gtest/gtest.h>

#include "media/appearance_patch.h"
#include "media_test_support.h"
#include "support/league_builder.h"
#include "support/scripted_interaction.h"
#include "support/temp_dir.h"

namespace zt {
namespace {

using media::PatchKind;

class Patches : public testing::Test {
protected:
    void SetUp() override {
        test::LeagueShape shape;
        shape.teams = 2;
        shape.playersPerTeam = 3;
        m_league = test::buildLeague(shape);
        name(0, "Abel", "St Marsh");
        name(1, "Bo", "Smith");
        name(2, "Bo", "Smith");
        name(3, "Jean-Paul", "O'Neil");
    }
    PlayerRecord& player(std::size_t i) { return *m_league->players[i]; }
    void name(std::size_t i, const char* first, const char* last) {
        player(i).set(pf::firstName, first);
        player(i).set(pf::lastName, last);
    }

    std::unique_ptr<League> m_league;
};

TEST_F(Patches, NamesMatchWithBlanksAndPointsRemovedOnBothSides) {
    const auto outcome = media::applyPatch(*m_league, PatchKind::Faces, "Abel,St. Marsh,215\r\njean-paul,ONEIL,7\r\n");
    EXPECT_EQ(outcome.updated, 2);
    EXPECT_EQ(player(0).get(pf::faceNumber), 215);
    EXPECT_EQ(player(3).get(pf::faceNumber), 7);
    EXPECT_TRUE(m_league->changed());
}

TEST_F(Patches, OnlyTheFirstOfTwoEqualNamesIsUpdated) {
    const auto before = player(2).get(pf::delivery);
    media::applyPatch(*m_league, PatchKind::Styles, "Bo,Smith,3");
    EXPECT_EQ(player(1).get(pf::delivery), 3);
    EXPECT_EQ(player(2).get(pf::delivery), before);
}

TEST_F(Patches, NumbersKeepTheirLowBits) {
    media::applyPatch(*m_league, PatchKind::Stances, "Abel,St Marsh,300");
    EXPECT_EQ(player(0).get(pf::battingStance), 44);
    media::applyPatch(*m_league, PatchKind::Faces, "Abel,St Marsh,65537");
    EXPECT_EQ(player(0).get(pf::faceNumber), 1);
}

TEST_F(Patches, AnIncompleteLastGroupIsIgnored) {
    const auto outcome = media::applyPatch(*m_league, PatchKind::Faces, "Abel,St Marsh,9\nBo,Smith\n");
    EXPECT_EQ(outcome.updated, 1);
    EXPECT_TRUE(outcome.notFound.empty());
    EXPECT_EQ(media::patchMessages(outcome), (std::vector<std::string>{"1 player updated"}));
}

TEST_F(Patches, AWordThatIsNoNumberStopsAtItsGroup) {
    EXPECT_EQ(test::messageOf([&] { media::applyPatch(*m_league, PatchKind::Faces, "Abel,St Marsh,5,Bo,Smith,x1"); }),
              "'x1' is not a valid integer value");
    EXPECT_EQ(player(0).get(pf::faceNumber), 5);
}

TEST_F(Patches, MessagesCountUpdatesAndListOrCountTheMissing) {
    std::string text;
    for (int i = 0; i < 10; ++i) {
        text += "Abel,St Marsh," + std::to_string(i) + "\n";
    }
    text += "Ann,Nobody,1\nBen,Noone,2\n";
    auto outcome = media::applyPatch(*m_league, PatchKind::Faces, text);
    EXPECT_EQ(media::patchMessages(outcome),
              (std::vector<std::string>{"10 players updated",
                                        "These players were not found in the database\nAnn Nobody\nBen Noone"}));
    text.clear();
    for (int i = 0; i < 10; ++i) {
        text += "X" + std::to_string(i) + ",Y,1\n";
    }
    outcome = media::applyPatch(*m_league, PatchKind::Faces, text);
    EXPECT_EQ(media::patchMessages(outcome),
              (std::vector<std::string>{"0 player updated", "10 players were not in the database"}));
}

TEST_F(Patches, AFileIsReadAndItsMessagesShown) {
    test::TempDir dir;
    test::writeText(dir / "p.pst", "\"Bo\",\"Smith\",\"12\"\n");
    test::ScriptedInteraction interaction;
    media::applyPatchFile(*m_league, PatchKind::Styles, dir / "p.pst", interaction);
    EXPECT_EQ(player(1).get(pf::delivery), 12);
    EXPECT_EQ(interaction.texts(), (std::vector<std::string>{"1 player updated"}));
    EXPECT_NE(test::messageOf([&] {
                  media::applyPatchFile(*m_league, PatchKind::Styles, dir / "missing.pst", interaction);
              }).find("missing.pst"),
              std::string::npos);
}

TEST(PatchValues, SplitsAtCommasAndLineBreaks) {
    EXPECT_EQ(media::patchValues("a, b,c\r\n\r\nd,,e"), (std::vector<std::string>{"a", "b", "c", "d", "", "e"}));
}

}  // namespace
}  // namespace zt
