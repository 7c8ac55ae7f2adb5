#pragma once

#include <QLabel>
#include <QPoint>
#include <functional>
#include <optional>

class QMimeData;

namespace zt::ui {

// A panel of the lineup page: a lineup slot (tag 1 to 9), a rotation slot (tag 1 to 5) or the
// closer panel (tag 6). Panels are dragged onto each other and receive players dragged from the
// grid; what a drop means is decided by the page through the handlers. A lineup slot starts a
// drag with the left button and is cleared with the right or middle one; rotation slots and the
// closer panel start a drag with any button. A drag begins after a move of kDragStartDistance.
class SlotPanel : public QLabel {
    Q_OBJECT

public:
    enum class Kind { Lineup, Rotation, Closer };
    static constexpr int kDragStartDistance = 2;

    explicit SlotPanel(QWidget* parent = nullptr);

    // Set once by the page: what the panel is and how drops are judged and made.
    void setSlot(Kind kind, int tag);
    Kind kind() const { return m_kind; }
    int tag() const { return m_tag; }
    void setDropHandlers(std::function<bool(const SlotPanel&, const QMimeData&)> accepts,
                         std::function<void(SlotPanel&, const QMimeData&)> drop);

    // What a drag from this panel carries, and the panel a drag came from.
    QMimeData* dragData() const;
    struct Source {
        Kind kind;
        int tag;
    };
    static std::optional<Source> draggedSlot(const QMimeData* data);

Q_SIGNALS:
    // The right (or middle) button on a lineup slot.
    void clearRequested(int tag);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    bool accepts(const QMimeData* data) const;

    Kind m_kind = Kind::Lineup;
    int m_tag = 0;
    bool m_dragArmed = false;
    QPoint m_pressPosition;
    std::function<bool(const SlotPanel&, const QMimeData&)> m_accepts;
    std::function<void(SlotPanel&, const QMimeData&)> m_drop;
};

}  // namespace zt::ui
