#include "league/ui/qt_interaction.h"

#include <QInputDialog>
#include <QMessageBox>

#include "league/ui/qt_text.h"

namespace zt::ui {

namespace {
// The program's name on its message boxes. Kept here rather than as the application's display
// name, which window systems would append to every window title.
QString caption() {
    return QStringLiteral("Zantrip 2003 Editor");
}
}  // namespace

bool QtInteraction::askYesNo(const std::string& question, DefaultButton defaultButton) {
    const auto enterChooses = defaultButton == DefaultButton::No ? QMessageBox::No : QMessageBox::Yes;
    return QMessageBox::question(
               m_parent, caption(), fromMessage(question), QMessageBox::Yes | QMessageBox::No, enterChooses) ==
           QMessageBox::Yes;
}

Answer QtInteraction::askYesNoCancel(const std::string& question) {
    switch (QMessageBox::question(
        m_parent, caption(), fromMessage(question), QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel)) {
        case QMessageBox::Yes:
            return Answer::Yes;
        case QMessageBox::No:
            return Answer::No;
        default:
            return Answer::Cancel;
    }
}

void QtInteraction::information(const std::string& message) {
    QMessageBox::information(m_parent, caption(), fromMessage(message));
}

void QtInteraction::warning(const std::string& message) {
    QMessageBox::warning(m_parent, caption(), fromMessage(message));
}

std::optional<std::string> QtInteraction::promptText(const std::string& title,
                                                     const std::string& prompt,
                                                     const std::string& initialText) {
    bool ok = false;
    const QString text = QInputDialog::getText(
        m_parent, fromMessage(title), fromMessage(prompt), QLineEdit::Normal, fromLeagueText(initialText), &ok);
    if (!ok) {
        return std::nullopt;
    }
    return toLeagueText(text);
}

}  // namespace zt::ui
