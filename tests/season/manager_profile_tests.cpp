// Manager profiles: the edits' texts, applying them, defaults, and .mps files of 52 bytes.
#include <gtest/gtest.h>

#include "league/byte_record.h"
#include "league/interaction.h"
#include "season/manager_profile.h"
#include "season_test_helpers.h"
#include "support/league_builder.h"
#include "support/scripted_interaction.h"
#include "support/temp_dir.h"

namespace zt::test {
namespace {

using season::ManagerProfile;

ManagerProfile sampleProfile() {
    return {-0.9f, 0.3f, 0.1f, -0.273f, 0.9f, -0.45f, 0.0f, 0.6f, -0.1f, 0.35f, 0.2f, -0.05f, 0.75f};
}

class ManagerProfileTest : public testing::Test {
protected:
    void SetUp() override {
        m_league = buildLeague();
        season::setManagerProfile(*m_league, 1, sampleProfile());
        m_league->clearChanged();
    }
    ManagerProfile profileOf(int team) const { return season::managerProfileOf(m_league->team(team).record); }

    std::unique_ptr<League> m_league;
    TempDir m_dir;
    ScriptedInteraction m_interaction;
};

TEST_F(ManagerProfileTest, TheEditsShowTheShortestTextOfEachFloat) {
    const auto texts = season::managerProfileTexts(profileOf(1));
    EXPECT_EQ(texts[0], "-0.9");
    EXPECT_EQ(texts[3], "-0.273");
    EXPECT_EQ(texts[6], "0");
    EXPECT_EQ(texts[9], "0.35");
}

TEST_F(ManagerProfileTest, ExportWritesTheThirteenValuesAsLittleEndianFloats) {
    const auto file = m_dir / "team1.mps";
    season::exportManagerProfile(*m_league, 1, file);
    const auto bytes = readBytes(file);
    ASSERT_EQ(bytes.size(), 52u);
    const auto& record = m_league->team(1).record.bytes();
    // The same bytes the team record holds at its profile.
    EXPECT_TRUE(std::equal(bytes.begin(), bytes.end(), record.begin() + tf::managerProfile.offset));
    EXPECT_EQ(loadLE<float>(bytes.data() + 12), -0.273f);
}

TEST_F(ManagerProfileTest, ImportWithNoCopiesTheProfileIntoTheChosenTeamOnly) {
    const auto file = m_dir / "team1.mps";
    season::exportManagerProfile(*m_league, 1, file);
    const ManagerProfile before0 = profileOf(0);
    m_interaction.answerYesNo(false);
    EXPECT_FALSE(season::importManagerProfile(*m_league, 2, file, m_interaction));
    EXPECT_EQ(m_interaction.texts(), std::vector<std::string>{"Do you want to apply these settings to all teams ?"});
    EXPECT_EQ(season::serialiseManagerProfile(profileOf(2)), readBytes(file));
    EXPECT_EQ(profileOf(0), before0);
    EXPECT_TRUE(m_league->changed());
}

TEST_F(ManagerProfileTest, ImportWithYesGivesEveryTeamTheProfile) {
    const auto file = m_dir / "team1.mps";
    season::exportManagerProfile(*m_league, 1, file);
    m_interaction.answerYesNo(true);
    EXPECT_TRUE(season::importManagerProfile(*m_league, 0, file, m_interaction));
    for (int team = 0; team < m_league->teamCount(); ++team) {
        EXPECT_EQ(profileOf(team), sampleProfile()) << "team " << team;
    }
}

TEST_F(ManagerProfileTest, AFileOfAnotherSizeIsRefusedBeforeTheQuestion) {
    for (const std::size_t size : {0u, 51u, 53u}) {
        const auto file = m_dir / ("bad" + std::to_string(size) + ".mps");
        writeBytes(file, std::vector<std::uint8_t>(size, 0x3F));
        const ManagerProfile before = profileOf(0);
        const std::string message =
            seasonError([&] { season::importManagerProfile(*m_league, 0, file, m_interaction); });
        EXPECT_EQ(message,
                  "The file " + file.string() + " is not a manager profile: it holds " + std::to_string(size) +
                      " bytes instead of 52. Nothing was changed.");
        EXPECT_EQ(profileOf(0), before);
        EXPECT_TRUE(m_interaction.texts().empty());
    }
    EXPECT_FALSE(m_league->changed());
}

TEST_F(ManagerProfileTest, ApplyStoresEachValueUntilOneDoesNotConvert) {
    auto texts = season::managerProfileTexts(profileOf(1));
    texts[0] = "0.2";
    texts[1] = "-0.3";
    texts[2] = "abc";
    texts[3] = "0.4";
    const std::vector<int> teams = {0, 2};
    const ManagerProfile before0 = profileOf(0);
    EXPECT_EQ(seasonError([&] { season::applyManagerProfileTexts(*m_league, teams, texts); }),
              "'abc' is not a valid floating point value");
    for (const int team : teams) {
        EXPECT_EQ(profileOf(team)[0], 0.2f);
        EXPECT_EQ(profileOf(team)[1], -0.3f);
    }
    EXPECT_EQ(profileOf(0)[3], before0[3]);
}

TEST_F(ManagerProfileTest, ApplyToAllTeamsAndDefaults) {
    season::applyManagerProfileTexts(
        *m_league, season::allTeams(*m_league), season::managerProfileTexts(sampleProfile()));
    for (int team = 0; team < m_league->teamCount(); ++team) {
        EXPECT_EQ(profileOf(team), sampleProfile());
    }
    season::resetManagerProfile(*m_league, 2);
    EXPECT_EQ(profileOf(2), ManagerProfile{});
    EXPECT_EQ(profileOf(1), sampleProfile());
    season::resetAllManagerProfiles(*m_league);
    EXPECT_EQ(profileOf(1), ManagerProfile{});
}

}  // namespace
}  // namespace zt::test
