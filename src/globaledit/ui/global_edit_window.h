#pragma once

#include <QDialog>
#include <QString>
#include <cstdint>
#include <functional>
#include <memory>

#include "globaledit/edit_random.h"
#include "globaledit/global_edit_run.h"
#include "globaledit/global_edit_settings.h"

namespace Ui {
class Tglobalfrm;
}

namespace zt {
class Interaction;
class League;
struct LeagueConstants;
}  // namespace zt

namespace zt::globaledit::ui {

// The "Global Editing" window: gathers the settings of a run in its controls and hands them to
// the core runs (modify, delete history, recalculate, .gbe files). Everything happens in memory;
// the main window refreshes its views when this window closes.
class Tglobalfrm : public QDialog {
    Q_OBJECT

public:
    enum class FileChoice { Open, Save, Append };
    // Asks for a .gbe file name; an empty name cancels.
    using FileChooser = std::function<QString(FileChoice)>;

    // `currentTeam` is the team "Current Team" keeps, fixed for the life of the window.
    Tglobalfrm(League& league,
               int currentTeam,
               const LeagueConstants& constants,
               Interaction& interaction,
               QWidget* parent = nullptr);
    ~Tglobalfrm() override;

    void setFileChooser(FileChooser chooser) { m_chooseFile = std::move(chooser); }
    // The Random mode draws from a generator seeded at random; tests seed it.
    void setRandomSeed(std::uint64_t seed);

    int currentTeam() const { return m_context.currentTeam; }

    // The settings the controls hold, and putting settings into them (as a .gbe record does).
    GlobalEditSettings settings() const;
    void showSettings(const GlobalEditSettings& settings);
    HistoryRange historyRange() const;

protected:
    void showEvent(QShowEvent* event) override;
    bool event(QEvent* event) override;

private:
    void fillLists();
    void showCurrentTeam();
    void connectControls();
    void updateEnabling();
    void resetLevelRange();
    void cbapplyActivated(int index);
    void Button9Click();

    void gobuttonClick();
    void deleteHistory(HistoryKinds kinds);
    void recalculate(Recalculation recalculation);
    void Button4Click();
    void Button5Click();
    void Button6Click();

    // Runs a command with the hourglass cursor; a zt::Error is shown as a warning.
    void runCommand(const std::function<void()>& command);

    std::unique_ptr<::Ui::Tglobalfrm> m_ui;
    League& m_league;
    const LeagueConstants& m_constants;
    EditRandom m_random;
    RunContext m_context;
    FileChooser m_chooseFile;
};

}  // namespace zt::globaledit::ui
