#include "season/ui/box_score_window.h"

#include <QClipboard>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QMenu>
#include <QTextEdit>
#include <QVBoxLayout>

#include "league/file_io.h"
#include "league/ui/command_boundary.h"
#include "league/ui/qt_text.h"
#include "season/box_scores.h"
#include "season/ui/season_services.h"

namespace zt::season::ui {

namespace {

std::span<const std::uint8_t> bytesOf(const std::string& text) {
    return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

}  // namespace

Tboxscorefrm::Tboxscorefrm(std::vector<std::string> lines, const SeasonServices& services, QWidget* parent)
    : QDialog(parent), m_lines(std::move(lines)), m_services(services) {
    setObjectName(QStringLiteral("Tboxscorefrm"));
    setWindowTitle(QString::fromLatin1(kBoxScoreCaption));
    m_view = new QTextEdit(this);
    m_view->setObjectName(QStringLiteral("RichEdit1"));
    m_view->setReadOnly(true);
    m_view->setLineWrapMode(QTextEdit::NoWrap);
    QFont courier(QStringLiteral("Courier"));
    courier.setStyleHint(QFont::TypeWriter);
    m_view->setFont(courier);
    QStringList shown;
    for (const std::string& line : m_lines) {
        shown << zt::ui::fromLeagueText(line);
    }
    m_view->setPlainText(shown.join(QLatin1Char('\n')));
    m_view->moveCursor(QTextCursor::Start);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_view);
    resize(720, 560);

    m_popup = new QMenu(this);
    const auto addItem = [this](const char* name, const char* caption, auto handler) {
        QAction* action = m_popup->addAction(QString::fromLatin1(caption));
        action->setObjectName(QString::fromLatin1(name));
        connect(action,
                &QAction::triggered,
                this,
                zt::ui::commandSlot([this]() -> Interaction& { return *m_services.interaction; }, handler));
    };
    addItem("SaveasTXT1", "Save as TXT", [this] { saveAs(kBoxScoreTextFilter.data(), "txt", false); });
    addItem("SaveasHTML1", "Save as HTML", [this] { saveAs(kBoxScoreHtmlFilter.data(), "htm", true); });
    addItem("CopyasHTML1", "Copy as HTML", [this] { copyAsHtml(); });
    m_view->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_view, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        m_popup->popup(m_view->viewport()->mapToGlobal(at));
    });
}

void Tboxscorefrm::saveAs(const char* filter, const char* suffix, bool html) {
    const QString file = m_services.saveFile(
        this, QStringLiteral("Save the box score"), QString::fromLatin1(filter), QString::fromLatin1(suffix));
    if (file.isEmpty()) {
        return;
    }
    writeFileAtomically(zt::ui::toPath(file), bytesOf(html ? boxScoreHtml(m_lines) : boxScoreText(m_lines)));
}

void Tboxscorefrm::copyAsHtml() {
    QGuiApplication::clipboard()->setText(zt::ui::fromLeagueText(boxScoreClipboardHtml(m_lines)));
}

}  // namespace zt::season::ui
