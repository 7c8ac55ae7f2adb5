#pragma once

#include <QDialog>
#include <memory>

namespace Ui {
class Tteaminfofrm;
}

namespace zt {
class League;
}

namespace zt::season::ui {

struct SeasonServices;

// The "Team Info" window of one team: its names (editable in custom seasons only), its present
// season and its records and achievements. OK stores everything and closes; a number that does not
// convert keeps the window open with the message.
class Tteaminfofrm : public QDialog {
    Q_OBJECT

public:
    Tteaminfofrm(League& league, int team, const SeasonServices& services, QWidget* parent = nullptr);
    ~Tteaminfofrm() override;

    int team() const { return m_team; }

private:
    void ok();

    std::unique_ptr<::Ui::Tteaminfofrm> m_ui;
    League& m_league;
    int m_team;
    const SeasonServices& m_services;
};

}  // namespace zt::season::ui
