#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "league/error.h"
#include "league/interaction.h"
#include "league/league.h"
#include "league/player_record.h"

namespace zt {

// Items of the Level combo box, indexed by the stored level code. Codes 4 and 5 are not used by
// the game and show a blank.
inline constexpr std::array<std::string_view, 8> kLevelComboTexts = {
    "ML", "AAA", "AA", "A", " ", " ", "Inactive List ", "DL"};

inline constexpr int kPitchGridRows = 12;    // rows 0-5: pitches 1-6 vs right-handers, 6-11: vs left-handers
inline constexpr int kPitchGridColumns = 3;  // Avg, Obp, Slg

// What every control of the player editor shows, as text for the edit boxes, item indexes for the
// combo boxes and states for the check boxes. A combo index of -1 means "no item selected": the
// stored code has no item, and applying such a combo keeps the stored code.
// Texts of names are the league's single-byte texts; number texts use "." as decimal separator.
struct PlayerEditorValues {
    // Page "Gen"
    std::string lastName;
    std::string firstName;
    std::string uniformNumber;
    std::string age;
    int position = -1;        // code - 1
    int secondPosition = -1;  // code - 1
    int role = -1;            // code - 1
    int bats = -1;            // code
    int throws = -1;          // code
    int level = -1;           // code
    std::string daysOut;
    int team = -1;  // index in the team list shown; -1 when the player's team is not in it
    std::string suspensionDays;
    std::string faceNumber;
    int complexion = -1;  // code - 1
    std::string height;
    std::string weight;
    int battingStance = -1;  // code
    std::string batColor;
    bool facialHair = false;
    std::string armRating;
    std::string runSpeed;
    std::string fatigue;  // percent

    // Page "Bat": performance data Ab, Hits, 2B, 3B, Hr, Walks, So.
    std::array<std::string, 7> batting;
    std::string avgVsL;
    std::string obpVsL;
    std::string slgVsL;
    std::string avgVsR;
    std::string obpVsR;
    std::string slgVsR;
    std::string pull;           // percent
    std::string middle;         // percent
    std::string oppField;       // percent
    std::string batGroundBall;  // percent

    // Page "Pit": performance data Ab, Hits, 2B, 3B, Hr, Walks, So.
    std::array<std::string, 7> pitching;
    std::string endurance;
    std::string pitGroundBall;  // percent
    int delivery = -1;          // code
    bool fromStretch = false;
    std::array<int, pf::kPitchSlots> pitchTypes{};       // item = pitch type code, 0 "No pitch"
    std::array<std::string, pf::kPitchSlots> qualities;  // quality x 100
    // Rows 0-5 pitches 1-6 against right-handed batters, rows 6-11 the same against left-handed
    // batters; columns Avg, Obp, Slg.
    std::array<std::array<std::string, kPitchGridColumns>, kPitchGridRows> pitchGrid;

    // Page "Fld"
    std::array<std::string, pf::kFamiliarityCount> familiarity;  // P, C, 1B, 2B, 3B, SS, LF, CF, RF
    std::string infieldRange;
    std::string outfieldRange;
    std::string fieldingPct;

    // Page "Adv"
    std::string starRating;
    std::string prospectRating;
    std::string peakShift;
    std::string waggleType;
    std::string waveType;
    std::string strideType;

    bool operator==(const PlayerEditorValues&) const = default;
};

// Every control's value for the player. The team index refers to `league.teamAbbrevList`.
PlayerEditorValues playerEditorValues(const League& league, const PlayerRecord& player);
// The same with the team index looked up in the given team list (the editor shows a built-in
// list while no league is open).
PlayerEditorValues playerEditorValues(const std::vector<TeamListEntry>& teams, const PlayerRecord& player);

// Only the pitch controls (combos, quality boxes, pitch grid), for commands that change the
// repertoire of the player on display and show it again.
void fillPitchValues(PlayerEditorValues& values, const PlayerRecord& player);

// The team list of the built-in clubs, with the free agents under team number 255.
std::vector<TeamListEntry> builtInTeamList();

enum class ApplyOutcome {
    Applied,   // every control stored, the league marked changed
    Declined,  // the user declined the rename question; nothing stored
};

// The rename question asked before a player with a photo gets another name.
inline constexpr std::string_view kRenameQuestion =
    "You are trying to rename a player with an existing photo, the newly renamed player won't have a photo. "
    "Do you want to proceed ?";

// A box of the values that does not hold a number: the conversion message, and which box (its
// string within the values given to applyPlayerEditorValues), so the editor can put the focus there.
class BoxConversionError : public Error {
public:
    BoxConversionError(const std::string& message, const std::string* box) : Error(message), m_box(box) {}
    const std::string* box() const { return m_box; }

private:
    const std::string* m_box;
};

// Stores the controls' values into the player (the APPLY button). Only boxes the user edited
// are stored: a box whose text is what the record shows (playerEditorValues) leaves its field
// exactly as stored, so the rounding of the display never reaches the record. Every edited box
// is converted before anything is stored: a box that does not hold a number throws
// BoxConversionError with the conversion message naming the box's text, and the player and the
// league stay exactly as they were.
// The team is not stored. After Applied the caller shows the player again in the grid and runs
// the lineup check of the player's team (`player.teamIndex()`) where the window has one.
ApplyOutcome applyPlayerEditorValues(League& league,
                                     PlayerRecord& player,
                                     const PlayerEditorValues& values,
                                     Interaction& interaction);

}  // namespace zt
