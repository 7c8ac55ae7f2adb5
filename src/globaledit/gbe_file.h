#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

#include "globaledit/global_edit_settings.h"
#include "league/file_io.h"

namespace zt::globaledit {

// .gbe files keep the settings of global-editing runs: an 8-byte header (the marker -1 and the
// record count) and 154-byte records, little-endian.
inline constexpr std::size_t kGbeHeaderSize = 8;
inline constexpr std::size_t kGbeRecordSize = 154;
inline constexpr std::size_t kGbeModifierLength = 99;
inline constexpr std::int32_t kGbeMarker = -1;
// The criterion value a record holds for an empty box.
inline constexpr float kEmptyCriterionValue = -1.0f;

using GbeRecord = std::array<std::uint8_t, kGbeRecordSize>;

// The record of the settings. A criterion box must be empty or hold a number (else zt::Error
// with the conversion message); the modifier keeps its first 99 characters.
GbeRecord encodeGbeRecord(const GlobalEditSettings& settings);
// The settings a record holds. A criterion value of -1 (or one that is not a number) gives an
// empty box, any other value its shortest decimal text.
GlobalEditSettings decodeGbeRecord(std::span<const std::uint8_t, kGbeRecordSize> record);

struct GbeFile {
    fs::path path;
    std::int32_t headerCount = 0;  // what the header says; other writers may have left it wrong
    std::vector<GlobalEditSettings> records;
    bool endsInsideRecord = false;  // bytes of a last, partial record follow the whole ones
};

// The records of a .gbe file: every whole record up to the end of the file, whatever count the
// header holds. Throws zt::Error: the file's read error; "This GBE file is in an older format"
// when it does not start with the marker; a message naming the file when it is shorter than its
// header.
GbeFile readGbeFile(const fs::path& path);
GbeFile parseGbeFile(std::span<const std::uint8_t> bytes, const fs::path& path);

// What a file run says after its whole records when the file ends inside a record.
std::string incompleteRecordMessage(const fs::path& path);

// "Save": creates or replaces the file with one record.
void saveGbeFile(const fs::path& path, const GlobalEditSettings& settings, FileWriter& writer = diskFileWriter());
// "Append": adds a record to an existing file and writes the header's count + 1. A missing file
// fails with its open error; a file without the marker or header, or one that ends inside a
// record, is refused; either way nothing is written. The record is encoded first, so a criterion box
// that is not a number leaves the file as it was too.
void appendGbeFile(const fs::path& path, const GlobalEditSettings& settings, FileWriter& writer = diskFileWriter());

}  // namespace zt::globaledit
