#pragma once

#include <optional>
#include <string>

namespace zt {

enum class Answer { Yes, No, Cancel };

// The button a question's Enter key chooses. Questions that destroy data default to No, so a
// habitual Enter changes nothing.
enum class DefaultButton { Yes, No };

// Questions and messages a command needs in its middle. The window answers with message
// boxes, the command-line tool from its flags, tests from a script. Questions and messages are
// UTF-8 (league text put into them is converted first, league_text.h); the initial text and the
// answer of promptText are league text.
class Interaction {
public:
    virtual ~Interaction() = default;

    virtual bool askYesNo(const std::string& question, DefaultButton defaultButton = DefaultButton::Yes) = 0;
    virtual Answer askYesNoCancel(const std::string& question) = 0;
    virtual void information(const std::string& message) = 0;
    virtual void warning(const std::string& message) = 0;
    // A line of text; no value when the user cancels.
    virtual std::optional<std::string> promptText(const std::string& caption,
                                                  const std::string& prompt,
                                                  const std::string& initialText) = 0;
};

}  // namespace zt
