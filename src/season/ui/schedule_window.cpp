#include "season/ui/schedule_window.h"

#include <QCalendarWidget>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>

#include "league/interaction.h"
#include "league/league.h"
#include "league/ui/busy_cursor.h"
#include "league/ui/command_boundary.h"
#include "league/ui/qt_text.h"
#include "season/box_scores.h"
#include "season/schedule_csv.h"
#include "season/season_calendar.h"
#include "season/ui/box_score_window.h"
#include "season/ui/season_services.h"
#include "ui_schedule_window.h"

namespace zt::season::ui {

namespace {

// Games 9 to 15 have the team combos tv90..tv96 and th90..th96.
QString comboName(int game, Side side) {
    const QString prefix = side == Side::Visitor ? QStringLiteral("tv") : QStringLiteral("th");
    return game <= 8 ? prefix + QString::number(game) : prefix + QStringLiteral("9") + QString::number(game - 9);
}

QDate toQDate(const Date& date) {
    return QDate(static_cast<int>(date.year()),
                 static_cast<int>(static_cast<unsigned>(date.month())),
                 static_cast<int>(static_cast<unsigned>(date.day())));
}

Date fromQDate(const QDate& date) {
    return Date{std::chrono::year{date.year()},
                std::chrono::month{static_cast<unsigned>(date.month())},
                std::chrono::day{static_cast<unsigned>(date.day())}};
}

}  // namespace

Tschedulefrm::Tschedulefrm(League& league, const SeasonServices& services, QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<::Ui::Tschedulefrm>()), m_league(league), m_services(services) {
    requireSchedule(league);
    m_ui->setupUi(this);
    m_ui->editgameno->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), m_ui->editgameno));
    for (auto* button : findChildren<QPushButton*>()) {
        button->setAutoDefault(false);
    }
    fillTeamItems();
    setCalendarRange();
    showDay(1);
    m_storing = true;
    connectControls();
}

Tschedulefrm::~Tschedulefrm() = default;

QComboBox* Tschedulefrm::teamCombo(int game, Side side) const {
    return findChild<QComboBox*>(comboName(game, side));
}

QLineEdit* Tschedulefrm::scoreEdit(int game, Side side) const {
    return findChild<QLineEdit*>((side == Side::Visitor ? QStringLiteral("sv") : QStringLiteral("sh")) +
                                 QString::number(game));
}

QPushButton* Tschedulefrm::gameButton(int game) const {
    return findChild<QPushButton*>(QStringLiteral("btgame%1").arg(game));
}

void Tschedulefrm::connectControls() {
    const auto command = [this](auto handler) {
        return zt::ui::commandSlot([this]() -> Interaction& { return *m_services.interaction; }, handler);
    };
    connect(m_ui->btprev, &QPushButton::clicked, this, command([this] { goToDay(m_day - 1); }));
    connect(m_ui->btnext, &QPushButton::clicked, this, command([this] { goToDay(m_day + 1); }));
    connect(m_ui->editgameno, &QLineEdit::returnPressed, this, command([this] { dayEntered(); }));
    connect(m_ui->calendar, &QCalendarWidget::clicked, this, command([this](QDate date) { calendarClicked(date); }));
    for (int game = 1; game <= kScheduleGames; ++game) {
        for (const Side side : {Side::Visitor, Side::Home}) {
            connect(teamCombo(game, side), &QComboBox::currentIndexChanged, this, command([this, game, side](int item) {
                        teamChosen(game, side, item);
                    }));
        }
        connect(gameButton(game), &QPushButton::clicked, this, command([this, game] { showSummary(game); }));
        connect(gameButton(game), &QWidget::customContextMenuRequested, this, command([this, game] {
                    showBoxScore(game);
                }));
    }
    connect(m_ui->btexport, &QPushButton::clicked, this, command([this] { exportCsv(); }));
    connect(m_ui->btimport, &QPushButton::clicked, this, command([this] { importCsv(); }));
}

void Tschedulefrm::fillTeamItems() {
    QStringList items;
    for (const std::string& item : scheduleTeamItems(m_league)) {
        items << zt::ui::fromLeagueText(item);
    }
    for (int game = 1; game <= kScheduleGames; ++game) {
        for (const Side side : {Side::Visitor, Side::Home}) {
            teamCombo(game, side)->addItems(items);
        }
    }
}

void Tschedulefrm::setCalendarRange() {
    const QDate first = toQDate(seasonFirstDate(m_league));
    // The last date is one past the last day, as the game's calendar has it; choosing it shows
    // the last day.
    m_ui->calendar->setDateRange(first, toQDate(dateOfDay(m_league, scheduleDays(m_league) + 1)));
}

void Tschedulefrm::goToDay(int day) {
    showDay(limitDay(day, scheduleDays(m_league)));
}

void Tschedulefrm::showDay(int day) {
    m_day = day;
    const bool storing = m_storing;
    m_storing = false;
    m_ui->editgameno->setText(QString::number(day));
    m_ui->calendar->setSelectedDate(toQDate(dateOfDay(m_league, day)));
    for (int game = 1; game <= kScheduleGames; ++game) {
        for (const Side side : {Side::Visitor, Side::Home}) {
            teamCombo(game, side)
                ->setCurrentIndex(scheduleTeamItem(m_league, scheduledTeam(m_league, day, game, side)));
        }
        const GameResult& result =
            m_league.gameScores[static_cast<std::size_t>(day - 1)].games[static_cast<std::size_t>(game - 1)];
        scoreEdit(game, Side::Visitor)->setText(QString::fromStdString(scoreText(result.get(gr::visitorRuns))));
        scoreEdit(game, Side::Home)->setText(QString::fromStdString(scoreText(result.get(gr::homeRuns))));
    }
    m_storing = storing;
}

void Tschedulefrm::dayEntered() {
    const QString text = m_ui->editgameno->text();
    if (text.isEmpty()) {
        showDay(m_day);
        return;
    }
    bool ok = false;
    const qlonglong typed = text.toLongLong(&ok);
    // Only digits reach the box: a number too long to read is past the last day.
    const int days = scheduleDays(m_league);
    goToDay(!ok || typed > days ? days : static_cast<int>(typed));
}

void Tschedulefrm::calendarClicked(const QDate& date) {
    goToDay(dayOfDate(m_league, fromQDate(date)));
}

void Tschedulefrm::teamChosen(int game, Side side, int item) {
    if (m_storing && item >= 0) {
        setScheduledTeam(m_league, m_day, game, side, item);
    }
}

void Tschedulefrm::showSummary(int game) {
    if (const auto summary = gameSummary(m_league, m_day, game)) {
        m_services.interaction->information(*summary);
    }
}

void Tschedulefrm::showBoxScore(int game) {
    std::optional<std::string> found;
    {
        zt::ui::BusyCursor busy;
        found = findBoxScore(m_league.leagueDir,
                             m_day,
                             scheduledTeam(m_league, m_day, game, Side::Home),
                             scheduledTeam(m_league, m_day, game, Side::Visitor),
                             kEndMarker);
    }
    if (!found) {
        m_services.interaction->information(std::string(kBoxScoreNotFound));
        return;
    }
    Tboxscorefrm window(boxScoreLines(*found), m_services, this);
    window.exec();
}

void Tschedulefrm::exportCsv() {
    const QString file = m_services.saveFile(
        this, QStringLiteral("Export to CSV"), QString::fromLatin1(kScheduleCsvFilter), QStringLiteral("csv"));
    if (file.isEmpty()) {
        return;
    }
    exportScheduleCsv(m_league, zt::ui::toPath(file));
    m_services.interaction->information(std::string(kDoneMessage));
}

void Tschedulefrm::importCsv() {
    const QString file =
        m_services.openFile(this, QStringLiteral("Import from CSV"), QString::fromLatin1(kScheduleCsvFilter));
    if (file.isEmpty()) {
        return;
    }
    importScheduleCsv(m_league, zt::ui::toPath(file));
    showDay(m_day);
    setCalendarRange();
    m_ui->calendar->setSelectedDate(toQDate(dateOfDay(m_league, m_day)));
    m_services.interaction->information(std::string(kDoneMessage));
}

}  // namespace zt::season::ui
