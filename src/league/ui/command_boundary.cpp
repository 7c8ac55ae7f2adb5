#include "league/ui/command_boundary.h"

#include <new>
#include <optional>
#include <utility>

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

namespace {

std::function<void()>& commandFinishedObserver() {
    static std::function<void()> observer;
    return observer;
}

int g_commandDepth = 0;

// Runs `command`, turning whatever it throws into the message the user reads.
std::optional<std::string> failureOf(const std::function<void()>& command) {
    try {
        command();
    } catch (const Error& e) {
        return e.what();
    } catch (const std::exception& e) {
        return unexpectedFailureMessage(&e);
    } catch (...) {
        return unexpectedFailureMessage(nullptr);
    }
    return std::nullopt;
}

}  // namespace

CommandGroup::CommandGroup() {
    ++g_commandDepth;
}

CommandGroup::~CommandGroup() {
    if (--g_commandDepth == 0 && commandFinishedObserver()) {
        // What could not be recorded now is recorded when the next command ends.
        (void)failureOf(commandFinishedObserver());
    }
}

std::function<void()> setCommandFinishedObserver(std::function<void()> observer) {
    return std::exchange(commandFinishedObserver(), std::move(observer));
}

bool runCommand(Interaction& interaction, const std::function<void()>& command, CommandCursor cursor) {
    std::optional<std::string> failure;
    {
        std::optional<BusyCursor> busy;
        if (cursor == CommandCursor::Busy) {
            busy.emplace();
        }
        ++g_commandDepth;
        failure = failureOf(command);
        --g_commandDepth;
        // A command that failed half way may still have changed something: it is observed too.
        if (g_commandDepth == 0 && commandFinishedObserver()) {
            std::optional<std::string> observed = failureOf(commandFinishedObserver());
            if (!failure) {
                failure = std::move(observed);
            }
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
