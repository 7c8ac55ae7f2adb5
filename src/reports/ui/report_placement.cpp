#include "reports/ui/report_placement.h"

#include <QEvent>
#include <QPointer>
#include <QWidget>

namespace zt::reports::ui {

namespace {

class PlaceOnShow : public QObject {
public:
    PlaceOnShow(QWidget& report, const QWidget& mainWindow) : QObject(&report), m_main(&mainWindow) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show && m_main != nullptr) {
            placeReportWindow(*static_cast<QWidget*>(watched), *m_main);
        }
        return false;
    }

private:
    QPointer<const QWidget> m_main;
};

}  // namespace

void placeReportWindow(QWidget& report, const QWidget& mainWindow) {
    const QRect main = mainWindow.frameGeometry();
    report.move(main.left(), main.top() + main.height() / 2 - report.frameGeometry().height() / 2);
}

void placeReportWindowWhenShown(QWidget& report, const QWidget& mainWindow) {
    report.installEventFilter(new PlaceOnShow(report, mainWindow));
}

}  // namespace zt::reports::ui
