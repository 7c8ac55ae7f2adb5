#pragma once

#include <concepts>
#include <exception>
#include <functional>
#include <string>
#include <utility>

#include "league/interaction.h"

namespace zt::ui {

// Whether a command shows the hourglass while it runs.
enum class CommandCursor { Normal, Busy };

// The one place where a window's command meets failure. A zt::Error is the message the user is
// meant to read and is shown as it stands; any other exception is a fault of the editor, shown
// as a clear message instead of ending the program. Nothing escapes to the event loop. Returns
// true when the command ran to its end.
bool runCommand(Interaction& interaction,
                const std::function<void()>& command,
                CommandCursor cursor = CommandCursor::Normal);

// Called after each command the user started has ended, well or not (when commands run
// commands, after the outermost one): the main window makes what it changed one step of undo.
// Returns the observer it replaces; an empty function removes it.
std::function<void()> setCommandFinishedObserver(std::function<void()> observer);

// Everything run while a group lives is one command for the observer, however many commands
// run inside it: for a control whose work ends in signals that start further commands.
class CommandGroup {
public:
    CommandGroup();
    ~CommandGroup();
    CommandGroup(const CommandGroup&) = delete;
    CommandGroup& operator=(const CommandGroup&) = delete;
};

// The message for a failure that is not one of the editor's own messages (null: not even a
// standard exception).
std::string unexpectedFailureMessage(const std::exception* failure);

// A slot that runs `handler` as a command: the way windows connect their controls and menu
// items. `interaction` is called when a failure must be shown. The slot takes as many of the
// signal's arguments as the handler accepts (Qt tries fewer until one fits).
template <class InteractionSource, class Handler>
auto commandSlot(InteractionSource interaction, Handler handler) {
    return [ interaction = std::move(interaction), handler = std::move(handler) ]<class... Args>(
        Args && ... args) requires std::invocable<const Handler&, Args...> {
        runCommand(interaction(), [&] { handler(std::forward<Args>(args)...); });
    };
}

}  // namespace zt::ui
