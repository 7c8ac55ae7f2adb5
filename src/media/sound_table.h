#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

namespace zt {
class Progress;
}

namespace zt::media {

namespace fs = std::filesystem;

inline constexpr char kSpecifyOutputMessage[] = "Specify an output file";
inline constexpr char kTableErrorMessage[] = "An error occured";
inline constexpr char kWavProgressTitle[] = "Wav Import Progress";

// Where one sound of a table lies: its 16-byte format block and its samples.
struct SoundLocation {
    std::size_t format = 0;   // F_k
    std::size_t samples = 0;  // F_k + 16
    std::size_t length = 0;   // D_k
};

// A sound table (".table" / ".ids"): a header with the sound count, the end table and the sound
// records. Parsing checks every record against the file, so a damaged table is refused whole.
struct SoundTable {
    std::vector<std::uint8_t> bytes;
    std::vector<std::uint32_t> ends;  // entry j + 8: where sound j + 1's samples end

    std::size_t count() const { return ends.size(); }
    // Sound k, 1 .. count().
    SoundLocation sound(std::size_t k) const;
};

SoundTable parseSoundTable(std::vector<std::uint8_t> bytes, const fs::path& file);
SoundTable readSoundTable(const fs::path& file);

// The standard first 20 bytes of a 44-byte WAV header ("RIFF", size, "WAVE", "fmt ", 16): the
// content of wav.hdr.
std::array<std::uint8_t, 20> standardWavHeader();
std::array<std::uint8_t, 20> loadWavHeader(const fs::path& dataDirectory);

// Sound k as a WAV file.
std::vector<std::uint8_t> extractSound(const SoundTable& table,
                                       std::size_t k,
                                       const std::array<std::uint8_t, 20>& header);

// The format block and samples of a WAV file, found by its "fmt " and "data" chunks. A file
// without a "data" chunk is refused with a message naming it.
struct WavContent {
    std::array<std::uint8_t, 16> format{};
    std::span<const std::uint8_t> samples;
};
WavContent parseWav(std::span<const std::uint8_t> wav, const fs::path& file);

// The table with sound k replaced by the WAV's format block and samples; later records move
// and the end table follows.
std::vector<std::uint8_t> tableWithImportedSound(const SoundTable& table,
                                                 std::size_t k,
                                                 const WavContent& wav,
                                                 Progress& progress);

// Replaces sound k of the table file with the WAV file: the new table is written whole beside
// it and renamed into place, so a failure leaves the table as it was.
void importSound(const fs::path& tableFile, std::size_t k, const fs::path& wavFile, Progress& progress);

// Makes a file writable by its owner, as opening a table for editing does.
void clearReadOnly(const fs::path& file);

// A table made of sounds (format block and samples each), for the sample game and tests.
struct SoundData {
    std::array<std::uint8_t, 16> format{};
    std::vector<std::uint8_t> samples;
};
std::vector<std::uint8_t> buildSoundTable(const std::vector<SoundData>& sounds);
// A 16-byte PCM format block.
std::array<std::uint8_t, 16> pcmFormat(int channels, int sampleRate, int bitsPerSample);

}  // namespace zt::media
