#pragma once

#include <QDialog>
#include <memory>
#include <vector>

#include "reports/html_export_settings.h"
#include "reports/report_table.h"
#include "reports/standings.h"

namespace Ui {
class Tstandfrm;
}

namespace zt {
class League;
}

namespace zt::reports::ui {

class ReportTableModel;
struct ReportServices;

// The "League Standings" window: the divisions' standings counted from the game scores.
// Controls: the "Teams listed by" radio buttons rbname, rbcity and rbboth, cblinks ("HTML Links"),
// btdivcolor ("Division line color"), one check box per column cbcol1 .. cbcol20 (captioned like
// its column), the table gridstand (captions can be dragged, "Team" stays first), and bthtml,
// btcsv, btsettings, btclose.
class Tstandfrm : public QDialog {
    Q_OBJECT

public:
    Tstandfrm(const League& league, const ReportServices& services, QWidget* parent = nullptr);
    ~Tstandfrm() override;

    const ReportTable& table() const { return m_table; }
    const HtmlExportSettings& htmlSettings() const { return m_html; }
    StandingsOptions standingsOptions() const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void connectControls();
    void recompute();
    void refill();
    void moveColumn(int from, int to);
    void chooseDivisionColor();
    void exportHtml();
    void exportCsv();
    void settingsDialog();

    std::unique_ptr<::Ui::Tstandfrm> m_ui;
    const League& m_league;
    const ReportServices& m_services;
    std::vector<tteamstats> m_teams;
    Captions m_captions = standingsCaptions();
    Color m_divisionColor = 0x008000;
    ReportTable m_table;
    ReportTableModel* m_model = nullptr;
    HtmlExportSettings m_html = standingsHtmlSettings();
    bool m_shownOnce = false;
};

}  // namespace zt::reports::ui
