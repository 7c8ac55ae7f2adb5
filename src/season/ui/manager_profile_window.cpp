#include "season/ui/manager_profile_window.h"

#include <QLabel>
#include <QLineEdit>

#include "league/league.h"
#include "league/ui/command_boundary.h"
#include "league/ui/qt_text.h"
#include "season/manager_profile.h"
#include "season/ui/season_services.h"
#include "ui_manager_profile_window.h"

namespace zt::season::ui {

namespace {

QLineEdit* valueEdit(const QDialog& window, int index) {
    return window.findChild<QLineEdit*>(QStringLiteral("Edit%1").arg(index + 1));
}

}  // namespace

Tmanagerfrm::Tmanagerfrm(League& league, int team, const SeasonServices& services, QWidget* parent)
    : QDialog(parent),
      m_ui(std::make_unique<::Ui::Tmanagerfrm>()),
      m_league(league),
      m_openedFor(team),
      m_services(services) {
    m_ui->setupUi(this);
    for (int i = 0; i < kManagerProfileValues; ++i) {
        findChild<QLabel*>(QStringLiteral("lblprof%1").arg(i + 1))
            ->setText(QString::fromLatin1(managerProfileLabels()[static_cast<std::size_t>(i)]));
    }
    m_ui->lblnote->setText(QString::fromLatin1(kManagerProfileNote));
    for (int number = 0; number < league.teamCount(); ++number) {
        m_ui->cbteamprof->addItem(zt::ui::fromLeagueText(league.teamAbbrev(number)));
    }
    m_ui->cbteamprof->setCurrentIndex(team);
    showTeam(team);
    for (auto* button : findChildren<QPushButton*>()) {
        button->setAutoDefault(false);
    }
    connectControls();
}

Tmanagerfrm::~Tmanagerfrm() = default;

void Tmanagerfrm::connectControls() {
    const auto command = [this](auto handler) {
        return zt::ui::commandSlot([this]() -> Interaction& { return *m_services.interaction; }, handler);
    };
    connect(m_ui->cbteamprof, &QComboBox::currentIndexChanged, this, command([this](int team) { showTeam(team); }));
    connect(m_ui->btapplyteam, &QPushButton::clicked, this, command([this] { applyToTeam(); }));
    connect(m_ui->btapplyall, &QPushButton::clicked, this, command([this] { applyToAll(); }));
    connect(m_ui->btdefaultteam, &QPushButton::clicked, this, command([this] { defaultForTeam(); }));
    connect(m_ui->btdefaultall, &QPushButton::clicked, this, command([this] { defaultForAll(); }));
    connect(m_ui->btexport, &QPushButton::clicked, this, command([this] { exportFile(); }));
    connect(m_ui->btimport, &QPushButton::clicked, this, command([this] { importFile(); }));
}

int Tmanagerfrm::chosenTeam() const {
    return m_ui->cbteamprof->currentIndex();
}

void Tmanagerfrm::showTeam(int team) {
    if (!m_league.isTeam(team)) {
        return;
    }
    const auto shown = managerProfileTexts(managerProfileOf(m_league.team(team).record));
    for (int i = 0; i < kManagerProfileValues; ++i) {
        valueEdit(*this, i)->setText(QString::fromStdString(shown[static_cast<std::size_t>(i)]));
    }
}

std::array<std::string, kManagerProfileValues> Tmanagerfrm::texts() const {
    std::array<std::string, kManagerProfileValues> values;
    for (int i = 0; i < kManagerProfileValues; ++i) {
        values[static_cast<std::size_t>(i)] = valueEdit(*this, i)->text().toStdString();
    }
    return values;
}

void Tmanagerfrm::applyToTeam() {
    const int team = chosenTeam();
    applyManagerProfileTexts(m_league, std::span(&team, 1), texts());
}

void Tmanagerfrm::applyToAll() {
    applyManagerProfileTexts(m_league, allTeams(m_league), texts());
}

// The team the window was opened for, whatever the combo shows; the edits keep their texts.
void Tmanagerfrm::defaultForTeam() {
    resetManagerProfile(m_league, m_openedFor);
}

void Tmanagerfrm::defaultForAll() {
    resetAllManagerProfiles(m_league);
}

void Tmanagerfrm::exportFile() {
    const QString file = m_services.saveFile(this,
                                             QStringLiteral("Export to a file"),
                                             QString::fromLatin1(kManagerProfileFilter),
                                             QString::fromLatin1(kManagerProfileSuffix));
    if (!file.isEmpty()) {
        exportManagerProfile(m_league, chosenTeam(), zt::ui::toPath(file));
    }
}

void Tmanagerfrm::importFile() {
    const QString file =
        m_services.openFile(this, QStringLiteral("Import settings"), QString::fromLatin1(kManagerProfileFilter));
    if (file.isEmpty()) {
        return;
    }
    importManagerProfile(m_league, chosenTeam(), zt::ui::toPath(file), *m_services.interaction);
    showTeam(chosenTeam());
}

}  // namespace zt::season::ui
