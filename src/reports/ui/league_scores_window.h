#pragma once

#include <QDialog>
#include <memory>

#include "reports/html_export_settings.h"
#include "reports/league_scores.h"

namespace Ui {
class Tleaguescoresfrm;
}

namespace zt {
class League;
}

namespace zt::reports::ui {

struct ReportServices;

// The "Leagues Scores" window: the dates `startdate` and `enddate` (the days of the schedule),
// `links` ("Links to teams pages") and `cbbox` (no, newspaper or complete box scores); "HTML
// Settings" chooses the header and footer files, "Generate HTML Page" asks for the page and writes
// it. The league must have a schedule: the constructor refuses one without.
class Tleaguescoresfrm : public QDialog {
    Q_OBJECT

public:
    Tleaguescoresfrm(const League& league, const ReportServices& services, QWidget* parent = nullptr);
    ~Tleaguescoresfrm() override;

    // The page's options as the controls and the settings give them.
    LeagueScoresOptions options() const;
    const HtmlExportSettings& htmlSettings() const { return m_html; }

    void generate();

private:
    void settingsDialog();

    std::unique_ptr<::Ui::Tleaguescoresfrm> m_ui;
    const League& m_league;
    const ReportServices& m_services;
    HtmlExportSettings m_html;
};

}  // namespace zt::reports::ui
