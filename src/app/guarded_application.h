#pragma once

#include <QApplication>

namespace zt::app {

// The editor's application object. Commands meet failure at their own boundary; this is the
// last line behind it, for a handler that is not a command (a paint, a drag over the grid):
// whatever such a handler throws is shown as a message instead of unwinding through Qt.
class GuardedApplication final : public QApplication {
public:
    GuardedApplication(int& argc, char** argv) : QApplication(argc, argv) {}

    bool notify(QObject* receiver, QEvent* event) override;
};

}  // namespace zt::app
