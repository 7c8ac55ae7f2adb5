#pragma once

#include <QDialog>
#include <memory>

#include "ratings/league_constants.h"

namespace Ui {
class ConstantsWindow;
}

namespace zt {
class Interaction;
}

namespace zt::ui {

// The "Constants" window: shows the league constants rounded to three decimals; "Apply" stores
// the five boxes, "Default" the shipped values; "CLOSE" closes without storing anything.
// It edits the constants it is given (the main window's) and reports conversion errors through
// the interaction.
class ConstantsWindow : public QDialog {
    Q_OBJECT

public:
    ConstantsWindow(LeagueConstants& constants, Interaction& interaction, QWidget* parent = nullptr);
    ~ConstantsWindow() override;

    // At the left edge of the main window, centred vertically on it, when shown.
    void placeOn(const QWidget& mainWindow);

    // The buttons' commands.
    // Converts the boxes in the order lvsl, lvsr, rvsl, rvsr, obpa, storing each right after
    // converting it; stops at the first box that does not hold a number.
    void applyBoxes();
    void restoreDefaults();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void showConstants();
    void place();

    std::unique_ptr<Ui::ConstantsWindow> m_ui;
    LeagueConstants& m_constants;
    Interaction& m_interaction;
    const QWidget* m_placeOn = nullptr;
};

}  // namespace zt::ui
