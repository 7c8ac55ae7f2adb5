#pragma once

#include <QApplication>
#include <QTimer>
#include <filesystem>
#include <functional>

#include "league/league.h"
#include "league/ui/qt_text.h"
#include "main_window_fixture.h"

namespace zt::test {

// The main window with a generated league open (twelve days, four of them played), and the way to
// check that what a window changed reaches the files: Save, then open the league again.
class SeasonWindowTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        m_sea = generateLeague("league", 3);
        startWindow({ui::fromPath(m_sea.string())});
    }

    League& league() { return *m_window->league(); }

    // Save from the File menu, then the window opens the saved league again.
    void saveAndReopen() {
        action("Save1")->trigger();
        ASSERT_FALSE(league().changed());
        ASSERT_TRUE(m_window->openLeagueFile(ui::fromPath(m_sea.string())));
    }

    // Runs `inspect` on the modal window that `open` brings up, then closes that window.
    void whileModal(const std::function<void()>& open, const std::function<void(QWidget&)>& inspect) {
        bool inspected = false;
        QTimer::singleShot(0, m_window.get(), [&] {
            QWidget* modal = QApplication::activeModalWidget();
            ASSERT_NE(modal, nullptr);
            inspect(*modal);
            inspected = true;
            modal->close();
        });
        open();
        EXPECT_TRUE(inspected);
    }

    template <class T>
    static T* in(const QWidget* window, const char* name) {
        auto* widget = window->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << "no " << name;
        return widget;
    }

    std::filesystem::path m_sea;
};

}  // namespace zt::test
