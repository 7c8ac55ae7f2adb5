#include "players/ui/player_editor.h"

#include <QAbstractItemView>
#include <QHeaderView>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <exception>
#include <optional>

#include "league/codes.h"
#include "league/error.h"
#include "league/ui/command_boundary.h"
#include "league/ui/qt_interaction.h"
#include "league/ui/qt_text.h"
#include "ui_adv_page.h"
#include "ui_bat_page.h"
#include "ui_fld_page.h"
#include "ui_gen_page.h"
#include "ui_pit_page.h"

namespace zt::ui {

namespace {

constexpr int kVisiblePitchRows = pf::kPitchSlots;

QString itemText(std::string_view text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

void addItems(QComboBox* combo, auto&& texts) {
    for (const std::string_view text : texts) {
        combo->addItem(itemText(text));
    }
}

// Item texts of the combos whose first item stands for code `first`, from the code tables.
void addCodeItems(QComboBox* combo, std::string_view (*text)(int), int first, int count) {
    for (int code = first; code < first + count; ++code) {
        combo->addItem(itemText(text(code)));
    }
}

}  // namespace

PlayerEditor::PlayerEditor(QWidget* parent)
    : QTabWidget(parent),
      m_gen(std::make_unique<Ui::GenPage>()),
      m_bat(std::make_unique<Ui::BatPage>()),
      m_pit(std::make_unique<Ui::PitPage>()),
      m_fld(std::make_unique<Ui::FldPage>()),
      m_adv(std::make_unique<Ui::AdvPage>()) {
    setObjectName(QStringLiteral("pages"));
    createPages();
    fillComboItems();
    setUpPitchGrid();
    bindControls();
    fillTeamCombo(builtInTeamList());

    m_applyButton = new QPushButton(QStringLiteral("APPLY"), this);
    m_applyButton->setObjectName(QStringLiteral("btsave"));
    // Beside the tabs, so that APPLY is at hand on whichever page the user typed.
    setCornerWidget(m_applyButton, Qt::TopRightCorner);
    connect(m_applyButton, &QPushButton::clicked, this, [this] {
        CommandGroup apply;  // with what the windows do when told of it
        applyToCurrent();
    });
    connect(m_pit->cbvs, &QComboBox::currentIndexChanged, this, &PlayerEditor::scrollPitchGrid);
    connect(m_bat->btcalcbat, &QPushButton::clicked, this, &PlayerEditor::battingCalculatorClicked);
    connect(m_pit->btcalcpit, &QPushButton::clicked, this, &PlayerEditor::pitchingCalculatorClicked);
    connect(m_pit->btundopit, &QPushButton::clicked, this, &PlayerEditor::pitchUndoClicked);

    setLeague(nullptr);
}

PlayerEditor::~PlayerEditor() = default;

void PlayerEditor::createPages() {
    const auto addPage = [this](auto& form, const QString& caption) {
        auto* page = new QWidget(this);
        form->setupUi(page);
        addTab(page, caption);
        m_editorPages.push_back(page);
    };
    addPage(m_gen, QStringLiteral("Gen"));
    addPage(m_bat, QStringLiteral("Bat"));
    addPage(m_pit, QStringLiteral("Pit"));
    addPage(m_fld, QStringLiteral("Fld"));
    addPage(m_adv, QStringLiteral("Adv"));

    // Filled by the history editor and the lineup editor.
    m_historyPage = new QWidget(this);
    m_historyPage->setObjectName(QStringLiteral("hispage"));
    addTab(m_historyPage, QStringLiteral("His"));
    m_lineupPage = new QWidget(this);
    m_lineupPage->setObjectName(QStringLiteral("manpage"));
    addTab(m_lineupPage, QStringLiteral("Man"));
}

void PlayerEditor::fillComboItems() {
    addCodeItems(m_gen->cbpos, &positionText, 1, kPositionCount);
    addCodeItems(m_gen->cbpos2, &positionText, 1, kPositionCount);
    addCodeItems(m_gen->cbrole, &roleText, 1, 4);
    addCodeItems(m_gen->cbbats, &batsText, 0, 3);
    addCodeItems(m_gen->cbthrows, &throwsText, 0, 2);
    addItems(m_gen->cblevel, kLevelComboTexts);
    addCodeItems(m_gen->cbcomplexion, &complexionText, 1, 3);
    addItems(m_gen->cbstance, battingStanceTexts());
    addItems(m_pit->cbdelivery, deliveryTexts());
    m_pitchCombos = {m_pit->cbp1, m_pit->cbp2, m_pit->cbp3, m_pit->cbp4, m_pit->cbp5, m_pit->cbp6};
    m_qualityEdits = {m_pit->editp1q, m_pit->editp2q, m_pit->editp3q, m_pit->editp4q, m_pit->editp5q, m_pit->editp6q};
    for (QComboBox* combo : m_pitchCombos) {
        addItems(combo, pitchTypeTexts());
    }
    m_pit->cbvs->addItem(QStringLiteral("Vs R"));
    m_pit->cbvs->addItem(QStringLiteral("Vs L"));
}

void PlayerEditor::setUpPitchGrid() {
    QTableWidget* grid = m_pit->pitchgrid;
    grid->setRowCount(kPitchGridRows);
    grid->setColumnCount(kPitchGridColumns);
    grid->setHorizontalHeaderLabels({QStringLiteral("Avg"), QStringLiteral("Obp"), QStringLiteral("Slg")});
    QStringList rows;
    for (int row = 0; row < kPitchGridRows; ++row) {
        rows << QString::number(row % pf::kPitchSlots + 1);
        for (int column = 0; column < kPitchGridColumns; ++column) {
            grid->setItem(row, column, new QTableWidgetItem(QStringLiteral("0")));
        }
    }
    grid->setVerticalHeaderLabels(rows);
    grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    // Six rows at a time: the pitches against right-handers or, scrolled by "Vs L", against
    // left-handers.
    const int rowHeight = grid->verticalHeader()->defaultSectionSize();
    grid->setFixedHeight(2 * grid->frameWidth() + grid->horizontalHeader()->sizeHint().height() +
                         kVisiblePitchRows * rowHeight);
}

void PlayerEditor::fillTeamCombo(const std::vector<TeamListEntry>& teams) {
    m_teams = teams;
    m_gen->cbteam->clear();
    for (const TeamListEntry& team : m_teams) {
        m_gen->cbteam->addItem(fromLeagueText(team.text));
    }
}

void PlayerEditor::scrollPitchGrid() {
    QTableWidget* grid = m_pit->pitchgrid;
    const int row = m_pit->cbvs->currentIndex() == 1 ? pf::kPitchSlots : 0;
    grid->scrollToItem(grid->item(row, 0), QAbstractItemView::PositionAtTop);
}

void PlayerEditor::setLeague(League* league) {
    m_league = league;
    m_shownPlayer = nullptr;
    for (QWidget* page : m_editorPages) {
        page->setEnabled(league != nullptr);
    }
    m_applyButton->setEnabled(league != nullptr);
    fillTeamCombo(league != nullptr ? league->teamAbbrevList : builtInTeamList());
}

void PlayerEditor::setInteraction(Interaction* interaction) {
    m_interaction = interaction;
}

Interaction& PlayerEditor::interaction() {
    if (m_interaction != nullptr) {
        return *m_interaction;
    }
    if (!m_ownInteraction) {
        m_ownInteraction = std::make_unique<QtInteraction>(this);
    }
    return *m_ownInteraction;
}

void PlayerEditor::loadPlayer(const PlayerRecord& player) {
    // Team abbreviations can change while the league is open (team info); the combo follows.
    if (m_league != nullptr && m_teams != m_league->teamAbbrevList) {
        fillTeamCombo(m_league->teamAbbrevList);
    }
    setValues(playerEditorValues(m_teams, player));
    m_shownPlayer = &player;
    Q_EMIT playerLoaded(player);
}

bool PlayerEditor::hasPendingEdits() const {
    if (m_league == nullptr || m_shownPlayer == nullptr || m_league->currentPlayer != m_shownPlayer) {
        return false;
    }
    try {
        return values() != playerEditorValues(m_teams, *m_shownPlayer);
    } catch (const Error&) {
        return true;  // a box holds what the league cannot store: certainly typed by the user
    }
}

void PlayerEditor::discardEdits() {
    if (hasPendingEdits()) {
        loadPlayer(*m_shownPlayer);
    }
}

void PlayerEditor::focusBox(const PlayerEditorValues& typed, const std::string* box) {
    const auto show = [this](QWidget* control) {
        for (int page = 0; page < count(); ++page) {
            if (widget(page)->isAncestorOf(control)) {
                setCurrentIndex(page);
            }
        }
        control->setFocus(Qt::OtherFocusReason);
    };
    PlayerEditorValues& values = const_cast<PlayerEditorValues&>(typed);  // the bindings hand out references
    for (const TextBinding& binding : m_texts) {
        if (&binding.field(values) == box) {
            show(binding.edit);
            binding.edit->selectAll();
            return;
        }
    }
    for (std::size_t k = 0; k < m_qualityEdits.size(); ++k) {
        if (&typed.qualities[k] == box) {
            show(m_qualityEdits[k]);
            m_qualityEdits[k]->selectAll();
            return;
        }
    }
    for (int row = 0; row < kPitchGridRows; ++row) {
        for (int column = 0; column < kPitchGridColumns; ++column) {
            if (&typed.pitchGrid[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)] == box) {
                QTableWidget* grid = m_pit->pitchgrid;
                m_pit->cbvs->setCurrentIndex(row < pf::kPitchSlots ? 0 : 1);
                show(grid);
                grid->setCurrentCell(row, column);
                grid->editItem(grid->item(row, column));
                return;
            }
        }
    }
}

void PlayerEditor::showPitches(const PlayerRecord& player) {
    PlayerEditorValues values;
    fillPitchValues(values, player);
    setPitchValues(values);
}

void PlayerEditor::showRoleAndSecondPosition(const PlayerRecord& player) {
    const PlayerEditorValues values = playerEditorValues(builtInTeamList(), player);
    m_gen->cbpos2->setCurrentIndex(values.secondPosition);
    m_gen->cbrole->setCurrentIndex(values.role);
}

bool PlayerEditor::applyToCurrent() {
    if (m_league == nullptr || m_league->currentPlayer == nullptr) {
        return false;
    }
    PlayerRecord* player = m_league->currentPlayer;
    bool applied = false;
    std::optional<PlayerEditorValues> typed;
    const std::string* failedBox = nullptr;
    runCommand(interaction(), [&] {
        typed = values();
        try {
            applied = applyPlayerEditorValues(*m_league, *player, *typed, interaction()) == ApplyOutcome::Applied;
        } catch (const BoxConversionError& e) {
            failedBox = e.box();
            throw;
        }
    });
    if (failedBox != nullptr) {
        // After the message: the user corrects the box that failed, its text selected.
        focusBox(*typed, failedBox);
    }
    if (!applied) {
        return false;
    }
    // Show what the record now holds (names cut to their width, pitches beyond a gap dropped).
    loadPlayer(*player);
    Q_EMIT playerApplied(player);
    return true;
}

void PlayerEditor::showGeneralPage() {
    setCurrentIndex(0);
}

void PlayerEditor::setHistoryPageEnabled(bool enabled) {
    setTabEnabled(indexOf(m_historyPage), enabled);
}

void PlayerEditor::setLineupPageVisible(bool visible) {
    setTabVisible(indexOf(m_lineupPage), visible);
}

QFrame* PlayerEditor::photoBox() const {
    return m_gen->photobox;
}

}  // namespace zt::ui
