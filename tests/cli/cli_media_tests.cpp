// generate-game, alb, mod, sound and patch: what they print and write, the questions they need
// answered, and failures that change nothing.
#include <gtest/gtest.h>

#include "cli_test_support.h"
#include "league/league.h"
#include "league/league_io.h"
#include "media/alb_archive.h"
#include "media/photo_album.h"
#include "media/tga.h"
#include "sample/sample_league.h"
#include "support/league_builder.h"
#include "support/temp_dir.h"

namespace zt::test {
namespace {

namespace fs = std::filesystem;

class CliMediaTest : public ::testing::Test {
protected:
    void SetUp() override {
        sample::SampleOptions options;
        options.playersPerTeam = 72;
        options.freeAgents = 5;
        options.years = 1;
        options.days = 4;
        m_sea = sample::generateSampleLeague(m_dir.path(), options).string();
        m_game = m_dir / "Game";
        const CliRun run = runTool({"generate-game", m_game.string(), "--league", m_sea});
        ASSERT_EQ(run.exitCode, 0) << run.err;
    }

    // The first player without a photo, by id.
    std::uint32_t playerWithoutPhoto() {
        const auto league = openLeague(m_sea);
        for (const auto& p : league->players) {
            if (p->get(pf::photoIndex) == -1) {
                return p->get(pf::playerId);
            }
        }
        ADD_FAILURE() << "every player has a photo";
        return 0;
    }

    TempDir m_dir;
    std::string m_sea;
    fs::path m_game;
};

TEST_F(CliMediaTest, TheGeneratedAlbumHoldsAPhotoForEveryPlayerWhoHasOne) {
    const auto league = openLeague(m_sea);
    media::PhotoAlbum album(media::albumPathOf(m_game));
    int withPhoto = 0;
    for (const auto& p : league->players) {
        if (p->get(pf::photoIndex) != -1) {
            ++withPhoto;
            EXPECT_TRUE(media::playerPhoto(album, *p)) << p->get(pf::playerId);
        }
    }
    EXPECT_GT(withPhoto, 0);
    EXPECT_EQ(static_cast<int>(album.index().entries.size()), withPhoto);
    const CliRun list = runTool({"alb", "list", album.path().string()});
    EXPECT_EQ(list.exitCode, 0);
    EXPECT_EQ(list.out.rfind("entries: " + std::to_string(withPhoto) + "\n", 0), 0u) << list.out;
    // Same seed, same bytes.
    ASSERT_EQ(runTool({"generate-game", (m_dir / "Again").string(), "--league", m_sea}).exitCode, 0);
    EXPECT_EQ(fileContents(m_dir / "Again" / "Art" / "glove.amd"), fileContents(m_game / "Art" / "glove.amd"));
    EXPECT_EQ(fileContents(m_dir / "Again" / "Art" / "2D" / "plyrphoto.alb"), fileContents(album.path()));
}

TEST_F(CliMediaTest, AddPhotoNeedsAnAnswerThenStoresAndSaves) {
    const std::uint32_t id = playerWithoutPhoto();
    const fs::path photo = m_dir / "face.tga";
    writeBytes(photo, media::encodeTga(media::makeImage(128, 170), 24));
    const fs::path album = media::albumPathOf(m_game);
    const std::string before = fileContents(album);
    const std::vector<std::string> args = {
        "alb", "add-photo", m_sea, photo.string(), "--player", std::to_string(id), "--game", m_game.string()};
    auto withFlag = [&](const char* flag) {
        auto a = args;
        a.push_back(flag);
        return a;
    };
    const CliRun unanswered = runTool(args);
    EXPECT_EQ(unanswered.exitCode, 1);
    EXPECT_EQ(fileContents(album), before);
    EXPECT_EQ(runTool(withFlag("--no")).exitCode, 0);
    EXPECT_EQ(fileContents(album), before);
    const CliRun yes = runTool(withFlag("--yes"));
    ASSERT_EQ(yes.exitCode, 0) << yes.err;
    const auto league = openLeague(m_sea);
    const PlayerRecord& player = *league->findPlayerById(id);
    EXPECT_EQ(player.get(pf::photoIndex), static_cast<std::int16_t>(id));
    media::PhotoAlbum reloaded(album);
    const auto shown = media::playerPhoto(reloaded, player);
    ASSERT_TRUE(shown);
    EXPECT_EQ(shown->width, 64);
    EXPECT_EQ(shown->height, 85);
    // A second "add" for him is refused: he has a photo now.
    EXPECT_EQ(runTool(withFlag("--yes")).exitCode, 1);
}

TEST_F(CliMediaTest, ArchivesUnpackAndRepackUnchanged) {
    const fs::path out = m_dir / "stadium";
    const CliRun extract =
        runTool({"alb", "extract", (m_game / "Art" / "stadium.alb").string(), "--out", out.string()});
    ASSERT_EQ(extract.exitCode, 0) << extract.err;
    EXPECT_EQ(extract.out, "Total extracted BMP from .mod files : 2\n");
    const fs::path rebuilt = m_dir / "stadium.alb";
    const CliRun rebuild =
        runTool({"alb", "rebuild", (m_game / "Art" / "stadium.alb").string(), out.string(), "--out", rebuilt.string()});
    ASSERT_EQ(rebuild.exitCode, 0) << rebuild.err;
    EXPECT_EQ(fileContents(rebuilt), fileContents(m_game / "Art" / "stadium.alb"));

    const fs::path bat = m_dir / "bat";
    fs::create_directories(bat);
    ASSERT_EQ(runTool({"mod", "extract", (m_game / "Art" / "bat.mod").string(), "--out", bat.string()}).exitCode, 0);
    const CliRun mod = runTool(
        {"mod", "rebuild", (m_game / "Art" / "bat.mod").string(), bat.string(), "--out", (m_dir / "bat.mod").string()});
    ASSERT_EQ(mod.exitCode, 0) << mod.err;
    EXPECT_EQ(mod.out, "Done\n");
    EXPECT_EQ(fileContents(m_dir / "bat.mod"), fileContents(m_game / "Art" / "bat.mod"));
    const CliRun album = runTool({"alb", "extract", media::albumPathOf(m_game).string(), "--out", out.string()});
    EXPECT_EQ(album.exitCode, 1);
    EXPECT_EQ(album.err, "You can't extract this .alb file\n");
}

TEST_F(CliMediaTest, SoundsListExtractAndImport) {
    const fs::path table = m_game / "sounds" / "crowd.table";
    const CliRun list = runTool({"sound", "list", table.string()});
    ASSERT_EQ(list.exitCode, 0);
    EXPECT_EQ(list.out.rfind("Wavs:5\n", 0), 0u) << list.out;
    const fs::path wav = m_dir / "two.wav";
    ASSERT_EQ(runTool({"sound", "extract", table.string(), "2", "--out", wav.string()}).exitCode, 0);
    const std::string before = fileContents(table);
    ASSERT_EQ(runTool({"sound", "import", table.string(), "2", wav.string()}).exitCode, 0);
    EXPECT_EQ(fileContents(table), before);
    EXPECT_EQ(runTool({"sound", "extract", table.string(), "6", "--out", wav.string()}).exitCode, 1);
}

TEST_F(CliMediaTest, PatchSavesTheLeague) {
    const auto league = openLeague(m_sea);
    const PlayerRecord& first = *league->players[0];
    const fs::path patch = m_dir / "p.bst";
    writeText(patch, first.get(pf::firstName) + "," + first.get(pf::lastName) + ",300\n");
    const CliRun run = runTool({"patch", m_sea, "--stances", patch.string()});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_NE(run.out.find("player updated"), std::string::npos) << run.out;
    EXPECT_EQ(openLeague(m_sea)->players[0]->get(pf::battingStance), 44);
    EXPECT_EQ(runTool({"patch", m_sea}).exitCode, 1);
}

}  // namespace
}  // namespace zt::test
