#include "season/ui/import_destination_dialog.h"

#include "league/ui/qt_text.h"
#include "season/import_destination.h"
#include "ui_import_destination_dialog.h"

namespace zt::season::ui {

Timportdestfrm::Timportdestfrm(const League& league, QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<::Ui::Timportdestfrm>()), m_league(league) {
    m_ui->setupUi(this);
    for (const std::string& item : importDestinationItems(league)) {
        m_ui->cbdest->addItem(zt::ui::fromLeagueText(item));
    }
    m_ui->cbdest->setCurrentIndex(0);
    m_ui->btok->setDefault(true);
    connect(m_ui->btok, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_ui->btcancel, &QPushButton::clicked, this, &QDialog::reject);
}

Timportdestfrm::~Timportdestfrm() = default;

int Timportdestfrm::destination() const {
    return importDestinationCode(m_league, m_ui->cbdest->currentIndex());
}

std::optional<int> chooseImportDestination(const League& league, QWidget* parent) {
    Timportdestfrm dialog(league, parent);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.destination();
}

}  // namespace zt::season::ui
