#pragma once

#include <functional>

namespace zt::ui {

// Runs `work` on a worker thread while this thread goes on handling window events (repaints,
// button clicks such as Cancel); returns when the work ended and rethrows what it threw. The
// work must not touch widgets.
void runOffThread(const std::function<void()>& work);

}  // namespace zt::ui
