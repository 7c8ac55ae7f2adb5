#pragma once

#include <QTabWidget>
#include <memory>
#include <string>
#include <vector>

#include "league/league.h"
#include "players/player_editor_values.h"

class QCheckBox;
class QComboBox;
class QFrame;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace Ui {
class GenPage;
class BatPage;
class PitPage;
class FldPage;
class AdvPage;
}  // namespace Ui

namespace zt {
class Interaction;
}

namespace zt::ui {

class QtInteraction;

// The tabbed panel beside the player grid: every editable field of the current player on the
// pages Gen, Bat, Pit, Fld and Adv, the pages His and Man that the history and lineup editors
// fill, and the APPLY button that stores the pages into the current player. Nothing typed
// reaches the player before APPLY.
class PlayerEditor : public QTabWidget {
    Q_OBJECT

public:
    explicit PlayerEditor(QWidget* parent = nullptr);
    ~PlayerEditor() override;

    // The league whose current player APPLY changes; nullptr while none is open, which
    // disables the pages.
    void setLeague(League* league);
    // Where questions and messages go; without one they are shown as message boxes.
    void setInteraction(Interaction* interaction);

    // Shows the player in every control.
    void loadPlayer(const PlayerRecord& player);
    // Shows the player's pitches again (combos, qualities, pitch grid) and nothing else, for
    // commands that change the repertoire of the player on display.
    void showPitches(const PlayerRecord& player);
    // Shows the player's role and second position again and nothing else, for commands that
    // change them while other boxes may hold edits not yet applied.
    void showRoleAndSecondPosition(const PlayerRecord& player);

    // Whether the boxes hold edits not yet applied to the player on display (he is the current
    // player). Another player must not be shown over them without asking.
    bool hasPendingEdits() const;
    // Shows the player on display again as stored, dropping the edits.
    void discardEdits();

    // APPLY: stores the controls into the league's current player. A box that does not hold a
    // number is reported as a warning and changes nothing. Returns whether the player was stored.
    bool applyToCurrent();

    // What the controls hold, and showing such values (the calculators read and write the boxes).
    PlayerEditorValues values() const;
    void setValues(const PlayerEditorValues& values);

    void showGeneralPage();
    void setHistoryPageEnabled(bool enabled);
    void setLineupPageVisible(bool visible);
    QWidget* historyPage() const { return m_historyPage; }
    QWidget* lineupPage() const { return m_lineupPage; }
    QFrame* photoBox() const;

Q_SIGNALS:
    // After APPLY stored the player: the window refreshes his grid row and checks his team's
    // lineups.
    void playerApplied(zt::PlayerRecord* player);
    // A player is now on display in every control (the window keeps his pitches for "Undo").
    void playerLoaded(const zt::PlayerRecord& player);
    // The calculator buttons: "Calculate avgs with vital stats" (Bat), "Calculate Avgs" and
    // "Undo" (Pit). The window computes, as it holds the league constants.
    void battingCalculatorClicked();
    void pitchingCalculatorClicked();
    void pitchUndoClicked();

private:
    struct TextBinding {
        QLineEdit* edit;
        std::string& (*field)(PlayerEditorValues&);
        bool leagueText;  // a name in the league's single-byte text, not a number
    };
    struct ComboBinding {
        QComboBox* combo;
        int& (*field)(PlayerEditorValues&);
    };
    struct CheckBinding {
        QCheckBox* check;
        bool& (*field)(PlayerEditorValues&);
    };

    void createPages();
    void fillComboItems();
    void setUpPitchGrid();
    void bindControls();
    void fillTeamCombo(const std::vector<TeamListEntry>& teams);
    void scrollPitchGrid();
    void setPitchValues(const PlayerEditorValues& values);
    // Puts the focus in the control of that box (a string within `typed`) and selects its text.
    void focusBox(const PlayerEditorValues& typed, const std::string* box);
    Interaction& interaction();

    std::unique_ptr<Ui::GenPage> m_gen;
    std::unique_ptr<Ui::BatPage> m_bat;
    std::unique_ptr<Ui::PitPage> m_pit;
    std::unique_ptr<Ui::FldPage> m_fld;
    std::unique_ptr<Ui::AdvPage> m_adv;
    std::vector<QWidget*> m_editorPages;
    QWidget* m_historyPage = nullptr;
    QWidget* m_lineupPage = nullptr;
    QPushButton* m_applyButton = nullptr;

    std::vector<TextBinding> m_texts;
    std::vector<ComboBinding> m_combos;
    std::vector<CheckBinding> m_checks;
    std::vector<QComboBox*> m_pitchCombos;
    std::vector<QLineEdit*> m_qualityEdits;

    League* m_league = nullptr;
    const PlayerRecord* m_shownPlayer = nullptr;  // whose values the boxes were loaded from
    std::vector<TeamListEntry> m_teams;           // what the team combo lists, in its order
    Interaction* m_interaction = nullptr;
    std::unique_ptr<QtInteraction> m_ownInteraction;
};

}  // namespace zt::ui
