#include "league/season_file.h"

#include <array>
#include <fstream>

#include "league/byte_reader.h"
#include "league/file_io.h"
#include "league/league.h"

namespace zt {

bool checkSeasonVersion(const std::filesystem::path& leagueDir) {
    const auto path = findFileNoCase(leagueDir, "season.zt");
    if (!path) {
        return false;
    }
    std::ifstream in(*path, std::ios::binary);
    std::array<char, sh::kVersionOffset + sh::kVersionWidth> start{};
    if (!in.read(start.data(), start.size())) {
        return false;
    }
    return std::string_view(start.data() + sh::kVersionOffset, sh::kVersionWidth) == SeasonHeader::kExpectedVersion;
}

void parseSeasonFile(std::span<const std::uint8_t> bytes, const std::filesystem::path& path, League& league) {
    ByteReader in(bytes, path);
    SeasonHeader header;
    in.readInto(header.bytes(), "the season header");
    const std::int32_t teamCount = header.get(sh::teamCount);
    if (teamCount < 0) {
        in.fail("it announces " + std::to_string(teamCount) + " teams");
    }
    if (teamCount > kMaxTeams) {
        in.fail("it announces " + std::to_string(teamCount) + " teams, more than the " + std::to_string(kMaxTeams) +
                " a season can hold");
    }

    std::vector<Team> teams(static_cast<std::size_t>(teamCount));
    for (auto& team : teams) {
        in.readInto(team.record.bytes(), "a team record");
        in.readRecords(team.record.get(tf::entryCount), team.entries, "team entries");
    }

    std::vector<std::int32_t> trailer(in.remaining() / 4);
    for (auto& item : trailer) {
        item = in.read<std::int32_t>("the season trailer");
    }
    // A rest shorter than an item is kept too, so the file is written back as it was read.
    std::vector<std::uint8_t> rest(bytes.begin() + static_cast<std::ptrdiff_t>(in.position()), bytes.end());

    league.seasonHeader = header;
    league.teams = std::move(teams);
    league.seasonTrailer = std::move(trailer);
    league.seasonTrailerRest = std::move(rest);
}

void readSeasonFile(const std::filesystem::path& path, League& league) {
    parseSeasonFile(readFileBytes(path), path, league);
}

std::vector<std::uint8_t> serialiseSeasonFile(const League& league) {
    std::size_t size = SeasonHeader::kSize + league.seasonTrailer.size() * 4 + league.seasonTrailerRest.size();
    for (const auto& team : league.teams) {
        size += TeamRecord::kSize + team.entries.size() * TeamEntry::kSize;
    }
    ByteWriter out(size);
    out.write(league.seasonHeader.bytes());
    for (const auto& team : league.teams) {
        out.write(team.record.bytes());
        out.writeRecords(team.entries);
    }
    for (const auto item : league.seasonTrailer) {
        out.write(item);
    }
    out.writeBytes(league.seasonTrailerRest);
    return out.take();
}

}  // namespace zt
