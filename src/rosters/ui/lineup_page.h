#pragma once

#include <QWidget>
#include <array>
#include <functional>
#include <memory>

#include "league/season_records.h"
#include "rosters/lineup_edit.h"

class QComboBox;
class QMimeData;

namespace Ui {
class LineupPage;
}

namespace zt {
class Interaction;
class League;
struct EditorSettings;
}  // namespace zt

namespace zt::ui {

class SlotPanel;

// The "Man" page of the player editor: the lineup and the rotation of one level of a team,
// its closer and the next starter. The user fills them by dragging players from the grid,
// reorders them by dragging one slot onto another, clears a lineup slot with the right button,
// changes a slot's position with its combo and checks everything with "Check". Every change
// goes to the league at once; the page only shows the league's data.
class LineupPage : public QWidget {
    Q_OBJECT

public:
    explicit LineupPage(QWidget* parent = nullptr);
    ~LineupPage() override;

    // The league shown (nullptr: none) and the settings giving the unfilled-spots colour.
    void setLeague(League* league, const EditorSettings* settings);
    // Who answers the lineup check's questions, asked at the time of each check (the window's
    // interaction may be replaced after the page was made).
    void setInteraction(std::function<Interaction*()> source);
    // Who answers this page's questions and shows its failures.
    Interaction& interaction();

    // Fills the page from the team's data at the level and lineup chosen in the selectors.
    void showLineups(int team);
    // Shows the same team again (after a colour change or a command that changed its data).
    void refresh();
    // The lineup check of the team shown ("Check").
    void checkLineups();

    int shownTeam() const { return m_team; }
    int shownLevel() const;
    LineupKind shownKind() const;

Q_SIGNALS:
    // A player dragged from the grid cannot go here: why, for the status bar.
    void dropRefused(const QString& reason);
    // "Check" ran for the team; the window re-selects the current player.
    void lineupsChecked(int team);
    // A drop or a position change changed players' roles or positions; the editor shows the
    // current player's again.
    void playersEdited();

private:
    bool acceptsDrop(const SlotPanel& target, const QMimeData& data) const;
    void drop(SlotPanel& target, const QMimeData& data);
    PlayerRecord* gridPlayer(const QMimeData& data) const;
    void clearSlot(int tag);
    void positionChosen(int slot, int item);
    void selectorsChanged();
    void paintPanel(SlotPanel* panel, bool unfilled);
    void placeNextIndicator(int slot);

    std::unique_ptr<Ui::LineupPage> m_ui;
    std::array<SlotPanel*, kLineupSlots> m_lineupPanels{};
    std::array<QComboBox*, kLineupSlots> m_positionCombos{};
    std::array<SlotPanel*, kRotationSlots> m_rotationPanels{};
    SlotPanel* m_closerPanel = nullptr;

    League* m_league = nullptr;
    const EditorSettings* m_settings = nullptr;
    std::function<Interaction*()> m_interaction;
    std::unique_ptr<Interaction> m_ownInteraction;  // message boxes, when no one else answers
    int m_team = -1;
    SlotPositions m_positions;  // the combos as shown and the remembered old positions
};

}  // namespace zt::ui
