#include "league/stats_file.h"

#include "league/byte_reader.h"
#include "league/file_io.h"
#include "league/league.h"

namespace zt {

namespace {

void readHistoryList(ByteReader& in, HistoryList& out, const char* what) {
    const auto count = in.read<std::int32_t>(what);
    // Even an empty block takes 16 bytes: a count beyond that cannot be real.
    if (count < 0 || static_cast<std::uint64_t>(count) > in.remaining() / 16) {
        in.fail(std::string("it announces ") + std::to_string(count) + " " + what + " but cannot hold them");
    }
    out.reserve(static_cast<std::size_t>(count));
    for (std::int32_t i = 0; i < count; ++i) {
        auto block = std::make_unique<StatHistory>();
        block->key = in.read<std::int32_t>("a history block");
        in.readRecords(in.read<std::int32_t>("a batting line count"), block->batting, "batting lines");
        in.readRecords(in.read<std::int32_t>("a pitching line count"), block->pitching, "pitching lines");
        in.readRecords(in.read<std::int32_t>("a fielding line count"), block->fielding, "fielding lines");
        out.push_back(std::move(block));
    }
}

void writeHistoryList(ByteWriter& out, std::int32_t word, const HistoryList& list) {
    out.write(word);
    out.write(static_cast<std::int32_t>(list.size()));
    for (const auto& block : list) {
        out.write(block->key);
        out.write(static_cast<std::int32_t>(block->batting.size()));
        out.writeRecords(block->batting);
        out.write(static_cast<std::int32_t>(block->pitching.size()));
        out.writeRecords(block->pitching);
        out.write(static_cast<std::int32_t>(block->fielding.size()));
        out.writeRecords(block->fielding);
    }
}

std::size_t historyListSize(const HistoryList& list) {
    std::size_t size = 8;
    for (const auto& block : list) {
        size += 16 + block->batting.size() * BattingLine::kSize + block->pitching.size() * PitchingLine::kSize +
                block->fielding.size() * FieldingLine::kSize;
    }
    return size;
}

}  // namespace

void parseStatsFile(std::span<const std::uint8_t> bytes, const std::filesystem::path& path, League& league) {
    ByteReader in(bytes, path);
    StatsFileWords words;
    HistoryList players;
    HistoryList teams;
    words.beforePlayers = in.read<std::int32_t>("the file header");
    readHistoryList(in, players, "player history blocks");
    words.beforeTeams = in.read<std::int32_t>("the team history header");
    readHistoryList(in, teams, "team history blocks");
    // Whatever follows the team blocks is not ours to interpret; it is written back as found.
    std::vector<std::uint8_t> tail(bytes.begin() + static_cast<std::ptrdiff_t>(in.position()), bytes.end());

    league.statsFileWords = words;
    league.statsFileTail = std::move(tail);
    league.playerHistories = std::move(players);
    league.teamHistories = std::move(teams);
    league.statsLoaded = true;
}

void readStatsFile(const std::filesystem::path& path, League& league) {
    parseStatsFile(readFileBytes(path), path, league);
}

std::vector<std::uint8_t> serialiseStatsFile(const League& league) {
    ByteWriter out(historyListSize(league.playerHistories) + historyListSize(league.teamHistories) +
                   league.statsFileTail.size());
    writeHistoryList(out, league.statsFileWords.beforePlayers, league.playerHistories);
    writeHistoryList(out, league.statsFileWords.beforeTeams, league.teamHistories);
    out.writeBytes(league.statsFileTail);
    return out.take();
}

}  // namespace zt
