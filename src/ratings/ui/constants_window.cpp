#include "ratings/ui/constants_window.h"

#include <QLineEdit>
#include <QPushButton>
#include <array>
#include <cmath>
#include <limits>
#include <utility>

#include "league/error.h"
#include "league/interaction.h"
#include "league/numbers.h"
#include "league/ui/command_boundary.h"
#include "league/ui/title_width.h"
#include "ui_constants_window.h"

namespace zt::ui {

namespace {

// A number the 32-bit constant cannot hold is refused like text that is no number, instead of
// turning into an infinite factor.
float constantFromText(const std::string& text) {
    const double value = parseFloat(text);
    if (std::abs(value) > static_cast<double>(std::numeric_limits<float>::max())) {
        throw Error(invalidFloatMessage(text));
    }
    return static_cast<float>(value);
}

}  // namespace

ConstantsWindow::ConstantsWindow(LeagueConstants& constants, Interaction& interaction, QWidget* parent)
    : QDialog(parent),
      m_ui(std::make_unique<Ui::ConstantsWindow>()),
      m_constants(constants),
      m_interaction(interaction) {
    m_ui->setupUi(this);
    fitTitle(*this);
    const auto shownThrough = [this]() -> Interaction& { return m_interaction; };
    connect(m_ui->btapply, &QPushButton::clicked, this, commandSlot(shownThrough, [this] { applyBoxes(); }));
    connect(m_ui->btdefault, &QPushButton::clicked, this, commandSlot(shownThrough, [this] { restoreDefaults(); }));
    connect(m_ui->btclose, &QPushButton::clicked, this, &QDialog::close);
    showConstants();
}

ConstantsWindow::~ConstantsWindow() = default;

void ConstantsWindow::placeOn(const QWidget& mainWindow) {
    m_placeOn = &mainWindow;
    if (isVisible()) {
        place();
    }
}

void ConstantsWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // Only now is the window's final size known.
    if (m_placeOn != nullptr) {
        place();
    }
}

void ConstantsWindow::place() {
    const QRect main = m_placeOn->frameGeometry();
    move(main.left(), main.top() + (main.height() - frameGeometry().height()) / 2);
}

void ConstantsWindow::showConstants() {
    const std::array<std::pair<QLineEdit*, float>, 5> boxes{{{m_ui->Editlvsl, m_constants.lvsl},
                                                             {m_ui->editlvsr, m_constants.lvsr},
                                                             {m_ui->editrvsl, m_constants.rvsl},
                                                             {m_ui->editrvsr, m_constants.rvsr},
                                                             {m_ui->Editobpa, m_constants.obpa}}};
    for (const auto& [box, value] : boxes) {
        box->setText(QString::fromStdString(FormatShort(roundHalfEven(static_cast<double>(value), 3))));
    }
}

void ConstantsWindow::applyBoxes() {
    const std::array<std::pair<QLineEdit*, float LeagueConstants::*>, 5> boxes{
        {{m_ui->Editlvsl, &LeagueConstants::lvsl},
         {m_ui->editlvsr, &LeagueConstants::lvsr},
         {m_ui->editrvsl, &LeagueConstants::rvsl},
         {m_ui->editrvsr, &LeagueConstants::rvsr},
         {m_ui->Editobpa, &LeagueConstants::obpa}}};
    for (const auto& [box, member] : boxes) {
        m_constants.*member = constantFromText(box->text().toStdString());
    }
}

void ConstantsWindow::restoreDefaults() {
    m_constants = LeagueConstants::defaults();
    showConstants();
}

}  // namespace zt::ui
