#include "season/ui/season_options_window.h"

#include <QLineEdit>

#include "league/interaction.h"
#include "league/league.h"
#include "league/numbers.h"
#include "league/ui/command_boundary.h"
#include "league/ui/qt_text.h"
#include "season/season_options.h"
#include "season/team_info.h"
#include "season/ui/season_services.h"
#include "season/year_shift.h"
#include "ui_season_options_window.h"

namespace zt::season::ui {

namespace {

QLineEdit* nameEdit(const QDialog& window, std::size_t index) {
    return window.findChild<QLineEdit*>(QString::fromLatin1(leagueNameControls()[index]));
}

}  // namespace

Tseasonfrm::Tseasonfrm(League& league, const SeasonServices& services, QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<::Ui::Tseasonfrm>()), m_league(league), m_services(services) {
    m_ui->setupUi(this);
    m_ui->edyear->setRange(kFirstYear, kLastYear);
    showValues();
    for (auto* button : findChildren<QPushButton*>()) {
        button->setAutoDefault(false);
    }
    // The DH items name the leagues as they are being typed.
    connect(m_ui->l1name, &QLineEdit::textChanged, this, [this](const QString& text) { renameDhItem(1, text); });
    connect(m_ui->l2name, &QLineEdit::textChanged, this, [this](const QString& text) { renameDhItem(0, text); });
    connect(m_ui->btapply, &QPushButton::clicked, this, &Tseasonfrm::apply);
    connect(m_ui->btclose, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_ui->btexecute, &QPushButton::clicked, this, &Tseasonfrm::execute);
}

Tseasonfrm::~Tseasonfrm() = default;

void Tseasonfrm::showValues() {
    const SeasonOptionsValues values = seasonOptionsValues(m_league);
    const bool editable = namesEditable(m_league);
    for (std::size_t i = 0; i < values.names.size(); ++i) {
        nameEdit(*this, i)->setEnabled(editable);
        nameEdit(*this, i)->setText(zt::ui::fromLeagueText(values.names[i]));
    }
    m_ui->edyear->setValue(values.year);
    m_ui->editday->setText(QString::fromStdString(values.day));
    m_ui->editgames->setText(QString::fromStdString(values.games));
    const auto captions = dhItemCaptions(values.names[0], values.names[5]);
    for (int item = 0; item < kDhItems; ++item) {
        m_ui->cbdhrule->setItemText(item, zt::ui::fromLeagueText(captions[static_cast<std::size_t>(item)]));
    }
    m_ui->cbdhrule->setCurrentIndex(values.dhItem);
    m_ui->cbinningsrule->setCurrentIndex(values.inningsItem);
}

void Tseasonfrm::renameDhItem(int item, const QString& leagueName) {
    m_ui->cbdhrule->setItemText(item, leagueName + QStringLiteral(" only"));
}

void Tseasonfrm::apply() {
    const bool stored = zt::ui::runCommand(*m_services.interaction, [this] {
        SeasonOptionsValues values;
        values.year = m_ui->edyear->value();
        for (std::size_t i = 0; i < values.names.size(); ++i) {
            values.names[i] = zt::ui::toLeagueText(nameEdit(*this, i)->text());
        }
        values.games = m_ui->editgames->text().toStdString();
        values.dhItem = m_ui->cbdhrule->currentIndex();
        values.inningsItem = m_ui->cbinningsrule->currentIndex();
        values.day = m_ui->editday->text().toStdString();
        applySeasonOptions(m_league, values);
    });
    if (stored) {
        accept();
    }
}

void Tseasonfrm::execute() {
    zt::ui::runCommand(*m_services.interaction, [this] {
        const int years = parseInteger(m_ui->edadjust->text().toStdString());
        const int shifted = adjustHistoricalStats(m_league, years, *m_services.interaction);
        if (shifted > 0) {
            m_services.interaction->information("The years of " + std::to_string(shifted) +
                                                " history lines were adjusted by " + std::to_string(years) + ".");
        }
    });
}

}  // namespace zt::season::ui
