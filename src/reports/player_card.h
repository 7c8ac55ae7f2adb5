#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "reports/html_export_settings.h"
#include "reports/report_table.h"

namespace zt {
class Interaction;
class League;
class PlayerRecord;
class Progress;
}  // namespace zt

namespace zt::reports {

class LeagueIndex;

// Columns of the three card tables.
inline constexpr int kCardBattingColumns = 24;
inline constexpr int kCardPitchingColumns = 31;  // the last, hidden, holds the outs
inline constexpr int kCardFieldingColumns = 11;

struct CardTables {
    ReportTable batting;
    ReportTable pitching;
    ReportTable fielding;
};

// The picture a card shows: a file in the card folder. `failure` is the message to show when
// the picture could not be made (the card still refers to the file).
struct CardPhoto {
    std::string file;
    std::string failure;
};
// Makes a player's photo in the card folder from the photo album. Without one, or when it gives
// an empty file name, a card shows blank.bmp.
using CardPhotoSource = std::function<CardPhoto(const PlayerRecord& player, const std::filesystem::path& folder)>;

inline constexpr char kBlankPicture[] = "blank.bmp";
inline constexpr char kCardHeaderTemplate[] = "header.txt";
inline constexpr char kCardFooterTemplate[] = "footer.txt";

struct CardOptions {
    bool includeMinors = false;     // "Include Minor League Stats"
    bool noTeamSplit = false;       // "No team split"
    bool battingExtended = false;   // "Batting Stats": "Extended"
    bool pitchingExtended = false;  // "Pitching Stats": "Extended"
    bool htmlTable = false;         // "Use HTML Table"
    bool mlRostersOnly = false;     // "Cards for actual ML rosters only" (batches)
    bool photos = true;             // "Players photos ?"
    Color totalColor = 0x000000;    // "Total line color"
    // The batting table's settings; the other two tables take its border, spacing, width,
    // colours and fonts. Its header and footer files frame every card.
    HtmlExportSettings html;
    // The editor data folder: header.txt and footer.txt of the table form, blank.bmp.
    std::filesystem::path dataDirectory;
    CardPhotoSource photo;
};

// The batting table's settings when the window opens: border 0, spacing 3, width 100, no
// colours, no fonts.
HtmlExportSettings cardHtmlSettings();

// The player's career, season by season, at ML or (with minors) at every level from A up.
CardTables cardTables(const League& league,
                      const LeagueIndex& index,
                      const PlayerRecord& player,
                      const CardOptions& options);
// Hides or shows the extended columns: GIDP to PH of batting, WP to PIT# of pitching.
void showExtendedColumns(CardTables& tables, bool batting, bool pitching);

// Seasons at ML ending a level's run of rows, the larger count of batting and pitching.
int mlExperience(const CardTables& tables);
// Data rows of the batting table when it has more rows than the pitching table, else of that.
int tableExperience(const CardTables& tables);

// The card page text of the two forms; empty when every table is empty. `headerText` and
// `footerText` are the whole texts of the page's header and footer files.
std::string preformattedCard(const PlayerRecord& player,
                             const CardTables& tables,
                             const std::string& picture,
                             const std::string& headerText,
                             const std::string& footerText);
// The table form reads header.txt and footer.txt of the data folder; a missing one ends the
// command with the file's error.
std::string tableCard(const PlayerRecord& player,
                      const CardTables& tables,
                      const CardOptions& options,
                      const std::string& picture,
                      const std::string& headerText,
                      const std::string& footerText);

// Copies blank.bmp from the data folder into the card folder unless the folder holds one.
void copyBlankPicture(const std::filesystem::path& dataDirectory, const std::filesystem::path& folder);

// Writes one player's card into the folder (named CardFileName), replacing it; a player whose
// tables are all empty gets none. Returns the file written, or an empty path. A photo failure is
// shown through the interaction and the card is still written.
std::filesystem::path writeCard(const League& league,
                                const LeagueIndex& index,
                                const PlayerRecord& player,
                                const CardOptions& options,
                                const std::filesystem::path& folder,
                                Interaction& interaction);

// The cards of every player of a team (255: the free agents), with blank.bmp copied. Returns
// the cards written (a player without a season of history has none).
std::vector<std::filesystem::path> writeTeamCards(const League& league,
                                                  const LeagueIndex& index,
                                                  int team,
                                                  const CardOptions& options,
                                                  const std::filesystem::path& folder,
                                                  Interaction& interaction);
// The cards of every team in turn and then of the free agents, the progress advancing per team.
std::vector<std::filesystem::path> writeAllCards(const League& league,
                                                 const LeagueIndex& index,
                                                 const CardOptions& options,
                                                 const std::filesystem::path& folder,
                                                 Interaction& interaction,
                                                 Progress& progress);

}  // namespace zt::reports
