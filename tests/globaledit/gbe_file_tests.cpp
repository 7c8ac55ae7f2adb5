// .gbe files: the bytes written by Save and Append, what Open accepts, and running a file.
#include <gtest/gtest.h>

#include <filesystem>

#include "global_edit_fixture.h"
#include "globaledit/gbe_file.h"
#include "globaledit/gbe_run.h"
#include "globaledit/global_edit_messages.h"
#include "league/byte_record.h"
#include "league/error.h"
#include "support/league_builder.h"
#include "support/temp_dir.h"

namespace zt::test {
namespace {

namespace fs = std::filesystem;
using globaledit::GlobalEditSettings;
using globaledit::Mode;

GlobalEditSettings sampleSettings() {
    GlobalEditSettings s;
    s.applyTo = globaledit::kApplySelectedCriteria;
    s.position = 4;
    s.team = globaledit::kCurrentTeam;
    s.criterion1 = {3, 2, "28"};
    s.criterion2 = {10, 3, "0.25"};
    s.secondCriteria = globaledit::kCriteriaOr;
    s.mode = Mode::ConstantVariation;
    s.field = 46;
    s.modifier = "-0.5";
    return s;
}

std::int32_t int32At(const std::vector<std::uint8_t>& bytes, std::size_t offset) {
    return loadLE<std::int32_t>(bytes.data() + offset);
}

float floatAt(const std::vector<std::uint8_t>& bytes, std::size_t offset) {
    return loadLE<float>(bytes.data() + offset);
}

std::string errorOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const Error& e) {
        return e.what();
    }
    return "no error";
}

class GbeFileTest : public GlobalEditTest {
protected:
    TempDir m_dir;
    fs::path m_file = m_dir / "edits.gbe";
};

TEST_F(GbeFileTest, SaveWritesTheHeaderAndOneRecordAtItsOffsets) {
    globaledit::saveGbeFile(m_file, sampleSettings());
    const auto bytes = readBytes(m_file);
    ASSERT_EQ(bytes.size(), 8u + 154u);
    EXPECT_EQ(int32At(bytes, 0), -1);
    EXPECT_EQ(int32At(bytes, 4), 1);
    const std::size_t r = 8;
    EXPECT_EQ(int32At(bytes, r + 0), 1);   // Apply to
    EXPECT_EQ(int32At(bytes, r + 4), 4);   // Position
    EXPECT_EQ(int32At(bytes, r + 8), 1);   // Apply to again
    EXPECT_EQ(int32At(bytes, r + 12), 1);  // Team
    EXPECT_EQ(int32At(bytes, r + 16), 3);
    EXPECT_EQ(int32At(bytes, r + 20), 10);
    EXPECT_EQ(int32At(bytes, r + 24), 2);
    EXPECT_EQ(int32At(bytes, r + 28), 3);
    EXPECT_EQ(floatAt(bytes, r + 32), 28.0f);
    EXPECT_EQ(floatAt(bytes, r + 36), 0.25f);
    EXPECT_EQ(int32At(bytes, r + 40), 2);
    // Percentage, Constant Variation, Unique Value, Min/Max, Random, Formula
    EXPECT_EQ(std::vector<std::uint8_t>(bytes.begin() + r + 44, bytes.begin() + r + 50),
              (std::vector<std::uint8_t>{0, 1, 0, 0, 0, 0}));
    EXPECT_EQ(int32At(bytes, r + 50), 46);
    EXPECT_EQ(bytes[r + 54], 4);
    EXPECT_EQ(std::string(bytes.begin() + r + 55, bytes.begin() + r + 59), "-0.5");
    EXPECT_TRUE(std::all_of(bytes.begin() + r + 59, bytes.end(), [](std::uint8_t b) { return b == 0; }));
}

TEST_F(GbeFileTest, SavedSettingsComeBackAsTheyWere) {
    for (const Mode mode :
         {Mode::Percentage, Mode::UniqueValue, Mode::ConstantVariation, Mode::Random, Mode::MinMax, Mode::Formula}) {
        auto settings = sampleSettings();
        settings.mode = mode;
        globaledit::saveGbeFile(m_file, settings);
        const auto file = globaledit::readGbeFile(m_file);
        ASSERT_EQ(file.records.size(), 1u);
        EXPECT_EQ(file.records[0], settings);
    }
}

TEST_F(GbeFileTest, SaveThenAppendTwiceCountsThreeRecords) {
    auto settings = sampleSettings();
    globaledit::saveGbeFile(m_file, settings);
    settings.field = 0;
    globaledit::appendGbeFile(m_file, settings);
    settings.modifier = "7";
    globaledit::appendGbeFile(m_file, settings);
    const auto bytes = readBytes(m_file);
    EXPECT_EQ(bytes.size(), 8u + 3u * 154u);
    EXPECT_EQ(int32At(bytes, 4), 3);
    const auto file = globaledit::readGbeFile(m_file);
    ASSERT_EQ(file.records.size(), 3u);
    EXPECT_EQ(file.records[0].field, 46);
    EXPECT_EQ(file.records[1].field, 0);
    EXPECT_EQ(file.records[2].modifier, "7");
}

TEST_F(GbeFileTest, AnEmptyCriterionBoxIsStoredAsMinusOneAndComesBackEmpty) {
    auto settings = sampleSettings();
    settings.criterion1.value = "";
    settings.criterion2.value = "-1";
    globaledit::saveGbeFile(m_file, settings);
    const auto bytes = readBytes(m_file);
    EXPECT_EQ(floatAt(bytes, 8 + 32), -1.0f);
    EXPECT_EQ(floatAt(bytes, 8 + 36), -1.0f);
    const auto file = globaledit::readGbeFile(m_file);
    EXPECT_EQ(file.records[0].criterion1.value, "");
    EXPECT_EQ(file.records[0].criterion2.value, "");
}

TEST_F(GbeFileTest, CriterionValuesComeBackInShortestDecimalForm) {
    auto settings = sampleSettings();
    settings.criterion1.value = ".300";
    settings.criterion2.value = "-2";  // a signed field's value must survive, not become empty
    globaledit::saveGbeFile(m_file, settings);
    const auto file = globaledit::readGbeFile(m_file);
    EXPECT_EQ(file.records[0].criterion1.value, "0.3");
    EXPECT_EQ(file.records[0].criterion2.value, "-2");
}

TEST_F(GbeFileTest, ALongModifierKeepsItsFirst99Characters) {
    auto settings = sampleSettings();
    settings.mode = Mode::Formula;
    settings.modifier.clear();
    for (int i = 0; i < 120; ++i) {
        settings.modifier += static_cast<char>('0' + i % 10);
    }
    globaledit::saveGbeFile(m_file, settings);
    const auto bytes = readBytes(m_file);
    EXPECT_EQ(bytes[8 + 54], 99);
    EXPECT_EQ(globaledit::readGbeFile(m_file).records[0].modifier, settings.modifier.substr(0, 99));
}

TEST_F(GbeFileTest, SaveRefusesACriterionBoxThatIsNotANumber) {
    auto settings = sampleSettings();
    settings.criterion2.value = "abc";
    EXPECT_EQ(errorOf([&] { globaledit::saveGbeFile(m_file, settings); }), "'abc' is not a valid floating point value");
    EXPECT_FALSE(fs::exists(m_file));
}

TEST_F(GbeFileTest, AppendToAMissingFileFailsAndWritesNothing) {
    const std::string message = errorOf([&] { globaledit::appendGbeFile(m_file, sampleSettings()); });
    EXPECT_NE(message.find(m_file.string()), std::string::npos) << message;
    EXPECT_FALSE(fs::exists(m_file));
}

// Records decoded from raw bytes: what another writer may have left.
std::vector<std::uint8_t> fileWithRecords(int count, std::int32_t marker = -1) {
    std::vector<std::uint8_t> bytes(8 + static_cast<std::size_t>(count) * 154);
    storeLE<std::int32_t>(bytes.data(), marker);
    storeLE<std::int32_t>(bytes.data() + 4, count);
    return bytes;
}

TEST_F(GbeFileTest, AFileWithoutTheMarkerIsInAnOlderFormat) {
    writeBytes(m_file, fileWithRecords(1, 0));
    EXPECT_EQ(errorOf([&] { globaledit::readGbeFile(m_file); }), "This GBE file is in an older format");
}

TEST_F(GbeFileTest, AppendLeavesAFileInAnOlderFormatAlone) {
    const auto bytes = fileWithRecords(2, 3);
    writeBytes(m_file, bytes);
    EXPECT_EQ(errorOf([&] { globaledit::appendGbeFile(m_file, sampleSettings()); }),
              "This GBE file is in an older format");
    EXPECT_EQ(readBytes(m_file), bytes);
}

TEST_F(GbeFileTest, AFileShorterThanItsHeaderIsRefusedByOpenAndAppend) {
    for (const std::size_t size : {std::size_t{0}, std::size_t{5}}) {
        auto bytes = fileWithRecords(0);
        bytes.resize(size);
        writeBytes(m_file, bytes);
        const std::string expected =
            "The global editing file " + m_file.string() + " is damaged: it is shorter than its header";
        EXPECT_EQ(errorOf([&] { globaledit::readGbeFile(m_file); }), expected);
        EXPECT_EQ(errorOf([&] { globaledit::appendGbeFile(m_file, sampleSettings()); }), expected);
        EXPECT_EQ(readBytes(m_file), bytes);
    }
}

// Files whose header count disagrees with their records: every whole record runs, the bar
// stays within its range, and Append counts on from the header.
struct CountCase {
    std::string label;
    std::int32_t headerCount;
    int wholeRecords;
    std::size_t trailingBytes;  // of a partial last record
    std::vector<int> progressValues;
};

std::ostream& operator<<(std::ostream& os, const CountCase& c) {
    return os << c.label;
}

class GbeRecordCount : public GbeFileTest, public ::testing::WithParamInterface<CountCase> {
protected:
    std::vector<std::uint8_t> bytes() const {
        // Each record adds 1 to the age.
        std::vector<std::uint8_t> b = fileWithRecords(0);
        const auto record = globaledit::encodeGbeRecord(fieldSettings(0, Mode::ConstantVariation, "1"));
        for (int i = 0; i < GetParam().wholeRecords; ++i) {
            b.insert(b.end(), record.begin(), record.end());
        }
        b.insert(b.end(), record.begin(), record.begin() + static_cast<std::ptrdiff_t>(GetParam().trailingBytes));
        storeLE<std::int32_t>(b.data() + 4, GetParam().headerCount);
        return b;
    }
};

TEST_P(GbeRecordCount, OpenRunsEveryWholeRecordWithinTheProgressRange) {
    writeBytes(m_file, bytes());
    addPlayer().set(pf::age, std::uint8_t{20});
    RecordingProgress progress;
    const auto reports = globaledit::runGbeFile(m_league, globaledit::readGbeFile(m_file), m_context, progress);
    EXPECT_EQ(reports.size(), static_cast<std::size_t>(GetParam().wholeRecords));
    EXPECT_EQ(m_league.players[0]->get(pf::age), 20 + GetParam().wholeRecords);
    EXPECT_EQ(progress.minimum, 0);
    EXPECT_EQ(progress.maximum, std::max(GetParam().headerCount, 0));
    EXPECT_EQ(progress.values, GetParam().progressValues);
    const std::vector<std::string> incomplete = {globaledit::incompleteRecordMessage(m_file)};
    EXPECT_EQ(messages(), GetParam().trailingBytes > 0 ? incomplete : std::vector<std::string>{});
}

TEST_P(GbeRecordCount, AppendWritesTheHeaderCountPlusOneUnlessTheFileEndsInsideARecord) {
    const auto before = bytes();
    writeBytes(m_file, before);
    if (GetParam().trailingBytes > 0) {
        EXPECT_EQ(errorOf([&] { globaledit::appendGbeFile(m_file, sampleSettings()); }),
                  "The global editing file " + m_file.string() + " is damaged: it ends inside a record");
        EXPECT_EQ(readBytes(m_file), before);
        return;
    }
    globaledit::appendGbeFile(m_file, sampleSettings());
    const auto after = readBytes(m_file);
    EXPECT_EQ(int32At(after, 4), GetParam().headerCount + 1);
    EXPECT_EQ(after.size(), before.size() + 154);
    EXPECT_EQ(globaledit::readGbeFile(m_file).records.back(), sampleSettings());
}

INSTANTIATE_TEST_SUITE_P(GlobalEdit,
                         GbeRecordCount,
                         ::testing::Values(CountCase{"Matching", 2, 2, 0, {0, 1, 2}},
                                           CountCase{"CountsMore", 5, 2, 0, {0, 1, 2}},
                                           CountCase{"CountsFewer", 1, 3, 0, {0, 1, 1, 1}},
                                           CountCase{"CountsNone", 0, 2, 0, {0, 0, 0}},
                                           CountCase{"NegativeCount", -5, 1, 0, {0, 0}},
                                           CountCase{"EndsInsideARecord", 3, 2, 60, {0, 1, 2}},
                                           CountCase{"OnlyAPartialRecord", 1, 0, 10, {0}}),
                         [](const auto& info) { return info.param.label; });

TEST(GbeRecord, TheLastModeByteSetIsTheModeAndNoneSetIsNoMode) {
    globaledit::GbeRecord record{};
    EXPECT_EQ(globaledit::decodeGbeRecord(record).mode, Mode::None);
    record[44] = 1;  // Percentage
    record[48] = 1;  // Random
    EXPECT_EQ(globaledit::decodeGbeRecord(record).mode, Mode::Random);
}

TEST(GbeRecord, AModifierLengthBeyond99ReadsOnly99Characters) {
    globaledit::GbeRecord record{};
    record[54] = 250;
    std::fill(record.begin() + 55, record.end(), 'x');
    EXPECT_EQ(globaledit::decodeGbeRecord(record).modifier, std::string(99, 'x'));
}

TEST(GbeRecord, ItemIndexOfMinusOneMeansNoItem) {
    GlobalEditSettings settings;
    settings.field = globaledit::kNoItem;
    settings.criterion1.op = globaledit::kNoItem;
    const auto decoded = globaledit::decodeGbeRecord(globaledit::encodeGbeRecord(settings));
    EXPECT_EQ(decoded.field, -1);
    EXPECT_EQ(decoded.criterion1.op, -1);
}

// ---------------------------------------------------------------------------------------------
// Running a file

TEST_F(GbeFileTest, SaveThenOpenRepeatsTheModificationOnceWithoutACountMessage) {
    addPlayer().set(pf::age, std::uint8_t{20});
    addPlayer().set(pf::age, std::uint8_t{30});
    globaledit::saveGbeFile(m_file, fieldSettings(0, Mode::ConstantVariation, "2"));
    RecordingProgress progress;
    const auto reports = globaledit::runGbeFile(m_league, globaledit::readGbeFile(m_file), m_context, progress);
    EXPECT_EQ(m_league.players[0]->get(pf::age), 22);
    EXPECT_EQ(m_league.players[1]->get(pf::age), 32);
    EXPECT_TRUE(messages().empty());
    EXPECT_TRUE(m_context.reportResult);
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_EQ(reports[0].fieldText, "Age");
    EXPECT_EQ(reports[0].playersCounted, 2);
    EXPECT_TRUE(m_league.changed());
}

TEST_F(GbeFileTest, EveryRecordRunsInOrderWithItsProgress) {
    addPlayer().set(pf::age, std::uint8_t{20});
    globaledit::saveGbeFile(m_file, fieldSettings(0, Mode::ConstantVariation, "2"));
    globaledit::appendGbeFile(m_file, fieldSettings(0, Mode::Percentage, "50"));
    globaledit::appendGbeFile(m_file, fieldSettings(46, Mode::UniqueValue, "3.5"));
    RecordingProgress progress;
    std::vector<int> shownFields;
    globaledit::runGbeFile(
        m_league, globaledit::readGbeFile(m_file), m_context, progress, [&](const GlobalEditSettings& s) {
            shownFields.push_back(s.field);
        });
    EXPECT_EQ(m_league.players[0]->get(pf::age), 11);
    EXPECT_EQ(m_league.players[0]->get(pf::starRating), 3.5f);
    EXPECT_EQ(progress.minimum, 0);
    EXPECT_EQ(progress.maximum, 3);
    EXPECT_EQ(progress.values, (std::vector<int>{0, 1, 2, 3}));
    EXPECT_EQ(progress.labels, (std::vector<std::string>{"Modifying Age", "Modifying Age", "Modifying Star Rating"}));
    EXPECT_EQ(shownFields, (std::vector<int>{0, 0, 46}));
}

TEST_F(GbeFileTest, ARefusedRecordShowsItsMessageAndTheOthersStillRun) {
    addPlayer().set(pf::age, std::uint8_t{20});
    globaledit::saveGbeFile(m_file, fieldSettings(0, Mode::MinMax, "5"));
    globaledit::appendGbeFile(m_file, fieldSettings(0, Mode::UniqueValue, "25"));
    RecordingProgress progress;
    const auto reports = globaledit::runGbeFile(m_league, globaledit::readGbeFile(m_file), m_context, progress);
    EXPECT_EQ(messages(), std::vector<std::string>{globaledit::kSeparatorMissingMessage});
    EXPECT_EQ(m_league.players[0]->get(pf::age), 25);
    ASSERT_EQ(reports.size(), 2u);
    EXPECT_EQ(reports[0].refusal, std::optional<std::string>(globaledit::kSeparatorMissingMessage));
    EXPECT_FALSE(reports[1].refusal);
}

TEST_F(GbeFileTest, AnErrorThatStopsARunEndsTheFileAndRestoresTheMessages) {
    addPlayer().set(pf::age, std::uint8_t{20});
    globaledit::saveGbeFile(m_file, fieldSettings(0, Mode::UniqueValue, "25"));
    globaledit::appendGbeFile(m_file, fieldSettings(46, Mode::Formula, "1/0"));
    globaledit::appendGbeFile(m_file, fieldSettings(0, Mode::UniqueValue, "40"));
    RecordingProgress progress;
    EXPECT_THROW(globaledit::runGbeFile(m_league, globaledit::readGbeFile(m_file), m_context, progress), Error);
    EXPECT_EQ(m_league.players[0]->get(pf::age), 25);
    EXPECT_TRUE(m_context.reportResult);
    EXPECT_EQ(progress.values.back(), 2);
}

}  // namespace
}  // namespace zt::test
