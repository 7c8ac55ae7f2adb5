// File > "Check League Integrity": what does not hold together in the open league, listed.
#include <QAction>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

#include "app/command_modules.h"
#include "app/main_window.h"
#include "league/interaction.h"
#include "league/ui/qt_text.h"
#include "league/ui/title_width.h"
#include "rosters/league_check.h"

namespace zt::app {

namespace {

void showFindings(TForm1& window, const std::vector<LeagueFinding>& findings) {
    auto* dialog = new QDialog(&window);
    dialog->setObjectName(QStringLiteral("LeagueCheckBox"));
    dialog->setWindowTitle(QStringLiteral("League Integrity"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    auto* layout = new QVBoxLayout(dialog);
    layout->addWidget(new QLabel(QString::number(findings.size()) + QStringLiteral(" problems found:"), dialog));
    auto* list = new QListWidget(dialog);
    list->setObjectName(QStringLiteral("findingslist"));
    for (const LeagueFinding& finding : findings) {
        list->addItem(ui::fromMessage(finding.text));
    }
    layout->addWidget(list);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, dialog);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    layout->addWidget(buttons);
    dialog->resize(720, 420);
    ui::fitTitle(*dialog);
    dialog->open();
}

}  // namespace

void installLeagueCheckCommands(TForm1& window) {
    QAction* action = window.menu().checkLeague;
    window.addLeagueCommand(action);
    QObject::connect(action, &QAction::triggered, &window, window.command([&window] {
        if (window.league() == nullptr) {
            return;
        }
        const std::vector<LeagueFinding> findings = checkLeague(*window.league());
        if (findings.empty()) {
            window.interaction().information("No problem found in the league.");
        } else {
            showFindings(window, findings);
        }
    }));
}

}  // namespace zt::app
