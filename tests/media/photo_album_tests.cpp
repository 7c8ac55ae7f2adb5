// The player photo album: photo names, reading with every offset checked, adding and replacing
// photos with the album rebuilt, and the chosen pictures made ready (TGA, JPG, scaling).
#include <gtest/gtest.h>

#include "league/error.h"
#include "league/file_io.h"
#include "league/league_io.h"
#include "league/progress.h"
#include "media/alb_archive.h"
#include "media/jpeg.h"
#include "media/photo_album.h"
#include "media/photo_import.h"
#include "media/tga.h"
#include "media_test_support.h"
#include "support/league_builder.h"
#include "support/temp_dir.h"

namespace zt {
namespace {

namespace fs = std::filesystem;
using media::PhotoAlbum;

TEST(PhotoName, KeepsHyphensDropsQuotesAndPointsAndUpperCases) {
    PlayerRecord player = test::makePlayer(123, "O'Neil", "Jean-Paul", 0, 1);
    EXPECT_EQ(media::photoName(player, 123), "JEAN-PAULONEIL_123.TGA");
    player.set(pf::lastName, "St. Marsh");
    player.set(pf::firstName, "J. D.");
    EXPECT_EQ(media::photoName(player, 7), "JDSTMARSH_7.TGA");
}

TEST(PhotoName, ShortNameIsTheFirstTwentyCharactersLongNameSixty) {
    const auto entry = media::AlbEntry::make("JEAN-PAULONEIL_123.TGA", 0, 1, 2, true);
    EXPECT_EQ(entry.name(), "JEAN-PAULONEIL_123.T");
    EXPECT_EQ(entry.longName(), "JEAN-PAULONEIL_123.TGA");
    EXPECT_EQ(entry.kind(), 258u);
    EXPECT_EQ(loadLE<std::int32_t>(entry.bytes.data() + 36), -1);
}

class AlbumOfTen : public testing::Test {
protected:
    void SetUp() override {
        m_albumFile = m_dir / "Art/2D/plyrphoto.alb";
        m_league = test::leagueWithAlbum(m_dir.path(), m_albumFile, 10);
        m_album = std::make_unique<PhotoAlbum>(m_albumFile);
    }

    PlayerRecord& player(std::size_t i) { return *m_league->players[i]; }

    fs::path writeTga(const std::string& name, int width, int height, int bits, unsigned seed) {
        const fs::path file = m_dir / name;
        test::writeBytes(file, media::encodeTga(test::patternImage(width, height, seed), bits));
        return file;
    }

    test::TempDir m_dir;
    fs::path m_albumFile;
    std::unique_ptr<League> m_league;
    std::unique_ptr<PhotoAlbum> m_album;
    NoProgress m_progress;
};

TEST_F(AlbumOfTen, EveryPlayerFindsHisPhoto) {
    ASSERT_EQ(m_album->index().entries.size(), 10u);
    for (std::size_t i = 0; i < 10; ++i) {
        const auto photo = media::playerPhoto(*m_album, player(i));
        ASSERT_TRUE(photo) << i;
        EXPECT_EQ(photo->rgba, test::patternImage(64, 85, static_cast<unsigned>(i)).rgba) << i;
    }
    EXPECT_FALSE(media::playerPhoto(*m_album, player(10)));  // photoIndex -1
    // The same through the game folder, as the player cards ask for it.
    EXPECT_EQ(media::playerPhotoFromGame(m_dir.path(), player(4))->rgba, test::patternImage(64, 85, 4).rgba);
    EXPECT_FALSE(media::playerPhotoFromGame(m_dir / "nowhere", player(4)));
}

TEST_F(AlbumOfTen, AddingGivesElevenEntriesAndKeepsEveryOldPhoto) {
    const auto before = m_album->index();
    PlayerRecord& newcomer = player(10);
    media::addPlayerPhoto(m_album, *m_league, newcomer, writeTga("new.tga", 64, 85, 24, 99), m_progress);
    const auto& after = m_album->index();
    ASSERT_EQ(after.entries.size(), 11u);
    EXPECT_EQ(after.count(), 11);
    EXPECT_EQ(after.indexEnd(), before.indexEnd() + 100);
    EXPECT_EQ(after.entries[10].offset(), before.entries[9].offset() + before.entries[9].compressedSize());
    EXPECT_EQ(newcomer.get(pf::photoIndex), newcomer.get(pf::playerId));
    for (std::size_t i = 0; i < 10; ++i) {
        EXPECT_EQ(media::playerPhoto(*m_album, player(i))->rgba,
                  test::patternImage(64, 85, static_cast<unsigned>(i)).rgba);
    }
    EXPECT_EQ(media::playerPhoto(*m_album, newcomer)->rgba, test::patternImage(64, 85, 99).rgba);
    // The league was saved with the new link.
    const auto reopened = openLeague(m_league->selectedFile);
    EXPECT_EQ(reopened->players[10]->get(pf::photoIndex), newcomer.get(pf::playerId));
    EXPECT_FALSE(m_league->changed());
}

TEST_F(AlbumOfTen, ReplacingTheThirdWithALargerPhotoMovesOnlyLaterData) {
    const auto before = m_album->index();
    // Noise compresses badly: the new photo's data is larger than the old one's.
    media::Image noise = media::makeImage(64, 85);
    unsigned state = 7;
    for (auto& byte : noise.rgba) {
        state = state * 1103515245u + 12345u;
        byte = static_cast<std::uint8_t>(state >> 24);
    }
    const fs::path file = m_dir / "noise.tga";
    test::writeBytes(file, media::encodeTga(noise, 32));
    media::replacePlayerPhoto(m_album, *m_league, player(2), file, m_progress);
    const auto& after = m_album->index();
    ASSERT_EQ(after.entries.size(), 10u);
    EXPECT_EQ(after.indexEnd(), before.indexEnd());
    const std::int64_t growth =
        static_cast<std::int64_t>(after.entries[2].compressedSize()) - before.entries[2].compressedSize();
    ASSERT_GT(growth, 0);
    for (std::size_t i = 0; i < 10; ++i) {
        const std::int64_t expected = before.entries[i].offset() + (i > 2 ? growth : 0);
        EXPECT_EQ(after.entries[i].offset(), expected) << i;
    }
    EXPECT_EQ(after.entries[2].uncompressedSize(), 18u + 64 * 85 * 4);
    const auto shown = media::playerPhoto(*m_album, player(2));
    ASSERT_TRUE(shown);
    for (std::size_t p = 0; p < shown->rgba.size(); ++p) {
        ASSERT_EQ(shown->rgba[p], noise.rgba[p]) << p;
    }
    EXPECT_EQ(media::playerPhoto(*m_album, player(3))->rgba, test::patternImage(64, 85, 3).rgba);
}

TEST_F(AlbumOfTen, ReplacingKeepsAPhotoStoredUnderAnotherNumber) {
    // A photo stored under number 5000 (not the player's id) stays his after a replacement.
    PlayerRecord& p = player(10);
    p.set(pf::photoIndex, std::int16_t{5000});
    media::addPlayerPhoto(m_album, *m_league, p, writeTga("a.tga", 64, 85, 24, 1), m_progress);
    p.set(pf::photoIndex, std::int16_t{5000});
    auto bytes = test::readBytes(m_albumFile);
    auto index = media::parseAlbIndex(bytes, bytes.size(), media::kPhotoEntrySize, m_albumFile);
    // Rename the new entry as if stored under 5000.
    const auto renamed = media::AlbEntry::make(media::photoName(p, 5000),
                                               index.entries[10].offset(),
                                               index.entries[10].compressedSize(),
                                               index.entries[10].uncompressedSize(),
                                               true);
    std::copy(renamed.bytes.begin(), renamed.bytes.end(), bytes.begin() + 16 + 10 * 100);
    test::writeBytes(m_albumFile, bytes);
    m_album = std::make_unique<PhotoAlbum>(m_albumFile);
    media::replacePlayerPhoto(m_album, *m_league, p, writeTga("b.tga", 64, 85, 24, 2), m_progress);
    EXPECT_EQ(p.get(pf::photoIndex), 5000);
    EXPECT_EQ(media::playerPhoto(*m_album, p)->rgba, test::patternImage(64, 85, 2).rgba);
}

TEST_F(AlbumOfTen, ARefusedPhotoChangesNeitherAlbumNorLeague) {
    const auto album = test::readBytes(m_albumFile);
    const auto players = test::readBytes(m_league->leagueDir / "players.zt");
    fs::path rle = m_dir / "rle.tga";
    auto bytes = media::encodeTga(test::patternImage(8, 8, 1), 24);
    bytes[2] = 10;
    test::writeBytes(rle, bytes);
    EXPECT_EQ(test::messageOf([&] { media::addPlayerPhoto(m_album, *m_league, player(10), rle, m_progress); }),
              "The photo must be in UNCOMPRESSED format");
    test::writeBytes(m_dir / "short.tga", std::vector<std::uint8_t>{0, 0, 2});
    EXPECT_EQ(test::messageOf(
                  [&] { media::replacePlayerPhoto(m_album, *m_league, player(1), m_dir / "short.tga", m_progress); }),
              "Invalid file");
    EXPECT_EQ(test::messageOf(
                  [&] { media::addPlayerPhoto(m_album, *m_league, player(10), m_dir / "missing.tga", m_progress); }),
              "Invalid file");
    EXPECT_EQ(test::readBytes(m_albumFile), album);
    EXPECT_EQ(test::readBytes(m_league->leagueDir / "players.zt"), players);
    EXPECT_EQ(player(10).get(pf::photoIndex), -1);
}

// Writes half of what it is given, then fails as a full disk does.
class HalfWriter final : public FileWriter {
public:
    void write(const fs::path& path, std::span<const std::uint8_t> bytes) override {
        diskFileWriter().write(path, bytes.first(bytes.size() / 2));
        throw Error("No space left on device");
    }
};

TEST_F(AlbumOfTen, AFailedAlbumWriteLeavesAlbumLeagueAndPlayerAsTheyWere) {
    const auto album = test::readBytes(m_albumFile);
    const auto players = test::readBytes(m_league->leagueDir / "players.zt");
    const auto tga = writeTga("new.tga", 64, 85, 24, 5);
    HalfWriter full;
    const std::string message =
        test::messageOf([&] { media::addPlayerPhoto(m_album, *m_league, player(10), tga, m_progress, full); });
    EXPECT_EQ(message, "Cannot write file \"" + m_albumFile.string() + "\". No space left on device");
    EXPECT_EQ(player(10).get(pf::photoIndex), -1);
    EXPECT_EQ(test::readBytes(m_albumFile), album);
    EXPECT_EQ(test::readBytes(m_league->leagueDir / "players.zt"), players);
    // No temporary is left beside the album, and the album still shows every photo.
    EXPECT_EQ(std::distance(fs::directory_iterator(m_albumFile.parent_path()), fs::directory_iterator()), 1);
    EXPECT_EQ(media::playerPhoto(*m_album, player(9))->rgba, test::patternImage(64, 85, 9).rgba);
}

struct DamageCase {
    const char* name;
    std::size_t offset;
    std::uint32_t value;
    const char* expected;
};

class DamagedAlbum : public testing::TestWithParam<DamageCase> {};

TEST_P(DamagedAlbum, IsRefusedWithAMessageNamingTheFile) {
    test::TempDir dir;
    std::vector<media::AlbMember> members;
    for (int i = 0; i < 3; ++i) {
        members.push_back({"P" + std::to_string(i) + ".TGA", media::encodeTga(test::patternImage(4, 4, i), 24)});
    }
    auto bytes = media::buildAlbArchive(members, true);
    storeLE<std::uint32_t>(bytes.data() + GetParam().offset, GetParam().value);
    const fs::path file = dir / "plyrphoto.alb";
    test::writeBytes(file, bytes);
    const std::string message = test::messageOf([&] {
        PhotoAlbum album(file);
        for (std::size_t i = 0; i < album.index().entries.size(); ++i) {
            album.content(i);
        }
    });
    EXPECT_NE(message.find(file.string()), std::string::npos) << message;
    EXPECT_NE(message.find(GetParam().expected), std::string::npos) << message;
}

INSTANTIATE_TEST_SUITE_P(
    Cases,
    DamagedAlbum,
    testing::Values(DamageCase{"IndexEndBeyondFile", 8, 1u << 30, "outside the file"},
                    DamageCase{"IndexEndInsideAnEntry", 8, 16 + 150, "whole number"},
                    DamageCase{"OffsetBeyondEnd", 16 + 100 + 24, 1u << 20, "beyond the end of the file"},
                    DamageCase{"CompressedSizeBeyondEnd", 16 + 28, 0xFFFFFF00u, "beyond the end of the file"},
                    DamageCase{"UncompressedTooLarge", 16 + 32, 0x7FFFFFFFu, "announces more data"},
                    DamageCase{"UncompressedLargerThanStream", 16 + 200 + 32, 18 + 48 + 1, "other than announced"},
                    DamageCase{"UncompressedSmallerThanStream", 16 + 32, 18 + 47, "more than its announced size"},
                    DamageCase{"NotAnArchive", 0, 0x4C545241u + 1, "not an .alb archive"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PhotoPreparation, A128By170TgaIsStoredAs64By85InItsOwnDepth) {
    test::TempDir dir;
    for (const int bits : {16, 24, 32}) {
        const fs::path file = dir / ("big" + std::to_string(bits) + ".tga");
        // Two by two blocks of one colour: halving keeps each block's colour exactly.
        media::Image big = media::makeImage(128, 170);
        const auto small = test::patternImage(64, 85, 3);
        for (int y = 0; y < 170; ++y) {
            for (int x = 0; x < 128; ++x) {
                std::copy_n(small.pixel(x / 2, y / 2), 4, big.pixel(x, y));
            }
        }
        test::writeBytes(file, media::encodeTga(big, bits));
        const auto stored = media::decodeTga(media::preparePhoto(file));
        EXPECT_EQ(stored.bitsPerPixel, bits);
        ASSERT_EQ(stored.image.width, 64);
        ASSERT_EQ(stored.image.height, 85);
        EXPECT_EQ(stored.image.rgba, media::decodeTga(media::encodeTga(small, bits)).image.rgba) << bits;
    }
}

TEST(PhotoPreparation, A64By64JpgIsStretchedTo64By85At24Bits) {
    test::TempDir dir;
    media::Image square = media::makeImage(64, 64);
    for (int y = 0; y < 64; ++y) {
        for (int x = 0; x < 64; ++x) {
            std::uint8_t* p = square.pixel(x, y);
            p[0] = y < 32 ? 220 : 20;  // red top half, blue bottom half
            p[2] = y < 32 ? 20 : 220;
            p[3] = 255;
        }
    }
    const fs::path file = dir / "face.JPG";
    test::writeBytes(file, media::encodeJpeg(square, 95));
    const auto stored = media::decodeTga(media::preparePhoto(file));
    EXPECT_EQ(stored.bitsPerPixel, 24);
    ASSERT_EQ(stored.image.width, 64);
    ASSERT_EQ(stored.image.height, 85);
    // Stretched, the colour boundary moves from row 32 of 64 to row 42 or 43 of 85.
    EXPECT_GT(stored.image.pixel(10, 38)[0], 180);
    EXPECT_LT(stored.image.pixel(10, 47)[0], 60);
    EXPECT_GT(stored.image.pixel(10, 47)[2], 180);
}

TEST(PhotoPreparation, TgaDepthsAndOriginsDecode) {
    const auto image = test::patternImage(5, 3, 9);
    for (const int bits : {24, 32}) {
        EXPECT_EQ(media::decodeTga(media::encodeTga(image, bits)).image.rgba, image.rgba);
    }
    // Top-left origin: the same rows stored the other way round.
    auto bytes = media::encodeTga(image, 24);
    std::vector<std::uint8_t> flipped(bytes.begin(), bytes.begin() + 18);
    flipped[17] = 0x20;
    for (int row = 2; row >= 0; --row) {
        flipped.insert(flipped.end(), bytes.begin() + 18 + row * 15, bytes.begin() + 18 + (row + 1) * 15);
    }
    EXPECT_EQ(media::decodeTga(flipped).image.rgba, image.rgba);
    // 16 bits keep the top five bits of each colour, bit 15 clear.
    const auto word = loadLE<std::uint16_t>(media::encodeTga(image, 16).data() + 18 + 2 * 5 * 2);
    const auto* p = image.pixel(0, 0);
    EXPECT_EQ(word, ((p[0] >> 3) << 10) | ((p[1] >> 3) << 5) | (p[2] >> 3));
    EXPECT_EQ(test::messageOf([] { media::decodeJpeg(std::vector<std::uint8_t>{1, 2, 3}); }), "Invalid file");
}

}  // namespace
}  // namespace zt
