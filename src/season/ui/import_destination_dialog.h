#pragma once

#include <QDialog>
#include <memory>
#include <optional>

namespace Ui {
class Timportdestfrm;
}

namespace zt {
class League;
}

namespace zt::season::ui {

// "Imported Players Destination Team": the drop-down list `cbdest` of "Imported player team",
// "Free Agents" and the league's teams; OK and Cancel. The first item is chosen when it opens, so
// OK always has a destination.
class Timportdestfrm : public QDialog {
    Q_OBJECT

public:
    explicit Timportdestfrm(const League& league, QWidget* parent = nullptr);
    ~Timportdestfrm() override;

    // The chosen destination: 999 keeps each player's own team, 255 the free agents, else a team.
    int destination() const;

private:
    std::unique_ptr<::Ui::Timportdestfrm> m_ui;
    const League& m_league;
};

// Shows the dialog; none when cancelled.
std::optional<int> chooseImportDestination(const League& league, QWidget* parent);

}  // namespace zt::season::ui
