// Sound tables: where each sound lies, extracting it as a WAV file and importing one in its place.
#include <gtest/gtest.h>

#include <cstring>

#include "league/byte_record.h"
#include "league/progress.h"
#include "media/sound_table.h"
#include "media_test_support.h"
#include "support/league_builder.h"
#include "support/temp_dir.h"

namespace zt {
namespace {

namespace fs = std::filesystem;

// The table of three sounds whose end table is (1000, 3000, 3500).
std::vector<std::uint8_t> tableOfThree() {
    std::vector<media::SoundData> sounds;
    for (const std::size_t length : {960u, 1980u, 480u}) {
        media::SoundData sound{media::pcmFormat(1, 11025, 8), {}};
        for (std::size_t i = 0; i < length; ++i) {
            sound.samples.push_back(static_cast<std::uint8_t>(i * length));
        }
        sounds.push_back(sound);
    }
    return media::buildSoundTable(sounds);
}

std::vector<std::uint8_t> wavOf(std::size_t samples, std::uint8_t value) {
    auto wav = media::standardWavHeader();
    std::vector<std::uint8_t> out(wav.begin(), wav.end());
    const auto format = media::pcmFormat(2, 22050, 16);
    out.insert(out.end(), format.begin(), format.end());
    out.insert(out.end(), {'d', 'a', 't', 'a', 0, 0, 0, 0});
    storeLE<std::uint32_t>(out.data() + 40, static_cast<std::uint32_t>(samples));
    out.resize(out.size() + samples, value);
    storeLE<std::uint32_t>(out.data() + 4, static_cast<std::uint32_t>(out.size() - 8));
    return out;
}

std::vector<std::uint32_t> endsOf(const std::vector<std::uint8_t>& table) {
    std::vector<std::uint32_t> ends;
    for (std::uint32_t j = 0; j < loadLE<std::uint32_t>(table.data() + 4); ++j) {
        ends.push_back(loadLE<std::uint32_t>(table.data() + 16 + 4 * j));
    }
    return ends;
}

TEST(SoundTable, EndTableGivesEachSoundsPlaceAndLength) {
    const auto table = media::parseSoundTable(tableOfThree(), "t.table");
    EXPECT_EQ(table.ends, (std::vector<std::uint32_t>{1000, 3000, 3500}));
    const std::size_t formats[] = {32, 1012, 3012};
    const std::size_t lengths[] = {960, 1980, 480};
    for (std::size_t k = 1; k <= 3; ++k) {
        EXPECT_EQ(table.sound(k).format, formats[k - 1]) << k;
        EXPECT_EQ(table.sound(k).length, lengths[k - 1]) << k;
    }
}

TEST(SoundTable, ExtractedSoundIsAStandardWavFile) {
    const auto table = media::parseSoundTable(tableOfThree(), "t.table");
    const auto wav = media::extractSound(table, 2, media::standardWavHeader());
    ASSERT_EQ(wav.size(), 44u + 1980);
    EXPECT_EQ(std::string(wav.begin(), wav.begin() + 4), "RIFF");
    EXPECT_EQ(loadLE<std::uint32_t>(wav.data() + 4), 1980u + 36);
    EXPECT_EQ(std::string(wav.begin() + 36, wav.begin() + 40), "data");
    EXPECT_EQ(loadLE<std::uint32_t>(wav.data() + 40), 1980u);
    EXPECT_TRUE(std::equal(wav.begin() + 20, wav.begin() + 36, table.bytes.begin() + 1012));
    EXPECT_TRUE(std::equal(wav.begin() + 44, wav.end(), table.bytes.begin() + 1028));
}

TEST(SoundTable, ImportingABiggerWavMovesLaterSounds) {
    test::TempDir dir;
    const fs::path file = dir / "t.table";
    const auto original = tableOfThree();
    test::writeBytes(file, original);
    test::writeBytes(dir / "big.wav", wavOf(1980 + 1000, 0x5A));
    NoProgress progress;
    media::importSound(file, 2, dir / "big.wav", progress);
    const auto after = test::readBytes(file);
    EXPECT_EQ(endsOf(after), (std::vector<std::uint32_t>{1000, 4000, 4500}));
    ASSERT_EQ(after.size(), original.size() + 1000);
    // Before sound 2's format block only its end-table entries changed.
    EXPECT_TRUE(std::equal(original.begin(), original.begin() + 20, after.begin()));
    EXPECT_TRUE(std::equal(original.begin() + 28, original.begin() + 1012, after.begin() + 28));
    const auto table = media::parseSoundTable(after, file);
    EXPECT_EQ(table.sound(2).length, 2980u);
    EXPECT_EQ(after[table.sound(2).samples + 2979], 0x5A);
    // Sound 3 moved whole, its leading word included.
    EXPECT_TRUE(std::equal(original.begin() + 3008, original.end(), after.begin() + 4008));
    const auto format = media::pcmFormat(2, 22050, 16);
    EXPECT_TRUE(std::equal(format.begin(), format.end(), after.begin() + 1012));
}

TEST(SoundTable, ReimportingAnExtractedSoundLeavesTheTableByteForByte) {
    test::TempDir dir;
    const fs::path file = dir / "t.table";
    const auto original = tableOfThree();
    test::writeBytes(file, original);
    NoProgress progress;
    for (std::size_t k = 1; k <= 3; ++k) {
        test::writeBytes(dir / "s.wav",
                         media::extractSound(media::readSoundTable(file), k, media::standardWavHeader()));
        media::importSound(file, k, dir / "s.wav", progress);
        EXPECT_EQ(test::readBytes(file), original) << k;
    }
}

TEST(SoundTable, TheOnlySoundOfATableMovesItsEndLikeAnyOther) {
    test::TempDir dir;
    const fs::path file = dir / "one.table";
    test::writeBytes(file, media::buildSoundTable({{media::pcmFormat(1, 8000, 8), std::vector<std::uint8_t>(100, 1)}}));
    test::writeBytes(dir / "s.wav", wavOf(60, 2));
    NoProgress progress;
    const auto before = endsOf(test::readBytes(file));
    media::importSound(file, 1, dir / "s.wav", progress);
    EXPECT_EQ(endsOf(test::readBytes(file)), (std::vector<std::uint32_t>{before[0] - 40}));
}

TEST(SoundTable, SamplesAreFoundByTheDataChunkNotTheFirstLetterD) {
    // A "LIST" chunk holding "d" bytes sits between the format and the samples.
    auto wav = wavOf(0, 0);
    wav.resize(36);
    const std::vector<std::uint8_t> list = {'L', 'I', 'S', 'T', 4, 0, 0, 0, 'd', 'd', 'd', 'd'};
    wav.insert(wav.end(), list.begin(), list.end());
    wav.insert(wav.end(), {'d', 'a', 't', 'a', 3, 0, 0, 0, 7, 8, 9});
    wav.push_back(0);  // pad byte of the odd-sized chunk
    const auto content = media::parseWav(wav, "x.wav");
    EXPECT_EQ(std::vector<std::uint8_t>(content.samples.begin(), content.samples.end()),
              (std::vector<std::uint8_t>{7, 8, 9}));
}

TEST(SoundTable, AWavWithoutSamplesLeavesTheTableAsItWas) {
    test::TempDir dir;
    const fs::path file = dir / "t.table";
    test::writeBytes(file, tableOfThree());
    auto wav = wavOf(0, 0);
    wav.resize(36);
    test::writeBytes(dir / "empty.wav", wav);
    NoProgress progress;
    EXPECT_NE(test::messageOf([&] { media::importSound(file, 1, dir / "empty.wav", progress); }).find("no samples"),
              std::string::npos);
    EXPECT_EQ(test::readBytes(file), tableOfThree());
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 2);
}

TEST(SoundTable, DamagedTablesAreRefused) {
    auto table = tableOfThree();
    storeLE<std::uint32_t>(table.data() + 4, 1u << 30);
    EXPECT_NE(test::messageOf([&] { media::parseSoundTable(table, "t.table"); }).find("t.table"), std::string::npos);
    table = tableOfThree();
    storeLE<std::uint32_t>(table.data() + 20, 999999);
    EXPECT_NE(test::messageOf([&] { media::parseSoundTable(table, "t.table"); }).find("sound 2"), std::string::npos);
    table = tableOfThree();
    storeLE<std::uint32_t>(table.data() + 16, 10);  // sound 1 would end before its format block
    EXPECT_NE(test::messageOf([&] { media::parseSoundTable(table, "t.table"); }).find("sound 1"), std::string::npos);
}

}  // namespace
}  // namespace zt
