#include "reports/ui/card_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "league/interaction.h"
#include "league/league.h"
#include "league/ui/busy_cursor.h"
#include "league/ui/command_boundary.h"
#include "league/ui/photo_progress.h"
#include "league/ui/qt_text.h"
#include "reports/league_index.h"
#include "reports/report_files.h"
#include "reports/ui/html_settings_dialog.h"
#include "reports/ui/report_services.h"
#include "reports/ui/report_table_model.h"
#include "reports/ui/report_table_view.h"

namespace zt::reports::ui {

namespace {

template <class Widget>
Widget* named(Widget* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

QCheckBox* check(const char* name, const char* caption, bool on) {
    auto* box = named(new QCheckBox(QString::fromLatin1(caption)), name);
    box->setChecked(on);
    return box;
}

}  // namespace

Tcardfrm::Tcardfrm(const League& league,
                   int playerIndex,
                   std::filesystem::path dataDirectory,
                   const ReportServices& services,
                   QWidget* parent)
    : QDialog(parent),
      m_league(league),
      m_player(playerIndex),
      m_dataDirectory(std::move(dataDirectory)),
      m_services(services),
      m_index(std::make_unique<LeagueIndex>(league)) {
    setObjectName(QStringLiteral("Tcardfrm"));
    setWindowTitle(QStringLiteral("Player's card"));
    buildControls();
    rebuild();
}

// The grids are hidden after the tables are gone: they must not read them then.
Tcardfrm::~Tcardfrm() {
    for (ReportTableModel* model : m_models) {
        model->setTable(nullptr);
    }
}

void Tcardfrm::buildControls() {
    const PlayerRecord& player = *m_league.players.at(static_cast<std::size_t>(m_player));
    auto* layout = new QVBoxLayout(this);
    const int team = player.teamIndex();
    const QString teamName = m_league.isTeam(team)
                                 ? zt::ui::fromLeagueText(m_league.team(team).record.get(tf::completeName))
                                 : QStringLiteral("Free Agent");
    layout->addWidget(named(new QLabel(teamName), "lbteam"));
    layout->addWidget(named(
        new QLabel(zt::ui::fromLeagueText(player.get(pf::firstName) + " " + player.get(pf::lastName))), "lbplayer"));

    auto* options = new QGridLayout;
    layout->addLayout(options);
    m_batting = named(new QComboBox, "cbbatting");
    m_pitching = named(new QComboBox, "cbpitching");
    for (QComboBox* box : {m_batting, m_pitching}) {
        box->addItems({QStringLiteral("Standard"), QStringLiteral("Extended")});
    }
    options->addWidget(new QLabel(QStringLiteral("Batting Stats")), 0, 0);
    options->addWidget(m_batting, 0, 1);
    options->addWidget(new QLabel(QStringLiteral("Pitching Stats")), 1, 0);
    options->addWidget(m_pitching, 1, 1);
    auto* totalColor = named(new QPushButton(QStringLiteral("Total line color")), "bttotalcolor");
    options->addWidget(totalColor, 2, 0);
    m_photos = check("cbphotos", "Players photos ?", true);
    m_mlOnly = check("cbmlonly", "Cards for actual ML rosters only", false);
    m_htmlTable = check("cbhtmltable", "Use HTML Table", false);
    m_minors = check("cbminors", "Include Minor League Stats", false);
    m_noSplit = check("cbnosplit", "No team split", false);
    int row = 0;
    for (QCheckBox* box : {m_photos, m_mlOnly, m_htmlTable, m_minors, m_noSplit}) {
        options->addWidget(box, row++, 2);
    }
    m_teams = named(new QComboBox, "cbteams");
    for (int t = 0; t < m_league.teamCount(); ++t) {
        m_teams->addItem(zt::ui::fromLeagueText(m_league.teamAbbrev(t)));
    }
    m_teams->addItem(QStringLiteral("Free Agents"));
    m_teams->setCurrentIndex(m_league.isTeam(team) ? team : m_league.teamCount());
    options->addWidget(m_teams, 3, 1);

    m_tabs = named(new QTabWidget, "tabs");
    const char* grids[] = {"gridbat", "gridpit", "gridfld"};
    const char* captions[] = {"Batting Stats", "Pitching Stats", "Fielding Stats"};
    for (int i = 0; i < 3; ++i) {
        m_grids[i] = named(new ReportTableView, grids[i]);
        m_models[i] = new ReportTableModel(this);
        m_grids[i]->setReportModel(m_models[i]);
        m_tabs->addTab(m_grids[i], QString::fromLatin1(captions[i]));
    }
    m_working = new QLabel(QStringLiteral("Generating cards, please wait !"), this);
    m_working->hide();
    layout->addWidget(m_tabs, 1);
    if (player.get(pf::position) == 1) {
        m_tabs->setCurrentIndex(1);
    }

    auto* buttons = new QHBoxLayout;
    layout->addLayout(buttons);
    auto* settings = named(new QPushButton(QStringLiteral("Html settings")), "bthtmlsettings");
    auto* thisCard = named(new QPushButton(QStringLiteral("Generate this card")), "btthiscard");
    auto* teamCards = named(new QPushButton(QStringLiteral("Generate All cards for 1 team")), "btteamcards");
    auto* allCards = named(new QPushButton(QStringLiteral("Generate All cards for ALL teams")), "btallcards");
    auto* close = named(new QPushButton(QStringLiteral("CLOSE")), "btclose");
    for (QPushButton* button : {settings, thisCard, teamCards, allCards, close}) {
        button->setAutoDefault(false);
        buttons->addWidget(button);
    }

    connect(m_minors, &QCheckBox::toggled, this, &Tcardfrm::rebuild);
    connect(m_noSplit, &QCheckBox::toggled, this, &Tcardfrm::rebuild);
    connect(m_batting, &QComboBox::currentIndexChanged, this, &Tcardfrm::showColumns);
    connect(m_pitching, &QComboBox::currentIndexChanged, this, &Tcardfrm::showColumns);
    connect(totalColor, &QPushButton::clicked, this, &Tcardfrm::chooseTotalColor);
    connect(settings, &QPushButton::clicked, this, &Tcardfrm::editHtmlSettings);
    connect(thisCard, &QPushButton::clicked, this, &Tcardfrm::thisCard);
    connect(teamCards, &QPushButton::clicked, this, &Tcardfrm::teamCards);
    connect(allCards, &QPushButton::clicked, this, &Tcardfrm::allCards);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
}

void Tcardfrm::showEvent(QShowEvent* event) {
    if (!m_shownOnce) {
        m_shownOnce = true;
        m_html.headerFile = leagueHeaderFile(m_league);
        m_html.footerFile = leagueFooterFile(m_league);
    }
    QDialog::showEvent(event);
}

CardOptions Tcardfrm::options() const {
    CardOptions o;
    o.includeMinors = m_minors->isChecked();
    o.noTeamSplit = m_noSplit->isChecked();
    o.battingExtended = m_batting->currentIndex() == 1;
    o.pitchingExtended = m_pitching->currentIndex() == 1;
    o.htmlTable = m_htmlTable->isChecked();
    o.mlRostersOnly = m_mlOnly->isChecked();
    o.photos = m_photos->isChecked();
    o.totalColor = m_totalColor;
    o.html = m_html;
    o.dataDirectory = m_dataDirectory;
    o.photo = m_services.cardPhoto;
    return o;
}

void Tcardfrm::rebuild() {
    zt::ui::runCommand(*m_services.interaction, [this] {
        m_tables = cardTables(m_league, *m_index, *m_league.players.at(static_cast<std::size_t>(m_player)), options());
        showColumns();
    });
}

void Tcardfrm::showColumns() {
    showExtendedColumns(m_tables, m_batting->currentIndex() == 1, m_pitching->currentIndex() == 1);
    const ReportTable* tables[] = {&m_tables.batting, &m_tables.pitching, &m_tables.fielding};
    for (int i = 0; i < 3; ++i) {
        m_models[i]->setTable(nullptr);
        m_models[i]->setTable(tables[i]);
        m_grids[i]->resizeColumnsToContents();
    }
}

void Tcardfrm::chooseTotalColor() {
    if (!m_services.chooseColor) {
        return;
    }
    if (const auto chosen = m_services.chooseColor(this, zt::ui::toQColor(m_totalColor))) {
        m_totalColor = zt::ui::toStoredColor(*chosen);
        rebuild();
    }
}

void Tcardfrm::editHtmlSettings() {
    HtmlSettingsDialog dialog(m_html, HtmlSettingsDialog::AllGroups, m_services, [this] {
        previewTable(m_tables.batting, m_html, m_services);
    });
    dialog.exec();
}

QString Tcardfrm::chooseFolder() {
    const QString folder =
        m_services.chooseFolder ? m_services.chooseFolder(this, QStringLiteral("Cards folder"), m_folder) : QString();
    if (!folder.isEmpty()) {
        m_folder = folder;
    }
    return folder;
}

void Tcardfrm::thisCard() {
    const QString folder = chooseFolder();
    if (folder.isEmpty()) {
        return;
    }
    std::filesystem::path card;
    const bool written = zt::ui::runCommand(*m_services.interaction, [&] {
        const std::filesystem::path target = zt::ui::toPath(folder);
        copyBlankPicture(m_dataDirectory, target);
        card = writeCard(m_league,
                         *m_index,
                         *m_league.players.at(static_cast<std::size_t>(m_player)),
                         options(),
                         target,
                         *m_services.interaction);
    });
    if (written && m_services.interaction->askYesNo("Do you want to launch your web browser ?") &&
        m_services.openDocument && !card.empty()) {
        m_services.openDocument(zt::ui::fromPath(card.string()));
    }
}

void Tcardfrm::teamCards() {
    const QString folder = chooseFolder();
    if (folder.isEmpty()) {
        return;
    }
    const int item = m_teams->currentIndex();
    const int team = item >= m_league.teamCount() ? kFreeAgentTeam : item;
    m_tabs->addTab(m_working, QStringLiteral("Working"));
    m_tabs->setCurrentWidget(m_working);
    const bool written = zt::ui::runCommand(*m_services.interaction, [&] {
        zt::ui::BusyCursor busy;
        writeTeamCards(m_league, *m_index, team, options(), zt::ui::toPath(folder), *m_services.interaction);
    });
    m_tabs->removeTab(m_tabs->indexOf(m_working));
    rebuild();
    if (written) {
        m_services.interaction->information("Finished");
    }
}

void Tcardfrm::allCards() {
    const QString folder = chooseFolder();
    if (folder.isEmpty()) {
        return;
    }
    zt::ui::runCommand(*m_services.interaction, [&] {
        zt::ui::BusyCursor busy;
        zt::ui::Tphotoprogress progress(this);
        progress.setWindowTitle(QStringLiteral("Generating cards, please wait !"));
        progress.showCentredOn(this);
        writeAllCards(m_league, *m_index, options(), zt::ui::toPath(folder), *m_services.interaction, progress);
    });
    rebuild();
}

}  // namespace zt::reports::ui
