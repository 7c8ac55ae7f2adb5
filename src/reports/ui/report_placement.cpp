#include "reports/ui/report_placement.h"

#include <QWidget>

namespace zt::reports::ui {

void placeReportWindow(QWidget& report, const QWidget& mainWindow) {
    const QRect main = mainWindow.frameGeometry();
    report.move(main.left(), main.top() + main.height() / 2 - report.frameGeometry().height() / 2);
}

}  // namespace zt::reports::ui
