#pragma once

#include <QDialog>
#include <filesystem>
#include <memory>

#include "reports/html_export_settings.h"
#include "reports/rosters_pages.h"
#include "reports/rosters_stats.h"

namespace Ui {
class Tfrmstats;
}

namespace zt {
class League;
struct EditorSettings;
}  // namespace zt

namespace zt::reports {
class LeagueIndex;
}

namespace zt::reports::ui {

class ReportTableModel;
struct ReportServices;

// The "Stats" window: one team's summed batting and pitching statistics for one level and a
// range of years, and the team pages of one team or of every team. Controls: cbteam, cblevel,
// edityears, the check boxes cbeachlevel, cbzerogame, cbmllinks, cbminorlinks, cbhtmltable,
// cbgrid, cbfixed, the sort selectors cbbsort and cbpsort (kept in the settings "bsort" and
// "psort"), the colour buttons btheadercolor and bttextcolor, the caption label lbcaption, the
// tables gridbat and gridpit, and bthtmlsetting, btthisteam, btallteams, btclose. Column moves are
// kept in BatStOrder.ini and PitStOrder.ini of the editor's data folder when the window closes.
class Tfrmstats : public QDialog {
    Q_OBJECT

public:
    Tfrmstats(const League& league,
              EditorSettings& settings,
              std::filesystem::path dataDirectory,
              const ReportServices& services,
              QWidget* parent = nullptr);
    ~Tfrmstats() override;

    const RostersTables& tables() const { return m_tables; }
    const HtmlExportSettings& battingHtmlSettings() const { return m_battingHtml; }
    // What the page exports use: the controls' choices, the colours and the batting table's files.
    RostersPageSettings pageSettings() const;

    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void fillSelectors();
    void connectControls();
    RostersOptions options() const;
    void refresh();
    void sortTables();
    void showTables();
    void moveColumn(bool pitching, int from, int to);
    void chooseColor(bool background);
    void openLink(bool pitching, int tableRow);
    void htmlSettings();
    void htmlThisTeam();
    void htmlAllTeams();
    void afterPages();

    std::unique_ptr<::Ui::Tfrmstats> m_ui;
    const League& m_league;
    std::unique_ptr<LeagueIndex> m_index;
    EditorSettings& m_settings;
    std::filesystem::path m_dataDirectory;
    const ReportServices& m_services;
    Captions m_battingOrder;
    Captions m_pitchingOrder;
    RostersTables m_tables;
    ReportTableModel* m_battingModel = nullptr;
    ReportTableModel* m_pitchingModel = nullptr;
    HtmlExportSettings m_battingHtml;
    Color m_headerBackground = 0x808000;  // teal
    Color m_headerText = 0x000000;
    bool m_shownOnce = false;
    bool m_closed = false;
};

}  // namespace zt::reports::ui
