#include "reports/ui/league_scores_window.h"

#include <QCoreApplication>
#include <QPushButton>
#include <algorithm>

#include "league/league.h"
#include "league/progress.h"
#include "league/ui/busy_cursor.h"
#include "league/ui/command_boundary.h"
#include "league/ui/qt_text.h"
#include "reports/report_files.h"
#include "reports/ui/html_settings_dialog.h"
#include "reports/ui/report_save_dialog.h"
#include "reports/ui/report_services.h"
#include "season/schedule.h"
#include "season/season_calendar.h"
#include "ui_league_scores_window.h"

namespace zt::reports::ui {

namespace {

QDate toQDate(const season::Date& date) {
    return QDate(static_cast<int>(date.year()),
                 static_cast<int>(static_cast<unsigned>(date.month())),
                 static_cast<int>(static_cast<unsigned>(date.day())));
}

season::Date fromQDate(const QDate& date) {
    return season::Date{std::chrono::year{date.year()},
                        std::chrono::month{static_cast<unsigned>(date.month())},
                        std::chrono::day{static_cast<unsigned>(date.day())}};
}

// The page is built on the window's thread: the window keeps repainting between days.
class RepaintingProgress final : public Progress {
public:
    void setRange(int, int) override {}
    void setValue(int) override { QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents); }
    void setLabel(const std::string&) override {}
    bool cancelled() const override { return false; }
};

}  // namespace

Tleaguescoresfrm::Tleaguescoresfrm(const League& league, const ReportServices& services, QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<::Ui::Tleaguescoresfrm>()), m_league(league), m_services(services) {
    season::requireSchedule(league);
    m_ui->setupUi(this);
    const QDate first = toQDate(season::dateOfDay(league, 1));
    const QDate last = toQDate(season::dateOfDay(league, season::scheduleDays(league)));
    for (QDateEdit* picker : {m_ui->startdate, m_ui->enddate}) {
        picker->setDateRange(first, last);
        picker->setDate(first);
    }
    m_ui->cbbox->setCurrentIndex(0);
    m_html.headerFile = leagueHeaderFile(league);
    m_html.footerFile = leagueFooterFile(league);
    for (auto* button : findChildren<QPushButton*>()) {
        button->setAutoDefault(false);
    }
    const auto command = [this](auto handler) {
        return zt::ui::commandSlot([this]() -> Interaction& { return *m_services.interaction; }, handler);
    };
    connect(m_ui->btgenerate, &QPushButton::clicked, this, command([this] { generate(); }));
    connect(m_ui->btsettings, &QPushButton::clicked, this, command([this] { settingsDialog(); }));
    connect(m_ui->btclose, &QPushButton::clicked, this, &QDialog::reject);
}

Tleaguescoresfrm::~Tleaguescoresfrm() = default;

LeagueScoresOptions Tleaguescoresfrm::options() const {
    LeagueScoresOptions options;
    options.fromRecord = season::dayOfDate(m_league, fromQDate(m_ui->startdate->date())) - 1;
    options.toRecord = season::dayOfDate(m_league, fromQDate(m_ui->enddate->date())) - 1;
    options.links = m_ui->links->isChecked();
    options.boxScores = static_cast<BoxScorePages>(std::clamp(m_ui->cbbox->currentIndex(), 0, 2));
    options.headerFile = m_html.headerFile;
    options.footerFile = m_html.footerFile;
    return options;
}

void Tleaguescoresfrm::generate() {
    const QString file = m_services.saveDialog->chooseHtmPage(this);
    if (file.isEmpty()) {
        return;
    }
    zt::ui::BusyCursor busy;
    RepaintingProgress progress;
    writeLeagueScores(m_league, options(), zt::ui::toPath(file), progress);
}

// Only the header and footer files belong to this page.
void Tleaguescoresfrm::settingsDialog() {
    HtmlSettingsDialog dialog(m_html, HtmlSettingsDialog::Files, m_services, nullptr, this);
    if (auto* preview = dialog.findChild<QPushButton*>(QStringLiteral("btpreview"))) {
        preview->hide();
    }
    dialog.exec();
}

}  // namespace zt::reports::ui
