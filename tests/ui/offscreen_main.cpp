// Runs the window tests inside one QApplication on the offscreen platform, so they need no
// display and windows can be shown, laid out and clicked.
#include <gtest/gtest.h>

#include <QApplication>

int main(int argc, char** argv) {
    // ZT_TEST_PLATFORM=xcb runs them in a real X server instead (a display must be set).
    const QByteArray platform = qgetenv("ZT_TEST_PLATFORM");
    qputenv("QT_QPA_PLATFORM", platform.isEmpty() ? QByteArray("offscreen") : platform);
    ::testing::InitGoogleTest(&argc, argv);
    QApplication application(argc, argv);
    return RUN_ALL_TESTS();
}
