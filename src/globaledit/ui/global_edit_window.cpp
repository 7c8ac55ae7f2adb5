#include "globaledit/ui/global_edit_window.h"

#include <QEvent>

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <random>

#include "globaledit/edit_fields.h"
#include "globaledit/gbe_file.h"
#include "globaledit/gbe_run.h"
#include "globaledit/global_edit_messages.h"
#include "league/error.h"
#include "league/interaction.h"
#include "league/league.h"
#include "league/ui/command_boundary.h"
#include "league/ui/photo_progress.h"
#include "league/ui/qt_text.h"
#include "ratings/league_constants.h"
#include "ui_global_edit_window.h"

namespace zt::globaledit::ui {

namespace {

constexpr int kLevelA = 3;
constexpr int kLevelMajors = 0;

template <std::size_t N>
void fill(QComboBox* combo, const std::array<std::string_view, N>& texts) {
    for (const auto text : texts) {
        combo->addItem(zt::ui::fromLeagueText(text));
    }
}

std::uint64_t unpredictableSeed() {
    std::random_device device;
    return (static_cast<std::uint64_t>(device()) << 32) ^ device();
}

}  // namespace

Tglobalfrm::Tglobalfrm(
    League& league, int currentTeam, const LeagueConstants& constants, Interaction& interaction, QWidget* parent)
    : QDialog(parent),
      m_ui(std::make_unique<::Ui::Tglobalfrm>()),
      m_league(league),
      m_constants(constants),
      m_random(unpredictableSeed()),
      m_context{currentTeam, m_random, interaction, true} {
    m_ui->setupUi(this);
    // Enter in a box must not start a run by way of a default button.
    for (auto* button : findChildren<QPushButton*>()) {
        button->setAutoDefault(false);
    }
    fillLists();
    showCurrentTeam();
    connectControls();
    updateEnabling();
}

void Tglobalfrm::showCurrentTeam() {
    // Beside "Team": which team "Current Team" stands for, so nobody edits the wrong club.
    auto* label = new QLabel(this);
    label->setObjectName(QStringLiteral("lblcurrentteam"));
    QString team;
    if (const Team* current = m_league.findTeam(m_context.currentTeam)) {
        team = zt::ui::fromLeagueText(current->record.get(tf::city));
    } else if (m_context.currentTeam == kFreeAgentTeam) {
        team = QStringLiteral("Free Agents");
    }
    label->setText(team.isEmpty() ? QString() : QStringLiteral("Current Team: ") + team);
    label->setAccessibleName(QStringLiteral("Current team"));
    m_ui->cbedteam->setToolTip(label->text());
    m_ui->selectionLayout->addWidget(label, 1, 4, 1, 3);
}

Tglobalfrm::~Tglobalfrm() = default;

void Tglobalfrm::setRandomSeed(std::uint64_t seed) {
    m_random = EditRandom(seed);
}

void Tglobalfrm::fillLists() {
    fill(m_ui->cbapply, applyToTexts());
    fill(m_ui->cbpitbat, positionTexts());
    fill(m_ui->cbedteam, teamTexts());
    fill(m_ui->cboper, operatorTexts());
    fill(m_ui->cboper2, operatorTexts());
    fill(m_ui->cbsecondcriteria, secondCriteriaTexts());
    fill(m_ui->minhlev, historyLevelTexts());
    fill(m_ui->maxhlev, historyLevelTexts());
    for (int item = 0; item < kCriterionFieldCount; ++item) {
        m_ui->cbselect->addItem(zt::ui::fromLeagueText(criterionText(item, false)));
        m_ui->cbselect2->addItem(zt::ui::fromLeagueText(criterionText(item, true)));
    }
    for (const auto& field : editFields()) {
        m_ui->cbfield->addItem(zt::ui::fromLeagueText(field.text));
    }
    // Keep every item of the long lists reachable without scrolling page by page.
    m_ui->cbselect->setMaxVisibleItems(20);
    m_ui->cbselect2->setMaxVisibleItems(20);
    m_ui->cbfield->setMaxVisibleItems(20);
}

void Tglobalfrm::connectControls() {
    connect(m_ui->cbapply, &QComboBox::currentIndexChanged, this, &Tglobalfrm::updateEnabling);
    connect(m_ui->cbsecondcriteria, &QComboBox::currentIndexChanged, this, &Tglobalfrm::updateEnabling);
    // Every button starts a command: a failure is shown, never thrown into Qt.
    const auto interaction = [this]() -> Interaction& { return m_context.interaction; };
    const auto onClick = [&](QPushButton* button, auto handler) {
        connect(button, &QPushButton::clicked, this, zt::ui::commandSlot(interaction, std::move(handler)));
    };
    connect(m_ui->cbapply, &QComboBox::activated, this, zt::ui::commandSlot(interaction, [this](int index) {
                cbapplyActivated(index);
            }));
    onClick(m_ui->Button9, [this] { Button9Click(); });
    onClick(m_ui->gobutton, [this] { gobuttonClick(); });
    onClick(m_ui->delallbutton, [this] { deleteHistory(HistoryKinds::all()); });
    onClick(m_ui->Button1, [this] { deleteHistory({true, false, false}); });
    onClick(m_ui->Button7, [this] { deleteHistory({false, true, false}); });
    onClick(m_ui->Button8, [this] { deleteHistory({false, false, true}); });
    onClick(m_ui->Button2, [this] { recalculate(Recalculation::BatterSplits); });
    onClick(m_ui->Button3, [this] { recalculate(Recalculation::PitcherSplits); });
    onClick(m_ui->Button4, [this] { Button4Click(); });
    onClick(m_ui->Button5, [this] { Button5Click(); });
    onClick(m_ui->Button6, [this] { Button6Click(); });
    connect(m_ui->SpeedButton1, &QPushButton::clicked, this, &QDialog::reject);
}

// The level range starts over as the whole range each time the window becomes the active one:
// when it comes up, and when the user comes back to it from another window.
void Tglobalfrm::showEvent(QShowEvent* event) {
    resetLevelRange();
    QDialog::showEvent(event);
}

bool Tglobalfrm::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate) {
        resetLevelRange();
    }
    return QDialog::event(event);
}

void Tglobalfrm::resetLevelRange() {
    m_ui->minhlev->setCurrentIndex(kLevelA);
    m_ui->maxhlev->setCurrentIndex(kLevelMajors);
}

void Tglobalfrm::updateEnabling() {
    const bool criteria = m_ui->cbapply->currentIndex() == kApplySelectedCriteria;
    const int second = m_ui->cbsecondcriteria->currentIndex();
    m_ui->selgroup->setEnabled(criteria);
    m_ui->cbsecondcriteria->setEnabled(criteria);
    m_ui->selgroup2->setEnabled(criteria && (second == kCriteriaAnd || second == kCriteriaOr));
}

void Tglobalfrm::cbapplyActivated(int index) {
    if (index == kApplyAllPlayers) {
        m_ui->cbsecondcriteria->setCurrentIndex(kNoSecondCriterion);
    }
}

void Tglobalfrm::Button9Click() {
    m_ui->cbapply->setCurrentIndex(kApplyAllPlayers);
    m_ui->cbpitbat->setCurrentIndex(kAllPositions);
    m_ui->cbedteam->setCurrentIndex(kAllTeams);
}

GlobalEditSettings Tglobalfrm::settings() const {
    GlobalEditSettings s;
    s.applyTo = m_ui->cbapply->currentIndex();
    s.position = m_ui->cbpitbat->currentIndex();
    s.team = m_ui->cbedteam->currentIndex();
    s.criterion1 = {
        m_ui->cbselect->currentIndex(), m_ui->cboper->currentIndex(), zt::ui::toLeagueText(m_ui->critere->text())};
    s.criterion2 = {
        m_ui->cbselect2->currentIndex(), m_ui->cboper2->currentIndex(), zt::ui::toLeagueText(m_ui->critere2->text())};
    s.secondCriteria = m_ui->cbsecondcriteria->currentIndex();
    s.mode = m_ui->rdperc->isChecked()      ? Mode::Percentage
             : m_ui->rdconst->isChecked()   ? Mode::UniqueValue
             : m_ui->rdvar->isChecked()     ? Mode::ConstantVariation
             : m_ui->rdrandom->isChecked()  ? Mode::Random
             : m_ui->rdminmax->isChecked()  ? Mode::MinMax
             : m_ui->rdformula->isChecked() ? Mode::Formula
                                            : Mode::None;
    s.field = m_ui->cbfield->currentIndex();
    s.modifier = zt::ui::toLeagueText(m_ui->editmodifier->text());
    return s;
}

void Tglobalfrm::showSettings(const GlobalEditSettings& s) {
    m_ui->cbapply->setCurrentIndex(s.applyTo);
    m_ui->cbpitbat->setCurrentIndex(s.position);
    m_ui->cbedteam->setCurrentIndex(s.team);
    m_ui->cbselect->setCurrentIndex(s.criterion1.field);
    m_ui->cbselect2->setCurrentIndex(s.criterion2.field);
    m_ui->cboper->setCurrentIndex(s.criterion1.op);
    m_ui->cboper2->setCurrentIndex(s.criterion2.op);
    m_ui->critere->setText(zt::ui::fromLeagueText(s.criterion1.value));
    m_ui->critere2->setText(zt::ui::fromLeagueText(s.criterion2.value));
    m_ui->cbsecondcriteria->setCurrentIndex(s.secondCriteria);
    QRadioButton* mode = nullptr;
    switch (s.mode) {
        case Mode::Percentage:
            mode = m_ui->rdperc;
            break;
        case Mode::UniqueValue:
            mode = m_ui->rdconst;
            break;
        case Mode::ConstantVariation:
            mode = m_ui->rdvar;
            break;
        case Mode::Random:
            mode = m_ui->rdrandom;
            break;
        case Mode::MinMax:
            mode = m_ui->rdminmax;
            break;
        case Mode::Formula:
            mode = m_ui->rdformula;
            break;
        case Mode::None:
            break;
    }
    if (mode != nullptr) {
        mode->setChecked(true);
    }
    m_ui->cbfield->setCurrentIndex(s.field);
    m_ui->editmodifier->setText(zt::ui::fromLeagueText(s.modifier));
}

HistoryRange Tglobalfrm::historyRange() const {
    return {
        m_ui->minyear->value(), m_ui->maxyear->value(), m_ui->minhlev->currentIndex(), m_ui->maxhlev->currentIndex()};
}

void Tglobalfrm::runCommand(const std::function<void()>& command) {
    zt::ui::runCommand(m_context.interaction, command, zt::ui::CommandCursor::Busy);
}

void Tglobalfrm::gobuttonClick() {
    runCommand([this] { runModification(m_league, settings(), m_context); });
}

void Tglobalfrm::deleteHistory(HistoryKinds kinds) {
    runCommand([this, kinds] { runHistoryDeletion(m_league, settings(), kinds, historyRange(), m_context); });
}

void Tglobalfrm::recalculate(Recalculation recalculation) {
    runCommand(
        [this, recalculation] { runRecalculation(m_league, settings(), recalculation, m_constants, m_context); });
}

void Tglobalfrm::Button4Click() {
    const QString file = m_chooseFile ? m_chooseFile(FileChoice::Open) : QString();
    if (file.isEmpty()) {
        return;
    }
    runCommand([this, &file] {
        const GbeFile records = readGbeFile(zt::ui::toPath(file));
        zt::ui::Tphotoprogress progress(this);
        progress.setWindowTitle(QString::fromLatin1(kFileProgressTitle));
        progress.showCentredOn(this);
        runGbeFile(m_league, records, m_context, progress, [this](const GlobalEditSettings& s) { showSettings(s); });
    });
    // The progress window had the focus; coming back to this window starts the range over, also
    // where the window system does not activate it again by itself.
    resetLevelRange();
}

void Tglobalfrm::Button5Click() {
    const QString file = m_chooseFile ? m_chooseFile(FileChoice::Save) : QString();
    if (!file.isEmpty()) {
        runCommand([this, &file] { saveGbeFile(zt::ui::toPath(file), settings()); });
    }
}

void Tglobalfrm::Button6Click() {
    const QString file = m_chooseFile ? m_chooseFile(FileChoice::Append) : QString();
    if (!file.isEmpty()) {
        runCommand([this, &file] { appendGbeFile(zt::ui::toPath(file), settings()); });
    }
}

}  // namespace zt::globaledit::ui
