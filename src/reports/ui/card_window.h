#pragma once

#include <QDialog>
#include <filesystem>
#include <memory>

#include "reports/player_card.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QTabWidget;

namespace zt {
class League;
}

namespace zt::reports {
class LeagueIndex;
}

namespace zt::reports::ui {

class ReportTableModel;
class ReportTableView;
struct ReportServices;

// The "Player's card" window: one player's career in three tables, and the card pages of this
// player, of one team or of every team. Controls: lbteam, lbplayer, cbbatting and cbpitching
// ("Standard"/"Extended"), bttotalcolor, cbphotos, cbmlonly, cbhtmltable, cbminors, cbnosplit,
// cbteams, tabs (with gridbat, gridpit, gridfld and the "Working" page), bthtmlsettings,
// btthiscard, btteamcards, btallcards, btclose. The photo comes from the services' photo source
// (the album) and is blank.bmp without one.
class Tcardfrm : public QDialog {
    Q_OBJECT

public:
    Tcardfrm(const League& league,
             int playerIndex,
             std::filesystem::path dataDirectory,
             const ReportServices& services,
             QWidget* parent = nullptr);
    ~Tcardfrm() override;

    const CardTables& tables() const { return m_tables; }
    // The window's choices as the card writers take them.
    CardOptions options() const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildControls();
    void rebuild();
    void showColumns();
    void chooseTotalColor();
    void editHtmlSettings();
    void thisCard();
    void teamCards();
    void allCards();
    QString chooseFolder();

    const League& m_league;
    int m_player;
    std::filesystem::path m_dataDirectory;
    const ReportServices& m_services;
    std::unique_ptr<LeagueIndex> m_index;
    CardTables m_tables;
    HtmlExportSettings m_html = cardHtmlSettings();
    Color m_totalColor = 0x000000;
    QString m_folder;
    bool m_shownOnce = false;

    QComboBox* m_batting = nullptr;
    QComboBox* m_pitching = nullptr;
    QCheckBox* m_photos = nullptr;
    QCheckBox* m_mlOnly = nullptr;
    QCheckBox* m_htmlTable = nullptr;
    QCheckBox* m_minors = nullptr;
    QCheckBox* m_noSplit = nullptr;
    QComboBox* m_teams = nullptr;
    QTabWidget* m_tabs = nullptr;
    QWidget* m_working = nullptr;
    ReportTableModel* m_models[3] = {};
    ReportTableView* m_grids[3] = {};
};

}  // namespace zt::reports::ui
