// The game media in the main window: photos from the album beside the player editor, adding a
// photo, the Patches menu and the media tools' windows.
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

#include "league/league.h"
#include "league/league_io.h"
#include "league/ui/qt_text.h"
#include "main_window_fixture.h"
#include "media/alb_archive.h"
#include "media/photo_album.h"
#include "media/sample_game.h"
#include "media/tga.h"
#include "media/ui/media_tools.h"
#include "players/ui/player_grid_model.h"
#include "players/ui/player_grid_panel.h"
#include "support/fault_sweep.h"
#include "support/league_builder.h"

namespace zt::test {
namespace {

namespace fs = std::filesystem;

constexpr std::uint64_t kGameSeed = 5;

class MediaWindowTest : public MainWindowTest {
protected:
    // A sample league whose players of odd list index have a photo, and the game folder with
    // their album; the window is started on them.
    void startWithGame() {
        m_sea = generateLeague("a");
        auto league = openLeague(m_sea);
        for (std::size_t i = 0; i < league->players.size(); ++i) {
            league->players[i]->set(pf::photoIndex, static_cast<std::int16_t>(i % 2 == 1 ? i : -1));
        }
        saveLeague(*league);
        m_game = m_dir / "game";
        media::generateSampleGame(m_game, *league, kGameSeed);
        qputenv("ZTEDIT_GAME_DIR", QByteArray::fromStdString(m_game.string() + "/"));
        startWindow({ui::fromPath(m_sea.string())});
    }

    // The first listed player with (or without) a photo.
    int listedPlayer(bool withPhoto) {
        for (const auto& row : m_window->gridPanel()->model()->rows()) {
            if ((row.playerIndex % 2 == 1) == withPhoto) {
                return row.playerIndex;
            }
        }
        ADD_FAILURE() << "no listed player " << (withPhoto ? "with" : "without") << " a photo";
        return -1;
    }

    QImage shownPicture() {
        return child<QLabel>("Image1")->pixmap().toImage().convertToFormat(QImage::Format_RGBA8888);
    }

    static void expectPicture(const QImage& shown, const media::Image& expected) {
        ASSERT_EQ(shown.width(), expected.width);
        ASSERT_EQ(shown.height(), expected.height);
        for (int y = 0; y < expected.height; ++y) {
            for (int x = 0; x < expected.width; ++x) {
                const QRgb pixel = shown.pixel(x, y);
                const std::uint8_t* p = expected.pixel(x, y);
                ASSERT_EQ(qRed(pixel), p[0]) << x << "," << y;
                ASSERT_EQ(qGreen(pixel), p[1]) << x << "," << y;
                ASSERT_EQ(qBlue(pixel), p[2]) << x << "," << y;
            }
        }
    }

    fs::path albumFile() const { return m_game / "Art" / "2D" / "plyrphoto.alb"; }

    fs::path m_sea;
    fs::path m_game;
};

TEST_F(MediaWindowTest, ThePlayersPhotoFromTheAlbumIsShown) {
    startWithGame();
    const int index = listedPlayer(true);
    ASSERT_TRUE(m_window->gridPanel()->selectPlayerRow(index));
    const auto& player = *m_window->league()->players[static_cast<std::size_t>(index)];
    expectPicture(shownPicture(), media::samplePhoto(player.get(pf::playerId), kGameSeed));
    EXPECT_TRUE(child<QPushButton>("btreplacephoto")->isEnabled());
    EXPECT_FALSE(child<QPushButton>("btnewphoto")->isEnabled());

    const int without = listedPlayer(false);
    ASSERT_TRUE(m_window->gridPanel()->selectPlayerRow(without));
    // The placeholder of the data folder (blank.tga) stands in.
    expectPicture(shownPicture(), media::decodeTga(readBytes(fs::path(ZT_SOURCE_DATA_DIR) / "blank.tga")).image);
    EXPECT_FALSE(child<QPushButton>("btreplacephoto")->isEnabled());
    EXPECT_TRUE(child<QPushButton>("btnewphoto")->isEnabled());
}

TEST_F(MediaWindowTest, NewAddsThePhotoSavesTheLeagueAndShowsIt) {
    startWithGame();
    const int index = listedPlayer(false);
    ASSERT_TRUE(m_window->gridPanel()->selectPlayerRow(index));
    const auto entriesBefore = media::readAlbIndex(albumFile(), media::kPhotoEntrySize).entries.size();
    const fs::path photo = m_dir / "face.tga";
    const media::Image picture = media::samplePhoto(4242, 9);
    writeBytes(photo, media::encodeTga(picture, 24));

    m_interaction.answerYesNo(true);
    m_dialogs.setNextFileName(ui::fromPath(photo.string()));
    QTest::mouseClick(child<QPushButton>("btnewphoto"), Qt::LeftButton);

    EXPECT_EQ(m_interaction.texts(),
              std::vector<std::string>{
                  "In order to change the photos, league will be saved. Are you sure you want to proceed ?"});
    EXPECT_EQ(media::readAlbIndex(albumFile(), media::kPhotoEntrySize).entries.size(), entriesBefore + 1);
    expectPicture(shownPicture(), picture);
    EXPECT_TRUE(child<QPushButton>("btreplacephoto")->isEnabled());
    const auto saved = openLeague(m_sea);
    const auto& player = *saved->players[static_cast<std::size_t>(index)];
    EXPECT_EQ(player.get(pf::photoIndex), player.get(pf::playerId));
    EXPECT_FALSE(m_window->league()->changed());
}

TEST_F(MediaWindowTest, NoAtTheQuestionChangesNeitherAlbumNorLeague) {
    startWithGame();
    ASSERT_TRUE(m_window->gridPanel()->selectPlayerRow(listedPlayer(true)));
    const auto album = readBytes(albumFile());
    const auto players = readBytes(m_dir / "a" / "SampleSeason" / "players.zt");
    m_interaction.answerYesNo(false);
    QTest::mouseClick(child<QPushButton>("btreplacephoto"), Qt::LeftButton);
    EXPECT_EQ(m_dialogs.fileDialogsShown, 0);
    EXPECT_EQ(readBytes(albumFile()), album);
    EXPECT_EQ(readBytes(m_dir / "a" / "SampleSeason" / "players.zt"), players);
}

TEST_F(MediaWindowTest, ADamagedAlbumIsReportedOnceAndTheEditorRunsWithoutPhotos) {
    m_sea = generateLeague("a");
    m_game = m_dir / "game";
    fs::create_directories(m_game / "ART" / "2D");
    auto bytes = media::buildAlbArchive({{"X_1.TGA", std::vector<std::uint8_t>(100, 1)}}, true);
    storeLE<std::uint32_t>(bytes.data() + 16 + 24, 1u << 30);  // data far beyond the end
    writeBytes(m_game / "ART" / "2D" / "plyrphoto.alb", bytes);
    qputenv("ZTEDIT_GAME_DIR", QByteArray::fromStdString(m_game.string() + "/"));
    startWindow({ui::fromPath(m_sea.string())});
    ASSERT_EQ(m_interaction.texts().size(), 1u);
    EXPECT_NE(m_interaction.texts()[0].find("plyrphoto.alb"), std::string::npos);
    EXPECT_TRUE(child<QLabel>("Image1")->pixmap().isNull());
    EXPECT_FALSE(child<QPushButton>("btnewphoto")->isEnabled());
    EXPECT_FALSE(child<QPushButton>("btreplacephoto")->isEnabled());
}

TEST_F(MediaWindowTest, FacesPatchFromTheMenuUpdatesPlayersAndSaysHowMany) {
    startWithGame();
    const auto& player = *m_window->league()->players[0];
    const fs::path patch = m_dir / "faces.fce";
    writeText(patch, player.get(pf::firstName) + "," + player.get(pf::lastName) + ",77\r\nNo,Body,3\r\n");
    m_dialogs.setNextFileName(ui::fromPath(patch.string()));
    ASSERT_TRUE(action("FacesPatch1")->isEnabled());
    action("FacesPatch1")->trigger();
    EXPECT_EQ(m_dialogs.lastFilter, QStringLiteral("Faces patch files (*.fce)"));
    EXPECT_EQ(player.get(pf::faceNumber), 77);
    EXPECT_TRUE(m_window->league()->changed());
    EXPECT_EQ(m_interaction.texts(),
              (std::vector<std::string>{"1 player updated", "These players were not found in the database\nNo Body"}));
}

TEST_F(MediaWindowTest, TheUnpackerWritesTheStadiumFilesAndTheirTextures) {
    startWithGame();
    EXPECT_TRUE(action("Unpacker1")->isEnabled());
    media::ui::Tunpackerfrm form({[this]() -> Interaction& { return m_interaction; },
                                  nullptr,
                                  nullptr,
                                  nullptr,
                                  [this] { return ui::fromPath(m_game.string() + "/"); },
                                  [this] { return m_window->dataDirectory(); }},
                                 m_window.get());
    form.openFile(ui::fromPath((m_game / "Art" / "stadium.alb").string()));
    EXPECT_EQ(form.findChild<QLabel*>(QStringLiteral("lbfiles"))->text(), QStringLiteral("Files in .alb file : 4"));
    const fs::path out = m_dir / "out";
    fs::create_directories(out);
    form.extractTo(ui::fromPath(out.string()));
    EXPECT_EQ(form.findChild<QLabel*>(QStringLiteral("lbtexture"))->text(),
              QStringLiteral("Total extracted BMP from .mod files : 2"));
    EXPECT_TRUE(fs::exists(out / "stands" / "seats.bmp"));
    EXPECT_TRUE(fs::exists(out / "HEAD0001.TGA"));
    form.openFile(ui::fromPath(albumFile().string()));
    EXPECT_EQ(m_interaction.texts().back(), "You can't extract this .alb file");
}

TEST_F(MediaWindowTest, TheSoundEditorExtractsAndReimportsASound) {
    startWithGame();
    EXPECT_TRUE(action("SoundEditor1")->isEnabled());
    media::ui::TSoundExtract form({[this]() -> Interaction& { return m_interaction; },
                                   nullptr,
                                   nullptr,
                                   nullptr,
                                   [this] { return ui::fromPath(m_game.string() + "/"); },
                                   [this] { return m_window->dataDirectory(); }},
                                  m_window.get());
    const fs::path table = m_game / "sounds" / "crowd.table";
    const auto before = readBytes(table);
    form.openTable(ui::fromPath(table.string()));
    EXPECT_EQ(form.findChild<QLabel*>(QStringLiteral("wavslabel"))->text(), QStringLiteral("Wavs:5"));
    form.findChild<QSpinBox*>(QStringLiteral("maxwavs"))->setValue(3);
    const fs::path wav = m_dir / "three.wav";
    form.findChild<QLineEdit*>(QStringLiteral("output"))->setText(ui::fromPath(wav.string()));
    form.extract();
    EXPECT_TRUE(form.findChild<QPushButton*>(QStringLiteral("play"))->isEnabled());
    const auto extracted = readBytes(wav);
    ASSERT_GE(extracted.size(), 44u);
    EXPECT_EQ(std::string(extracted.begin(), extracted.begin() + 4), "RIFF");
    form.importWav(ui::fromPath(wav.string()));
    EXPECT_EQ(readBytes(table), before);

    // Each file operation of an extraction failing in turn leaves no part of the wave file.
    const fs::path faults = m_dir / "faults";
    fs::create_directories(faults);
    form.findChild<QLineEdit*>(QStringLiteral("output"))->setText(ui::fromPath((faults / "three.wav").string()));
    const FaultSweep sweep = sweepWriteFaults({faults}, [&] { return errorOf([&] { form.extract(); }); });
    EXPECT_TRUE(sweep.problems.empty()) << problemList(sweep);
    EXPECT_EQ(sweep.failedRuns, sweep.operations);
}

}  // namespace
}  // namespace zt::test
