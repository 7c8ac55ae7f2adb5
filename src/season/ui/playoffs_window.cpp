#include "season/ui/playoffs_window.h"

#include <QComboBox>
#include <QLineEdit>
#include <QRegularExpressionValidator>

#include "league/league.h"
#include "league/ui/command_boundary.h"
#include "season/playoffs_view.h"
#include "season/ui/season_services.h"
#include "ui_playoffs_window.h"

namespace zt::season::ui {

Tplayoffsfrm::Tplayoffsfrm(League& league, const SeasonServices& services, QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<::Ui::Tplayoffsfrm>()), m_league(league), m_services(services) {
    requirePlayoffs(league);
    m_ui->setupUi(this);
    QStringList teams;
    for (const std::string_view item : playoffTeamItems()) {
        teams << QString::fromLatin1(item);
    }
    for (int game = 1; game <= PlayoffSeries::kGames; ++game) {
        for (const bool visitor : {true, false}) {
            teamCombo(game, visitor)->addItems(teams);
            QLineEdit* runs = runsEdit(game, visitor);
            runs->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), runs));
        }
    }
    showSeries(0);
    connectControls();
}

Tplayoffsfrm::~Tplayoffsfrm() = default;

QComboBox* Tplayoffsfrm::teamCombo(int game, bool visitor) const {
    return findChild<QComboBox*>((visitor ? QStringLiteral("tv1") : QStringLiteral("th1")) + QString::number(game));
}

QLineEdit* Tplayoffsfrm::runsEdit(int game, bool visitor) const {
    return findChild<QLineEdit*>((visitor ? QStringLiteral("sv") : QStringLiteral("sh")) + QString::number(game));
}

void Tplayoffsfrm::connectControls() {
    const auto command = [this](auto handler) {
        return zt::ui::commandSlot([this]() -> Interaction& { return *m_services.interaction; }, handler);
    };
    connect(m_ui->cbseries, &QComboBox::currentIndexChanged, this, command([this](int series) { showSeries(series); }));
    for (int game = 1; game <= PlayoffSeries::kGames; ++game) {
        for (const bool visitor : {true, false}) {
            connect(teamCombo(game, visitor), &QComboBox::currentIndexChanged, this, command([=, this](int item) {
                        if (m_storing && item >= 0) {
                            setPlayoffTeam(m_league, m_ui->cbseries->currentIndex(), game - 1, visitor, item);
                        }
                    }));
            connect(runsEdit(game, visitor), &QLineEdit::textEdited, this, command([=, this](const QString& text) {
                        if (m_storing) {
                            setPlayoffRuns(
                                m_league, m_ui->cbseries->currentIndex(), game - 1, visitor, text.toStdString());
                        }
                    }));
        }
    }
}

void Tplayoffsfrm::showSeries(int series) {
    if (series < 0 || series >= kPlayoffSeriesCount) {
        return;
    }
    m_storing = false;
    const PlayoffSeries& shown = m_league.playoffSeries[static_cast<std::size_t>(series)];
    for (int game = 1; game <= PlayoffSeries::kGames; ++game) {
        const GameResult& result = shown.games[static_cast<std::size_t>(game - 1)];
        for (const bool visitor : {true, false}) {
            teamCombo(game, visitor)->setCurrentIndex(playoffTeamItem(result, visitor));
            runsEdit(game, visitor)
                ->setText(QString::fromStdString(
                    playoffRunsText(visitor ? result.get(gr::visitorRuns) : result.get(gr::homeRuns))));
        }
    }
    m_storing = true;
}

}  // namespace zt::season::ui
