#include "netleague/ui/send_rosters_window.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "league/ui/busy_cursor.h"
#include "league/ui/command_boundary.h"
#include "league/ui/qt_text.h"
#include "netleague/rosters_mail.h"
#include "netleague/ui/off_thread.h"

namespace zt::ui {

TSendRostersForm::TSendRostersForm(MailMessage message,
                                   const std::string& subject,
                                   const std::string& comments,
                                   Interaction& interaction,
                                   QWidget* parent)
    : QDialog(parent), m_message(std::move(message)), m_interaction(interaction) {
    setObjectName(QStringLiteral("TSendRostersForm"));
    setWindowTitle(QStringLiteral("Sending rosters management"));
    setModal(true);

    m_subject = new QLineEdit(QString::fromStdString(subject), this);
    m_subject->setObjectName(QStringLiteral("editsubject"));
    m_attachment = new QLabel(fromPath(attachedFileText(m_message.attachment)), this);
    m_attachment->setObjectName(QStringLiteral("attlbl"));
    m_comments = new QPlainTextEdit(QString::fromStdString(comments), this);
    m_comments->setObjectName(QStringLiteral("Memo1"));
    m_send = new QPushButton(QStringLiteral("Send"), this);
    m_send->setObjectName(QStringLiteral("btsend"));

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Subject"), m_subject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_send);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(m_attachment);
    layout->addWidget(new QLabel(QStringLiteral("Comments"), this));
    layout->addWidget(m_comments);
    layout->addLayout(buttons);
    resize(480, 320);

    connect(m_send,
            &QPushButton::clicked,
            this,
            commandSlot([this]() -> Interaction& { return m_interaction; }, [this] { sendClicked(); }));
}

MailMessage TSendRostersForm::message() const {
    MailMessage message = m_message;
    message.subject = m_subject->text().toStdString();
    message.body = rostersMailBody(m_comments->toPlainText().toStdString());
    return message;
}

void TSendRostersForm::sendClicked() {
    m_send->setEnabled(false);
    const MailMessage mail = message();
    const BusyCursor busy;
    runOffThread([&mail] { sendMail(mail); });
    m_sent = true;
}

}  // namespace zt::ui
