#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <random>
#include <span>
#include <string>
#include <vector>

#include "league/error.h"
#include "league/file_io.h"
#include "league/league.h"
#include "league/players_file.h"
#include "league/scores_file.h"
#include "league/season_file.h"
#include "league/stats_file.h"
#include "support/league_builder.h"

namespace zt::test {

// The message of the zt::Error `action` throws; a test failure when it throws nothing.
template <class Action>
std::string errorMessage(Action&& action) {
    try {
        action();
    } catch (const Error& error) {
        return error.what();
    }
    ADD_FAILURE() << "expected a zt::Error";
    return {};
}

inline bool contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

// Everything a league would write, to compare two leagues or a league before and after a
// failed read.
struct LeagueImage {
    std::vector<std::uint8_t> players, stats, season, scores, playoffs;
    bool statsLoaded, scoresLoaded, playoffsLoaded;
    std::int32_t loadedPlayerCount;
    NetLeagueInfo net;
    bool operator==(const LeagueImage&) const = default;
};

inline LeagueImage imageOf(const League& league) {
    return {serialisePlayersFile(league),
            serialiseStatsFile(league),
            serialiseSeasonFile(league),
            serialiseScoresFile(league),
            serialisePlayoffsFile(league),
            league.statsLoaded,
            league.scoresLoaded,
            league.playoffsLoaded,
            league.loadedPlayerCount,
            league.netInfo};
}

inline void PrintTo(const LeagueImage& image, std::ostream* out) {
    *out << "league of " << image.players.size() << "/" << image.stats.size() << "/" << image.season.size() << "/"
         << image.scores.size() << "/" << image.playoffs.size() << " bytes";
}

// Writes to disk like the real writer, except for files whose name contains `failOn`: of those
// it writes the first `bytesBeforeFailure` bytes and then fails, as a full disk does.
class FailingWriter final : public FileWriter {
public:
    explicit FailingWriter(std::string failOn, std::size_t bytesBeforeFailure = 0)
        : m_failOn(std::move(failOn)), m_bytesBeforeFailure(bytesBeforeFailure) {}

    void write(const std::filesystem::path& path, std::span<const std::uint8_t> bytes) override {
        if (path.filename().string().find(m_failOn) == std::string::npos) {
            diskFileWriter().write(path, bytes);
            return;
        }
        ++m_failures;
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(bytes.data()),
                  static_cast<std::streamsize>(std::min(bytes.size(), m_bytesBeforeFailure)));
        throw Error("No space left on device");
    }

    int failures() const { return m_failures; }

private:
    std::string m_failOn;
    std::size_t m_bytesBeforeFailure;
    int m_failures = 0;
};

// Feeds every proper prefix of `bytes` shorter than `upTo` to `parse(prefix, league)`, which
// must reject each one with a zt::Error naming `file` and leave the league as it was.
template <class Parse>
void expectEveryTruncationRejected(const std::vector<std::uint8_t>& bytes,
                                   const std::string& file,
                                   Parse parse,
                                   std::size_t upTo = SIZE_MAX) {
    auto league = buildLeague();
    const LeagueImage before = imageOf(*league);
    for (std::size_t size = 0; size < std::min(upTo, bytes.size()); ++size) {
        const std::span<const std::uint8_t> prefix(bytes.data(), size);
        try {
            parse(prefix, *league);
            ADD_FAILURE() << "a file cut to " << size << " of " << bytes.size() << " bytes was accepted";
            return;
        } catch (const Error& error) {
            if (!contains(error.what(), file)) {
                ADD_FAILURE() << "message does not name the file: " << error.what();
                return;
            }
        }
        if (!(imageOf(*league) == before)) {
            ADD_FAILURE() << "a file cut to " << size << " bytes changed the league";
            return;
        }
    }
}

// Damages `bytes` many times over (random bytes overwritten, random length) and feeds each
// result to `parse`: it may accept the file or reject it with a zt::Error naming `file`, but
// anything else (another exception, a crash under the sanitizers) fails.
template <class Parse>
void expectDamageHandled(const std::vector<std::uint8_t>& bytes, const std::string& file, Parse parse) {
    std::mt19937 random(20260101);
    for (int round = 0; round < 300; ++round) {
        std::vector<std::uint8_t> damaged = bytes;
        damaged.resize(std::uniform_int_distribution<std::size_t>(0, bytes.size() + 64)(random), 0xFF);
        const int hits = std::uniform_int_distribution<int>(1, 12)(random);
        for (int h = 0; h < hits && !damaged.empty(); ++h) {
            const auto at = std::uniform_int_distribution<std::size_t>(0, damaged.size() - 1)(random);
            damaged[at] = static_cast<std::uint8_t>(random());
        }
        try {
            parse(std::span<const std::uint8_t>(damaged));
        } catch (const Error& error) {
            if (!contains(error.what(), file)) {
                ADD_FAILURE() << "message does not name the file: " << error.what();
                return;
            }
        }
    }
}

inline void putI32(std::vector<std::uint8_t>& bytes, std::int32_t value) {
    const auto bits = static_cast<std::uint32_t>(value);
    for (int i = 0; i < 4; ++i) {
        bytes.push_back(static_cast<std::uint8_t>(bits >> (8 * i)));
    }
}

inline void putBytes(std::vector<std::uint8_t>& bytes, std::size_t count, std::uint8_t value) {
    bytes.insert(bytes.end(), count, value);
}

inline std::int32_t i32At(const std::vector<std::uint8_t>& bytes, std::size_t offset) {
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i) {
        value = (value << 8) | bytes.at(offset + static_cast<std::size_t>(i));
    }
    return static_cast<std::int32_t>(value);
}

inline void setI32At(std::vector<std::uint8_t>& bytes, std::size_t offset, std::int32_t value) {
    const auto bits = static_cast<std::uint32_t>(value);
    for (int i = 0; i < 4; ++i) {
        bytes.at(offset + static_cast<std::size_t>(i)) = static_cast<std::uint8_t>(bits >> (8 * i));
    }
}

}  // namespace zt::test
