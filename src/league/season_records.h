#pragma once

#include <cstdint>
#include <string>

#include "league/byte_record.h"

namespace zt {

// The season settings at the start of season.zt (428 bytes).
class SeasonHeader : public ByteRecord<428> {
public:
    static constexpr std::string_view kExpectedVersion = "4.0.09";
    // The three playoff rounds, each played as a best of 1, 3, 5 or 7.
    static constexpr ArrayField<std::int32_t, 324, 3> playoffBestOfs{};
    static constexpr int kRounds = playoffBestOfs.count;

    std::int32_t playoffBestOf(int round) const;
    void setPlayoffBestOf(int round, std::int32_t value);
};

namespace sh {
inline constexpr std::size_t kVersionOffset = 4;
inline constexpr std::size_t kVersionWidth = 6;
inline constexpr TextField<kVersionOffset, kVersionWidth> seasonVersion;
inline constexpr NumField<std::uint8_t, 68> customSeason;
inline constexpr NumField<std::uint8_t, 73> dhRuleCopy;
inline constexpr NumField<std::uint8_t, 76> seasonGames;
inline constexpr NumField<std::int32_t, 104> inningsRule;
inline constexpr NumField<std::int32_t, 108> dhRule;
inline constexpr NumField<std::int32_t, 316> leagueCount;
inline constexpr NumField<std::int32_t, 320> divisionsPerLeague;
inline constexpr NumField<std::int32_t, 400> seasonYear;
inline constexpr NumField<std::uint16_t, 404> seasonDay;
inline constexpr NumField<std::int32_t, 424> teamCount;
}  // namespace sh

// Index into a team's lineups.
enum class LineupKind : int {
    MajorVsL = 0,
    MajorVsR = 1,
    MajorVsLWithDH = 2,
    MajorVsRWithDH = 3,
    AAA = 4,
    AA = 5,
    A = 6,
};

// One slot of a lineup as the team record stores it (8 bytes).
class LineupEntry : public ByteRecord<8> {};

namespace ls {
inline constexpr NumField<std::int32_t, 0> playerId;
inline constexpr NumField<std::int32_t, 4> position;
}  // namespace ls

// The repeated groups of the team record.
namespace tf {
inline constexpr ArrayField<std::int32_t, 124, 120> roster;                      // player ids
inline constexpr ArrayField<ArrayField<LineupEntry, 0, 9>, 604, 7> lineups;      // [LineupKind][slot]
inline constexpr ArrayField<ArrayField<std::int32_t, 0, 5>, 1108, 4> rotations;  // [level 0 ML .. 3 A][slot]
inline constexpr ArrayField<float, 1588, 13> managerProfile;
}  // namespace tf

inline constexpr int kRosterSize = tf::roster.count;
inline constexpr int kLineupKinds = tf::lineups.count;
inline constexpr int kLineupSlots = decltype(tf::lineups)::ElementType::count;
inline constexpr int kRotationLevels = tf::rotations.count;
inline constexpr int kRotationSlots = decltype(tf::rotations)::ElementType::count;
inline constexpr int kManagerProfileValues = tf::managerProfile.count;

struct LineupSlot {
    std::int32_t playerId = -1;  // -1: empty (the pitcher's turn in a lineup without DH)
    std::int32_t position = 1;   // 1 P .. 10 DH
    bool operator==(const LineupSlot&) const = default;
};

// One team of season.zt (1728 bytes), followed in the file by `entryCount` opaque entries.
class TeamRecord : public ByteRecord<1728> {
public:
    std::int32_t rosterId(int slot) const;
    void setRosterId(int slot, std::int32_t playerId);

    LineupSlot lineupSlot(LineupKind kind, int slot) const;
    void setLineupSlot(LineupKind kind, int slot, const LineupSlot& value);

    // Rotations of the playing levels 0 (ML) to 3 (A), five slots each.
    std::int32_t rotationSlot(int level, int slot) const;
    void setRotationSlot(int level, int slot, std::int32_t playerId);

    float managerProfile(int index) const;
    void setManagerProfile(int index, float value);
};

namespace tf {
inline constexpr NumField<std::int32_t, 0> teamNumber;
inline constexpr TextField<4, 16> name;
inline constexpr TextField<20, 16> city;
inline constexpr TextField<84, 32> completeName;
inline constexpr TextField<116, 4> abbreviation;
inline constexpr NumField<std::int32_t, 1188> nextStarter;
inline constexpr NumField<std::int32_t, 1192> humanControlled;
inline constexpr NumField<std::int32_t, 1200> leagueIndex;
inline constexpr NumField<std::int32_t, 1204> divisionIndex;
inline constexpr NumField<std::int32_t, 1208> wins;
inline constexpr NumField<std::int32_t, 1212> losses;
inline constexpr NumField<std::int32_t, 1640> completedSeasons;
inline constexpr NumField<std::int32_t, 1644> wildCardsWon;
inline constexpr NumField<std::int32_t, 1648> divisionFirstPlaces;
inline constexpr NumField<std::int32_t, 1652> divisionTitles;
inline constexpr NumField<std::int32_t, 1656> leagueTitles;
inline constexpr NumField<std::int32_t, 1660> worldSeriesWon;
inline constexpr NumField<std::int32_t, 1664> regularSeasonWins;
inline constexpr NumField<std::int32_t, 1668> regularSeasonLosses;
inline constexpr NumField<std::int32_t, 1672> postSeasonWins;
inline constexpr NumField<std::int32_t, 1676> postSeasonLosses;
inline constexpr NumField<std::int32_t, 1724> entryCount;
}  // namespace tf

static_assert(tf::roster.offset + tf::roster.size <= tf::lineups.offset);
static_assert(tf::lineups.offset + tf::lineups.size <= tf::rotations.offset);
static_assert(tf::rotations.offset + tf::rotations.size <= tf::nextStarter.offset);
static_assert(tf::managerProfile.offset + tf::managerProfile.size <= TeamRecord::kSize);
static_assert(SeasonHeader::playoffBestOfs.offset + SeasonHeader::playoffBestOfs.size <= SeasonHeader::kSize);

// 64 opaque bytes that follow a team record; kept and written back as read.
class TeamEntry : public ByteRecord<64> {};

}  // namespace zt
