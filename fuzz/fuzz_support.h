#pragma once

// Plumbing shared by the fuzz targets: inputs as spans and texts, scratch files for readers that
// take a path, one input split into several files, and the league the readers that check against
// a league are given.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "league/error.h"
#include "league/league.h"

namespace zt {
class League;
}

namespace zt::fuzz {

using Bytes = std::span<const std::uint8_t>;

inline Bytes bytesOf(const std::uint8_t* data, std::size_t size) {
    return {data, size};
}
inline std::string_view textOf(Bytes bytes) {
    return {reinterpret_cast<const char*>(bytes.data()), bytes.size()};
}

// A folder of this process, emptied on first use and removed at exit.
const std::filesystem::path& scratchFolder();
// Writes `bytes` to scratchFolder()/name (replacing it) and returns the path.
std::filesystem::path writeScratchFile(std::string_view name, Bytes bytes);
// Removes everything inside scratchFolder()/name and recreates it empty.
std::filesystem::path freshScratchSubfolder(std::string_view name);

// One input as `count` files: each part but the last is a 4-byte little-endian length followed
// by that many bytes (cut short where the input ends); the last part is the rest. Missing parts
// are empty. make-seeds frames seed files the same way (fuzz/frame).
std::vector<Bytes> splitFrames(Bytes input, std::size_t count);

// Small numbers taken from the front of an input; zero once it is used up.
class Cursor {
public:
    explicit Cursor(Bytes bytes) : m_bytes(bytes) {}
    std::uint8_t byte() { return m_bytes.empty() ? 0 : take(1)[0]; }
    std::uint16_t u16() { return static_cast<std::uint16_t>(byte() | (byte() << 8)); }
    Bytes rest() const { return m_bytes; }

private:
    Bytes take(std::size_t n) {
        Bytes out = m_bytes.first(n);
        m_bytes = m_bytes.subspan(n);
        return out;
    }
    Bytes m_bytes;
};

// The five league files of a small league from the sample generator, built once.
struct LeagueFiles {
    std::vector<std::uint8_t> players, stats, season, scores, playoffs;
};
const LeagueFiles& contextLeagueFiles();
// A league read from those files in the order opening a league reads them.
std::unique_ptr<League> freshContextLeague();
// A league of 40 of those players and the season file (teams, no histories, no scores): cheap
// enough to build for every input of a reader that changes the league.
std::unique_ptr<League> freshSmallLeague();
// One shared league for readers that only look at it.
const League& contextLeague();

// Stops the run with a finding: `what` is printed and the process aborts, which libFuzzer and the
// replay driver both report with the input that caused it.
[[noreturn]] void finding(const std::string& what);

// A finding unless the message names the file (nothing to check when `file` is empty).
void requireNamesFile(std::string_view message, const std::filesystem::path& file);

// Runs a reader. zt::Error is how a reader refuses bad input, so it is caught; anything else
// (another exception, a crash, a sanitizer report) is a finding. With `file` given, a refusal must
// name the file: a message that does not is a finding too.
template <class Reader>
void refusalsOnly(Reader&& reader, const std::filesystem::path& file = {}) {
    try {
        reader();
    } catch (const Error& error) {
        requireNamesFile(error.what(), file);
    }
}

// A league file read, written back, and the written bytes read again: they must write the same
// bytes. `parse(bytes, file, league)` and `serialise(league)` are the file's reader and writer.
template <class Parse, class Serialise>
void roundTripLeagueFile(Bytes input, const std::filesystem::path& file, Parse parse, Serialise serialise) {
    refusalsOnly(
        [&] {
            League league;
            parse(input, file, league);
            const auto written = serialise(league);
            League again;
            parse(written, file, again);
            if (serialise(again) != written) {
                finding(file.string() + " does not read back to what was written");
            }
        },
        file);
}

}  // namespace zt::fuzz
