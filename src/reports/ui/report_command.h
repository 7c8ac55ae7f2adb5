#pragma once

#include <functional>

namespace zt {
class Interaction;
}

namespace zt::reports::ui {

// Every command of the report windows runs through here: a zt::Error is shown as it stands, any
// other exception as a message that says so, and no exception reaches the event loop.
void runReportCommand(Interaction& interaction, const std::function<void()>& command);

}  // namespace zt::reports::ui
