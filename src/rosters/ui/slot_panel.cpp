#include "rosters/ui/slot_panel.h"

#include <QDrag>
#include <QDragEnterEvent>
#include <QMimeData>
#include <QMouseEvent>

namespace zt::ui {

namespace {

const QString kSlotMimeType = QStringLiteral("application/x-ztedit-lineup-slot");

}  // namespace

SlotPanel::SlotPanel(QWidget* parent) : QLabel(parent) {
    setAcceptDrops(true);
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Sunken);
    setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("Pitcher Slot or Empty spot")) + 12);
    setMargin(2);
}

void SlotPanel::setSlot(Kind kind, int tag) {
    m_kind = kind;
    m_tag = tag;
}

void SlotPanel::setDropHandlers(std::function<bool(const SlotPanel&, const QMimeData&)> accepts,
                                std::function<void(SlotPanel&, const QMimeData&)> drop) {
    m_accepts = std::move(accepts);
    m_drop = std::move(drop);
}

QMimeData* SlotPanel::dragData() const {
    auto* data = new QMimeData;
    data->setData(kSlotMimeType, QByteArray::number(static_cast<int>(m_kind)) + ' ' + QByteArray::number(m_tag));
    return data;
}

std::optional<SlotPanel::Source> SlotPanel::draggedSlot(const QMimeData* data) {
    if (data == nullptr || !data->hasFormat(kSlotMimeType)) {
        return std::nullopt;
    }
    const QList<QByteArray> parts = data->data(kSlotMimeType).split(' ');
    if (parts.size() != 2) {
        return std::nullopt;
    }
    bool kindOk = false;
    bool tagOk = false;
    const int kind = parts[0].toInt(&kindOk);
    const int tag = parts[1].toInt(&tagOk);
    if (!kindOk || !tagOk || kind < 0 || kind > static_cast<int>(Kind::Closer)) {
        return std::nullopt;
    }
    return Source{static_cast<Kind>(kind), tag};
}

void SlotPanel::mousePressEvent(QMouseEvent* event) {
    m_dragArmed = false;
    const Qt::MouseButton button = event->button();
    if (m_kind == Kind::Lineup && (button == Qt::RightButton || button == Qt::MiddleButton)) {
        Q_EMIT clearRequested(m_tag);
        event->accept();
        return;
    }
    m_dragArmed = m_kind != Kind::Lineup || button == Qt::LeftButton;
    m_pressPosition = event->position().toPoint();
    event->accept();
}

void SlotPanel::mouseMoveEvent(QMouseEvent* event) {
    if (!m_dragArmed || event->buttons() == Qt::NoButton) {
        m_dragArmed = false;
        return;
    }
    if ((event->position().toPoint() - m_pressPosition).manhattanLength() < kDragStartDistance) {
        return;
    }
    m_dragArmed = false;
    auto* drag = new QDrag(this);
    drag->setMimeData(dragData());
    drag->exec(Qt::MoveAction, Qt::MoveAction);
}

void SlotPanel::mouseReleaseEvent(QMouseEvent* event) {
    m_dragArmed = false;
    QLabel::mouseReleaseEvent(event);
}

bool SlotPanel::accepts(const QMimeData* data) const {
    return data != nullptr && m_accepts && m_accepts(*this, *data);
}

void SlotPanel::dragEnterEvent(QDragEnterEvent* event) {
    if (accepts(event->mimeData())) {
        event->acceptProposedAction();
    } else {
        event->ignore();
    }
}

void SlotPanel::dragMoveEvent(QDragMoveEvent* event) {
    if (accepts(event->mimeData())) {
        event->acceptProposedAction();
    } else {
        event->ignore();
    }
}

void SlotPanel::dropEvent(QDropEvent* event) {
    if (!accepts(event->mimeData()) || !m_drop) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    m_drop(*this, *event->mimeData());
}

}  // namespace zt::ui
