// The rating calculators of the player editor ("Calculate avgs with vital stats" on the Bat page,
// "Calculate Avgs" and "Undo" on the Pit page) and Options > Constants.
#include <QAction>
#include <QObject>
#include <exception>
#include <optional>

#include "app/command_modules.h"
#include "app/main_window.h"
#include "league/league.h"
#include "league/numbers.h"
#include "players/ui/player_editor.h"
#include "ratings/calculator_input.h"
#include "ratings/rating_computation.h"
#include "ratings/ui/constants_window.h"

namespace zt::app {

namespace {

// Holds the pitch Undo buffer for as long as the window lives.
class RatingCommands : public QObject {
public:
    explicit RatingCommands(TForm1& window) : QObject(&window), m_window(window) {
        ui::PlayerEditor* editor = window.playerEditor();
        connect(editor, &ui::PlayerEditor::playerLoaded, this, &RatingCommands::rememberPitches);
        connect(
            editor, &ui::PlayerEditor::battingCalculatorClicked, this, window.command([this] { calculateBatting(); }));
        connect(editor, &ui::PlayerEditor::pitchingCalculatorClicked, this, window.command([this] {
            calculatePitching();
        }));
        connect(editor, &ui::PlayerEditor::pitchUndoClicked, this, window.command([this] { undoPitches(); }));
        // The slots of a player of a closed league must not be put into a player of the next one.
        connect(&window, &TForm1::leagueClosed, this, [this] { m_pitchUndoBuffer.reset(); });

        // The constants belong to the editor, not to a league: always offered.
        QAction* constants = window.menu().constants;
        constants->setEnabled(true);
        connect(constants, &QAction::triggered, this, window.command([this] { openConstants(); }));
    }

private:
    PlayerRecord* currentPlayer() const {
        League* league = m_window.league();
        return league != nullptr ? league->currentPlayer : nullptr;
    }

    void rememberPitches(const PlayerRecord& player) { m_pitchUndoBuffer = pitchSlots(player); }

    // The boxes get the split values of the typed counts; the record changes only with APPLY.
    void calculateBatting() {
        const PlayerRecord* player = currentPlayer();
        if (player == nullptr) {
            return;
        }
        ui::PlayerEditor* editor = m_window.playerEditor();
        PlayerEditorValues values = editor->values();
        const SplitValues splits = splitValuesFromCounts(
            performanceDataFromTexts(values.batting), player->get(pf::bats), m_window.constants());
        values.avgVsL = shortestFloatText(splits.avgVsL);
        values.obpVsL = shortestFloatText(splits.obpVsL);
        values.slgVsL = shortestFloatText(splits.slgVsL);
        values.avgVsR = shortestFloatText(splits.avgVsR);
        values.obpVsR = shortestFloatText(splits.obpVsR);
        values.slgVsR = shortestFloatText(splits.slgVsR);
        editor->setValues(values);
    }

    // The player's pitches get the split values of the typed counts, distributed by the stored
    // qualities; the slots before are kept for Undo.
    void calculatePitching() {
        PlayerRecord* player = currentPlayer();
        if (player == nullptr) {
            return;
        }
        m_pitchUndoBuffer = pitchSlots(*player);
        const PitchSlots before = *m_pitchUndoBuffer;
        ui::PlayerEditor* editor = m_window.playerEditor();
        const SplitValues splits = splitValuesFromCounts(
            performanceDataFromTexts(editor->values().pitching), player->get(pf::throws), m_window.constants());
        DistributePitchSplits(*player, splits);
        // A repertoire the distribution leaves alone (no pitch in use) is no change to save.
        if (pitchSlots(*player) != before) {
            m_window.league()->markChanged();
        }
        editor->showPitches(*player);
    }

    void undoPitches() {
        PlayerRecord* player = currentPlayer();
        if (player == nullptr || !m_pitchUndoBuffer) {
            return;
        }
        const PitchSlots before = pitchSlots(*player);
        setPitchSlots(*player, *m_pitchUndoBuffer);
        if (pitchSlots(*player) != before) {
            m_window.league()->markChanged();
        }
        m_window.playerEditor()->showPitches(*player);
    }

    void openConstants() {
        auto* form = new ui::ConstantsWindow(m_window.constants(), m_window.interaction(), &m_window);
        form->setAttribute(Qt::WA_DeleteOnClose);
        form->setModal(true);
        form->placeOn(m_window);
        form->show();
    }

    TForm1& m_window;
    std::optional<PitchSlots> m_pitchUndoBuffer;
};

}  // namespace

void installRatingCommands(TForm1& window) {
    new RatingCommands(window);
}

}  // namespace zt::app
