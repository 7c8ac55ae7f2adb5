#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "reports/html_export_settings.h"
#include "reports/leaders.h"
#include "reports/report_table.h"

namespace zt {
class League;
}

namespace zt::reports {

class LeagueIndex;

// One leader table of a page, as a template (.lea) keeps it: eight integers.
struct LeadersTemplateEntry {
    int kind = 0;  // 0 batting, otherwise pitching
    int category = 0;
    int qualify = 1;  // 1 on, otherwise off
    int level = 0;
    int team = kAllTeamsItem;
    int league = 0;
    int direction = 0;  // 0 descending, 1 ascending
    int listed = kDefaultListed;

    bool operator==(const LeadersTemplateEntry&) const = default;
};

// The entry of the table the selection and display make.
LeadersTemplateEntry templateEntry(const LeadersSelection& selection, const LeadersDisplay& display);
// Sets the selection and display from an entry; true when the candidates must be recomputed
// (kind, level, team or league changed), false when a re-sort is enough.
bool applyTemplateEntry(const LeadersTemplateEntry& entry, LeadersSelection& selection, LeadersDisplay& display);

// Each entry's eight values, one decimal integer per line ended by CR LF.
std::string leadersTemplateText(const std::vector<LeadersTemplateEntry>& entries);
void writeLeadersTemplate(const std::filesystem::path& file, const std::vector<LeadersTemplateEntry>& entries);
// Reads a template for this league. A value that is no integer, or a selector index this league
// has not, is refused with a message naming the file and the line; a last entry cut short is
// ignored.
std::vector<LeadersTemplateEntry> readLeadersTemplate(const std::filesystem::path& file, const League& league);

// A page of leader tables laid out in rows of `columns` tables, kept for a window's life. Each
// step rewrites the page file whole.
class LeadersPage {
public:
    // "Save to a new HTML page": the header file's text, the title of the years, a first row
    // holding this table. The settings keep the prefix and suffix tags it used.
    void start(const std::filesystem::path& file,
               const ReportTable& table,
               HtmlExportSettings& settings,
               std::string_view years,
               const LeadersTemplateEntry& entry,
               std::string_view categoryName);
    // "Add to the previous page": the table in the current row, or the first of a new row when
    // the row already holds `columns` tables.
    void add(const ReportTable& table,
             HtmlExportSettings& settings,
             int columns,
             const LeadersTemplateEntry& entry,
             std::string_view categoryName);
    // Closing the window: the last row is closed and the footer file's text added.
    void finish(const HtmlExportSettings& settings);

    bool started() const { return !m_file.empty(); }
    const std::filesystem::path& file() const { return m_file; }
    const std::string& text() const { return m_text; }
    const std::vector<LeadersTemplateEntry>& entries() const { return m_entries; }
    // The layout preview: one line per row, the categories of its tables.
    const std::vector<std::string>& layout() const { return m_layout; }

private:
    std::filesystem::path m_file;
    std::string m_text;
    int m_rowCount = 0;
    std::vector<LeadersTemplateEntry> m_entries;
    std::vector<std::string> m_layout;
};

// What a template replay needs besides the entries: the years and columns of the window, the
// look of the tables and their HTML settings.
struct LeadersReplay {
    std::string years;
    int columns = 3;
    LeadersDisplay display;
    HtmlExportSettings settings = leadersHtmlSettings();
};

// Replays the entries into a finished page at `page`: the first starts it, every other is added.
void writeLeadersPageFromTemplate(const League& league,
                                  const LeagueIndex& index,
                                  const std::vector<LeadersTemplateEntry>& entries,
                                  const LeadersReplay& replay,
                                  const std::filesystem::path& page);

std::string_view categoryName(bool pitching, int category);

}  // namespace zt::reports
