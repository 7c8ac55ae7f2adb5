#include "rosters/rosters_file.h"

#include <algorithm>
#include <utility>

#include "league/byte_reader.h"
#include "league/codes.h"
#include "league/error.h"
#include "league/file_io.h"
#include "league/interaction.h"
#include "league/league.h"
#include "league/league_text.h"
#include "rosters/lineup_check.h"
#include "rosters/lineup_edit.h"
#include "rosters/player_id_index.h"
#include "rosters/roster_rules.h"

namespace zt {

namespace {

// The parts of a team record an import takes from the file: lineups, rotations, manager profile.
struct RecordRange {
    std::size_t offset;
    std::size_t size;
};
constexpr std::array<RecordRange, 3> kImportedRanges = {{
    {tf::lineups.offset, tf::lineups.size},
    {tf::rotations.offset, tf::rotations.size},
    {tf::managerProfile.offset, tf::managerProfile.size},
}};

std::string quoted(const std::filesystem::path& file) {
    return "\"" + file.string() + "\"";
}

bool isInjuredOnDisabledList(const PlayerRecord& player) {
    return player.level() == static_cast<std::uint8_t>(RosterLevel::Disabled) && player.get(pf::daysOut) != 0;
}

// The team as an import may leave it: its record and the records of its players (the lineup
// check changes roles, positions and injuries of the team's players only), and the league's flag.
class TeamSnapshot {
public:
    TeamSnapshot(League& league, int team) : m_record(league.team(team).record), m_changed(league.changed()) {
        for (const auto& player : league.players) {
            if (player->teamIndex() == team) {
                m_players.emplace_back(player.get(), *player);
            }
        }
    }

    void restore(League& league, int team) const {
        league.team(team).record = m_record;
        for (const auto& [player, before] : m_players) {
            *player = before;
        }
        if (m_changed) {
            league.markChanged();
        } else {
            league.clearChanged();
        }
    }

private:
    TeamRecord m_record;
    std::vector<std::pair<PlayerRecord*, PlayerRecord>> m_players;
    bool m_changed;
};

}  // namespace

std::vector<std::uint8_t> rostersFileBytes(const League& league, int team) {
    const TeamRecord& record = league.team(team).record;
    ByteWriter out(TeamRecord::kSize + kRostersEntrySize * 64);
    out.write(record.bytes());
    for (const auto& player : league.players) {
        if (player->teamIndex() == team) {
            out.write(static_cast<std::int32_t>(player->playerId()));
            out.write(player->level());
            out.write(player->get(pf::role));
        }
    }
    return out.take();
}

bool prepareRostersExport(League& league, int team, Interaction& interaction) {
    if (!league.isTeam(team)) {
        return false;
    }
    checkLineups(league, team, interaction);
    return lineupsComplete(league, team) || interaction.askYesNo(kExportLineupsQuestion, DefaultButton::No);
}

void writeRostersFile(const League& league, int team, const std::filesystem::path& target) {
    writeFileAtomically(target, rostersFileBytes(league, team));
}

RostersFile parseRostersFile(std::span<const std::uint8_t> bytes,
                             const std::filesystem::path& file,
                             const League& league) {
    if (bytes.size() < TeamRecord::kSize) {
        throw Error("The file " + quoted(file) + " is not a rosters management file: it holds " +
                    std::to_string(bytes.size()) + " bytes, fewer than the " + std::to_string(TeamRecord::kSize) +
                    " of a team record.");
    }
    const std::size_t rest = bytes.size() - TeamRecord::kSize;
    if (rest % kRostersEntrySize != 0) {
        throw Error("The file " + quoted(file) + " is damaged: the " + std::to_string(rest) +
                    " bytes after its team record are not whole player entries of " +
                    std::to_string(kRostersEntrySize) + " bytes.");
    }
    RostersFile result;
    std::copy_n(bytes.begin(), TeamRecord::kSize, result.record.bytes().begin());
    const int team = result.team();
    if (!league.isTeam(team) || team >= kBuiltInTeamCount) {
        const std::string teams = league.teamCount() == 0
                                      ? std::string("it has none")
                                      : "0 to " + std::to_string(std::min(league.teamCount(), kBuiltInTeamCount) - 1);
        throw Error("The file " + quoted(file) + " is for team " + std::to_string(team) +
                    ", which is not a team of this league (" + teams + ").");
    }
    result.entries.reserve(rest / kRostersEntrySize);
    for (std::size_t at = TeamRecord::kSize; at < bytes.size(); at += kRostersEntrySize) {
        result.entries.push_back({loadLE<std::int32_t>(&bytes[at]), bytes[at + 4], bytes[at + 5]});
    }
    return result;
}

RostersFile readRostersFile(const std::filesystem::path& file, const League& league) {
    return parseRostersFile(readFileBytes(file), file, league);
}

std::string importLineupsQuestion(int team) {
    return std::string(builtInTeamNames().at(static_cast<std::size_t>(team))) +
           ": It looks like there is an error in the imported lineups or rotations. Do you still want to import it?";
}

std::string rostersImportedMessage(const RostersFile& file) {
    return leagueTextToUtf8(file.record.get(tf::name)) + " Rosters management succesfully imported";
}

RostersImportResult importRosters(League& league,
                                  const RostersFile& file,
                                  Interaction& interaction,
                                  const std::function<void(int team)>& shown) {
    const int team = file.team();
    TeamRecord& record = league.team(team).record;
    const TeamSnapshot before(league, team);

    for (const RecordRange& range : kImportedRanges) {
        std::copy_n(file.record.bytes().begin() + static_cast<std::ptrdiff_t>(range.offset),
                    range.size,
                    record.bytes().begin() + static_cast<std::ptrdiff_t>(range.offset));
    }
    PlayerIdIndex index;
    for (const RostersEntry& entry : file.entries) {
        index.want(entry.playerId);
    }
    for (const auto& player : league.players) {
        index.offer(*player);
    }
    index.finish();
    for (const RostersEntry& entry : file.entries) {
        for (PlayerRecord* player : index.players(entry.playerId)) {
            if (player->teamIndex() == team && !isInjuredOnDisabledList(*player)) {
                player->set(pf::level, entry.level);
                player->set(pf::role, entry.role);
                break;
            }
        }
    }
    league.markChanged();

    RostersImportResult result{team, true};
    if (shown) {
        shown(team);
    }
    checkLineups(league, team, interaction);
    if (lineupsComplete(league, team)) {
        interaction.information(rostersImportedMessage(file));
    } else if (!interaction.askYesNo(importLineupsQuestion(team), DefaultButton::No)) {
        before.restore(league, team);
        result.kept = false;
        if (shown) {
            shown(team);
        }
    }
    return result;
}

}  // namespace zt
