// Unpacking .alb archives and models into bitmaps, and packing them again.
#include <gtest/gtest.h>
#include <limits>

#include "league/byte_record.h"
#include "league/progress.h"
#include "media/alb_archive.h"
#include "media/archive_tools.h"
#include "media/mod_model.h"
#include "media/sound_table.h"
#include "media/tga.h"
#include "media_test_support.h"
#include "support/league_builder.h"
#include "support/scripted_interaction.h"
#include "support/temp_dir.h"

namespace zt {
namespace {

namespace fs = std::filesystem;
using media::ModTextureData;

ModTextureData indexed(const std::string& name, std::uint32_t w, std::uint32_t h) {
    ModTextureData t{name, w, h, 1, {}};
    for (std::uint32_t i = 0; i < w * h; ++i) {
        t.pixels.push_back(static_cast<std::uint8_t>(i * 7));
    }
    for (int c = 0; c < 256; ++c) {
        t.pixels.insert(
            t.pixels.end(),
            {static_cast<std::uint8_t>(c), static_cast<std::uint8_t>(c / 2), static_cast<std::uint8_t>(255 - c), 255});
    }
    return t;
}

ModTextureData colour(const std::string& name, std::uint32_t w, std::uint32_t h) {
    ModTextureData t{name, w, h, 2, {}};
    for (std::uint32_t i = 0; i < w * h; ++i) {
        t.pixels.insert(
            t.pixels.end(),
            {static_cast<std::uint8_t>(i), static_cast<std::uint8_t>(i * 3), static_cast<std::uint8_t>(i * 5), 255});
    }
    return t;
}

class Archives : public testing::Test {
protected:
    fs::path writeModel(const std::string& name, bool amd) {
        const fs::path file = m_dir / name;
        test::writeBytes(file, media::buildModFile(amd, 3, {indexed("seats", 32, 32), colour("roof", 32, 32)}, 9));
        return file;
    }
    fs::path folder(const std::string& name) {
        fs::create_directories(m_dir / name);
        return m_dir / name;
    }

    test::TempDir m_dir;
    media::BmpTemplates m_templates = media::BmpTemplates::standard();
    NoProgress m_progress;
    test::ScriptedInteraction m_interaction;
};

TEST_F(Archives, ModelTexturesBecomeBitmapsOf2102And3126Bytes) {
    for (const bool amd : {false, true}) {
        const auto model = writeModel(amd ? "glove.amd" : "bat.mod", amd);
        const auto out = folder(amd ? "amd" : "mod");
        EXPECT_EQ(media::unpackArchive(model, out, m_templates, m_progress), 2);
        const auto seats = test::readBytes(out / "seats.bmp");
        const auto roof = test::readBytes(out / "roof.bmp");
        ASSERT_EQ(seats.size(), 2102u);
        ASSERT_EQ(roof.size(), 3126u);
        EXPECT_EQ(loadLE<std::uint32_t>(seats.data() + 2), 2102u);
        EXPECT_EQ(loadLE<std::uint32_t>(seats.data() + 10), 1078u);
        EXPECT_EQ(seats[28], 8);
        EXPECT_EQ(roof[28], 24);
        EXPECT_EQ(loadLE<std::uint32_t>(roof.data() + 30), 0u);
        // Palette entry 1 (red 1, green 0, blue 254) is written blue, green, red, 0.
        EXPECT_EQ(std::vector<std::uint8_t>(seats.begin() + 58, seats.begin() + 62),
                  (std::vector<std::uint8_t>{254, 0, 1, 0}));
        // Colour pixel 1 (1, 3, 5) is written 5, 3, 1.
        EXPECT_EQ(std::vector<std::uint8_t>(roof.begin() + 57, roof.begin() + 60),
                  (std::vector<std::uint8_t>{5, 3, 1}));
    }
}

TEST_F(Archives, ExtractingTwiceCountsNoNewBitmaps) {
    const auto model = writeModel("bat.mod", false);
    const auto out = folder("out");
    EXPECT_EQ(media::unpackArchive(model, out, m_templates, m_progress), 2);
    EXPECT_EQ(media::unpackArchive(model, out, m_templates, m_progress), 0);
}

TEST_F(Archives, AnAlbWithStandsModGivesItsFilesAndAStandsFolder) {
    const auto stands = media::buildModFile(false, 1, {indexed("seats", 32, 32), colour("roof", 32, 32)}, 4);
    const std::vector<std::uint8_t> text = {'h', 'i'};
    const fs::path archive = m_dir / "stadium.alb";
    test::writeBytes(archive, media::buildAlbArchive({{"stands.mod", stands}, {"notes.txt", text}}, false));
    const auto out = folder("unpacked");
    EXPECT_EQ(media::unpackArchive(archive, out, m_templates, m_progress), 2);
    EXPECT_EQ(test::readBytes(out / "stands.mod"), stands);
    EXPECT_EQ(test::readBytes(out / "notes.txt"), text);
    EXPECT_EQ(test::readBytes(out / "stands" / "seats.bmp").size(), 2102u);
    EXPECT_EQ(test::readBytes(out / "stands" / "roof.bmp").size(), 3126u);
}

TEST_F(Archives, ThePhotoAlbumIsNotUnpackedButOtherLetterCasesAre) {
    const fs::path album = m_dir / "plyrphoto.alb";
    test::writeBytes(album, media::buildAlbArchive({{"A.TGA", {1, 2}}}, false));
    EXPECT_EQ(test::messageOf([&] { media::unpackArchive(album, folder("x"), m_templates, m_progress); }),
              "You can't extract this .alb file");
    const fs::path upper = m_dir / "PLYRPHOTO.ALB";
    fs::copy_file(album, upper);
    EXPECT_NO_THROW(media::unpackArchive(upper, folder("y"), m_templates, m_progress));
    EXPECT_TRUE(fs::exists(m_dir / "y" / "A.TGA"));
}

TEST_F(Archives, AMemberNamedOutsideTheFolderIsRefused) {
    const fs::path archive = m_dir / "evil.alb";
    test::writeBytes(archive, media::buildAlbArchive({{"../escape.txt", {1}}}, false));
    EXPECT_NE(test::messageOf([&] {
                  media::unpackArchive(archive, folder("z"), m_templates, m_progress);
              }).find("not a plain file name"),
              std::string::npos);
    EXPECT_FALSE(fs::exists(m_dir / "escape.txt"));
}

TEST_F(Archives, AModRebuiltFromItsOwnBitmapsIsUnchanged) {
    for (const bool amd : {false, true}) {
        const auto model = writeModel(amd ? "m.amd" : "m.mod", amd);
        const auto out = folder(amd ? "amd" : "mod");
        media::unpackArchive(model, out, m_templates, m_progress);
        const fs::path target = m_dir / (amd ? "new.amd" : "new.mod");
        media::repackMod(model, out, target);
        EXPECT_EQ(test::readBytes(target), test::readBytes(model)) << amd;
    }
}

TEST_F(Archives, ABitmapSavedAtAnotherDepthChangesTheTextureKind) {
    const auto model = writeModel("m.mod", false);
    const auto out = folder("bmps");
    media::unpackArchive(model, out, m_templates, m_progress);
    // The 8-bit "seats" saved as 24-bit: the same bitmap "roof" has.
    fs::copy_file(out / "roof.bmp", out / "seats.bmp", fs::copy_options::overwrite_existing);
    media::repackMod(model, out, m_dir / "new.mod");
    const auto rebuilt = test::readBytes(m_dir / "new.mod");
    const auto layout = media::parseModLayout(rebuilt, m_dir / "new.mod");
    EXPECT_EQ(loadLE<std::uint32_t>(rebuilt.data() + layout.textureOffsets[0] + 8), 2u);
    EXPECT_EQ(rebuilt.size(), test::readBytes(model).size() + (32 * 32 * 4 - (32 * 32 + 1024)));
}

// Heights of the 32-bit range's ends: the most negative one has no positive counterpart.
TEST_F(Archives, ABitmapOfAnImpossibleHeightIsRefusedNamingIt) {
    const auto model = writeModel("m.mod", false);
    const auto out = folder("heights");
    media::unpackArchive(model, out, m_templates, m_progress);
    auto roof = test::readBytes(out / "roof.bmp");
    for (const std::int32_t height : {std::numeric_limits<std::int32_t>::min(), std::int32_t{0}, std::int32_t{16385}}) {
        storeLE<std::int32_t>(roof.data() + 22, height);
        test::writeBytes(out / "roof.bmp", roof);
        const auto message = test::messageOf([&] { media::repackMod(model, out, m_dir / "new.mod"); });
        EXPECT_EQ(message, "The bitmap \"" + (out / "roof.bmp").string() + "\" must be an 8-bit or 24-bit picture.")
            << height;
        EXPECT_FALSE(fs::exists(m_dir / "new.mod"));
    }
}

TEST_F(Archives, MissingAndCompressedBitmapsAreListedAndNothingIsWritten) {
    const auto model = writeModel("m.mod", false);
    const auto out = folder("bmps");
    media::unpackArchive(model, out, m_templates, m_progress);
    fs::remove(out / "seats.bmp");
    auto roof = test::readBytes(out / "roof.bmp");
    roof[30] = 1;
    test::writeBytes(out / "roof.bmp", roof);
    EXPECT_EQ(test::messageOf([&] { media::repackMod(model, out, m_dir / "new.mod"); }),
              "seats.bmp is missing\nroof.bmp is a compressed bitmap");
    EXPECT_FALSE(fs::exists(m_dir / "new.mod"));
}

TEST_F(Archives, AReadOnlyTargetIsRefusedAndNotWritten) {
    const auto model = writeModel("m.mod", false);
    const auto out = folder("bmps");
    media::unpackArchive(model, out, m_templates, m_progress);
    const fs::path target = m_dir / "target.mod";
    test::writeBytes(target, std::vector<std::uint8_t>{7, 7, 7});
    fs::permissions(target, fs::perms::owner_read | fs::perms::group_read);
    const std::string readOnly =
        "This is a read-only file, select another file or uncheck the read-only property of this file";
    EXPECT_EQ(test::messageOf([&] { media::repackMod(model, out, target); }), readOnly);
    const fs::path alb = m_dir / "a.alb";
    test::writeBytes(alb, media::buildAlbArchive({{"A.TXT", {1}}}, false));
    EXPECT_EQ(test::messageOf([&] { media::repackAlb(alb, out, target, m_interaction, m_progress); }), readOnly);
    fs::permissions(target, fs::perms::owner_all);
    EXPECT_EQ(test::readBytes(target), (std::vector<std::uint8_t>{7, 7, 7}));
}

TEST_F(Archives, AlbRebuildOffersNewHeadPicturesAndAddsThem) {
    std::vector<media::AlbMember> members;
    for (int i = 1; i <= 10; ++i) {
        members.push_back({"HEAD00" + std::string(i < 10 ? "0" : "") + std::to_string(i) + ".TGA",
                           media::encodeTga(test::patternImage(8, 8, static_cast<unsigned>(i)), 24)});
    }
    const fs::path archive = m_dir / "heads.alb";
    test::writeBytes(archive, media::buildAlbArchive(members, false));
    const auto out = folder("heads");
    media::unpackArchive(archive, out, m_templates, m_progress);
    test::writeBytes(out / "HEAD0011.TGA", std::vector<std::uint8_t>{1, 2, 3});
    test::writeBytes(out / "head0012.tga", std::vector<std::uint8_t>{4, 5, 6, 7});
    test::writeBytes(out / "other.tga", std::vector<std::uint8_t>{8});
    m_interaction.answerYesNo(true);
    const fs::path target = m_dir / "new.alb";
    EXPECT_EQ(media::repackAlb(archive, out, target, m_interaction, m_progress), 12);
    EXPECT_EQ(
        m_interaction.texts(),
        (std::vector<std::string>{"2 new photos have been found, do you want to add them ?", "Alb file repacked"}));
    const auto bytes = test::readBytes(target);
    const auto index = media::parseAlbIndex(bytes, bytes.size(), media::kAlbEntrySize, target);
    ASSERT_EQ(index.entries.size(), 12u);
    EXPECT_EQ(index.count(), 12);
    EXPECT_EQ(index.indexEnd(), 16u + 10 * 40 + 80);
    EXPECT_EQ(index.entries[10].name(), "HEAD0011.TGA");
    EXPECT_EQ(index.entries[11].name(), "HEAD0012.TGA");
    EXPECT_EQ(media::entryContent(bytes, index, 11, target), (std::vector<std::uint8_t>{4, 5, 6, 7}));
    for (std::size_t i = 0; i < 10; ++i) {
        EXPECT_EQ(media::entryContent(bytes, index, i, target), members[i].content);
    }
}

TEST_F(Archives, AlbRebuildWithoutNewPhotosAsksNothingAndNoKeepsTheCount) {
    const fs::path archive = m_dir / "a.alb";
    test::writeBytes(archive, media::buildAlbArchive({{"HEAD0001.TGA", {1}}, {"X.TXT", {2}}}, false));
    const auto out = folder("a");
    media::unpackArchive(archive, out, m_templates, m_progress);
    EXPECT_EQ(media::repackAlb(archive, out, m_dir / "same.alb", m_interaction, m_progress), 2);
    EXPECT_EQ(test::readBytes(m_dir / "same.alb"), test::readBytes(archive));
    test::writeBytes(out / "Head0002.tga", std::vector<std::uint8_t>{3});
    m_interaction.answerYesNo(false);
    EXPECT_EQ(media::repackAlb(archive, out, m_dir / "no.alb", m_interaction, m_progress), 2);
    EXPECT_EQ(m_interaction.texts()[1], "1 new photo has been found, do you want to add it ?");
}

TEST_F(Archives, ADamagedModelIsRefusedNamingTheFile) {
    auto bytes = media::buildModFile(false, 1, {colour("roof", 4, 4)}, 1);
    storeLE<std::uint32_t>(bytes.data() + 48, 0x7FFFFFF0u);  // first block's length
    const fs::path file = m_dir / "bad.mod";
    test::writeBytes(file, bytes);
    const auto message = test::messageOf([&] { media::unpackArchive(file, folder("b"), m_templates, m_progress); });
    EXPECT_NE(message.find(file.string()), std::string::npos) << message;
    EXPECT_EQ(test::messageOf([&] {
                  const std::vector<std::uint8_t> other = {'X', 'M', 'O', 'D'};
                  media::parseModLayout(other, file, true);
              }),
              "Wrong file type");
}

}  // namespace
}  // namespace zt

namespace zt {
namespace {

TEST(ShippedHeaders, TheDataFolderHoldsTheHeadersTheToolsUse) {
    const std::filesystem::path data = ZT_SOURCE_DATA_DIR;
    const auto shipped = media::BmpTemplates::load(data);
    const auto standard = media::BmpTemplates::standard();
    EXPECT_EQ(shipped.colour, standard.colour);
    EXPECT_EQ(shipped.indexed, standard.indexed);
    EXPECT_EQ(shipped.rest, standard.rest);
    EXPECT_EQ(media::loadWavHeader(data), media::standardWavHeader());
    // The placeholder photo is a picture the album code reads.
    const auto blank = media::decodeTga(test::readBytes(data / "blank.tga"));
    EXPECT_EQ(blank.image.width, 64);
    EXPECT_EQ(blank.image.height, 85);
}

}  // namespace
}  // namespace zt
