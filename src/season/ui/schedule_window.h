#pragma once

#include <QDialog>
#include <memory>

#include "season/schedule.h"

class QComboBox;
class QDate;
class QLineEdit;
class QPushButton;

namespace Ui {
class Tschedulefrm;
}

namespace zt {
class League;
}

namespace zt::season::ui {

struct SeasonServices;

// The "Season Schedule" window: one day of scores.zt at a time, its fifteen games with visiting
// (`tv1`..`tv8`, `tv90`..`tv96`) and home team combos (`th...`) and score edits (`sv1`..`sv15`,
// `sh1`..`sh15`). Days are chosen with `editgameno` and Enter, "-" and "+", or the `calendar`.
// A team combo's change is stored at once; the scores are for information only. Each game's "?"
// button (`btgame1`..`btgame15`) shows the game's pitchers on a left click and its box score on a
// right click. The schedule goes to and comes from CSV files.
class Tschedulefrm : public QDialog {
    Q_OBJECT

public:
    Tschedulefrm(League& league, const SeasonServices& services, QWidget* parent = nullptr);
    ~Tschedulefrm() override;

    int shownDay() const { return m_day; }
    // Shows day d (1-based, limited to the schedule) in the rows, the day box and the calendar.
    void goToDay(int day);

    QComboBox* teamCombo(int game, Side side) const;
    QLineEdit* scoreEdit(int game, Side side) const;
    QPushButton* gameButton(int game) const;

    // The "?" button's commands.
    void showSummary(int game);
    void showBoxScore(int game);

private:
    void connectControls();
    void fillTeamItems();
    void showDay(int day);
    void setCalendarRange();
    void dayEntered();
    void calendarClicked(const QDate& date);
    void teamChosen(int game, Side side, int item);
    void exportCsv();
    void importCsv();

    std::unique_ptr<::Ui::Tschedulefrm> m_ui;
    League& m_league;
    const SeasonServices& m_services;
    int m_day = 1;
    // Off while the rows are filled, so that showing a day stores nothing.
    bool m_storing = false;
};

}  // namespace zt::season::ui
