#include "globaledit/gbe_file.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "globaledit/global_edit_messages.h"
#include "league/byte_record.h"
#include "league/error.h"
#include "league/numbers.h"

namespace zt::globaledit {

namespace {

namespace at {
constexpr std::size_t applyTo = 0;
constexpr std::size_t position = 4;
constexpr std::size_t applyToAgain = 8;
constexpr std::size_t team = 12;
constexpr std::size_t field1 = 16;
constexpr std::size_t field2 = 20;
constexpr std::size_t operator1 = 24;
constexpr std::size_t operator2 = 28;
constexpr std::size_t value1 = 32;
constexpr std::size_t value2 = 36;
constexpr std::size_t secondCriteria = 40;
constexpr std::size_t percentage = 44;
constexpr std::size_t constantVariation = 45;
constexpr std::size_t uniqueValue = 46;
constexpr std::size_t minMax = 47;
constexpr std::size_t random = 48;
constexpr std::size_t formula = 49;
constexpr std::size_t field = 50;
constexpr std::size_t modifier = 54;
}  // namespace at

// The mode bytes in the order a record lists them.
struct ModeByte {
    std::size_t offset;
    Mode mode;
};
constexpr ModeByte kModeBytes[] = {
    {at::percentage, Mode::Percentage},
    {at::constantVariation, Mode::ConstantVariation},
    {at::uniqueValue, Mode::UniqueValue},
    {at::minMax, Mode::MinMax},
    {at::random, Mode::Random},
    {at::formula, Mode::Formula},
};

float criterionNumber(const std::string& box) {
    return box.empty() ? kEmptyCriterionValue : static_cast<float>(parseFloat(box));
}

std::string criterionBox(float value) {
    // -1 marks an empty box. Other values, negative ones included, are what the user typed and
    // come back as typed: a "Peak Shift < -2" criterion must not turn into an empty box.
    if (value == kEmptyCriterionValue || !std::isfinite(value)) {
        return {};
    }
    return shortestFloatText(value);
}

std::string fileName(const fs::path& path) {
    return path.string();
}

std::int32_t int32At(std::span<const std::uint8_t> bytes, std::size_t offset) {
    return loadLE<std::int32_t>(bytes.data() + offset);
}

// Checks the marker and the header; returns the count the header holds.
std::int32_t checkedHeader(std::span<const std::uint8_t> bytes, const fs::path& path) {
    if (bytes.size() >= 4 && int32At(bytes, 0) != kGbeMarker) {
        throw Error(kOlderFormatMessage);
    }
    if (bytes.size() < kGbeHeaderSize) {
        throw Error("The global editing file " + fileName(path) + " is damaged: it is shorter than its header");
    }
    return int32At(bytes, 4);
}

}  // namespace

GbeRecord encodeGbeRecord(const GlobalEditSettings& settings) {
    GbeRecord record{};
    std::uint8_t* p = record.data();
    storeLE<std::int32_t>(p + at::applyTo, settings.applyTo);
    storeLE<std::int32_t>(p + at::position, settings.position);
    storeLE<std::int32_t>(p + at::applyToAgain, settings.applyTo);
    storeLE<std::int32_t>(p + at::team, settings.team);
    storeLE<std::int32_t>(p + at::field1, settings.criterion1.field);
    storeLE<std::int32_t>(p + at::field2, settings.criterion2.field);
    storeLE<std::int32_t>(p + at::operator1, settings.criterion1.op);
    storeLE<std::int32_t>(p + at::operator2, settings.criterion2.op);
    storeLE<float>(p + at::value1, criterionNumber(settings.criterion1.value));
    storeLE<float>(p + at::value2, criterionNumber(settings.criterion2.value));
    storeLE<std::int32_t>(p + at::secondCriteria, settings.secondCriteria);
    for (const auto& modeByte : kModeBytes) {
        p[modeByte.offset] = settings.mode == modeByte.mode ? 1 : 0;
    }
    storeLE<std::int32_t>(p + at::field, settings.field);
    const std::size_t length = std::min(settings.modifier.size(), kGbeModifierLength);
    p[at::modifier] = static_cast<std::uint8_t>(length);
    std::copy_n(settings.modifier.begin(), length, p + at::modifier + 1);
    return record;
}

GlobalEditSettings decodeGbeRecord(std::span<const std::uint8_t, kGbeRecordSize> record) {
    GlobalEditSettings settings;
    // "Apply to" is stored twice; the window takes the second, which it sets last.
    settings.applyTo = int32At(record, at::applyToAgain);
    settings.position = int32At(record, at::position);
    settings.team = int32At(record, at::team);
    settings.criterion1.field = int32At(record, at::field1);
    settings.criterion2.field = int32At(record, at::field2);
    settings.criterion1.op = int32At(record, at::operator1);
    settings.criterion2.op = int32At(record, at::operator2);
    settings.criterion1.value = criterionBox(loadLE<float>(record.data() + at::value1));
    settings.criterion2.value = criterionBox(loadLE<float>(record.data() + at::value2));
    settings.secondCriteria = int32At(record, at::secondCriteria);
    // The six bytes are radio buttons set in record order: the last one set is the one checked.
    settings.mode = Mode::None;
    for (const auto& modeByte : kModeBytes) {
        if (record[modeByte.offset] != 0) {
            settings.mode = modeByte.mode;
        }
    }
    settings.field = int32At(record, at::field);
    const std::size_t length = std::min<std::size_t>(record[at::modifier], kGbeModifierLength);
    const auto* text = reinterpret_cast<const char*>(record.data() + at::modifier + 1);
    settings.modifier.assign(text, length);
    return settings;
}

GbeFile parseGbeFile(std::span<const std::uint8_t> bytes, const fs::path& path) {
    GbeFile file;
    file.path = path;
    file.headerCount = checkedHeader(bytes, path);
    // Records run up to the end of the file; the header's count only sizes the progress bar.
    const std::size_t recordBytes = bytes.size() - kGbeHeaderSize;
    const std::size_t count = recordBytes / kGbeRecordSize;
    file.endsInsideRecord = recordBytes % kGbeRecordSize != 0;
    file.records.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        const auto record = bytes.subspan(kGbeHeaderSize + i * kGbeRecordSize).first<kGbeRecordSize>();
        file.records.push_back(decodeGbeRecord(record));
    }
    return file;
}

std::string incompleteRecordMessage(const fs::path& path) {
    return "The global editing file " + fileName(path) + " ends inside a record: its last record was not run";
}

GbeFile readGbeFile(const fs::path& path) {
    return parseGbeFile(readFileBytes(path), path);
}

void saveGbeFile(const fs::path& path, const GlobalEditSettings& settings, FileWriter& writer) {
    const GbeRecord record = encodeGbeRecord(settings);
    std::vector<std::uint8_t> bytes(kGbeHeaderSize);
    storeLE<std::int32_t>(bytes.data(), kGbeMarker);
    storeLE<std::int32_t>(bytes.data() + 4, 1);
    bytes.insert(bytes.end(), record.begin(), record.end());
    writeFileAtomically(path, bytes, writer);
}

void appendGbeFile(const fs::path& path, const GlobalEditSettings& settings, FileWriter& writer) {
    const GbeRecord record = encodeGbeRecord(settings);
    std::vector<std::uint8_t> bytes = readFileBytes(path);
    const std::int32_t counted = checkedHeader(bytes, path);
    // A record added after a partial one would be read from the wrong place, and so would every
    // record after it; such a file is left alone.
    if ((bytes.size() - kGbeHeaderSize) % kGbeRecordSize != 0) {
        throw Error("The global editing file " + fileName(path) + " is damaged: it ends inside a record");
    }
    // The header counts one more record, whatever it counted before (counted in unsigned so the
    // largest count wraps instead of overflowing).
    storeLE<std::int32_t>(bytes.data() + 4, static_cast<std::int32_t>(static_cast<std::uint32_t>(counted) + 1U));
    bytes.insert(bytes.end(), record.begin(), record.end());
    writeFileAtomically(path, bytes, writer);
}

}  // namespace zt::globaledit
