#include "ratings/ui/csv_import_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QStandardItemModel>
#include <QTableView>
#include <QVBoxLayout>

#include "league/error.h"
#include "league/file_io.h"
#include "league/interaction.h"
#include "league/league.h"
#include "league/numbers.h"
#include "league/progress.h"
#include "league/ui/command_boundary.h"
#include "league/ui/qt_text.h"
#include "ratings/csv_columns.h"
#include "ratings/import_factors.h"

namespace zt::ui {

namespace {

constexpr int kFirstYear = 1884;
constexpr int kLastYear = 2000;

QLineEdit* numberBox(const char* name) {
    auto* box = new QLineEdit;
    box->setObjectName(QString::fromLatin1(name));
    box->setMaximumWidth(80);
    return box;
}

QCheckBox* checkBox(const char* name, const char* caption, bool checked) {
    auto* box = new QCheckBox(QString::fromLatin1(caption));
    box->setObjectName(QString::fromLatin1(name));
    box->setChecked(checked);
    return box;
}

QPushButton* button(const char* name, const char* caption) {
    auto* b = new QPushButton(QString::fromLatin1(caption));
    b->setObjectName(QString::fromLatin1(name));
    return b;
}

double boxValue(const QLineEdit* box) {
    return parseFloat(box->text().toStdString());
}

}  // namespace

// The progress bar and status label of the window; they repaint while the import runs, a few
// times a second at most, so that a large file is not slowed down by painting.
class Tcsvimportfrm::StatusProgress final : public Progress {
public:
    StatusProgress(QProgressBar* bar, QLabel* label) : m_bar(bar), m_label(label) { m_clock.start(); }

    void setRange(int minimum, int maximum) override {
        m_bar->setRange(minimum, maximum);
        repaint(true);
    }
    void setValue(int value) override {
        m_bar->setValue(value);
        repaint(value == m_bar->maximum());
    }
    void setLabel(const std::string& label) override {
        m_label->setText(QString::fromStdString(label));
        repaint(true);
    }
    bool cancelled() const override { return false; }

private:
    void repaint(bool now) {
        if (now || m_clock.elapsed() >= 50) {
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
            m_clock.restart();
        }
    }

    QProgressBar* m_bar;
    QLabel* m_label;
    QElapsedTimer m_clock;
};

Tcsvimportfrm::Tcsvimportfrm(League& league,
                             const LeagueConstants& constants,
                             std::filesystem::path dataDirectory,
                             CsvImportMemory& memory,
                             Interaction& interaction,
                             QWidget* parent)
    : QDialog(parent),
      m_league(league),
      m_constants(constants),
      m_dataDirectory(std::move(dataDirectory)),
      m_memory(memory),
      m_interaction(interaction) {
    setObjectName(QStringLiteral("Tcsvimportfrm"));
    setWindowTitle(QStringLiteral("CSV Import"));
    buildControls();
    m_statusProgress = std::make_unique<StatusProgress>(m_progress, m_status);
    const auto shownThrough = [this]() -> Interaction& { return m_interaction; };
    connect(m_standard, &QPushButton::clicked, this, commandSlot(shownThrough, [this] { standardImport(); }));
    connect(m_importTeam, &QPushButton::clicked, this, commandSlot(shownThrough, [this] { importTeamClicked(); }));
    connect(m_close, &QPushButton::clicked, this, &QDialog::close);
    connect(m_grid, &QTableView::clicked, this, [this](const QModelIndex& index) { selectTeamRow(index.row()); });

    runCommand(m_interaction, [this] { loadFactors(); });
    for (const TeamListEntry& entry : m_league.teamNameList) {
        m_destination->addItem(fromLeagueText(entry.text), entry.teamNumber);
    }
    if (const PlayerRecord* current = m_league.currentPlayer) {
        const int index = m_destination->findData(static_cast<int>(current->teamIndex()));
        m_destination->setCurrentIndex(index >= 0 ? index : 0);
    }
    runCommand(m_interaction, [this] { loadTeams(); });
    m_endurance->setCurrentIndex(0);
}

Tcsvimportfrm::~Tcsvimportfrm() = default;

void Tcsvimportfrm::buildControls() {
    auto* layout = new QVBoxLayout(this);

    auto* options = new QGroupBox(QStringLiteral("Options"));
    auto* optionsLayout = new QVBoxLayout(options);
    m_create = checkBox("cbcreate", "Create not found players", true);
    m_recalcBatting = checkBox("cbrecalcbat", "Recalculate batting averages if player exists", false);
    m_recalcPitching = checkBox("cbrecalcpit", "Recalculate pitches averages if player exists", false);
    m_lahman = checkBox("cblahman", "Lahman Position Convention", true);
    m_noCheck = checkBox("cbnocheck", "Do not check for existing players", false);
    for (QCheckBox* box : {m_create, m_recalcBatting, m_recalcPitching, m_lahman, m_noCheck}) {
        optionsLayout->addWidget(box);
    }
    m_standard = button("btstandard", "Standard CSV Import");
    optionsLayout->addWidget(m_standard);
    layout->addWidget(options);

    auto* team = new QGroupBox(QStringLiteral("Lahman Conversion"));
    auto* teamLayout = new QGridLayout(team);
    m_grid = new QTableView;
    m_grid->setObjectName(QStringLiteral("gridteams"));
    m_gridModel = new QStandardItemModel(m_grid);
    m_grid->setModel(m_gridModel);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->verticalHeader()->hide();
    m_grid->setMinimumHeight(200);
    teamLayout->addWidget(m_grid, 0, 0, 1, 2);

    auto* form = new QFormLayout;
    m_destination = new QComboBox;
    m_destination->setObjectName(QStringLiteral("cbdestination"));
    form->addRow(QStringLiteral("Destination team"), m_destination);
    m_year = new QSpinBox;
    m_year->setObjectName(QStringLiteral("edityear"));
    m_year->setRange(kFirstYear, kLastYear);
    m_year->setValue(kLastYear);
    form->addRow(QStringLiteral("Year"), m_year);
    m_selectedTeam = new QLineEdit;
    m_selectedTeam->setObjectName(QStringLiteral("editselectedteam"));
    m_selectedTeam->setReadOnly(true);
    form->addRow(QStringLiteral("Selected Team"), m_selectedTeam);
    m_endurance = new QComboBox;
    m_endurance->setObjectName(QStringLiteral("cbendurance"));
    m_endurance->addItems({QStringLiteral("Career stats"), QStringLiteral("Imported year stats")});
    form->addRow(QStringLiteral("Endurance based on"), m_endurance);
    teamLayout->addLayout(form, 1, 0);

    auto* factors = new QFormLayout;
    m_minAb = numberBox("editminab");
    m_minIp = numberBox("editminip");
    m_abpi = numberBox("editabpi");
    m_waf = numberBox("editwaf");
    m_baf = numberBox("editbaf");
    m_ecf = numberBox("editecf");
    factors->addRow(QStringLiteral("Min ab"), m_minAb);
    factors->addRow(QStringLiteral("Min ip"), m_minIp);
    factors->addRow(QStringLiteral("ABPI"), m_abpi);
    factors->addRow(QStringLiteral("WAF"), m_waf);
    factors->addRow(QStringLiteral("BAF"), m_baf);
    factors->addRow(QStringLiteral("ECF"), m_ecf);
    teamLayout->addLayout(factors, 1, 1);
    m_perf600 = checkBox("cbperf600", "Perf. Batting 600 ab", false);
    m_perf800 = checkBox("cbperf800", "Perf. Pitching 800 ab", false);
    teamLayout->addWidget(m_perf600, 2, 0);
    teamLayout->addWidget(m_perf800, 2, 1);
    m_importTeam = button("btimportteam", "Import Team");
    teamLayout->addWidget(m_importTeam, 3, 0, 1, 2);
    layout->addWidget(team);

    m_progress = new QProgressBar;
    m_progress->setObjectName(QStringLiteral("progressbar"));
    m_status = new QLabel;
    m_status->setObjectName(QStringLiteral("lblstatus"));
    QFont large = m_status->font();
    large.setPointSize(large.pointSize() + 6);
    large.setBold(true);
    m_status->setFont(large);
    layout->addWidget(m_progress);
    layout->addWidget(m_status);
    showProgress(false);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    m_close = button("btclose", "Close");
    buttons->addWidget(m_close);
    layout->addLayout(buttons);
}

void Tcsvimportfrm::showProgress(bool shown) {
    m_progress->setVisible(shown);
    m_status->setVisible(shown);
}

void Tcsvimportfrm::loadFactors() {
    const ImportFactors factors = readImportFactors(factorsFile(m_dataDirectory)).value_or(ImportFactors{});
    const std::pair<QLineEdit*, double> boxes[] = {{m_minAb, factors.minAb},
                                                   {m_minIp, factors.minIp},
                                                   {m_abpi, factors.abpi},
                                                   {m_waf, factors.waf},
                                                   {m_baf, factors.baf},
                                                   {m_ecf, factors.ecf}};
    for (const auto& [box, value] : boxes) {
        box->setText(QString::fromStdString(FormatShort(value)));
    }
}

void Tcsvimportfrm::loadTeams() {
    m_teams = readTeamMaster(databaseFolder(m_dataDirectory));
    const CsvText& csv = m_teams->csv;
    std::size_t columns = 0;
    for (std::size_t r = 0; r < csv.recordCount(); ++r) {
        columns = std::max(columns, csv.valueCount(r));
    }
    m_gridModel->setColumnCount(static_cast<int>(columns));
    for (std::size_t c = 0; c < csv.valueCount(0); ++c) {
        m_gridModel->setHeaderData(static_cast<int>(c), Qt::Horizontal, QString::fromUtf8(csv.value(0, c)));
    }
    for (std::size_t r = 1; r < csv.recordCount(); ++r) {
        QList<QStandardItem*> row;
        for (std::size_t c = 0; c < columns; ++c) {
            row.append(new QStandardItem(c < csv.valueCount(r) ? QString::fromUtf8(csv.value(r, c)) : QString()));
        }
        m_gridModel->appendRow(row);
    }
    m_grid->setColumnHidden(0, true);
    m_grid->setColumnHidden(1, true);
}

void Tcsvimportfrm::selectTeamRow(int row) {
    if (!m_teams || row < 0 || row >= static_cast<int>(m_teams->teams.size())) {
        return;
    }
    m_selectedRow = row;
    const TeamMasterEntry& team = m_teams->teams[static_cast<std::size_t>(row)];
    m_year->setRange(team.firstYear, std::max(team.firstYear, team.lastYear));
    m_selectedTeam->setText(QString::fromStdString(team.name));
    m_grid->selectRow(row);
}

ImportFactors Tcsvimportfrm::factorsFromBoxes() const {
    return ImportFactors{
        boxValue(m_minAb), boxValue(m_minIp), boxValue(m_abpi), boxValue(m_waf), boxValue(m_baf), boxValue(m_ecf)};
}

CsvImportOptions Tcsvimportfrm::optionsFromBoxes() const {
    CsvImportOptions options;
    options.createPlayers = m_create->isChecked();
    options.recalcBatting = m_recalcBatting->isChecked();
    options.recalcPitching = m_recalcPitching->isChecked();
    options.lahmanPositions = m_lahman->isChecked();
    options.noCheck = m_noCheck->isChecked();
    options.destination = m_destination->currentIndex() <= 0 ? 255 : m_destination->currentData().toInt();
    return options;
}

void Tcsvimportfrm::standardImport() {
    const QString file = m_chooseFile ? m_chooseFile() : QString();
    if (file.isEmpty()) {
        return;
    }
    const CsvColumns columns = CsvColumns::read(leagueFilePath(m_dataDirectory, "csvcols.txt"));
    CsvImportContext context{
        m_league, columns, m_constants, factorsFromBoxes(), m_memory, m_interaction, *m_statusProgress};
    showProgress(true);
    CsvImportCounts counts;
    try {
        counts = importCsvFile(toPath(file), optionsFromBoxes(), context);
    } catch (...) {
        // Rows before the failing one stay imported: the main window shows them.
        showProgress(false);
        Q_EMIT imported();
        throw;
    }
    Q_EMIT imported();
    m_status->setText(QStringLiteral("Import done"));
    m_interaction.information(importCountsMessage(counts));
}

void Tcsvimportfrm::importTeamClicked() {
    m_noCheck->setChecked(true);
    if (m_selectedTeam->text().isEmpty() || !m_teams || m_selectedRow < 0) {
        return;
    }
    const CsvColumns columns = CsvColumns::read(leagueFilePath(m_dataDirectory, "csvcols.txt"));
    CsvImportContext context{
        m_league, columns, m_constants, factorsFromBoxes(), m_memory, m_interaction, *m_statusProgress};
    TeamImportRequest request;
    request.team = m_teams->teams[static_cast<std::size_t>(m_selectedRow)];
    request.year = m_year->value();
    request.destination = optionsFromBoxes().destination;
    request.settings.endurance =
        m_endurance->currentIndex() == 1 ? EnduranceBase::ImportedYearStats : EnduranceBase::CareerStats;
    request.settings.battingTo600 = m_perf600->isChecked();
    request.settings.pitchingTo800 = m_perf800->isChecked();
    if (request.year >= request.team.firstYear && request.year <= request.team.lastYear) {
        showProgress(true);
    }
    TeamImportResult result;
    try {
        result = importTeam(databaseFolder(m_dataDirectory), request, context);
    } catch (...) {
        showProgress(false);
        Q_EMIT imported();
        throw;
    }
    showProgress(false);
    Q_EMIT imported();
    m_interaction.information(teamImportMessage(result));
}

void Tcsvimportfrm::saveFactors() {
    writeImportFactors(factorsFile(m_dataDirectory), factorsFromBoxes());
}

void Tcsvimportfrm::done(int result) {
    if (!m_factorsSaved) {
        m_factorsSaved = true;
        runCommand(m_interaction, [this] { saveFactors(); });
    }
    QDialog::done(result);
}

}  // namespace zt::ui
