#include "netleague/ui/net_info_window.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "league/interaction.h"
#include "league/ui/command_boundary.h"
#include "league/ui/qt_text.h"

namespace zt::ui {

namespace {

QString betweenQuotes(const std::string& path) {
    return QLatin1Char('"') + fromLeagueText(path) + QLatin1Char('"');
}

std::string unquoted(const QString& text) {
    QString path = text;
    path.remove(QLatin1Char('"'));
    return toLeagueText(path);
}

}  // namespace

TNetInfoForm::TNetInfoForm(NetLeagueInfo& info,
                           std::filesystem::path netFile,
                           Interaction& interaction,
                           FileChooser chooseFile,
                           std::function<void()> closed,
                           QWidget* parent)
    : QDialog(parent),
      m_info(info),
      m_netFile(std::move(netFile)),
      m_interaction(interaction),
      m_chooseFile(std::move(chooseFile)),
      m_closed(std::move(closed)) {
    setObjectName(QStringLiteral("TNetInfoForm"));
    setWindowTitle(QStringLiteral("League and mail info"));
    setModal(true);

    auto* internet = new QGroupBox(QStringLiteral("Internet"), this);
    auto* internetForm = new QFormLayout(internet);
    m_league = addEdit("editleague", info.leagueName);
    m_director = addEdit("editdirector", info.leagueDirector);
    m_leagueMail = addEdit("editmailleague", info.leagueEmail);
    m_name = addEdit("editname", info.userName);
    m_smtp = addEdit("editsmtp", info.smtpServer);
    m_mail = addEdit("editmail", info.userEmail);
    m_filesUrl = addEdit("editfilesURL", info.leagueFilesUrl);
    internetForm->addRow(QStringLiteral("League Name"), m_league);
    internetForm->addRow(QStringLiteral("League Director"), m_director);
    internetForm->addRow(QStringLiteral("Email"), m_leagueMail);
    internetForm->addRow(QStringLiteral("Your Name"), m_name);
    internetForm->addRow(QStringLiteral("Your smtp server"), m_smtp);
    internetForm->addRow(QStringLiteral("Your email"), m_mail);
    internetForm->addRow(QStringLiteral("League Files URL"), m_filesUrl);

    auto* html = new QGroupBox(QStringLiteral("HTML reports default header and footer files"), this);
    auto* htmlForm = new QFormLayout(html);
    m_header = addEdit("editheader", {});
    m_header->setText(betweenQuotes(info.htmlHeaderFile));
    m_footer = addEdit("editfooter", {});
    m_footer->setText(betweenQuotes(info.htmlFooterFile));
    for (auto [label, edit] : {std::pair{"Header file", m_header}, std::pair{"Footer file", m_footer}}) {
        auto* row = new QHBoxLayout;
        row->addWidget(edit);
        auto* button = new QPushButton(QStringLiteral("..."), html);
        button->setObjectName(edit->objectName() + QStringLiteral("Browse"));
        row->addWidget(button);
        htmlForm->addRow(QString::fromLatin1(label), row);
        connect(button, &QPushButton::clicked, this, [this, edit = edit] { browse(edit); });
    }

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(internet);
    layout->addWidget(html);
    resize(520, sizeHint().height());
}

QLineEdit* TNetInfoForm::addEdit(const char* name, const std::string& text) {
    auto* edit = new QLineEdit(fromLeagueText(text), this);
    edit->setObjectName(QString::fromLatin1(name));
    return edit;
}

void TNetInfoForm::browse(QLineEdit* edit) {
    if (!m_chooseFile) {
        return;
    }
    QString current = edit->text();
    current.remove(QLatin1Char('"'));
    const QString chosen = m_chooseFile(current);
    if (!chosen.isEmpty()) {
        edit->setText(QLatin1Char('"') + chosen + QLatin1Char('"'));
    }
}

void TNetInfoForm::takeBack() {
    m_info.leagueName = toLeagueText(m_league->text());
    m_info.leagueDirector = toLeagueText(m_director->text());
    m_info.leagueEmail = toLeagueText(m_leagueMail->text());
    m_info.userName = toLeagueText(m_name->text());
    m_info.smtpServer = toLeagueText(m_smtp->text());
    m_info.userEmail = toLeagueText(m_mail->text());
    m_info.leagueFilesUrl = toLeagueText(m_filesUrl->text());
    m_info.htmlHeaderFile = unquoted(m_header->text());
    m_info.htmlFooterFile = unquoted(m_footer->text());
    writeNetInfo(m_netFile, m_info);
}

void TNetInfoForm::done(int result) {
    if (!m_written) {
        m_written = true;
        // A net.txt that cannot be written says why; the settings stay with the open league.
        runCommand(m_interaction, [this] { takeBack(); });
        if (m_closed) {
            m_closed();
        }
    }
    QDialog::done(result);
}

}  // namespace zt::ui
