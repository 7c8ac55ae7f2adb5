#include "reports/ui/scouting_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "league/error.h"
#include "league/interaction.h"
#include "league/numbers.h"
#include "league/ui/command_boundary.h"
#include "league/ui/qt_text.h"
#include "reports/league_index.h"
#include "reports/pro_years.h"
#include "reports/report_files.h"
#include "reports/scouting.h"
#include "reports/ui/report_save_dialog.h"
#include "reports/ui/report_services.h"

namespace zt::reports::ui {

namespace {

QString latin(std::string_view text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

QPushButton* button(const QString& name, const char* caption) {
    auto* b = new QPushButton(QString::fromLatin1(caption));
    b->setObjectName(name);
    b->setAutoDefault(false);
    return b;
}

}  // namespace

TScoutfrm::TScoutfrm(const League& league, const ReportServices& services, QWidget* parent)
    : QDialog(parent), m_league(league), m_services(services) {
    setObjectName(QStringLiteral("TScoutfrm"));
    setWindowTitle(QStringLiteral("Scouting report (CSV Export)"));
    auto* layout = new QVBoxLayout(this);
    m_players = new QComboBox;
    m_players->setObjectName(QStringLiteral("cbplayers"));
    for (const auto item : scoutSelectorItems()) {
        m_players->addItem(latin(item));
    }
    layout->addWidget(m_players);
    auto* groups = new QHBoxLayout;
    layout->addLayout(groups);
    const char* names[] = {"Batting", "Pitching", "Fielding", "Misc"};
    QVBoxLayout* boxes[4];
    for (int g = 0; g < 4; ++g) {
        auto* group = new QGroupBox(QString::fromLatin1(names[g]));
        boxes[g] = new QVBoxLayout(group);
        auto* row = new QHBoxLayout;
        auto* all = button(QStringLiteral("btall%1").arg(g), "A");
        auto* none = button(QStringLiteral("btnone%1").arg(g), "N");
        row->addWidget(all);
        row->addWidget(none);
        boxes[g]->addLayout(row);
        groups->addWidget(group);
        const auto tick = [this, g](bool on) {
            const auto& columns = scoutColumns();
            for (std::size_t i = 0; i < columns.size(); ++i) {
                if (static_cast<int>(columns[i].group) == g) {
                    m_columns[i]->setChecked(on);
                }
            }
        };
        connect(all, &QPushButton::clicked, this, [tick] { tick(true); });
        connect(none, &QPushButton::clicked, this, [tick] { tick(false); });
    }
    const auto& columns = scoutColumns();
    for (std::size_t i = 0; i < columns.size(); ++i) {
        auto* box = new QCheckBox(latin(columns[i].caption));
        box->setObjectName(QStringLiteral("cbcol%1").arg(i));
        box->setChecked(columns[i].defaultOn);
        boxes[static_cast<int>(columns[i].group)]->addWidget(box);
        m_columns.push_back(box);
    }
    m_compatible = new QCheckBox(QStringLiteral("CSV Import Compatible"));
    m_compatible->setObjectName(QStringLiteral("cbcompatible"));
    layout->addWidget(m_compatible);
    auto* buttons = new QHBoxLayout;
    auto* exportButton = button(QStringLiteral("btexport"), "Export to CSV");
    auto* close = button(QStringLiteral("btclose"), "&Close");
    buttons->addWidget(exportButton);
    buttons->addWidget(close);
    layout->addLayout(buttons);
    connect(exportButton, &QPushButton::clicked, this, &TScoutfrm::exportCsv);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
}

void TScoutfrm::exportCsv() {
    const QString file = m_services.saveDialog->chooseCsv(this);
    if (file.isEmpty()) {
        return;
    }
    zt::ui::runCommand(*m_services.interaction, [&] {
        ScoutingOptions options;
        options.selector = m_players->currentIndex();
        options.compatible = m_compatible->isChecked();
        for (std::size_t i = 0; i < m_columns.size(); ++i) {
            options.columns[i] = m_columns[i]->isChecked();
        }
        writeReportFile(zt::ui::toPath(file), scoutingCsv(m_league, options));
    });
}

TProYearsfrm::TProYearsfrm(const League& league, const ReportServices& services, QWidget* parent)
    : QDialog(parent), m_league(league), m_services(services) {
    setObjectName(QStringLiteral("TProYearsfrm"));
    setWindowTitle(QStringLiteral("Pro Years Report"));
    auto* layout = new QVBoxLayout(this);
    auto* group = new QGroupBox(QStringLiteral("Requirements for an official pro year"));
    auto* form = new QFormLayout(group);
    const auto edit = [&](const char* name, const char* label, const char* value) {
        auto* line = new QLineEdit(QString::fromLatin1(value));
        line->setObjectName(QString::fromLatin1(name));
        form->addRow(QString::fromLatin1(label), line);
        return line;
    };
    m_atBats = edit("editab", "Batters AB", "150");
    m_innings = edit("editip", "Pitchers IP", "55");
    m_games = edit("editgames", "Games", "15");
    layout->addWidget(group);
    auto* listed = new QFormLayout;
    m_minimum = new QLineEdit(QStringLiteral("0"));
    m_minimum->setObjectName(QStringLiteral("editminyears"));
    listed->addRow(QStringLiteral("Include players with years >="), m_minimum);
    layout->addLayout(listed);
    auto* buttons = new QHBoxLayout;
    auto* reportButton = button(QStringLiteral("btreport"), "Pro years report");
    auto* close = button(QStringLiteral("btclose"), "&Close");
    buttons->addWidget(reportButton);
    buttons->addWidget(close);
    layout->addLayout(buttons);
    connect(reportButton, &QPushButton::clicked, this, &TProYearsfrm::report);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
}

// A requirement that is no number ends the command without a word; the years limit that is no
// number is refused with its message before anything is written.
void TProYearsfrm::report() {
    const QString file = m_services.saveDialog->chooseCsv(this);
    if (file.isEmpty()) {
        return;
    }
    ProYearsRequirements r;
    try {
        r.atBats = parseInteger(zt::ui::toLeagueText(m_atBats->text()));
        r.innings = parseFloat(zt::ui::toLeagueText(m_innings->text()));
        r.games = parseInteger(zt::ui::toLeagueText(m_games->text()));
    } catch (const Error&) {
        return;
    }
    const bool written = zt::ui::runCommand(*m_services.interaction, [&] {
        r.minimumYears = parseInteger(zt::ui::toLeagueText(m_minimum->text()));
        const LeagueIndex index(m_league);
        writeReportFile(zt::ui::toPath(file), proYearsCsv(m_league, index, r));
    });
    if (written) {
        m_services.interaction->information("Report written");
    }
}

}  // namespace zt::reports::ui
