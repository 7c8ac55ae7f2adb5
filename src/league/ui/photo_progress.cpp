#include "league/ui/photo_progress.h"

#include <QCoreApplication>
#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

#include "league/ui/qt_text.h"
#include "league/ui/title_width.h"

namespace zt::ui {

Tphotoprogress::Tphotoprogress(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("Tphotoprogress"));
    auto* layout = new QVBoxLayout(this);
    m_label = new QLabel(this);
    m_label->setObjectName(QStringLiteral("progresslabel"));
    QFont bold = m_label->font();
    bold.setBold(true);
    m_label->setFont(bold);
    m_bar = new QProgressBar(this);
    m_bar->setObjectName(QStringLiteral("progressbar"));
    m_bar->setValue(0);
    layout->addWidget(m_label);
    layout->addWidget(m_bar);
    setMinimumWidth(320);
}

Tphotoprogress::~Tphotoprogress() = default;

void Tphotoprogress::showCentredOn(QWidget* other) {
    fitTitle(*this);
    adjustSize();
    if (other != nullptr) {
        const QPoint centre = other->mapToGlobal(other->rect().center());
        move(centre - rect().center());
    }
    show();
    repaintNow();
}

void Tphotoprogress::setRange(int minimum, int maximum) {
    m_bar->setRange(minimum, maximum);
    repaintNow();
}

void Tphotoprogress::setValue(int value) {
    m_bar->setValue(value);
    repaintNow();
}

void Tphotoprogress::setLabel(const std::string& label) {
    m_label->setText(fromLeagueText(label));
    repaintNow();
}

void Tphotoprogress::repaintNow() {
    // Painting only: the user cannot start anything else while the operation runs.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

}  // namespace zt::ui
