#pragma once

#include <QDialog>
#include <memory>

class QComboBox;
class QLineEdit;

namespace Ui {
class Tplayoffsfrm;
}

namespace zt {
class League;
}

namespace zt::season::ui {

struct SeasonServices;

// The playoffs window: `cbseries` chooses one of the seven series; for its seven games the visiting
// (`tv11`..`tv17`) and home team combos (`th11`..`th17`) and the runs edits (`sv1`..`sv7`,
// `sh1`..`sh7`, digits only) edit the series in place. It opens on the first series; filling the
// controls stores nothing.
class Tplayoffsfrm : public QDialog {
    Q_OBJECT

public:
    Tplayoffsfrm(League& league, const SeasonServices& services, QWidget* parent = nullptr);
    ~Tplayoffsfrm() override;

    // Series 0..6 (item of cbseries).
    void showSeries(int series);

    QComboBox* teamCombo(int game, bool visitor) const;
    QLineEdit* runsEdit(int game, bool visitor) const;

private:
    void connectControls();

    std::unique_ptr<::Ui::Tplayoffsfrm> m_ui;
    League& m_league;
    const SeasonServices& m_services;
    bool m_storing = false;
};

}  // namespace zt::season::ui
