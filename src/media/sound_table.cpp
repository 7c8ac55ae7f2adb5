#include "media/sound_table.h"

#include <algorithm>
#include <cstring>

#include "league/byte_record.h"
#include "league/error.h"
#include "league/file_io.h"
#include "league/progress.h"

namespace zt::media {

SoundLocation SoundTable::sound(std::size_t k) const {
    if (k < 1 || k > ends.size()) {
        throw Error("The table holds sounds 1 to " + std::to_string(ends.size()) + ", not " + std::to_string(k) + ".");
    }
    SoundLocation location;
    location.format = k == 1 ? 16 + 4 * ends.size() + 4 : std::size_t{ends[k - 2]} + 12;
    location.samples = location.format + 16;
    location.length = std::size_t{ends[k - 1]} - location.format - 8;
    return location;
}

SoundTable parseSoundTable(std::vector<std::uint8_t> bytes, const fs::path& file) {
    const auto damaged = [&](const std::string& problem) {
        return Error("The file \"" + file.string() + "\" is damaged: " + problem + ".");
    };
    if (bytes.size() < 16) {
        throw damaged("it is too short for a sound table");
    }
    const std::uint32_t n = loadLE<std::uint32_t>(bytes.data() + 4);
    if (n == 0 || n > (bytes.size() - 16) / 4) {
        throw damaged("it announces " + std::to_string(n) + " sounds");
    }
    SoundTable table;
    table.ends.resize(n);
    for (std::uint32_t j = 0; j < n; ++j) {
        table.ends[j] = loadLE<std::uint32_t>(bytes.data() + 16 + 4 * j);
    }
    // Each record: 4 bytes, the format block, then its samples up to end + 8, inside the file.
    std::uint64_t format = 16 + 4ull * n + 4;
    for (std::uint32_t j = 0; j < n; ++j) {
        const std::uint64_t end = std::uint64_t{table.ends[j]} + 8;
        if (end < format + 16 || end > bytes.size()) {
            throw damaged("sound " + std::to_string(j + 1) + " does not fit in the file");
        }
        format = end + 4;
    }
    table.bytes = std::move(bytes);
    return table;
}

SoundTable readSoundTable(const fs::path& file) {
    return parseSoundTable(readFileBytes(file), file);
}

std::array<std::uint8_t, 20> standardWavHeader() {
    std::array<std::uint8_t, 20> header{};
    std::memcpy(header.data(), "RIFF", 4);
    std::memcpy(header.data() + 8, "WAVEfmt ", 8);
    header[16] = 16;
    return header;
}

std::array<std::uint8_t, 20> loadWavHeader(const fs::path& dataDirectory) {
    const fs::path file = dataDirectory / "wav.hdr";
    const auto bytes = readFileBytes(file);
    if (bytes.size() < 20) {
        throw Error("The file \"" + file.string() + "\" is too short for a WAV header.");
    }
    std::array<std::uint8_t, 20> header{};
    std::copy_n(bytes.begin(), 20, header.begin());
    return header;
}

std::vector<std::uint8_t> extractSound(const SoundTable& table,
                                       std::size_t k,
                                       const std::array<std::uint8_t, 20>& header) {
    const SoundLocation at = table.sound(k);
    std::vector<std::uint8_t> out(header.begin(), header.end());
    out.insert(out.end(),
               table.bytes.begin() + static_cast<std::ptrdiff_t>(at.format),
               table.bytes.begin() + static_cast<std::ptrdiff_t>(at.samples));
    out.insert(out.end(), {'d', 'a', 't', 'a', 0, 0, 0, 0});
    storeLE<std::uint32_t>(out.data() + 40, static_cast<std::uint32_t>(at.length));
    out.insert(out.end(),
               table.bytes.begin() + static_cast<std::ptrdiff_t>(at.samples),
               table.bytes.begin() + static_cast<std::ptrdiff_t>(at.samples + at.length));
    storeLE<std::uint32_t>(out.data() + 4, static_cast<std::uint32_t>(at.length + 36));
    return out;
}

WavContent parseWav(std::span<const std::uint8_t> wav, const fs::path& file) {
    if (wav.size() < 12 || std::memcmp(wav.data(), "RIFF", 4) != 0 || std::memcmp(wav.data() + 8, "WAVE", 4) != 0) {
        throw Error("The file \"" + file.string() + "\" is not a WAV file.");
    }
    WavContent content;
    bool haveFormat = false;
    std::size_t position = 12;
    while (position + 8 <= wav.size()) {
        const std::uint32_t size = loadLE<std::uint32_t>(wav.data() + position + 4);
        const std::size_t body = position + 8;
        const std::size_t available = std::min<std::size_t>(size, wav.size() - body);
        if (std::memcmp(wav.data() + position, "fmt ", 4) == 0 && available >= 16) {
            std::copy_n(wav.data() + body, 16, content.format.begin());
            haveFormat = true;
        } else if (std::memcmp(wav.data() + position, "data", 4) == 0) {
            if (!haveFormat) {
                break;
            }
            // A data chunk that claims more than the file holds ends with the file.
            content.samples = wav.subspan(body, available);
            return content;
        }
        position = body + size + (size & 1);
        if (position < body) {
            break;
        }
    }
    throw Error("The file \"" + file.string() + "\" holds no \"fmt \" and \"data\" chunks: no samples to import.");
}

std::vector<std::uint8_t> tableWithImportedSound(const SoundTable& table,
                                                 std::size_t k,
                                                 const WavContent& wav,
                                                 Progress& progress) {
    const SoundLocation at = table.sound(k);
    progress.setRange(0, 100);
    progress.setLabel("Copying first part...");
    progress.setValue(3);
    const std::int64_t delta = static_cast<std::int64_t>(wav.samples.size()) - static_cast<std::int64_t>(at.length);
    if (static_cast<std::int64_t>(table.ends.back()) + delta > 0xFFFFFFF0ll) {
        throw Error("The table would grow beyond 4 GB.");
    }
    std::vector<std::uint8_t> out;
    out.reserve(static_cast<std::size_t>(static_cast<std::int64_t>(table.bytes.size()) + delta));
    out.insert(out.end(), table.bytes.begin(), table.bytes.begin() + static_cast<std::ptrdiff_t>(at.format));
    progress.setLabel("Importing wav...");
    progress.setValue(6);
    out.insert(out.end(), wav.format.begin(), wav.format.end());
    progress.setValue(9);
    progress.setLabel("Copying second part...");
    out.insert(out.end(), wav.samples.begin(), wav.samples.end());
    out.insert(out.end(), table.bytes.begin() + static_cast<std::ptrdiff_t>(table.ends[k - 1] + 8), table.bytes.end());
    progress.setLabel("Adjusting subsequent wav positions");
    const std::size_t n = table.count();
    progress.setRange(0, static_cast<int>(n - k + 4));
    int value = 0;
    for (std::size_t j = k - 1; j < n; ++j) {
        storeLE<std::uint32_t>(out.data() + 16 + 4 * j, static_cast<std::uint32_t>(table.ends[j] + delta));
        progress.setValue(++value);
    }
    return out;
}

void importSound(const fs::path& tableFile, std::size_t k, const fs::path& wavFile, Progress& progress) {
    const SoundTable table = readSoundTable(tableFile);
    const auto wavBytes = readFileBytes(wavFile);
    const WavContent wav = parseWav(wavBytes, wavFile);
    writeFileAtomically(tableFile, tableWithImportedSound(table, k, wav, progress));
}

void clearReadOnly(const fs::path& file) {
    std::error_code ec;
    fs::permissions(file, fs::perms::owner_write, fs::perm_options::add, ec);
}

std::vector<std::uint8_t> buildSoundTable(const std::vector<SoundData>& sounds) {
    const std::size_t n = sounds.size();
    std::vector<std::uint8_t> out(16 + 4 * n, 0);
    storeLE<std::uint32_t>(out.data(), 0x5A540001);  // preserved word, any value
    storeLE<std::uint32_t>(out.data() + 4, static_cast<std::uint32_t>(n));
    for (std::size_t j = 0; j < n; ++j) {
        out.insert(out.end(), {static_cast<std::uint8_t>(j + 1), 0, 0, 0});
        out.insert(out.end(), sounds[j].format.begin(), sounds[j].format.end());
        out.insert(out.end(), sounds[j].samples.begin(), sounds[j].samples.end());
        storeLE<std::uint32_t>(out.data() + 16 + 4 * j, static_cast<std::uint32_t>(out.size() - 8));
    }
    return out;
}

std::array<std::uint8_t, 16> pcmFormat(int channels, int sampleRate, int bitsPerSample) {
    std::array<std::uint8_t, 16> format{};
    const int align = channels * bitsPerSample / 8;
    storeLE<std::uint16_t>(format.data(), 1);
    storeLE<std::uint16_t>(format.data() + 2, static_cast<std::uint16_t>(channels));
    storeLE<std::uint32_t>(format.data() + 4, static_cast<std::uint32_t>(sampleRate));
    storeLE<std::uint32_t>(format.data() + 8, static_cast<std::uint32_t>(sampleRate * align));
    storeLE<std::uint16_t>(format.data() + 12, static_cast<std::uint16_t>(align));
    storeLE<std::uint16_t>(format.data() + 14, static_cast<std::uint16_t>(bitsPerSample));
    return format;
}

}  // namespace zt::media
