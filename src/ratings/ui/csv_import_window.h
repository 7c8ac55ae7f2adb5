#pragma once

#include <QDialog>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>

#include "ratings/csv_import.h"
#include "ratings/league_constants.h"
#include "ratings/team_import.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QSpinBox;
class QStandardItemModel;
class QTableView;

namespace zt {
class Interaction;
class League;
}  // namespace zt

namespace zt::ui {

// "CSV Import": the standard import of a CSV file of players and "Import Team" of a historical
// team from the editor's Database folder. Opening reads factors.zt into the six parameter boxes,
// closing writes them back. Whatever an import changed, `imported` tells the main window to
// show the league again.
class Tcsvimportfrm : public QDialog {
    Q_OBJECT

public:
    Tcsvimportfrm(League& league,
                  const LeagueConstants& constants,
                  std::filesystem::path dataDirectory,
                  CsvImportMemory& memory,
                  Interaction& interaction,
                  QWidget* parent = nullptr);
    ~Tcsvimportfrm() override;

    // Chooses the CSV file of "Standard CSV Import"; an empty name cancels.
    void setFileChooser(std::function<QString()> chooser) { m_chooseFile = std::move(chooser); }

    // The buttons' commands.
    void standardImport();
    void importTeamClicked();
    void selectTeamRow(int row);

    // factors.zt from the six boxes.
    void saveFactors();

Q_SIGNALS:
    void imported();

protected:
    void done(int result) override;

private:
    class StatusProgress;

    void buildControls();
    void loadFactors();
    void loadTeams();
    ImportFactors factorsFromBoxes() const;
    CsvImportOptions optionsFromBoxes() const;
    void showProgress(bool shown);

    League& m_league;
    const LeagueConstants& m_constants;
    std::filesystem::path m_dataDirectory;
    CsvImportMemory& m_memory;
    Interaction& m_interaction;
    std::function<QString()> m_chooseFile;
    std::optional<TeamMaster> m_teams;
    int m_selectedRow = -1;
    bool m_factorsSaved = false;

    QCheckBox* m_create = nullptr;
    QCheckBox* m_recalcBatting = nullptr;
    QCheckBox* m_recalcPitching = nullptr;
    QCheckBox* m_lahman = nullptr;
    QCheckBox* m_noCheck = nullptr;
    QPushButton* m_standard = nullptr;
    QPushButton* m_importTeam = nullptr;
    QPushButton* m_close = nullptr;
    QTableView* m_grid = nullptr;
    QStandardItemModel* m_gridModel = nullptr;
    QComboBox* m_destination = nullptr;
    QSpinBox* m_year = nullptr;
    QLineEdit* m_selectedTeam = nullptr;
    QLineEdit* m_minAb = nullptr;
    QLineEdit* m_minIp = nullptr;
    QLineEdit* m_abpi = nullptr;
    QLineEdit* m_waf = nullptr;
    QLineEdit* m_baf = nullptr;
    QLineEdit* m_ecf = nullptr;
    QComboBox* m_endurance = nullptr;
    QCheckBox* m_perf600 = nullptr;
    QCheckBox* m_perf800 = nullptr;
    QProgressBar* m_progress = nullptr;
    QLabel* m_status = nullptr;
    std::unique_ptr<StatusProgress> m_statusProgress;
};

}  // namespace zt::ui
