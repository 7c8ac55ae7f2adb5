#include "reports/ui/team_performance_window.h"

#include <QHeaderView>

#include "league/league.h"
#include "league/progress.h"
#include "league/ui/busy_cursor.h"
#include "league/ui/command_boundary.h"
#include "league/ui/qt_text.h"
#include "reports/report_files.h"
#include "reports/table_writers.h"
#include "reports/team_performance.h"
#include "reports/ui/html_settings_dialog.h"
#include "reports/ui/report_save_dialog.h"
#include "reports/ui/report_services.h"
#include "reports/ui/report_table_model.h"
#include "ui_team_performance_window.h"

namespace zt::reports::ui {

Tteamperffrm::Tteamperffrm(const League& league, const ReportServices& services, QWidget* parent)
    : QDialog(parent),
      m_ui(std::make_unique<::Ui::Tteamperffrm>()),
      m_league(league),
      m_services(services),
      m_html(teamPerformanceHtmlSettings()) {
    m_ui->setupUi(this);
    m_model = new ReportTableModel(this);
    m_ui->gridperf->setReportModel(m_model);
    m_ui->gridperf->setFixedColumn(true);
    for (auto* button : findChildren<QPushButton*>()) {
        button->setAutoDefault(false);
    }
    for (int t = 0; t < league.teamCount(); ++t) {
        m_ui->cbteam->addItem(zt::ui::fromLeagueText(league.teamAbbrev(t)));
    }
    m_ui->editdesc->setText(QString::fromLatin1(kDefaultPerformanceDescription.data(),
                                                static_cast<qsizetype>(kDefaultPerformanceDescription.size())));
    recount();
    connect(m_ui->cbteam, &QComboBox::currentIndexChanged, this, &Tteamperffrm::recount);
    connect(m_ui->editdesc, &QLineEdit::textChanged, this, &Tteamperffrm::updatePrefix);
    connect(m_ui->gridperf->horizontalHeader(), &QHeaderView::sectionClicked, this, &Tteamperffrm::sortBy);
    connect(m_ui->btthishtml, &QPushButton::clicked, this, &Tteamperffrm::thisTeamHtml);
    connect(m_ui->btthiscsv, &QPushButton::clicked, this, &Tteamperffrm::thisTeamCsv);
    connect(m_ui->btallhtml, &QPushButton::clicked, this, &Tteamperffrm::allTeamsHtml);
    connect(m_ui->btallcsv, &QPushButton::clicked, this, &Tteamperffrm::allTeamsCsv);
    connect(m_ui->btsettings, &QPushButton::clicked, this, &Tteamperffrm::settingsDialog);
    connect(m_ui->btclose, &QPushButton::clicked, this, &QDialog::reject);
}

Tteamperffrm::~Tteamperffrm() = default;

void Tteamperffrm::showEvent(QShowEvent* event) {
    if (!m_shownOnce) {
        m_shownOnce = true;
        m_html.headerFile = leagueHeaderFile(m_league);
        m_html.footerFile = leagueFooterFile(m_league);
    }
    QDialog::showEvent(event);
}

int Tteamperffrm::team() const {
    return m_ui->cbteam->currentIndex();
}

std::string Tteamperffrm::description() const {
    return zt::ui::toLeagueText(m_ui->editdesc->text());
}

void Tteamperffrm::recount() {
    if (!m_league.isTeam(team())) {
        return;
    }
    zt::ui::runCommand(*m_services.interaction, [this] {
        m_table = teamPerformanceTable(m_league, team());
        updatePrefix();
        showTable();
    });
}

void Tteamperffrm::updatePrefix() {
    if (m_league.isTeam(team())) {
        m_html.prefixTags = teamPerformancePrefix(m_league, team(), description());
    }
}

void Tteamperffrm::showTable() {
    m_model->setTable(&m_table);
    m_ui->gridperf->resizeColumnsToContents();
    if (m_model->rowCount() > 0) {
        m_ui->gridperf->selectRow(0);
    }
}

void Tteamperffrm::sortBy(int column) {
    zt::ui::runCommand(*m_services.interaction, [this, column] {
        sortTeamPerformance(m_table, column);
        showTable();
    });
}

void Tteamperffrm::thisTeamHtml() {
    const QString file = m_services.saveDialog->chooseHtml(this);
    if (file.isEmpty()) {
        return;
    }
    zt::ui::runCommand(*m_services.interaction, [&] {
        zt::ui::BusyCursor busy;
        WriteTableHtml(m_table, m_html, zt::ui::toPath(file), false);
    });
}

void Tteamperffrm::thisTeamCsv() {
    const QString file = m_services.saveDialog->chooseCsv(this);
    if (file.isEmpty()) {
        return;
    }
    zt::ui::runCommand(*m_services.interaction, [&] {
        zt::ui::BusyCursor busy;
        writeReportFile(zt::ui::toPath(file),
                        teamPerformanceCsv(m_table, teamPerformanceTitle(m_league, team(), description())));
    });
}

void Tteamperffrm::allTeamsHtml() {
    const QString file = m_services.saveDialog->chooseHtml(this);
    if (file.isEmpty()) {
        return;
    }
    zt::ui::runCommand(*m_services.interaction, [&] {
        zt::ui::BusyCursor busy;
        NoProgress progress;
        writeReportFile(zt::ui::toPath(file), allTeamsPerformanceHtml(m_league, m_html, description(), progress));
    });
    recount();
}

void Tteamperffrm::allTeamsCsv() {
    const QString file = m_services.saveDialog->chooseCsv(this);
    if (file.isEmpty()) {
        return;
    }
    zt::ui::runCommand(*m_services.interaction, [&] {
        zt::ui::BusyCursor busy;
        NoProgress progress;
        writeReportFile(zt::ui::toPath(file), allTeamsPerformanceCsv(m_league, description(), progress));
    });
    recount();
}

void Tteamperffrm::settingsDialog() {
    HtmlSettingsDialog dialog(
        m_html, HtmlSettingsDialog::AllGroups, m_services, [this] { previewTable(m_table, m_html, m_services); });
    dialog.exec();
}

}  // namespace zt::reports::ui
