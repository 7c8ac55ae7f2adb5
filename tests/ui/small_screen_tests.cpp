// The editor stays usable on a small screen: at 1024 x 700 no page or panel forces the window to
// grow beyond it.
#include <QAction>
#include <QApplication>
#include <QTabWidget>

#include "league/ui/qt_text.h"
#include "main_window_fixture.h"

namespace zt::test {
namespace {

TEST_F(MainWindowTest, EveryPageAndPanelFitsASmallScreen) {
    const auto sea = generateLeague("a");
    auto& window = startWindow({ui::fromPath(sea.string())});
    const QSize screen(1024, 700);
    window.resize(screen);
    const auto fits = [&](const QString& what) {
        QApplication::processEvents();  // the layouts settle, as they do before the next paint
        const QSize needed = window.minimumSizeHint().expandedTo(window.minimumSize());
        EXPECT_LE(needed.width(), screen.width()) << what.toStdString();
        EXPECT_LE(needed.height(), screen.height()) << what.toStdString();
    };
    auto* pages = child<QTabWidget>("pages");
    for (int page = 0; page < pages->count(); ++page) {
        pages->setCurrentIndex(page);
        fits(pages->tabText(page));
    }
    action("AdvancedSearch1")->trigger();
    for (int page = 0; page < pages->count(); ++page) {
        pages->setCurrentIndex(page);
        fits(QStringLiteral("search panel over ") + pages->tabText(page));
    }
    child<QWidget>("searchpanel")->hide();
    fits(QStringLiteral("search panel closed"));
}

}  // namespace
}  // namespace zt::test
