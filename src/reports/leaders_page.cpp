#include "reports/leaders_page.h"

#include <algorithm>
#include <array>

#include "league/error.h"
#include "league/file_io.h"
#include "league/league.h"
#include "league/numbers.h"
#include "reports/report_files.h"
#include "reports/table_writers.h"

namespace zt::reports {

namespace {

constexpr std::string_view kRowOpen = R"(<table border="0" cellspacing="8" width="0%"><tr><td>)";
constexpr int kEntryValues = 8;

std::array<int, kEntryValues> valuesOf(const LeadersTemplateEntry& e) {
    return {e.kind, e.category, e.qualify, e.level, e.team, e.league, e.direction, e.listed};
}

// The page text of a table with the header and footer files left out.
std::string tableOnly(const ReportTable& table, HtmlExportSettings settings) {
    settings.headerFile.clear();
    settings.footerFile.clear();
    return tableHtml(table, settings);
}

void checkEntry(const LeadersTemplateEntry& e, const League& league, const std::string& where) {
    const int categories = e.kind == 0 ? kBattingCategories : kPitchingCategories;
    const struct {
        const char* name;
        int value;
        int last;
    } checks[] = {{"category", e.category, categories - 1},
                  {"level", e.level, 3},
                  {"team", e.team, teamsTotalsItem(league)},
                  {"league", e.league, 2},
                  {"direction", e.direction, 1},
                  {"listed", e.listed, kListedAll}};
    for (const auto& check : checks) {
        if (check.value < 0 || check.value > check.last) {
            throw Error(where + ": the " + check.name + " " + std::to_string(check.value) +
                        " is not one of this league's (0 to " + std::to_string(check.last) + ")");
        }
    }
}

}  // namespace

std::string_view categoryName(bool pitching, int category) {
    const int last = (pitching ? kPitchingCategories : kBattingCategories) - 1;
    const auto c = static_cast<std::size_t>(std::clamp(category, 0, last));
    return pitching ? pitchingCategoryNames()[c] : battingCategoryNames()[c];
}

LeadersTemplateEntry templateEntry(const LeadersSelection& s, const LeadersDisplay& d) {
    return {
        s.pitching ? 1 : 0, d.category, d.qualify ? 1 : 0, s.level, s.team, s.league, d.ascending ? 1 : 0, d.listed};
}

bool applyTemplateEntry(const LeadersTemplateEntry& e, LeadersSelection& s, LeadersDisplay& d) {
    const bool pitching = e.kind != 0;
    const bool recompute = pitching != s.pitching || e.level != s.level || e.team != s.team || e.league != s.league;
    s.pitching = pitching;
    s.level = e.level;
    s.team = e.team;
    s.league = e.league;
    d.category = e.category;
    d.qualify = e.qualify == 1;
    d.ascending = e.direction == 1;
    d.listed = e.listed;
    return recompute;
}

std::string leadersTemplateText(const std::vector<LeadersTemplateEntry>& entries) {
    std::string text;
    for (const LeadersTemplateEntry& e : entries) {
        for (const int value : valuesOf(e)) {
            text += std::to_string(value);
            text += kLineEnd;
        }
    }
    return text;
}

void writeLeadersTemplate(const std::filesystem::path& file, const std::vector<LeadersTemplateEntry>& entries) {
    writeReportFile(file, leadersTemplateText(entries));
}

std::vector<LeadersTemplateEntry> readLeadersTemplate(const std::filesystem::path& file, const League& league) {
    const auto bytes = readFileBytes(file);
    const std::string lines = normalisedLines(std::string(bytes.begin(), bytes.end()));
    std::vector<int> values;
    std::size_t start = 0;
    int lineNumber = 0;
    while (start < lines.size()) {
        const std::size_t end = lines.find(kLineEnd, start);
        const std::string line = lines.substr(start, end - start);
        start = end + kLineEnd.size();
        ++lineNumber;
        try {
            values.push_back(parseInteger(line));
        } catch (const Error& error) {
            throw Error(file.string() + ": line " + std::to_string(lineNumber) + ": " + error.what());
        }
    }
    std::vector<LeadersTemplateEntry> entries;
    for (std::size_t i = 0; i + kEntryValues <= values.size(); i += kEntryValues) {
        LeadersTemplateEntry e{values[i],
                               values[i + 1],
                               values[i + 2],
                               values[i + 3],
                               values[i + 4],
                               values[i + 5],
                               values[i + 6],
                               values[i + 7]};
        checkEntry(e, league, file.string() + ": line " + std::to_string(i + 1));
        entries.push_back(e);
    }
    return entries;
}

void LeadersPage::start(const std::filesystem::path& file,
                        const ReportTable& table,
                        HtmlExportSettings& settings,
                        std::string_view years,
                        const LeadersTemplateEntry& entry,
                        std::string_view category) {
    settings.prefixTags =
        "<center><b>" + std::string(years) + " " + " leaders</b></center><center>" + std::string(kRowOpen);
    settings.suffixTags = "</td>";
    std::string text = wholeText(settings.headerFile) + tableOnly(table, settings);
    writeReportFile(file, text);
    m_file = file;
    m_text = std::move(text);
    m_rowCount = 1;
    m_entries = {entry};
    m_layout = {std::string(category)};
}

void LeadersPage::add(const ReportTable& table,
                      HtmlExportSettings& settings,
                      int columns,
                      const LeadersTemplateEntry& entry,
                      std::string_view category) {
    if (!started()) {
        return;
    }
    m_entries.push_back(entry);
    ++m_rowCount;
    const std::string previousPrefix = settings.prefixTags;
    settings.suffixTags = m_rowCount == columns ? "</td></table>" : "</td>";
    if (columns < m_rowCount) {
        settings.prefixTags = m_text + std::string(kRowOpen);
        m_rowCount = 1;
        m_layout.emplace_back(category);
    } else {
        settings.prefixTags = m_text + "<td>";
        m_layout.push_back("   " + std::string(category));
    }
    std::string text = tableOnly(table, settings);
    settings.prefixTags = previousPrefix;
    writeReportFile(m_file, text);
    m_text = std::move(text);
}

void LeadersPage::finish(const HtmlExportSettings& settings) {
    if (!started()) {
        return;
    }
    std::string text = m_text + "</td></table>" + wholeText(settings.footerFile);
    writeReportFile(m_file, text);
    m_text = std::move(text);
    m_file.clear();
}

void writeLeadersPageFromTemplate(const League& league,
                                  const LeagueIndex& index,
                                  const std::vector<LeadersTemplateEntry>& entries,
                                  const LeadersReplay& replay,
                                  const std::filesystem::path& page) {
    LeadersSelection selection;
    selection.years = replay.years;
    LeadersDisplay display = replay.display;
    HtmlExportSettings settings = replay.settings;
    LeadersPage builder;
    LeaderCandidates candidates;
    bool first = true;
    for (const LeadersTemplateEntry& entry : entries) {
        if (applyTemplateEntry(entry, selection, display) || first) {
            candidates = leaderCandidates(league, index, selection);
        }
        sortLeaders(candidates, display.category, display.ascending, display.qualify);
        const ReportTable table = leadersTable(league, candidates, selection, display);
        const std::string_view name = categoryName(selection.pitching, display.category);
        if (first) {
            builder.start(page, table, settings, replay.years, entry, name);
            first = false;
        } else {
            builder.add(table, settings, replay.columns, entry, name);
        }
    }
    builder.finish(settings);
}

}  // namespace zt::reports
