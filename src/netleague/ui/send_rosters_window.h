#pragma once

#include <QDialog>

#include "netleague/smtp_transfer.h"

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace zt {
class Interaction;
}

namespace zt::ui {

// "Sending rosters management": the prepared message with its subject and comments to change;
// Send mails it once (the button stays disabled, also after a failure: the window is opened again
// to try again).
class TSendRostersForm : public QDialog {
    Q_OBJECT

public:
    // `message` holds server, sender, recipients and attachment; its subject and body are taken
    // from the window when Send is pressed.
    TSendRostersForm(MailMessage message,
                     const std::string& subject,
                     const std::string& comments,
                     Interaction& interaction,
                     QWidget* parent = nullptr);

    void sendClicked();
    // The message as Send would send it now.
    MailMessage message() const;
    bool sent() const { return m_sent; }

private:
    MailMessage m_message;
    Interaction& m_interaction;
    bool m_sent = false;
    QLineEdit* m_subject = nullptr;
    QLabel* m_attachment = nullptr;
    QPlainTextEdit* m_comments = nullptr;
    QPushButton* m_send = nullptr;
};

}  // namespace zt::ui
