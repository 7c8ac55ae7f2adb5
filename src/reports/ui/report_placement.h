#pragma once

class QWidget;

namespace zt::reports::ui {

// Report windows open with their left edge at the main window's left edge, centred vertically
// on it.
void placeReportWindow(QWidget& report, const QWidget& mainWindow);

// Places the report so each time it is shown, once its layout has given it its size.
void placeReportWindowWhenShown(QWidget& report, const QWidget& mainWindow);

}  // namespace zt::reports::ui
