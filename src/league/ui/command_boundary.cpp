#include "league/ui/command_boundary.h"

#include <new>
#include <optional>

#include "league/error.h"
#include "league/ui/busy_cursor.h"

namespace zt::ui {

std::string unexpectedFailureMessage(const std::exception* failure) {
    if (failure == nullptr) {
        return "An unexpected error stopped the command.";
    }
    if (dynamic_cast<const std::bad_alloc*>(failure) != nullptr) {
        return "There was not enough memory to complete the command.";
    }
    return std::string("An unexpected error stopped the command: ") + failure->what();
}

bool runCommand(Interaction& interaction, const std::function<void()>& command, CommandCursor cursor) {
    std::optional<std::string> failure;
    {
        std::optional<BusyCursor> busy;
        if (cursor == CommandCursor::Busy) {
            busy.emplace();
        }
        try {
            command();
        } catch (const Error& e) {
            failure = e.what();
        } catch (const std::exception& e) {
            failure = unexpectedFailureMessage(&e);
        } catch (...) {
            failure = unexpectedFailureMessage(nullptr);
        }
    }
    if (!failure) {
        return true;
    }
    // Showing the message must not fail the boundary itself.
    try {
        interaction.warning(*failure);
    } catch (...) {
    }
    return false;
}

}  // namespace zt::ui
