#include "reports/ui/leaders_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "league/interaction.h"
#include "league/league.h"
#include "league/numbers.h"
#include "league/ui/command_boundary.h"
#include "league/ui/qt_text.h"
#include "players/editor_settings.h"
#include "reports/league_index.h"
#include "reports/report_files.h"
#include "reports/ui/html_settings_dialog.h"
#include "reports/ui/report_services.h"
#include "reports/ui/report_table_model.h"
#include "reports/ui/report_table_view.h"

namespace zt::reports::ui {

namespace {

constexpr char kPageFilter[] = "Htm files (*.htm)";
constexpr char kTemplateFilter[] = "Leaders templates files (*.lea)";

template <class Widget>
Widget* named(Widget* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

QComboBox* combo(const char* name, const std::vector<std::string>& items) {
    auto* box = named(new QComboBox, name);
    for (const auto& item : items) {
        box->addItem(zt::ui::fromLeagueText(item));
    }
    return box;
}

QString latin(std::string_view text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

Tleadersfrm::Tleadersfrm(const League& league,
                         EditorSettings& settings,
                         const ReportServices& services,
                         QWidget* parent)
    : QDialog(parent),
      m_league(league),
      m_settings(settings),
      m_services(services),
      m_index(std::make_unique<LeagueIndex>(league)) {
    setObjectName(QStringLiteral("Tleadersfrm"));
    setWindowTitle(QStringLiteral("Leaders"));
    buildControls();
    recompute();
}

// The grid is hidden after the table is gone: it must not read it then.
Tleadersfrm::~Tleadersfrm() {
    m_model->setTable(nullptr);
}

void Tleadersfrm::buildControls() {
    auto* layout = new QHBoxLayout(this);
    auto* side = new QVBoxLayout;
    layout->addLayout(side);
    auto* form = new QGridLayout;
    side->addLayout(form);
    int row = 0;
    const auto add = [&](const char* label, QWidget* widget) {
        form->addWidget(new QLabel(QString::fromLatin1(label)), row, 0);
        form->addWidget(widget, row++, 1);
    };
    m_years = named(new QLineEdit(QString::number(m_league.seasonHeader.get(sh::seasonYear))), "edityears");
    add("Year(s)", m_years);
    m_level = combo("cblevel", {"ML", "AAA", "AA", "A"});
    add("Level", m_level);
    m_batting = named(new QRadioButton(QStringLiteral("Batting")), "rbbatting");
    m_pitching = named(new QRadioButton(QStringLiteral("Pitching")), "rbpitching");
    m_batting->setChecked(true);
    auto* kinds = new QHBoxLayout;
    kinds->addWidget(m_batting);
    kinds->addWidget(m_pitching);
    form->addLayout(kinds, row++, 1);
    m_stat = named(new QComboBox, "cbstat");
    add("Stat", m_stat);
    m_direction = combo("cbsort", {"Descending", "Ascending"});
    add("Sort", m_direction);
    m_team = combo("cbteam", teamSelectorItems(m_league));
    add("Team", m_team);
    m_leagues = combo("cbleague", leagueSelectorItems(m_league));
    add("League", m_leagues);
    std::vector<std::string> listed;
    for (const auto item : listedItems()) {
        listed.emplace_back(item);
    }
    m_listed = combo("cblisted", listed);
    m_listed->setCurrentIndex(kDefaultListed);
    add("Listed", m_listed);
    m_qualify = named(new QCheckBox(QStringLiteral("Qualify")), "cbqualify");
    m_qualify->setChecked(true);
    form->addWidget(m_qualify, row++, 1);
    m_links = named(new QCheckBox(QStringLiteral("HTML links to players cards")), "cblinks");
    m_links->setChecked(true);
    form->addWidget(m_links, row++, 1);
    m_columns = named(new QSpinBox, "editcolumns");
    m_columns->setRange(1, 50);
    m_columns->setValue(3);
    add("Columns", m_columns);

    auto* bold = new QGroupBox(QStringLiteral("Bold Fonts"));
    auto* boldRow = new QHBoxLayout(bold);
    m_boldPos = named(new QCheckBox(QStringLiteral("Pos")), "cbboldpos");
    m_boldTeam = named(new QCheckBox(QStringLiteral("Team")), "cbboldteam");
    m_boldValue = named(new QCheckBox(QStringLiteral("Value")), "cbboldvalue");
    for (QCheckBox* box : {m_boldPos, m_boldTeam, m_boldValue}) {
        boldRow->addWidget(box);
        connect(box, &QCheckBox::toggled, this, &Tleadersfrm::redisplay);
    }
    side->addWidget(bold);
    auto* colors = new QGroupBox(QStringLiteral("Colors"));
    auto* colorRow = new QHBoxLayout(colors);
    auto* header = named(new QPushButton(QStringLiteral("H")), "btheadercolor");
    auto* rows = named(new QPushButton(QStringLiteral("R")), "btrowscolor");
    colorRow->addWidget(header);
    colorRow->addWidget(rows);
    side->addWidget(colors);

    auto* htmlSettings = named(new QPushButton(QStringLiteral("HTML Settings")), "bthtmlsettings");
    auto* newPage = named(new QPushButton(QStringLiteral("Save to a new HTML page")), "btnewpage");
    m_addPage = named(new QPushButton(QStringLiteral("Add to the previous page")), "btaddpage");
    m_saveTemplate = named(new QPushButton(QStringLiteral("Save Template")), "btsavetemplate");
    auto* loadTemplate = named(new QPushButton(QStringLiteral("Load template and generate")), "btloadtemplate");
    auto* close = named(new QPushButton(QStringLiteral("CLOSE")), "btclose");
    m_addPage->setEnabled(false);
    m_saveTemplate->setEnabled(false);
    for (QPushButton* button : {htmlSettings, newPage, m_addPage, m_saveTemplate, loadTemplate, close}) {
        button->setAutoDefault(false);
        side->addWidget(button);
    }
    m_layout = named(new QPlainTextEdit, "memolayout");
    m_layout->setReadOnly(true);
    side->addWidget(m_layout);

    m_grid = named(new ReportTableView, "grid");
    m_model = new ReportTableModel(this);
    m_grid->setReportModel(m_model);
    layout->addWidget(m_grid, 1);
    fillStats();

    const auto recomputeNow = [this] { recompute(); };
    const auto resortNow = [this] { resort(); };
    connect(m_level, &QComboBox::currentIndexChanged, this, recomputeNow);
    connect(m_team, &QComboBox::currentIndexChanged, this, recomputeNow);
    connect(m_leagues, &QComboBox::currentIndexChanged, this, recomputeNow);
    connect(m_years, &QLineEdit::returnPressed, this, recomputeNow);
    connect(m_batting, &QRadioButton::toggled, this, [this] {
        fillStats();
        recompute();
    });
    connect(m_stat, &QComboBox::currentIndexChanged, this, resortNow);
    connect(m_direction, &QComboBox::currentIndexChanged, this, resortNow);
    connect(m_listed, &QComboBox::currentIndexChanged, this, resortNow);
    connect(m_qualify, &QCheckBox::clicked, this, resortNow);
    connect(m_links, &QCheckBox::clicked, this, &Tleadersfrm::redisplay);
    connect(header, &QPushButton::clicked, this, [this] { chooseColor(true); });
    connect(rows, &QPushButton::clicked, this, [this] { chooseColor(false); });
    connect(m_grid, &ReportTableView::linkActivated, this, [this](int tableRow) { openLink(tableRow); });
    connect(htmlSettings, &QPushButton::clicked, this, &Tleadersfrm::editHtmlSettings);
    connect(newPage, &QPushButton::clicked, this, &Tleadersfrm::saveNewPage);
    connect(m_addPage, &QPushButton::clicked, this, &Tleadersfrm::addToPage);
    connect(m_saveTemplate, &QPushButton::clicked, this, &Tleadersfrm::saveTemplate);
    connect(loadTemplate, &QPushButton::clicked, this, &Tleadersfrm::loadTemplate);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
}

void Tleadersfrm::fillStats() {
    const QSignalBlocker block(m_stat);
    m_stat->clear();
    const bool pitching = m_pitching->isChecked();
    const int count = pitching ? kPitchingCategories : kBattingCategories;
    for (int c = 0; c < count; ++c) {
        m_stat->addItem(latin(categoryName(pitching, c)));
    }
    m_stat->setCurrentIndex(0);
}

void Tleadersfrm::showEvent(QShowEvent* event) {
    if (!m_shownOnce) {
        m_shownOnce = true;
        m_html.headerFile = leagueHeaderFile(m_league);
        m_html.footerFile = leagueFooterFile(m_league);
    }
    QDialog::showEvent(event);
}

LeadersSelection Tleadersfrm::selection() const {
    LeadersSelection s;
    s.years = zt::ui::toLeagueText(m_years->text());
    s.level = m_level->currentIndex();
    s.pitching = m_pitching->isChecked();
    s.team = m_team->currentIndex();
    s.league = m_leagues->currentIndex();
    return s;
}

LeadersDisplay Tleadersfrm::display() const {
    LeadersDisplay d;
    d.category = m_stat->currentIndex();
    d.ascending = m_direction->currentIndex() == 1;
    d.listed = m_listed->currentIndex();
    d.qualify = m_qualify->isChecked();
    d.links = m_links->isChecked();
    d.boldPos = m_boldPos->isChecked();
    d.boldTeam = m_boldTeam->isChecked();
    d.boldValue = m_boldValue->isChecked();
    d.headerColor = m_settings.leadersHeaderColor;
    d.rowsColor = m_settings.leadersRowColor;
    return d;
}

// An invalid year shows its message and leaves the table as it was.
void Tleadersfrm::recompute() {
    zt::ui::runCommand(*m_services.interaction, [this] {
        LeaderCandidates candidates = leaderCandidates(m_league, *m_index, selection());
        m_candidates = std::move(candidates);
        m_computed = true;
        const LeadersDisplay d = display();
        sortLeaders(m_candidates, d.category, d.ascending, d.qualify);
        redisplay();
    });
}

void Tleadersfrm::resort() {
    if (!m_computed || m_candidates.entries.empty()) {
        recompute();
        return;
    }
    const LeadersDisplay d = display();
    sortLeaders(m_candidates, d.category, d.ascending, d.qualify);
    redisplay();
}

void Tleadersfrm::redisplay() {
    m_table = leadersTable(m_league, m_candidates, selection(), display());
    m_model->setTable(nullptr);
    m_model->setTable(&m_table);
    m_grid->resizeColumnsToContents();
}

void Tleadersfrm::chooseColor(bool header) {
    if (!m_services.chooseColor) {
        return;
    }
    StoredColor& color = header ? m_settings.leadersHeaderColor : m_settings.leadersRowColor;
    if (const auto chosen = m_services.chooseColor(this, zt::ui::toQColor(color))) {
        color = zt::ui::toStoredColor(*chosen);
        redisplay();
    }
}

void Tleadersfrm::openLink(int tableRow) {
    if (m_candidates.teamTotals || tableRow <= 0 || tableRow >= m_table.rowCount()) {
        return;
    }
    zt::ui::runCommand(*m_services.interaction, [&] {
        const int index = parseInteger(m_table.text(tableRow, kLeadersIndexColumn));
        if (m_services.openCard && !m_services.openCard(this, index)) {
            m_services.interaction->information("An error occurred. Not enough memory ?");
        }
    });
}

void Tleadersfrm::editHtmlSettings() {
    HtmlSettingsDialog dialog(
        m_html, HtmlSettingsDialog::AllGroups, m_services, [this] { previewTable(m_table, m_html, m_services); });
    dialog.exec();
}

void Tleadersfrm::saveNewPage() {
    startPage();
}

bool Tleadersfrm::startPage() {
    const QString file = m_services.saveFile ? m_services.saveFile(this,
                                                                   QStringLiteral("Save to HTML"),
                                                                   QString(),
                                                                   QString::fromLatin1(kPageFilter),
                                                                   QStringLiteral("htm"))
                                             : QString();
    if (file.isEmpty()) {
        return false;
    }
    return zt::ui::runCommand(*m_services.interaction, [&] {
        const LeadersDisplay d = display();
        const LeadersSelection s = selection();
        m_page.start(
            zt::ui::toPath(file), m_table, m_html, s.years, templateEntry(s, d), categoryName(s.pitching, d.category));
        m_addPage->setEnabled(true);
        m_saveTemplate->setEnabled(true);
        showLayout();
    });
}

void Tleadersfrm::addToPage() {
    appendToPage();
}

void Tleadersfrm::appendToPage() {
    zt::ui::runCommand(*m_services.interaction, [this] {
        const LeadersDisplay d = display();
        const LeadersSelection s = selection();
        m_page.add(m_table, m_html, m_columns->value(), templateEntry(s, d), categoryName(s.pitching, d.category));
        showLayout();
    });
}

void Tleadersfrm::showLayout() {
    QStringList lines;
    for (const auto& line : m_page.layout()) {
        lines << latin(line);
    }
    m_layout->setPlainText(lines.join(QLatin1Char('\n')));
}

void Tleadersfrm::saveTemplate() {
    if (m_page.entries().empty() || !m_services.saveFile) {
        return;
    }
    const QString file = m_services.saveFile(
        this, QStringLiteral("Save template"), QString(), QString::fromLatin1(kTemplateFilter), QStringLiteral("lea"));
    if (file.isEmpty()) {
        return;
    }
    zt::ui::runCommand(*m_services.interaction, [&] { writeLeadersTemplate(zt::ui::toPath(file), m_page.entries()); });
}

void Tleadersfrm::showSelection(const LeadersSelection& s, const LeadersDisplay& d) {
    const QSignalBlocker blocks[] = {QSignalBlocker(m_level),
                                     QSignalBlocker(m_batting),
                                     QSignalBlocker(m_pitching),
                                     QSignalBlocker(m_stat),
                                     QSignalBlocker(m_direction),
                                     QSignalBlocker(m_team),
                                     QSignalBlocker(m_leagues),
                                     QSignalBlocker(m_listed),
                                     QSignalBlocker(m_qualify)};
    const bool kindChanged = s.pitching != m_pitching->isChecked();
    (s.pitching ? m_pitching : m_batting)->setChecked(true);
    if (kindChanged) {
        fillStats();
    }
    m_level->setCurrentIndex(s.level);
    m_team->setCurrentIndex(s.team);
    m_leagues->setCurrentIndex(s.league);
    m_stat->setCurrentIndex(d.category);
    m_direction->setCurrentIndex(d.ascending ? 1 : 0);
    m_listed->setCurrentIndex(d.listed);
    m_qualify->setChecked(d.qualify);
}

// Each entry is shown in the controls and written like a table the user adds: the first starts a
// page (the user names it), the others are added to it.
void Tleadersfrm::loadTemplate() {
    if (!m_services.openFile) {
        return;
    }
    const QString file =
        m_services.openFile(this, QStringLiteral("Load template"), QString(), QString::fromLatin1(kTemplateFilter));
    if (file.isEmpty()) {
        return;
    }
    std::vector<LeadersTemplateEntry> entries;
    if (!zt::ui::runCommand(*m_services.interaction,
                            [&] { entries = readLeadersTemplate(zt::ui::toPath(file), m_league); })) {
        return;
    }
    bool first = true;
    for (const LeadersTemplateEntry& entry : entries) {
        LeadersSelection s = selection();
        LeadersDisplay d = display();
        const bool changed = applyTemplateEntry(entry, s, d);
        showSelection(s, d);
        if (changed || !m_computed) {
            recompute();
        } else {
            resort();
        }
        if (first) {
            if (!startPage()) {
                return;
            }
            first = false;
        } else {
            appendToPage();
        }
    }
}

void Tleadersfrm::done(int result) {
    if (!m_closed) {
        m_closed = true;
        zt::ui::runCommand(*m_services.interaction, [this] { m_page.finish(m_html); });
    }
    QDialog::done(result);
}

}  // namespace zt::reports::ui
