#include "rosters/ui/lineup_page.h"

#include <QComboBox>
#include <QMimeData>
#include <QPushButton>
#include <QSignalBlocker>

#include "league/error.h"
#include "league/interaction.h"
#include "league/league.h"
#include "league/ui/command_boundary.h"
#include "league/ui/qt_interaction.h"
#include "league/ui/qt_text.h"
#include "players/editor_settings.h"
#include "players/ui/player_grid_view.h"
#include "rosters/lineup_check.h"
#include "rosters/lineup_view.h"
#include "rosters/roster_status.h"
#include "rosters/ui/slot_panel.h"
#include "ui_lineup_page.h"

namespace zt::ui {

LineupPage::LineupPage(QWidget* parent) : QWidget(parent), m_ui(std::make_unique<Ui::LineupPage>()) {
    m_ui->setupUi(this);
    m_lineupPanels = {
        m_ui->ln1, m_ui->ln2, m_ui->ln3, m_ui->ln4, m_ui->ln5, m_ui->ln6, m_ui->ln7, m_ui->ln8, m_ui->ln9};
    m_positionCombos = {m_ui->l1pos,
                        m_ui->l2pos,
                        m_ui->l3pos,
                        m_ui->l4pos,
                        m_ui->l5pos,
                        m_ui->l6pos,
                        m_ui->l7pos,
                        m_ui->l8pos,
                        m_ui->l9pos};
    m_rotationPanels = {m_ui->rot1, m_ui->rot2, m_ui->rot3, m_ui->rot4, m_ui->rot5};
    m_closerPanel = m_ui->closerpanel;

    const auto accepts = [this](const SlotPanel& target, const QMimeData& data) {
        const bool accepted = acceptsDrop(target, data);
        const PlayerRecord* player = accepted || m_league == nullptr ? nullptr : gridPlayer(data);
        if (player != nullptr && m_team >= 0) {
            if (const auto why = gridDropRefusal(*m_league, *player, m_team, shownLevel())) {
                Q_EMIT dropRefused(fromMessage(*why));
            }
        }
        return accepted;
    };
    // Drops, clears and position choices are commands: a failure is shown, never thrown into Qt.
    const auto interactionSource = [this]() -> Interaction& { return interaction(); };
    const auto drops = [this](SlotPanel& target, const QMimeData& data) {
        runCommand(interaction(), [&] { drop(target, data); });
    };
    for (int k = 0; k < kLineupSlots; ++k) {
        SlotPanel* panel = m_lineupPanels[static_cast<std::size_t>(k)];
        panel->setSlot(SlotPanel::Kind::Lineup, k + 1);
        panel->setDropHandlers(accepts, drops);
        connect(panel, &SlotPanel::clearRequested, this, commandSlot(interactionSource, [this](int tag) {
                    clearSlot(tag);
                }));
        QComboBox* combo = m_positionCombos[static_cast<std::size_t>(k)];
        for (int code = 1; code <= kPositionCount; ++code) {
            combo->addItem(fromLeagueText(positionText(code)));
        }
        // Only a choice of the user exchanges positions; the page sets the combos itself.
        connect(combo, &QComboBox::activated, this, commandSlot(interactionSource, [this, k](int item) {
                    positionChosen(k, item);
                }));
    }
    for (int k = 0; k < kRotationSlots; ++k) {
        m_rotationPanels[static_cast<std::size_t>(k)]->setSlot(SlotPanel::Kind::Rotation, k + 1);
        m_rotationPanels[static_cast<std::size_t>(k)]->setDropHandlers(accepts, drops);
    }
    m_closerPanel->setSlot(SlotPanel::Kind::Closer, kRotationSlots + 1);
    m_closerPanel->setDropHandlers(accepts, drops);

    for (QComboBox* selector : {m_ui->cblinelev, m_ui->linevs}) {
        connect(selector, &QComboBox::currentIndexChanged, this, commandSlot(interactionSource, [this] {
                    selectorsChanged();
                }));
    }
    connect(m_ui->btcheck, &QPushButton::clicked, this, commandSlot(interactionSource, [this] { checkLineups(); }));
    setLeague(nullptr, nullptr);
}

LineupPage::~LineupPage() = default;

void LineupPage::setLeague(League* league, const EditorSettings* settings) {
    m_league = league;
    m_settings = settings;
    m_team = -1;
    showLineups(-1);
}

void LineupPage::setInteraction(std::function<Interaction*()> source) {
    m_interaction = std::move(source);
}

Interaction& LineupPage::interaction() {
    if (Interaction* given = m_interaction ? m_interaction() : nullptr) {
        return *given;
    }
    if (!m_ownInteraction) {
        m_ownInteraction = std::make_unique<QtInteraction>(this);
    }
    return *m_ownInteraction;
}

int LineupPage::shownLevel() const {
    return std::max(0, m_ui->cblinelev->currentIndex());
}

LineupKind LineupPage::shownKind() const {
    return shownLineupKind(shownLevel(), m_ui->linevs->currentIndex());
}

void LineupPage::paintPanel(SlotPanel* panel, bool unfilled) {
    static const EditorSettings kDefaults;
    const EditorSettings& settings = m_settings != nullptr ? *m_settings : kDefaults;
    QPalette palette = panel->palette();
    palette.setColor(QPalette::WindowText, unfilled ? toQColor(settings.emptyColor) : QColor(Qt::black));
    panel->setPalette(palette);
}

void LineupPage::placeNextIndicator(int slot) {
    QLabel* indicator = m_ui->NextIndicator;
    m_ui->rotationLayout->removeWidget(indicator);
    if (slot < 0) {
        indicator->hide();
        return;
    }
    m_ui->rotationLayout->addWidget(indicator, slot, 0);
    indicator->show();
}

void LineupPage::showLineups(int team) {
    m_team = m_league != nullptr && m_league->isTeam(team) ? team : -1;
    if (shownLevel() != 0 && m_ui->linevs->currentIndex() != 0) {
        const QSignalBlocker block(m_ui->linevs);
        m_ui->linevs->setCurrentIndex(0);
    }
    const LineupView view =
        m_league != nullptr ? lineupView(*m_league, m_team, shownLevel(), m_ui->linevs->currentIndex()) : LineupView{};
    for (int k = 0; k < kLineupSlots; ++k) {
        const SlotView& slot = view.lineup[static_cast<std::size_t>(k)];
        SlotPanel* panel = m_lineupPanels[static_cast<std::size_t>(k)];
        panel->setText(m_team >= 0 ? fromLeagueText(slot.text) : QString::fromLatin1(kEmptyLineupText));
        paintPanel(panel, m_team < 0 || slot.unfilled);
        const int item = m_team >= 0 ? slot.positionIndex : 0;
        QComboBox* combo = m_positionCombos[static_cast<std::size_t>(k)];
        const QSignalBlocker block(combo);
        combo->setCurrentIndex(item >= 0 && item < combo->count() ? item : -1);
        m_positions.shown[static_cast<std::size_t>(k)] = item;
    }
    m_positions.old = m_positions.shown;
    for (int k = 0; k < kRotationSlots; ++k) {
        const SlotView& slot = view.rotation[static_cast<std::size_t>(k)];
        SlotPanel* panel = m_rotationPanels[static_cast<std::size_t>(k)];
        panel->setText(m_team >= 0 ? fromLeagueText(slot.text) : QString::fromLatin1(kEmptyRotationText));
        paintPanel(panel, m_team < 0 || slot.unfilled);
    }
    m_closerPanel->setText(fromLeagueText(view.closer.text.empty() ? kEmptyRotationText : view.closer.text));
    paintPanel(m_closerPanel, m_team < 0 || view.closer.unfilled);
    placeNextIndicator(m_team >= 0 ? view.nextStarterSlot : -1);
    setEnabled(m_team >= 0);
}

void LineupPage::refresh() {
    showLineups(m_team);
}

void LineupPage::selectorsChanged() {
    // The selectors show another lineup of the same team, while the current player is one of a team.
    if (m_league == nullptr || m_league->currentPlayer == nullptr ||
        m_league->currentPlayer->teamIndex() >= kFirstNonTeamView) {
        return;
    }
    showLineups(m_team);
}

void LineupPage::checkLineups() {
    if (m_league == nullptr || m_team < 0) {
        return;
    }
    const int team = m_team;
    // The lineups are shown again whether or not the check ran to its end.
    runCommand(interaction(), [&] { zt::checkLineups(*m_league, team, interaction()); });
    Q_EMIT lineupsChecked(team);
    showLineups(team);
}

PlayerRecord* LineupPage::gridPlayer(const QMimeData& data) const {
    const std::optional<int> index = PlayerGridView::draggedPlayerIndex(&data);
    if (m_league == nullptr || !index || static_cast<std::size_t>(*index) >= m_league->players.size()) {
        return nullptr;
    }
    return m_league->players[static_cast<std::size_t>(*index)].get();
}

bool LineupPage::acceptsDrop(const SlotPanel& target, const QMimeData& data) const {
    if (m_league == nullptr || m_team < 0) {
        return false;
    }
    if (const PlayerRecord* player = gridPlayer(data)) {
        return acceptsGridPlayer(*player, m_team, shownLevel());
    }
    const std::optional<SlotPanel::Source> source = SlotPanel::draggedSlot(&data);
    // Slots are exchanged within the lineup or within the rotation; the closer is made only
    // from the grid, so the closer panel and the rotation do not exchange players.
    return source && target.kind() != SlotPanel::Kind::Closer && source->kind == target.kind();
}

void LineupPage::drop(SlotPanel& target, const QMimeData& data) {
    if (!acceptsDrop(target, data)) {
        return;
    }
    const int slot = target.tag() - 1;
    PlayerRecord* player = gridPlayer(data);
    const std::optional<SlotPanel::Source> source = SlotPanel::draggedSlot(&data);
    switch (target.kind()) {
        case SlotPanel::Kind::Lineup:
            if (player != nullptr) {
                putInLineup(*m_league, m_team, shownKind(), slot, *player);
            } else if (source) {
                exchangeLineupSlots(*m_league, m_team, shownKind(), source->tag - 1, slot);
            }
            break;
        case SlotPanel::Kind::Rotation:
            if (player != nullptr) {
                putInRotation(*m_league, m_team, shownLevel(), slot, *player);
            } else if (source) {
                exchangeRotationSlots(*m_league, m_team, shownLevel(), source->tag - 1, slot);
            }
            break;
        case SlotPanel::Kind::Closer:
            if (player != nullptr) {
                makeCloser(*m_league, m_team, *player);
            }
            break;
    }
    showLineups(m_team);
    if (player != nullptr) {
        Q_EMIT playersEdited();
    }
}

void LineupPage::clearSlot(int tag) {
    if (m_league == nullptr || m_team < 0) {
        return;
    }
    clearLineupSlot(*m_league, m_team, shownKind(), tag - 1);
    showLineups(m_team);
}

void LineupPage::positionChosen(int slot, int item) {
    if (m_league == nullptr || m_team < 0) {
        return;
    }
    changeSlotPosition(*m_league, m_team, shownKind(), slot, item, m_positions);
    for (int k = 0; k < kLineupSlots; ++k) {
        QComboBox* combo = m_positionCombos[static_cast<std::size_t>(k)];
        const QSignalBlocker block(combo);
        combo->setCurrentIndex(m_positions.shown[static_cast<std::size_t>(k)]);
    }
    Q_EMIT playersEdited();
}

}  // namespace zt::ui
