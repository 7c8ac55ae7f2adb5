#include "players/ui/player_grid_panel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "league/ui/qt_text.h"
#include "players/ui/player_grid_model.h"
#include "players/ui/player_grid_view.h"

namespace zt::ui {

namespace {

bool currentPlayerIsOnTeam(const League& league) {
    return league.currentPlayer != nullptr && league.currentPlayer->teamIndex() < kFirstNonTeamView;
}

}  // namespace

PlayerGridPanel::PlayerGridPanel(QWidget* parent) : QWidget(parent) {
    m_teamLabel = new QLabel(this);
    m_teamLabel->setObjectName(QStringLiteral("lblteam"));
    QFont bold = m_teamLabel->font();
    bold.setBold(true);
    m_teamLabel->setFont(bold);

    m_humanBox = new QCheckBox(this);
    m_humanBox->setObjectName(QStringLiteral("humanbox"));
    m_humanBox->setToolTip(QStringLiteral("Human Controlled"));
    m_humanBox->setAccessibleName(QStringLiteral("Human Controlled"));

    m_rosterFilter = new QComboBox(this);
    m_rosterFilter->setObjectName(QStringLiteral("rosterfilter"));
    for (const std::string_view item : rosterFilterItems()) {
        m_rosterFilter->addItem(fromLeagueText(item));
    }

    m_countLabel = new QLabel(QStringLiteral("0"), this);
    m_countLabel->setObjectName(QStringLiteral("lblcount"));
    m_countLabel->setToolTip(QStringLiteral("Players listed"));
    m_countLabel->setAccessibleName(QStringLiteral("Players listed"));
    m_rosterFilter->setToolTip(QStringLiteral("Level shown"));
    m_rosterFilter->setAccessibleName(QStringLiteral("Level shown"));

    m_model = new PlayerGridModel(this);
    m_view = new PlayerGridView(this);
    m_view->setGridModel(m_model);

    auto* top = new QHBoxLayout;
    top->addWidget(m_teamLabel, 1);
    top->addWidget(m_humanBox);
    auto* filterRow = new QHBoxLayout;
    filterRow->addWidget(m_rosterFilter);
    filterRow->addStretch(1);
    filterRow->addWidget(m_countLabel);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(top);
    layout->addLayout(filterRow);
    layout->addWidget(m_view, 1);

    connect(m_view, &PlayerGridView::currentRowSelected, this, &PlayerGridPanel::rowBecameCurrent);
    connect(m_view, &PlayerGridView::rowDoubleClicked, this, [this](int row) {
        if (const PlayerGridRow* content = m_model->rowAt(row)) {
            Q_EMIT rowDoubleClicked(content->playerIndex);
        }
    });
    // Only a choice of the user asks for a refill; setting the item from code does not.
    connect(m_rosterFilter, &QComboBox::activated, this, [this](int index) {
        if (index != m_filterItem && m_mayLeave && !m_mayLeave()) {
            m_rosterFilter->setCurrentIndex(m_filterItem);  // the user stays with what is shown
            return;
        }
        m_filterItem = index;
        Q_EMIT levelFilterChanged(rosterFilterLevel(index));
    });
    connect(m_humanBox, &QCheckBox::clicked, this, &PlayerGridPanel::humanBoxToggled);

    setLeague(nullptr, nullptr);
}

PlayerGridPanel::~PlayerGridPanel() = default;

const EditorSettings& PlayerGridPanel::settings() const {
    static const EditorSettings kDefaults;
    return m_settings != nullptr ? *m_settings : kDefaults;
}

void PlayerGridPanel::setLeague(League* league, const EditorSettings* settings) {
    m_league = league;
    m_settings = settings;
    m_shownTeam = -1;
    m_searchMode = false;
    const bool open = league != nullptr;
    m_model->clear();
    m_model->setSources(league, &this->settings());
    m_model->setGridEnabled(open);
    m_view->setEnabled(open);
    m_rosterFilter->setEnabled(open);
    m_humanBox->setEnabled(open);
    m_humanBox->setChecked(false);
    m_teamLabel->clear();
    m_countLabel->setText(QStringLiteral("0"));
}

int PlayerGridPanel::previousPlayerIndex() const {
    if (m_league == nullptr || m_league->currentPlayer == nullptr) {
        return -1;
    }
    const auto& players = m_league->players;
    const int shown = currentPlayerIndex();
    if (shown >= 0 && static_cast<std::size_t>(shown) < players.size() &&
        players[static_cast<std::size_t>(shown)].get() == m_league->currentPlayer) {
        return shown;
    }
    // Compared by address only: the record may be gone after a deletion.
    for (std::size_t i = 0; i < players.size(); ++i) {
        if (players[i].get() == m_league->currentPlayer) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

void PlayerGridPanel::showRows(std::vector<PlayerGridRow> rows, bool sorted) {
    m_searchMode = false;
    const int previous = previousPlayerIndex();
    if (sorted && m_view->isSorted()) {
        sortRows(rows, m_view->sortColumn(), m_view->sortOrder());
    }
    m_view->showSortIndicator(sorted);
    m_model->setRows(std::move(rows));
    m_countLabel->setText(QString::number(m_model->rowCount()));
    if (m_model->rowCount() == 0) {
        return;
    }
    const int row = previous >= 0 ? m_model->rowOfPlayer(previous) : -1;
    m_view->selectOnlyRow(row >= 0 ? row : 0);
}

void PlayerGridPanel::fillTeam(int team, int levelFilter) {
    if (m_league == nullptr) {
        return;
    }
    PlayerGridContent content = playerGridRows(*m_league, team, levelFilter, settings().showHidden);
    m_shownTeam = team;
    const int item = rosterFilterIndex(levelFilter);
    if (item >= 0) {
        m_rosterFilter->setCurrentIndex(item);
        m_filterItem = item;
    }
    showRows(std::move(content.rows), true);
}

void PlayerGridPanel::fillExportPool() {
    if (m_league == nullptr) {
        return;
    }
    m_humanBox->setChecked(false);
    if (m_league->exportPool.empty()) {
        setTeamCaption(fromLeagueText(defaultGridCaption(*m_league, settings())));
        fillTeam(defaultGridTeam(*m_league, settings()), kAllLevels);
        return;
    }
    m_shownTeam = kExportPoolView;
    setTeamCaption(QStringLiteral("Export Pool"));
    showRows(exportPoolRows(*m_league), false);
}

void PlayerGridPanel::showSearchResults(std::vector<PlayerGridRow> rows,
                                        const QString& levelHeader,
                                        bool numericValues) {
    if (m_league == nullptr) {
        return;
    }
    const int previous = previousPlayerIndex();
    m_searchMode = true;
    m_view->showSortIndicator(false);
    m_model->setRows(std::move(rows), numericValues, levelHeader);
    m_countLabel->setText(QString::number(m_model->rowCount()));
    if (m_model->rowCount() == 0) {
        return;
    }
    const int row = previous >= 0 ? m_model->rowOfPlayer(previous) : -1;
    m_view->selectOnlyRow(row >= 0 ? row : 0);
}

void PlayerGridPanel::setTeamCaption(const QString& caption) {
    m_teamLabel->setText(caption);
}

QString PlayerGridPanel::teamCaption() const {
    return m_teamLabel->text();
}

int PlayerGridPanel::currentPlayerIndex() const {
    const PlayerGridRow* row = m_model->rowAt(m_view->currentRow());
    return row != nullptr ? row->playerIndex : -1;
}

std::vector<int> PlayerGridPanel::selectedPlayerIndexes() const {
    std::vector<int> indexes;
    for (const int row : m_view->selectedRowNumbers()) {
        if (const PlayerGridRow* content = m_model->rowAt(row)) {
            indexes.push_back(content->playerIndex);
        }
    }
    return indexes;
}

bool PlayerGridPanel::selectPlayerRow(int playerIndex) {
    const int row = m_model->rowOfPlayer(playerIndex);
    if (row < 0) {
        return false;
    }
    m_view->selectOnlyRow(row);
    return true;
}

void PlayerGridPanel::sortBy(int column, SortOrder order) {
    m_view->sortRowsBy(column, order);
}

void PlayerGridPanel::refreshCurrentRow() {
    const int row = m_view->currentRow();
    const PlayerGridRow* old = m_model->rowAt(row);
    if (m_league == nullptr || old == nullptr || old->playerIndex < 0 ||
        static_cast<std::size_t>(old->playerIndex) >= m_league->players.size()) {
        return;
    }
    PlayerGridRow fresh = playerGridRow(*m_league, old->playerIndex);
    if (m_searchMode || m_model->levelColumnHoldsValues()) {
        // A searched value or team is not the player's level; the search that wrote it owns it.
        fresh.texts[kGridLevelColumn] = old->texts[kGridLevelColumn];
    }
    m_model->replaceRow(row, std::move(fresh));
}

void PlayerGridPanel::repaintRows() {
    m_model->repaintAll();
}

int PlayerGridPanel::rowCount() const {
    return m_model->rowCount();
}

int PlayerGridPanel::levelFilter() const {
    return rosterFilterLevel(m_rosterFilter->currentIndex());
}

void PlayerGridPanel::setLevelFilterIndex(int index) {
    if (index >= 0 && index < m_rosterFilter->count()) {
        m_rosterFilter->setCurrentIndex(index);
        m_filterItem = index;
    }
}

void PlayerGridPanel::setLeaveGuard(std::function<bool()> mayLeave) {
    m_mayLeave = mayLeave;
    m_view->setLeaveRowGuard(std::move(mayLeave));
}

void PlayerGridPanel::setHumanChecked(bool checked) {
    m_humanBox->setChecked(checked);
}

bool PlayerGridPanel::isHumanChecked() const {
    return m_humanBox->isChecked();
}

void PlayerGridPanel::rowBecameCurrent(int row) {
    const PlayerGridRow* content = m_model->rowAt(row);
    if (m_league == nullptr || content == nullptr) {
        return;
    }
    const int playerIndex = content->playerIndex;
    const bool wasOnTeam = currentPlayerIsOnTeam(*m_league);
    selectPlayer(*m_league, playerIndex);
    // The roster colours are drawn only while the current player belongs to a team.
    if (wasOnTeam != currentPlayerIsOnTeam(*m_league)) {
        m_model->repaintAll();
    }
    Q_EMIT playerSelected(playerIndex);
}

}  // namespace zt::ui
