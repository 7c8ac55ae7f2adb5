#include "reports/ui/standings_window.h"

#include <QCheckBox>

#include "league/league.h"
#include "league/ui/busy_cursor.h"
#include "league/ui/command_boundary.h"
#include "league/ui/qt_text.h"
#include "reports/report_files.h"
#include "reports/table_writers.h"
#include "reports/ui/html_settings_dialog.h"
#include "reports/ui/report_save_dialog.h"
#include "reports/ui/report_services.h"
#include "reports/ui/report_table_model.h"
#include "ui_standings_window.h"

namespace zt::reports::ui {

namespace {

QCheckBox* columnBox(const QDialog& window, int column) {
    return window.findChild<QCheckBox*>(QStringLiteral("cbcol%1").arg(column));
}

}  // namespace

Tstandfrm::Tstandfrm(const League& league, const ReportServices& services, QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<::Ui::Tstandfrm>()), m_league(league), m_services(services) {
    m_ui->setupUi(this);
    m_model = new ReportTableModel(this);
    m_ui->gridstand->setReportModel(m_model);
    m_ui->gridstand->setColumnsMovable(true, 1);
    for (auto* button : findChildren<QPushButton*>()) {
        button->setAutoDefault(false);
    }
    recompute();
    connectControls();
}

Tstandfrm::~Tstandfrm() = default;

void Tstandfrm::showEvent(QShowEvent* event) {
    if (!m_shownOnce) {
        m_shownOnce = true;
        m_html.headerFile = leagueHeaderFile(m_league);
        m_html.footerFile = leagueFooterFile(m_league);
    }
    QDialog::showEvent(event);
}

void Tstandfrm::connectControls() {
    for (QRadioButton* button : {m_ui->rbname, m_ui->rbcity, m_ui->rbboth}) {
        connect(button, &QRadioButton::clicked, this, &Tstandfrm::recompute);
    }
    connect(m_ui->cblinks, &QCheckBox::clicked, this, &Tstandfrm::recompute);
    for (int column = 1; column < kStandingsColumns; ++column) {
        connect(columnBox(*this, column), &QCheckBox::toggled, this, &Tstandfrm::refill);
    }
    connect(m_ui->btdivcolor, &QPushButton::clicked, this, &Tstandfrm::chooseDivisionColor);
    connect(m_ui->gridstand, &ReportTableView::columnMoved, this, &Tstandfrm::moveColumn);
    connect(m_ui->bthtml, &QPushButton::clicked, this, &Tstandfrm::exportHtml);
    connect(m_ui->btcsv, &QPushButton::clicked, this, &Tstandfrm::exportCsv);
    connect(m_ui->btsettings, &QPushButton::clicked, this, &Tstandfrm::settingsDialog);
    connect(m_ui->btclose, &QPushButton::clicked, this, &QDialog::reject);
}

StandingsOptions Tstandfrm::standingsOptions() const {
    StandingsOptions options;
    options.listedBy = m_ui->rbname->isChecked()   ? TeamsListedBy::Name
                       : m_ui->rbboth->isChecked() ? TeamsListedBy::Both
                                                   : TeamsListedBy::City;
    options.links = m_ui->cblinks->isChecked();
    options.divisionLineColor = m_divisionColor;
    options.captions = m_captions;
    // The boxes follow the built-in order of the columns whatever order they are shown in.
    for (int column = 1; column < kStandingsColumns; ++column) {
        const QCheckBox* box = columnBox(*this, column);
        if (box->isChecked() && box->isEnabled()) {
            options.shown.push_back(standingsCaptions()[static_cast<std::size_t>(column)]);
        }
    }
    return options;
}

void Tstandfrm::recompute() {
    zt::ui::runCommand(*m_services.interaction, [this] {
        m_teams = computeStandings(m_league);
        refill();
    });
}

// Column boxes, moves and the division colour only show the same standings differently.
void Tstandfrm::refill() {
    zt::ui::runCommand(*m_services.interaction, [this] {
        m_table = standingsTable(m_league, m_teams, standingsOptions());
        QStringList captions;
        for (const auto& caption : m_captions) {
            captions << QString::fromLatin1(caption.c_str());
        }
        m_model->setTable(&m_table);
        m_model->setCaptions(captions);
        m_ui->gridstand->resizeColumnsToContents();
    });
}

void Tstandfrm::moveColumn(int from, int to) {
    moveCaption(m_captions, from, to);
    refill();
}

void Tstandfrm::chooseDivisionColor() {
    if (!m_services.chooseColor) {
        return;
    }
    if (const auto chosen = m_services.chooseColor(this, zt::ui::toQColor(m_divisionColor))) {
        m_divisionColor = zt::ui::toStoredColor(*chosen);
        refill();
    }
}

void Tstandfrm::exportHtml() {
    const QString file = m_services.saveDialog->chooseHtml(this);
    if (file.isEmpty()) {
        return;
    }
    zt::ui::runCommand(*m_services.interaction, [&] {
        zt::ui::BusyCursor busy;
        writeReportFile(zt::ui::toPath(file), standingsHtml(m_table, m_html));
    });
}

void Tstandfrm::exportCsv() {
    const QString file = m_services.saveDialog->chooseText(this);
    if (file.isEmpty()) {
        return;
    }
    zt::ui::runCommand(*m_services.interaction, [&] {
        zt::ui::BusyCursor busy;
        WriteTableCsv(m_table, zt::ui::toPath(file), false);
    });
}

void Tstandfrm::settingsDialog() {
    HtmlSettingsDialog dialog(
        m_html, HtmlSettingsDialog::AllGroups, m_services, [this] { previewTable(m_table, m_html, m_services); });
    dialog.exec();
}

}  // namespace zt::reports::ui
