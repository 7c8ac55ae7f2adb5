#pragma once

#include <QDialog>
#include <vector>

class QCheckBox;
class QComboBox;
class QLineEdit;

namespace zt {
class League;
}

namespace zt::reports::ui {

struct ReportServices;

// The "Scouting report (CSV Export)" window: cbplayers (the player selector), one check box per
// optional column named "cbcol" + its index, the groups' "A" and "N" buttons (btall0.. btnone3),
// cbcompatible, btexport, btclose.
class TScoutfrm : public QDialog {
    Q_OBJECT

public:
    TScoutfrm(const League& league, const ReportServices& services, QWidget* parent = nullptr);

private:
    void exportCsv();

    const League& m_league;
    const ReportServices& m_services;
    QComboBox* m_players = nullptr;
    QCheckBox* m_compatible = nullptr;
    std::vector<QCheckBox*> m_columns;
};

// The "Pro Years Report" window: editab, editip, editgames, editminyears, btreport, btclose.
class TProYearsfrm : public QDialog {
    Q_OBJECT

public:
    TProYearsfrm(const League& league, const ReportServices& services, QWidget* parent = nullptr);

private:
    void report();

    const League& m_league;
    const ReportServices& m_services;
    QLineEdit* m_atBats = nullptr;
    QLineEdit* m_innings = nullptr;
    QLineEdit* m_games = nullptr;
    QLineEdit* m_minimum = nullptr;
};

}  // namespace zt::reports::ui
