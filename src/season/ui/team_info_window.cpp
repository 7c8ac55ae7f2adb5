#include "season/ui/team_info_window.h"

#include <QLineEdit>

#include "league/ui/command_boundary.h"
#include "league/ui/qt_text.h"
#include "season/team_info.h"
#include "season/ui/season_services.h"
#include "ui_team_info_window.h"

namespace zt::season::ui {

namespace {

QLineEdit* numberEdit(const QDialog& window, std::size_t index) {
    return window.findChild<QLineEdit*>(QString::fromLatin1(teamInfoNumberFields()[index].control));
}

}  // namespace

Tteaminfofrm::Tteaminfofrm(League& league, int team, const SeasonServices& services, QWidget* parent)
    : QDialog(parent),
      m_ui(std::make_unique<::Ui::Tteaminfofrm>()),
      m_league(league),
      m_team(team),
      m_services(services) {
    m_ui->setupUi(this);
    const TeamInfoValues values = teamInfoValues(league, team);
    m_ui->Edit1->setText(zt::ui::fromLeagueText(values.name));
    m_ui->Edit2->setText(zt::ui::fromLeagueText(values.city));
    m_ui->Edit3->setText(zt::ui::fromLeagueText(values.completeName));
    m_ui->Edit4->setText(zt::ui::fromLeagueText(values.abbreviation));
    for (std::size_t i = 0; i < values.numbers.size(); ++i) {
        numberEdit(*this, i)->setText(QString::fromStdString(values.numbers[i]));
    }
    const bool editable = namesEditable(league);
    for (QLineEdit* edit : {m_ui->Edit1, m_ui->Edit2, m_ui->Edit3, m_ui->Edit4}) {
        edit->setEnabled(editable);
    }
    m_ui->btok->setDefault(true);
    connect(m_ui->btok, &QPushButton::clicked, this, &Tteaminfofrm::ok);
}

Tteaminfofrm::~Tteaminfofrm() = default;

void Tteaminfofrm::ok() {
    const bool stored = zt::ui::runCommand(*m_services.interaction, [this] {
        TeamInfoValues values;
        values.name = zt::ui::toLeagueText(m_ui->Edit1->text());
        values.city = zt::ui::toLeagueText(m_ui->Edit2->text());
        values.completeName = zt::ui::toLeagueText(m_ui->Edit3->text());
        values.abbreviation = zt::ui::toLeagueText(m_ui->Edit4->text());
        for (std::size_t i = 0; i < values.numbers.size(); ++i) {
            values.numbers[i] = numberEdit(*this, i)->text().toStdString();
        }
        applyTeamInfo(m_league, m_team, values);
    });
    if (stored) {
        accept();
    }
}

}  // namespace zt::season::ui
