#pragma once

#include <QDialog>
#include <array>
#include <memory>
#include <string>

#include "league/season_records.h"

namespace Ui {
class Tmanagerfrm;
}

namespace zt {
class League;
}

namespace zt::season::ui {

struct SeasonServices;

// The "Manager profile" window: `cbteamprof` chooses the team whose thirteen tendencies the edits
// Edit1 .. Edit13 show; the buttons apply them to that team or to all, reset the profile of the
// team the window was opened for or of all teams, and move them to and from .mps files.
class Tmanagerfrm : public QDialog {
    Q_OBJECT

public:
    Tmanagerfrm(League& league, int team, const SeasonServices& services, QWidget* parent = nullptr);
    ~Tmanagerfrm() override;

    int chosenTeam() const;

private:
    void connectControls();
    void showTeam(int team);
    std::array<std::string, kManagerProfileValues> texts() const;
    void applyToTeam();
    void applyToAll();
    void defaultForTeam();
    void defaultForAll();
    void exportFile();
    void importFile();

    std::unique_ptr<::Ui::Tmanagerfrm> m_ui;
    League& m_league;
    int m_openedFor;
    const SeasonServices& m_services;
};

}  // namespace zt::season::ui
