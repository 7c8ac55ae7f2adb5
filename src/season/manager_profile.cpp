#include "season/manager_profile.h"

#include <bit>

#include "league/byte_record.h"
#include "league/error.h"
#include "league/file_io.h"
#include "league/interaction.h"
#include "league/league.h"
#include "league/numbers.h"

namespace zt::season {

const std::array<std::string_view, kManagerProfileValues>& managerProfileLabels() {
    static constexpr std::array<std::string_view, kManagerProfileValues> kLabels = {
        "Pinch hitters for pitchers (-0.9..0.3)",
        "Pinch hitters for position players (-0.9..0.3)",
        "Defensive substitutions (-0.9..0.3)",
        "Intentional walks (-0.273..0.4)",
        "Pitchouts (-0.9..0.9)",
        "Pickoff throws (-0.9..0.5)",
        "Substitutions in a blowout (-0.9..0.3)",
        "Pitcher changes (-0.9..0.6)",
        "Pinch runners (-0.9..0.9)",
        "Steal attempts (-0.9..0.35)",
        "Hit and run (-0.9..0.35)",
        "Sacrifice bunt (-0.9..0.9)",
        "Squeeze (-0.9..0.9)",
    };
    return kLabels;
}

ManagerProfile managerProfileOf(const TeamRecord& record) {
    ManagerProfile profile{};
    for (int i = 0; i < kManagerProfileValues; ++i) {
        profile[static_cast<std::size_t>(i)] = record.managerProfile(i);
    }
    return profile;
}

void setManagerProfile(League& league, int team, const ManagerProfile& profile) {
    TeamRecord& record = league.team(team).record;
    const TeamRecord before = record;
    for (int i = 0; i < kManagerProfileValues; ++i) {
        record.setManagerProfile(i, profile[static_cast<std::size_t>(i)]);
    }
    if (!(record == before)) {
        league.markChanged();
    }
}

std::array<std::string, kManagerProfileValues> managerProfileTexts(const ManagerProfile& profile) {
    std::array<std::string, kManagerProfileValues> texts;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        texts[i] = shortestFloatText(profile[i]);
    }
    return texts;
}

void applyManagerProfileTexts(League& league,
                              std::span<const int> teams,
                              const std::array<std::string, kManagerProfileValues>& texts) {
    for (const int team : teams) {
        league.team(team);  // refuses a number that is not a team before anything is stored
    }
    for (int i = 0; i < kManagerProfileValues; ++i) {
        const auto value = static_cast<float>(parseFloat(texts[static_cast<std::size_t>(i)]));
        for (const int team : teams) {
            TeamRecord& record = league.team(team).record;
            if (std::bit_cast<std::uint32_t>(record.managerProfile(i)) != std::bit_cast<std::uint32_t>(value)) {
                record.setManagerProfile(i, value);
                league.markChanged();
            }
        }
    }
}

std::vector<int> allTeams(const League& league) {
    std::vector<int> teams;
    for (int team = 0; team < league.teamCount(); ++team) {
        teams.push_back(team);
    }
    return teams;
}

void resetManagerProfile(League& league, int team) {
    setManagerProfile(league, team, ManagerProfile{});
}

void resetAllManagerProfiles(League& league) {
    for (int team = 0; team < league.teamCount(); ++team) {
        resetManagerProfile(league, team);
    }
}

std::vector<std::uint8_t> serialiseManagerProfile(const ManagerProfile& profile) {
    std::vector<std::uint8_t> bytes(kManagerProfileFileSize);
    for (std::size_t i = 0; i < profile.size(); ++i) {
        storeLE<float>(bytes.data() + 4 * i, profile[i]);
    }
    return bytes;
}

ManagerProfile parseManagerProfile(std::span<const std::uint8_t> bytes, const std::filesystem::path& file) {
    if (bytes.size() != kManagerProfileFileSize) {
        throw Error("The file " + file.string() + " is not a manager profile: it holds " +
                    std::to_string(bytes.size()) + " bytes instead of " + std::to_string(kManagerProfileFileSize) +
                    ". Nothing was changed.");
    }
    ManagerProfile profile{};
    for (std::size_t i = 0; i < profile.size(); ++i) {
        profile[i] = loadLE<float>(bytes.data() + 4 * i);
    }
    return profile;
}

void exportManagerProfile(const League& league, int team, const std::filesystem::path& file) {
    writeFileAtomically(file, serialiseManagerProfile(managerProfileOf(league.team(team).record)));
}

bool importManagerProfile(League& league, int team, const std::filesystem::path& file, Interaction& interaction) {
    league.team(team);
    const ManagerProfile profile = parseManagerProfile(readFileBytes(file), file);
    const bool everyTeam = interaction.askYesNo(std::string(kApplyToAllTeamsQuestion));
    if (everyTeam) {
        for (int other = 0; other < league.teamCount(); ++other) {
            setManagerProfile(league, other, profile);
        }
    } else {
        setManagerProfile(league, team, profile);
    }
    return everyTeam;
}

}  // namespace zt::season
