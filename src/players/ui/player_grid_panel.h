#pragma once

#include <QString>
#include <QWidget>
#include <functional>
#include <vector>

#include "players/player_grid.h"

class QCheckBox;
class QComboBox;
class QLabel;

namespace zt::ui {

class PlayerGridModel;
class PlayerGridView;

// The left half of the main window: the team label, the player count, the roster filter, the
// human-team box and the player grid.
//
// Selecting: whenever a row becomes current (a click, a key, a fill, a sort) the panel makes
// its player the league's current player with zt::selectPlayer (which finds or creates his
// history block) and then emits playerSelected once. The main window only loads the editor
// from League::currentPlayer / currentHistory; it must not call selectPlayer again. Apart from
// that the panel changes nothing in the league.
class PlayerGridPanel : public QWidget {
    Q_OBJECT

public:
    explicit PlayerGridPanel(QWidget* parent = nullptr);
    ~PlayerGridPanel() override;

    // The league shown and the settings giving the colours and the hidden-players option.
    // A null league empties and disables the panel. Both must outlive their use here.
    void setLeague(League* league, const EditorSettings* settings);

    // Lists the players of `team` (255: the free agents) at `levelFilter` (a level code or
    // kAllLevels), falling back to every level when that level has none; the roster filter
    // shows the level asked for. Rows are sorted as the user last chose. The previously
    // current player stays current when he is still listed, else the first row becomes
    // current; playerSelected follows, and nothing when there is no row.
    void fillTeam(int team, int levelFilter);
    // Lists the export pool in pool order under the label "Export Pool" and clears the
    // human-team box. An empty pool shows the default team at every level instead.
    void fillExportPool();
    // Lists the rows a search found (players of any team) in the order given, with
    // `levelHeader` over the fourth column; `numericValues` makes that column sort by number.
    // This is search mode: the fourth column belongs to the search until the next fill of a
    // team or the pool ends it. The team label is the caller's.
    void showSearchResults(std::vector<PlayerGridRow> rows, const QString& levelHeader, bool numericValues);
    bool inSearchMode() const { return m_searchMode; }
    void setTeamCaption(const QString& caption);
    QString teamCaption() const;

    // Player index of the current row, or -1.
    int currentPlayerIndex() const;
    // Player indexes of the selected rows, top to bottom.
    std::vector<int> selectedPlayerIndexes() const;
    // Makes the row of that player current (and selects him); false when he is not listed.
    bool selectPlayerRow(int playerIndex);
    // Sorts the rows now, keeping the column and order for later fills (used by commands
    // that want the newest players first).
    void sortBy(int column, SortOrder order);

    // Re-reads the current row's texts from its player (after the editor applied changes).
    void refreshCurrentRow();
    // Redraws colours and roster flags (after a colour or option change).
    void repaintRows();

    // Team number shown, 255 for the free agents, kExportPoolView for the pool, -1 for none.
    int shownTeam() const { return m_shownTeam; }
    bool showsExportPool() const { return m_shownTeam == kExportPoolView; }
    int rowCount() const;

    // Level code of the roster filter, and its item by index (0 "ALL" .. 6 "IL"). Setting the
    // item does not emit levelFilterChanged.
    int levelFilter() const;
    void setLevelFilterIndex(int index);

    void setHumanChecked(bool checked);
    bool isHumanChecked() const;

    // Asked before the user's own row change or roster filter choice shows another player;
    // false leaves the grid as it is.
    void setLeaveGuard(std::function<bool()> mayLeave);

    PlayerGridView* view() const { return m_view; }
    PlayerGridModel* model() const { return m_model; }

Q_SIGNALS:
    void playerSelected(int playerIndex);
    void rowDoubleClicked(int playerIndex);
    // The user chose another roster filter item; the main window decides what to refill.
    void levelFilterChanged(int levelCode);
    // The user clicked the human-team box.
    void humanBoxToggled(bool checked);

private:
    void showRows(std::vector<PlayerGridRow> rows, bool sorted);
    void rowBecameCurrent(int row);
    int previousPlayerIndex() const;
    const EditorSettings& settings() const;

    League* m_league = nullptr;
    const EditorSettings* m_settings = nullptr;
    int m_shownTeam = -1;
    bool m_searchMode = false;

    std::function<bool()> m_mayLeave;
    int m_filterItem = 0;  // the roster filter item the grid shows

    QLabel* m_teamLabel = nullptr;
    QLabel* m_countLabel = nullptr;
    QComboBox* m_rosterFilter = nullptr;
    QCheckBox* m_humanBox = nullptr;
    PlayerGridModel* m_model = nullptr;
    PlayerGridView* m_view = nullptr;
};

}  // namespace zt::ui
