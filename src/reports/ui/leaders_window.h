#pragma once

#include <QDialog>
#include <memory>

#include "reports/html_export_settings.h"
#include "reports/leaders.h"
#include "reports/leaders_page.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace zt {
class League;
struct EditorSettings;
}  // namespace zt

namespace zt::reports {
class LeagueIndex;
}

namespace zt::reports::ui {

class ReportTableModel;
class ReportTableView;
struct ReportServices;

// The "Leaders" window: players or team totals ranked in one category over a year or a range,
// and pages of such tables in rows, recorded as templates (.lea) and replayed. Controls:
// edityears, cblevel, rbbatting, rbpitching, cbstat, cbsort, cbteam, cbleague, cblisted,
// cbqualify, cblinks, editcolumns, cbboldpos, cbboldteam, cbboldvalue, btheadercolor,
// btrowscolor, grid, memolayout, bthtmlsettings, btnewpage, btaddpage, btsavetemplate,
// btloadtemplate, btclose. The two colours are kept in the settings "leadersH" and "leadersR".
class Tleadersfrm : public QDialog {
    Q_OBJECT

public:
    Tleadersfrm(const League& league,
                EditorSettings& settings,
                const ReportServices& services,
                QWidget* parent = nullptr);
    ~Tleadersfrm() override;

    const ReportTable& table() const { return m_table; }
    const LeadersPage& page() const { return m_page; }
    const HtmlExportSettings& htmlSettings() const { return m_html; }

    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildControls();
    void fillStats();
    LeadersSelection selection() const;
    LeadersDisplay display() const;
    void recompute();
    void resort();
    void redisplay();
    void chooseColor(bool header);
    void openLink(int tableRow);
    void editHtmlSettings();
    void saveNewPage();
    void addToPage();
    bool startPage();
    void appendToPage();
    void saveTemplate();
    void loadTemplate();
    void showLayout();
    void showSelection(const LeadersSelection& selection, const LeadersDisplay& display);

    const League& m_league;
    EditorSettings& m_settings;
    const ReportServices& m_services;
    std::unique_ptr<LeagueIndex> m_index;
    LeaderCandidates m_candidates;
    bool m_computed = false;
    ReportTable m_table;
    HtmlExportSettings m_html = leadersHtmlSettings();
    LeadersPage m_page;
    bool m_shownOnce = false;
    bool m_closed = false;

    QLineEdit* m_years = nullptr;
    QComboBox* m_level = nullptr;
    QRadioButton* m_batting = nullptr;
    QRadioButton* m_pitching = nullptr;
    QComboBox* m_stat = nullptr;
    QComboBox* m_direction = nullptr;
    QComboBox* m_team = nullptr;
    QComboBox* m_leagues = nullptr;
    QComboBox* m_listed = nullptr;
    QCheckBox* m_qualify = nullptr;
    QCheckBox* m_links = nullptr;
    QSpinBox* m_columns = nullptr;
    QCheckBox* m_boldPos = nullptr;
    QCheckBox* m_boldTeam = nullptr;
    QCheckBox* m_boldValue = nullptr;
    QPushButton* m_addPage = nullptr;
    QPushButton* m_saveTemplate = nullptr;
    QPlainTextEdit* m_layout = nullptr;
    ReportTableView* m_grid = nullptr;
    ReportTableModel* m_model = nullptr;
};

}  // namespace zt::reports::ui
