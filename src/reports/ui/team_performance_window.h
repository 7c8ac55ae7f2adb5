#pragma once

#include <QDialog>
#include <QString>
#include <memory>

#include "reports/html_export_settings.h"
#include "reports/report_table.h"

namespace Ui {
class Tteamperffrm;
}

namespace zt {
class League;
}

namespace zt::reports::ui {

class ReportTableModel;
struct ReportServices;

// The "Teams Performances" window: a team's record against every other team. Controls: cbteam
// ("Performance chart for "), editdesc ("Description"), the table gridperf (a click on a caption
// sorts by it), btthishtml and btthiscsv ("Save report for THIS team"), btallhtml and btallcsv
// ("Save report for ALL teams"), btsettings, btclose.
class Tteamperffrm : public QDialog {
    Q_OBJECT

public:
    Tteamperffrm(const League& league, const ReportServices& services, QWidget* parent = nullptr);
    ~Tteamperffrm() override;

    const ReportTable& table() const { return m_table; }
    const HtmlExportSettings& htmlSettings() const { return m_html; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    int team() const;
    std::string description() const;
    void recount();
    void updatePrefix();
    void showTable();
    void sortBy(int column);
    void thisTeamHtml();
    void thisTeamCsv();
    void allTeamsHtml();
    void allTeamsCsv();
    void settingsDialog();

    std::unique_ptr<::Ui::Tteamperffrm> m_ui;
    const League& m_league;
    const ReportServices& m_services;
    ReportTable m_table;
    ReportTableModel* m_model = nullptr;
    HtmlExportSettings m_html;
    bool m_shownOnce = false;
};

}  // namespace zt::reports::ui
