#include "reports/ui/rosters_stats_window.h"

#include <QFileInfo>
#include <QHeaderView>
#include <algorithm>

#include "league/interaction.h"
#include "league/league.h"
#include "league/numbers.h"
#include "league/ui/busy_cursor.h"
#include "league/ui/command_boundary.h"
#include "league/ui/photo_progress.h"
#include "league/ui/qt_text.h"
#include "players/editor_settings.h"
#include "reports/league_index.h"
#include "reports/report_files.h"
#include "reports/ui/html_settings_dialog.h"
#include "reports/ui/report_save_dialog.h"
#include "reports/ui/report_services.h"
#include "reports/ui/report_table_model.h"
#include "ui_rosters_stats_window.h"

namespace zt::reports::ui {

namespace {

constexpr int kRookieLevel = 3;

void fill(QComboBox* combo, const Captions& items) {
    for (const auto& item : items) {
        combo->addItem(QString::fromLatin1(item.c_str()));
    }
}

int clampedItem(int item, const Captions& items) {
    return item >= 0 && item < static_cast<int>(items.size()) ? item : 0;
}

}  // namespace

Tfrmstats::Tfrmstats(const League& league,
                     EditorSettings& settings,
                     std::filesystem::path dataDirectory,
                     const ReportServices& services,
                     QWidget* parent)
    : QDialog(parent),
      m_ui(std::make_unique<::Ui::Tfrmstats>()),
      m_league(league),
      m_index(std::make_unique<LeagueIndex>(league)),
      m_settings(settings),
      m_dataDirectory(std::move(dataDirectory)),
      m_services(services),
      m_battingOrder(battingCaptions()),
      m_pitchingOrder(pitchingCaptions()) {
    m_ui->setupUi(this);
    if (!m_dataDirectory.empty()) {
        m_battingOrder = readColumnOrder(m_dataDirectory / kBattingOrderFile, battingCaptions());
        m_pitchingOrder = readColumnOrder(m_dataDirectory / kPitchingOrderFile, pitchingCaptions());
    }
    m_battingModel = new ReportTableModel(this);
    m_pitchingModel = new ReportTableModel(this);
    m_ui->gridbat->setReportModel(m_battingModel);
    m_ui->gridpit->setReportModel(m_pitchingModel);
    m_ui->gridbat->setColumnsMovable(true);
    m_ui->gridpit->setColumnsMovable(true);
    for (auto* button : findChildren<QPushButton*>()) {
        button->setAutoDefault(false);
    }
    fillSelectors();
    refresh();
    connectControls();
}

Tfrmstats::~Tfrmstats() = default;

void Tfrmstats::fillSelectors() {
    for (int team = 0; team < m_league.teamCount(); ++team) {
        m_ui->cbteam->addItem(zt::ui::fromLeagueText(m_league.teamAbbrev(team)));
    }
    const PlayerRecord* current = m_league.currentPlayer;
    const int team = current != nullptr && m_league.isTeam(current->teamIndex()) ? current->teamIndex() : 0;
    m_ui->cbteam->setCurrentIndex(team);
    for (const char* level : {"Majors", "AAA", "AA", "Rookie"}) {
        m_ui->cblevel->addItem(QString::fromLatin1(level));
    }
    m_ui->edityears->setText(QString::number(m_league.seasonHeader.get(sh::seasonYear)));
    fill(m_ui->cbbsort, battingSortItems());
    fill(m_ui->cbpsort, pitchingSortItems());
    m_ui->cbbsort->setCurrentIndex(clampedItem(m_settings.batSort, battingSortItems()));
    m_ui->cbpsort->setCurrentIndex(clampedItem(m_settings.pitchSort, pitchingSortItems()));
    const auto header = zt::ui::toQColor(m_headerBackground);
    const auto text = zt::ui::toQColor(m_headerText);
    m_battingModel->setHeaderColors(header, text);
    m_pitchingModel->setHeaderColors(header, text);
}

void Tfrmstats::connectControls() {
    const auto refreshNow = [this] { refresh(); };
    connect(m_ui->cbteam, &QComboBox::currentIndexChanged, this, refreshNow);
    connect(m_ui->cblevel, &QComboBox::currentIndexChanged, this, refreshNow);
    connect(m_ui->edityears, &QLineEdit::returnPressed, this, refreshNow);
    for (QCheckBox* box :
         {m_ui->cbeachlevel, m_ui->cbzerogame, m_ui->cbmllinks, m_ui->cbminorlinks, m_ui->cbhtmltable}) {
        connect(box, &QCheckBox::clicked, this, refreshNow);
    }
    connect(m_ui->cbbsort, &QComboBox::currentIndexChanged, this, &Tfrmstats::sortTables);
    connect(m_ui->cbpsort, &QComboBox::currentIndexChanged, this, &Tfrmstats::sortTables);
    connect(m_ui->cbgrid, &QCheckBox::toggled, this, [this](bool on) {
        m_ui->gridbat->setShowGrid(on);
        m_ui->gridpit->setShowGrid(on);
    });
    connect(m_ui->cbfixed, &QCheckBox::toggled, this, [this](bool on) {
        m_ui->gridbat->setFixedColumn(on);
        m_ui->gridpit->setFixedColumn(on);
    });
    connect(m_ui->btheadercolor, &QPushButton::clicked, this, [this] { chooseColor(true); });
    connect(m_ui->bttextcolor, &QPushButton::clicked, this, [this] { chooseColor(false); });
    connect(
        m_ui->gridbat, &ReportTableView::columnMoved, this, [this](int from, int to) { moveColumn(false, from, to); });
    connect(
        m_ui->gridpit, &ReportTableView::columnMoved, this, [this](int from, int to) { moveColumn(true, from, to); });
    connect(m_ui->gridbat, &ReportTableView::linkActivated, this, [this](int row) { openLink(false, row); });
    connect(m_ui->gridpit, &ReportTableView::linkActivated, this, [this](int row) { openLink(true, row); });
    connect(m_ui->bthtmlsetting, &QPushButton::clicked, this, &Tfrmstats::htmlSettings);
    connect(m_ui->btthisteam, &QPushButton::clicked, this, &Tfrmstats::htmlThisTeam);
    connect(m_ui->btallteams, &QPushButton::clicked, this, &Tfrmstats::htmlAllTeams);
    connect(m_ui->btclose, &QPushButton::clicked, this, &QDialog::reject);
}

void Tfrmstats::showEvent(QShowEvent* event) {
    if (!m_shownOnce) {
        m_shownOnce = true;
        m_battingHtml.headerFile = leagueHeaderFile(m_league);
        m_battingHtml.footerFile = leagueFooterFile(m_league);
    }
    QDialog::showEvent(event);
}

RostersOptions Tfrmstats::options() const {
    RostersOptions o;
    o.team = m_ui->cbteam->currentIndex();
    o.level = m_ui->cblevel->currentIndex();
    o.years = zt::ui::toLeagueText(m_ui->edityears->text());
    o.listEachLevelPlayed = m_ui->cbeachlevel->isChecked();
    o.listZeroGames = m_ui->cbzerogame->isChecked();
    o.linkMajors = m_ui->cbmllinks->isChecked();
    o.linkMinors = m_ui->cbminorlinks->isChecked();
    o.battingSort = m_ui->cbbsort->currentIndex();
    o.pitchingSort = m_ui->cbpsort->currentIndex();
    o.battingOrder = m_battingOrder;
    o.pitchingOrder = m_pitchingOrder;
    return o;
}

RostersPageSettings Tfrmstats::pageSettings() const {
    RostersPageSettings s;
    s.options = options();
    s.headerBackground = m_headerBackground;
    s.headerText = m_headerText;
    s.htmlTable = m_ui->cbhtmltable->isChecked();
    s.headerFile = m_battingHtml.headerFile;
    s.footerFile = m_battingHtml.footerFile;
    return s;
}

// A years text that is no year or range stops here with its message; the tables keep what they
// showed.
void Tfrmstats::refresh() {
    const RostersOptions o = options();
    m_ui->lbcaption->setText(zt::ui::fromLeagueText(rostersCaption(m_league, o)));
    if (!m_league.isTeam(o.team)) {
        return;
    }
    zt::ui::runCommand(*m_services.interaction, [&] {
        m_tables = rostersTables(m_league, *m_index, o);
        showTables();
    });
}

void Tfrmstats::sortTables() {
    zt::ui::runCommand(*m_services.interaction, [this] {
        sortRostersTables(m_tables, m_ui->cbbsort->currentIndex(), m_ui->cbpsort->currentIndex());
        showTables();
    });
}

void Tfrmstats::showTables() {
    m_battingModel->setTable(&m_tables.batting);
    m_pitchingModel->setTable(&m_tables.pitching);
    m_ui->gridbat->resizeColumnsToContents();
    m_ui->gridpit->resizeColumnsToContents();
}

void Tfrmstats::moveColumn(bool pitching, int from, int to) {
    moveCaption(pitching ? m_pitchingOrder : m_battingOrder, from, to);
    refresh();
}

void Tfrmstats::chooseColor(bool background) {
    if (!m_services.chooseColor) {
        return;
    }
    Color& color = background ? m_headerBackground : m_headerText;
    if (const auto chosen = m_services.chooseColor(this, zt::ui::toQColor(color))) {
        color = zt::ui::toStoredColor(*chosen);
        const auto header = zt::ui::toQColor(m_headerBackground);
        const auto text = zt::ui::toQColor(m_headerText);
        m_battingModel->setHeaderColors(header, text);
        m_pitchingModel->setHeaderColors(header, text);
    }
}

void Tfrmstats::openLink(bool pitching, int tableRow) {
    const ReportTable& table = pitching ? m_tables.pitching : m_tables.batting;
    const int column = pitching ? kPitchingIndexColumn : kBattingIndexColumn;
    zt::ui::runCommand(*m_services.interaction, [&] {
        const int index = parseInteger(table.text(tableRow, column));
        if (index < 0 || index >= static_cast<int>(m_league.players.size())) {
            return;
        }
        if (m_services.openPlayer) {
            m_services.openPlayer(index);
        }
        if (m_services.openCard && !m_services.openCard(this, index)) {
            m_services.interaction->information("An error occurred. Not enough memory ?");
        }
    });
}

void Tfrmstats::htmlSettings() {
    HtmlSettingsDialog dialog(m_battingHtml, HtmlSettingsDialog::Files, m_services, [this] {
        previewTable(m_tables.batting, m_battingHtml, m_services);
    });
    dialog.exec();
}

void Tfrmstats::htmlThisTeam() {
    const QString file = m_services.saveDialog->chooseHtml(this);
    if (file.isEmpty()) {
        return;
    }
    zt::ui::runCommand(*m_services.interaction, [&] {
        zt::ui::BusyCursor busy;
        writeRostersTeamPage(m_league, *m_index, pageSettings(), m_ui->cbteam->currentIndex(), zt::ui::toPath(file));
    });
    afterPages();
}

void Tfrmstats::htmlAllTeams() {
    const QString start = QFileInfo(zt::ui::fromPath(m_league.selectedFile.string())).absolutePath();
    const QString folder = m_services.chooseFolder
                               ? m_services.chooseFolder(this, QStringLiteral("HTML for ALL teams"), start)
                               : QString();
    if (folder.isEmpty()) {
        return;
    }
    zt::ui::runCommand(*m_services.interaction, [&] {
        zt::ui::BusyCursor busy;
        zt::ui::Tphotoprogress progress(this);
        progress.setWindowTitle(QStringLiteral("HTML for ALL teams"));
        progress.showCentredOn(this);
        writeRostersAllTeams(m_league, *m_index, pageSettings(), zt::ui::toPath(folder), progress);
    });
    afterPages();
}

// Writing pages walks the levels and leaves the level selector on the last one.
void Tfrmstats::afterPages() {
    if (m_ui->cblevel->currentIndex() == kRookieLevel) {
        refresh();
    } else {
        m_ui->cblevel->setCurrentIndex(kRookieLevel);
    }
}

void Tfrmstats::done(int result) {
    if (!m_closed) {
        m_closed = true;
        m_settings.batSort = m_ui->cbbsort->currentIndex();
        m_settings.pitchSort = m_ui->cbpsort->currentIndex();
        if (!m_dataDirectory.empty()) {
            zt::ui::runCommand(*m_services.interaction, [this] {
                writeColumnOrder(m_dataDirectory / kBattingOrderFile, m_battingOrder);
                writeColumnOrder(m_dataDirectory / kPitchingOrderFile, m_pitchingOrder);
            });
        }
    }
    QDialog::done(result);
}

}  // namespace zt::reports::ui
