#pragma once

#include <iosfwd>
#include <optional>

#include "league/interaction.h"

namespace zt::cli {

// Questions of a core command answered from the command line: --yes or --no answer every
// question and each is written to the output with its answer. Without either flag a question
// ends the command with an error naming the flags, so nothing is decided behind the user's back.
// Messages are written to the output; text prompts keep their preset.
class FlagInteraction final : public Interaction {
public:
    FlagInteraction(std::optional<bool> answer, std::ostream& out) : m_answer(answer), m_out(out) {}

    bool askYesNo(const std::string& question, DefaultButton defaultButton = DefaultButton::Yes) override;
    Answer askYesNoCancel(const std::string& question) override;
    void information(const std::string& message) override;
    void warning(const std::string& message) override;
    std::optional<std::string> promptText(const std::string& caption,
                                          const std::string& prompt,
                                          const std::string& initialText) override;

private:
    std::optional<bool> m_answer;
    std::ostream& m_out;
};

// The answer the --yes and --no flags give: none when neither was given.
std::optional<bool> answerFromFlags(bool yes, bool no);

}  // namespace zt::cli
