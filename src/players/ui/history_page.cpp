#include "players/ui/history_page.h"

#include <QAction>
#include <QButtonGroup>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QPushButton>
#include <QRadioButton>
#include <QScopedValueRollback>
#include <QVBoxLayout>

#include "league/league.h"
#include "league/ui/command_boundary.h"
#include "league/ui/qt_interaction.h"
#include "league/ui/qt_text.h"
#include "players/history_editing.h"
#include "players/ui/history_edit_grid.h"
#include "reports/history_report.h"
#include "reports/report_files.h"
#include "reports/table_writers.h"
#include "reports/ui/html_settings_dialog.h"
#include "reports/ui/report_save_dialog.h"
#include "reports/ui/report_services.h"
#include "reports/ui/report_table_model.h"
#include "reports/ui/report_table_view.h"

namespace zt::ui {

namespace {

QString latin1(std::string_view text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

HistoryPage::HistoryPage(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("historyeditor"));
    buildControls();
    setLeague(nullptr);
}

HistoryPage::~HistoryPage() = default;

void HistoryPage::buildControls() {
    auto* kinds = new QButtonGroup(this);
    auto* kindRow = new QHBoxLayout;
    static constexpr const char* kNames[] = {"rbbatting", "rbpitching", "rbfielding"};
    for (int k = 0; k < 3; ++k) {
        auto* button = new QRadioButton(latin1(historyKindCaption(static_cast<HistoryKind>(k))), this);
        button->setObjectName(QString::fromLatin1(kNames[k]));
        kinds->addButton(button, k);
        kindRow->addWidget(button);
        m_kindButtons[k] = button;
    }
    kindRow->addStretch(1);
    m_kindButtons[0]->setChecked(true);
    connect(
        kinds, &QButtonGroup::idClicked, this, [this](int id) { run([&] { setKind(static_cast<HistoryKind>(id)); }); });

    m_summaryModel = new reports::ui::ReportTableModel(this);
    m_summary = new reports::ui::ReportTableView(this);
    m_summary->setObjectName(QStringLiteral("gridhistory"));
    m_summary->setReportModel(m_summaryModel);
    m_summaryModel->setTable(&m_table);
    m_summary->horizontalHeader()->setSectionsClickable(true);
    // The cells are short numbers: narrow columns keep more of a line in view, without measuring
    // every cell at each fill.
    m_summary->horizontalHeader()->setDefaultSectionSize(fontMetrics().horizontalAdvance(QStringLiteral("00000.000")));
    m_summary->horizontalHeader()->setSortIndicatorShown(false);
    connect(m_summary->horizontalHeader(), &QHeaderView::sectionClicked, this, [this](int column) {
        run([&] { sortBy(column); });
    });
    connect(m_summary->selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this] {
        if (!m_selecting) {
            run([&] { editLine(); });
        }
    });

    m_summary->setContextMenuPolicy(Qt::ActionsContextMenu);
    const auto addExport = [this](const char* name, const QString& caption, void (HistoryPage::*slot)()) {
        auto* action = new QAction(caption, m_summary);
        action->setObjectName(QString::fromLatin1(name));
        m_summary->addAction(action);
        connect(action, &QAction::triggered, this, [this, slot] { run([&] { (this->*slot)(); }); });
    };
    addExport("HistoryExportHtml1", QStringLiteral("Export to HTML"), &HistoryPage::exportHtml);
    addExport("HistoryHtmlOptions1", QStringLiteral("HTML Options"), &HistoryPage::htmlOptions);
    addExport("HistoryExportCsv1", QStringLiteral("Export to CSV"), &HistoryPage::exportCsv);

    m_edit = new HistoryEditGrid(this);
    m_edit->setObjectName(QStringLiteral("gridedit"));
    m_edit->setMinimumHeight(m_edit->verticalHeader()->defaultSectionSize() * 12 + 4);

    m_confirm = new QPushButton(QStringLiteral("Confirm changes"), this);
    m_confirm->setObjectName(QStringLiteral("btconfirm"));
    m_add = new QPushButton(QStringLiteral("Add an history stats row"), this);
    m_add->setObjectName(QStringLiteral("btaddline"));
    m_remove = new QPushButton(QStringLiteral("Remove history stats row"), this);
    m_remove->setObjectName(QStringLiteral("btremoveline"));
    connect(m_confirm, &QPushButton::clicked, this, [this] { run([&] { confirmLine(); }); });
    connect(m_add, &QPushButton::clicked, this, [this] { run([&] { addLine(); }); });
    connect(m_remove, &QPushButton::clicked, this, [this] { run([&] { deleteLine(); }); });

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_confirm);
    buttons->addStretch(1);
    buttons->addWidget(m_add);
    buttons->addWidget(m_remove);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(kindRow);
    layout->addWidget(m_summary, 1);
    layout->addWidget(m_edit);
    layout->addLayout(buttons);
}

void HistoryPage::setServices(std::function<reports::ui::ReportServices*()> services) {
    m_services = std::move(services);
}

Interaction& HistoryPage::interaction() {
    reports::ui::ReportServices* services = m_services ? m_services() : nullptr;
    if (services != nullptr && services->interaction != nullptr) {
        return *services->interaction;
    }
    if (!m_ownInteraction) {
        m_ownInteraction = std::make_unique<QtInteraction>(this);
    }
    return *m_ownInteraction;
}

template <class Command>
void HistoryPage::run(Command command) {
    runCommand(interaction(), [&] { command(); });
}

void HistoryPage::setLeague(League* league) {
    m_league = league;
    m_html = {};
    if (league != nullptr) {
        // Like the report tables: the league's header and footer files until the user picks others.
        m_html.headerFile = reports::leagueHeaderFile(*league);
        m_html.footerFile = reports::leagueFooterFile(*league);
    }
    m_sortColumn = -1;
    showHistory();
}

void HistoryPage::useLeagueHtmlFiles() {
    if (m_league != nullptr) {
        m_html.headerFile = reports::leagueHeaderFile(*m_league);
        m_html.footerFile = reports::leagueFooterFile(*m_league);
    }
}

void HistoryPage::setKind(HistoryKind kind) {
    m_kind = kind;
    m_kindButtons[static_cast<int>(kind)]->setChecked(true);
    // Another kind has other columns: its grid starts in list order.
    m_sortColumn = -1;
    showHistory();
}

void HistoryPage::showHistory(std::optional<int> line) {
    const int previousRow = std::max(0, m_summary->currentIndex().row());
    const QStringList teams = [this] {
        QStringList items;
        if (m_league != nullptr) {
            for (const TeamListEntry& team : m_league->teamAbbrevList) {
                items << fromLeagueText(team.text);
            }
        }
        return items;
    }();
    if (m_edit->kind() != m_kind || m_edit->choices(2) != teams) {
        m_edit->setKind(m_kind, teams);
    }
    const StatHistory* history = m_league != nullptr ? m_league->currentHistory : nullptr;
    static const League kNoLeague;
    const bool showsPlayer = m_league != nullptr && m_league->currentPlayer != nullptr;
    m_table = historySummaryTable(showsPlayer ? *m_league : kNoLeague, showsPlayer ? history : nullptr, m_kind);
    if (m_sortColumn >= 0) {
        SortTable(m_table,
                  m_sortColumn,
                  m_sortDescending ? reports::SortDirection::Descending : reports::SortDirection::Ascending,
                  historySortKinds(m_kind));
    }
    m_summaryModel->reset();
    const bool editable = history != nullptr;
    m_confirm->setEnabled(editable);
    m_add->setEnabled(editable);
    m_remove->setEnabled(editable);
    selectLineRow(line, previousRow);
}

void HistoryPage::selectLineRow(std::optional<int> line, int fallbackRow) {
    int row = std::min(fallbackRow, m_summaryModel->rowCount() - 1);
    if (line) {
        const int indexColumn = historyIndexColumn(m_kind);
        for (int r = 1; r < m_table.rowCount(); ++r) {
            if (m_table.text(r, indexColumn) == std::to_string(*line)) {
                row = m_summaryModel->modelRow(r);
                break;
            }
        }
    }
    const QModelIndex target = m_summaryModel->index(std::max(row, 0), 0);
    {
        // The row is copied into the edit grid once, below, whether or not it changed.
        const QScopedValueRollback selecting(m_selecting, true);
        m_summary->selectionModel()->setCurrentIndex(target,
                                                     QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    }
    m_summary->scrollTo(target);
    editLine();
}

void HistoryPage::editLine() {
    const int modelRow = m_summary->currentIndex().row();
    const int tableRow = modelRow >= 0 ? m_summaryModel->tableRow(modelRow) : -1;
    const int indexColumn = historyIndexColumn(m_kind);
    if (tableRow < 1 || tableRow >= m_table.rowCount() || m_table.text(tableRow, indexColumn).empty()) {
        m_editedLine = -1;
        m_edit->clearCells();
        return;
    }
    m_editedLine = std::stoi(m_table.text(tableRow, indexColumn));
    QStringList cells;
    for (int c = 0; c < indexColumn; ++c) {
        cells << fromLeagueText(m_table.text(tableRow, c));
    }
    m_edit->setCells(cells);
}

void HistoryPage::confirmLine() {
    if (m_league == nullptr || m_league->currentHistory == nullptr) {
        return;
    }
    m_edit->commitOpenEditor();
    std::vector<std::string> cells;
    for (const QString& cell : m_edit->cells()) {
        cells.push_back(toLeagueText(cell));
    }
    const int line = m_editedLine;
    const auto shown = confirmHistoryLine(*m_league, *m_league->currentHistory, m_kind, line, cells);
    Q_EMIT historyEdited();
    if (shown) {
        showHistory(line);
    }
}

void HistoryPage::addLine() {
    if (m_league == nullptr || m_league->currentHistory == nullptr || m_league->currentPlayer == nullptr) {
        return;
    }
    const int line = addHistoryLine(*m_league, *m_league->currentHistory, m_kind, *m_league->currentPlayer);
    Q_EMIT historyEdited();
    showHistory(line);
}

void HistoryPage::deleteLine() {
    if (m_league == nullptr || m_league->currentHistory == nullptr) {
        return;
    }
    if (deleteHistoryLine(*m_league, *m_league->currentHistory, m_kind, m_editedLine, interaction())) {
        Q_EMIT historyEdited();
        showHistory();
    }
}

void HistoryPage::sortBy(int column) {
    if (column == m_sortColumn) {
        m_sortDescending = !m_sortDescending;
    } else {
        m_sortColumn = column;
        m_sortDescending = false;
    }
    m_summary->horizontalHeader()->setSortIndicatorShown(true);
    m_summary->horizontalHeader()->setSortIndicator(column,
                                                    m_sortDescending ? Qt::DescendingOrder : Qt::AscendingOrder);
    const int line = m_editedLine;
    showHistory(line >= 0 ? std::optional<int>(line) : std::nullopt);
}

void HistoryPage::exportHtml() {
    reports::ui::ReportServices* services = m_services ? m_services() : nullptr;
    if (services == nullptr || m_league == nullptr || m_league->currentPlayer == nullptr) {
        return;
    }
    const QString file = services->saveDialog->chooseHtml(this);
    if (file.isEmpty()) {
        return;
    }
    m_html.prefixTags = historyHtmlPrefix(*m_league->currentPlayer, m_kind);
    WriteTableHtml(m_table, m_html, toPath(file), false);
}

void HistoryPage::htmlOptions() {
    reports::ui::ReportServices* services = m_services ? m_services() : nullptr;
    if (services == nullptr) {
        return;
    }
    reports::ui::HtmlSettingsDialog dialog(
        m_html, reports::ui::HtmlSettingsDialog::AllGroups, *services, [this, services] {
            reports::ui::previewTable(m_table, m_html, *services);
        });
    dialog.exec();
}

void HistoryPage::exportCsv() {
    reports::ui::ReportServices* services = m_services ? m_services() : nullptr;
    if (services == nullptr || m_league == nullptr || m_league->currentPlayer == nullptr) {
        return;
    }
    const QString file = services->saveDialog->chooseCsv(this);
    if (file.isEmpty()) {
        return;
    }
    reports::writeReportFile(toPath(file), historyCsvText(*m_league->currentPlayer, m_table));
}

}  // namespace zt::ui
