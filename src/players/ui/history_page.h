#pragma once

#include <QWidget>
#include <functional>
#include <memory>
#include <optional>

#include "players/history_lines.h"
#include "reports/html_export_settings.h"
#include "reports/report_table.h"

class QAction;
class QPushButton;
class QRadioButton;

namespace zt {
class Interaction;
class League;
}  // namespace zt

namespace zt::reports::ui {
struct ReportServices;
class ReportTableModel;
class ReportTableView;
}  // namespace zt::reports::ui

namespace zt::ui {

class HistoryEditGrid;
class QtInteraction;

// The history page ("His") of the player editor: the statistical history of the league's
// current player, one kind at a time ("Batting", "Pitching", "Fielding"). The summary grid lists
// the lines of that kind; the row made current is copied into the edit grid, whose values
// "Confirm changes" stores into the line. Lines are added and removed with the two buttons, and
// the summary grid's pop-up menu exports it ("Export to HTML", "HTML Options", "Export to CSV").
class HistoryPage : public QWidget {
    Q_OBJECT

public:
    explicit HistoryPage(QWidget* parent = nullptr);
    ~HistoryPage() override;

    // The league whose current player is shown; nullptr empties the page.
    void setLeague(League* league);
    // The league's header and footer files as HTML settings again (after the net league settings changed).
    void useLeagueHtmlFiles();
    // Messages, the shared save dialog and the HTML settings dialog's needs; read at each use.
    void setServices(std::function<reports::ui::ReportServices*()> services);

    // Fills the summary grid with the current player's lines of the chosen kind. The row that
    // was current stays current (the last row when there are fewer now), or the row of `line`
    // when one is given; it is copied into the edit grid.
    void showHistory(std::optional<int> line = std::nullopt);

    HistoryKind kind() const { return m_kind; }
    void setKind(HistoryKind kind);
    // The line being edited, -1 when there is none.
    int editedLine() const { return m_editedLine; }
    const reports::ReportTable& summaryTable() const { return m_table; }
    const reports::HtmlExportSettings& htmlSettings() const { return m_html; }

Q_SIGNALS:
    // A line was stored, added or removed: the league has changed.
    void historyEdited();

private:
    void buildControls();
    void editLine();
    void confirmLine();
    void addLine();
    void deleteLine();
    void sortBy(int column);
    void selectLineRow(std::optional<int> line, int fallbackRow);
    void exportHtml();
    void htmlOptions();
    void exportCsv();
    Interaction& interaction();
    template <class Command>
    void run(Command command);

    League* m_league = nullptr;
    HistoryKind m_kind = HistoryKind::Batting;
    int m_editedLine = -1;
    int m_sortColumn = -1;
    bool m_sortDescending = false;
    bool m_selecting = false;  // the page itself is making a row current
    reports::ReportTable m_table;
    reports::HtmlExportSettings m_html;
    std::function<reports::ui::ReportServices*()> m_services;
    std::unique_ptr<QtInteraction> m_ownInteraction;

    QRadioButton* m_kindButtons[3] = {};
    reports::ui::ReportTableModel* m_summaryModel = nullptr;
    reports::ui::ReportTableView* m_summary = nullptr;
    HistoryEditGrid* m_edit = nullptr;
    QPushButton* m_confirm = nullptr;
    QPushButton* m_add = nullptr;
    QPushButton* m_remove = nullptr;
};

}  // namespace zt::ui
