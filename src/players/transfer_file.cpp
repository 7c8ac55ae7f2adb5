#include "players/transfer_file.h"

#include <bitset>
#include <memory>

#include "league/byte_reader.h"
#include "league/error.h"
#include "league/file_io.h"
#include "league/interaction.h"
#include "league/league.h"

namespace zt {

namespace {

constexpr std::uint32_t kLargestPlayerId = 0xFFFF;

void writeBlock(ByteWriter& out, const StatHistory& block) {
    out.write(block.key);
    out.write(static_cast<std::int32_t>(block.batting.size()));
    out.writeRecords(block.batting);
    out.write(static_cast<std::int32_t>(block.pitching.size()));
    out.writeRecords(block.pitching);
    out.write(static_cast<std::int32_t>(block.fielding.size()));
    out.writeRecords(block.fielding);
}

std::size_t blockSize(const StatHistory* block) {
    if (block == nullptr) {
        return 16;
    }
    return 16 + block->batting.size() * BattingLine::kSize + block->pitching.size() * PitchingLine::kSize +
           block->fielding.size() * FieldingLine::kSize;
}

}  // namespace

std::vector<std::uint8_t> transferFileBytes(const League& league) {
    std::size_t size = 0;
    for (const ExportPoolEntry& member : league.exportPool) {
        size += PlayerRecord::kSize + blockSize(member.history);
    }
    ByteWriter out(size);
    for (const ExportPoolEntry& member : league.exportPool) {
        out.write(member.player->bytes());
        if (member.history != nullptr) {
            writeBlock(out, *member.history);
        } else {
            StatHistory empty;
            empty.key = member.player->playerId();
            writeBlock(out, empty);
        }
    }
    return out.take();
}

int exportPlayers(const League& league, const std::filesystem::path& target, Interaction& interaction) {
    writeFileAtomically(target, transferFileBytes(league));
    const int count = static_cast<int>(league.exportPool.size());
    interaction.information(std::to_string(count) + " players exported successfully");
    return count;
}

std::vector<TransferEntry> parseTransferFile(std::span<const std::uint8_t> bytes, const std::filesystem::path& file) {
    ByteReader in(bytes, file);
    std::vector<TransferEntry> entries;
    // A record and an empty block take 784 bytes: no more entries than that can be real.
    entries.reserve(bytes.size() / (PlayerRecord::kSize + 16));
    while (!in.atEnd()) {
        TransferEntry entry;
        in.readInto(entry.player.bytes(), "a player record");
        entry.history.key = in.read<std::int32_t>("the history block of a player");
        in.readRecords(in.read<std::int32_t>("a batting line count"), entry.history.batting, "batting lines");
        in.readRecords(in.read<std::int32_t>("a pitching line count"), entry.history.pitching, "pitching lines");
        in.readRecords(in.read<std::int32_t>("a fielding line count"), entry.history.fielding, "fielding lines");
        entries.push_back(std::move(entry));
    }
    return entries;
}

std::vector<TransferEntry> readTransferFile(const std::filesystem::path& file) {
    return parseTransferFile(readFileBytes(file), file);
}

bool isImportDestination(const League& league, int destination) {
    return destination == kImportKeepTeam || destination == kFreeAgentTeam || league.isTeam(destination);
}

void requireImportDestination(const League& league, int destination) {
    if (!isImportDestination(league, destination)) {
        throw Error("The destination " + std::to_string(destination) +
                    " is neither a team of this league, 255 for the free agents nor 999 for the players' own teams");
    }
}

std::vector<int> addTransferredPlayers(League& league, std::vector<TransferEntry> entries, int destination) {
    requireImportDestination(league, destination);
    // Every id first, in one pass over an id set: the league may be large and the file too.
    auto taken = std::make_unique<std::bitset<kLargestPlayerId + 1>>();
    std::uint32_t largest = 0;
    for (const auto& player : league.players) {
        taken->set(player->playerId());
        largest = std::max<std::uint32_t>(largest, player->playerId());
    }
    std::vector<std::uint16_t> ids;
    ids.reserve(entries.size());
    for (const TransferEntry& entry : entries) {
        std::uint32_t id = entry.player.playerId();
        if (taken->test(id)) {
            id = largest + 1;
            if (id > kLargestPlayerId) {
                throw Error("No player id is left for the imported players: the largest id " +
                            std::to_string(kLargestPlayerId) + " is taken. Nothing was imported.");
            }
        }
        taken->set(id);
        largest = std::max(largest, id);
        ids.push_back(static_cast<std::uint16_t>(id));
    }

    std::vector<int> indexes;
    indexes.reserve(entries.size());
    league.players.reserve(league.players.size() + entries.size());
    for (std::size_t i = 0; i < entries.size(); ++i) {
        auto player = std::make_unique<PlayerRecord>(entries[i].player);
        player->set(pf::playerId, ids[i]);
        if (destination != kImportKeepTeam) {
            player->set(pf::teamIndex, static_cast<std::uint8_t>(destination));
        } else if (player->teamIndex() != kFreeAgentTeam && !league.isTeam(player->teamIndex())) {
            player->set(pf::teamIndex, kFreeAgentTeam);
        }
        std::unique_ptr<StatHistory> history;
        if (league.statsLoaded) {
            history = std::make_unique<StatHistory>(std::move(entries[i].history));
            history->key = ids[i];
        }
        indexes.push_back(league.addPlayer(std::move(player), std::move(history)));
    }
    league.markChanged();
    return indexes;
}

}  // namespace zt
