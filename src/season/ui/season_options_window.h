#pragma once

#include <QDialog>
#include <memory>

namespace Ui {
class Tseasonfrm;
}

namespace zt {
class League;
}

namespace zt::season::ui {

struct SeasonServices;

// The "League Options" window: DH and innings rules, year, day and games of the season, the league
// and division names (custom seasons only). Apply stores them and closes; Close drops them. The
// "Historical Stats Adjustment" group's Execute shifts the years of every history line at once.
class Tseasonfrm : public QDialog {
    Q_OBJECT

public:
    Tseasonfrm(League& league, const SeasonServices& services, QWidget* parent = nullptr);
    ~Tseasonfrm() override;

private:
    void showValues();
    void renameDhItem(int item, const QString& leagueName);
    void apply();
    void execute();

    std::unique_ptr<::Ui::Tseasonfrm> m_ui;
    League& m_league;
    const SeasonServices& m_services;
};

}  // namespace zt::season::ui
