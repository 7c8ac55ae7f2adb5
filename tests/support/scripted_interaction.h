#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "league/interaction.h"

namespace zt::test {

// Answers questions from a script and records every question and message, so tests can check
// the exact texts a command showed. An unscripted question fails the test.
class ScriptedInteraction : public Interaction {
public:
    struct Shown {
        enum class Kind { YesNo, YesNoCancel, Information, Warning, Prompt } kind;
        std::string text;
    };

    void answerYesNo(bool answer) { m_yesNo.push_back(answer); }
    void answerYesNoCancel(Answer answer) { m_yesNoCancel.push_back(answer); }
    void answerPrompt(std::optional<std::string> answer) { m_prompts.push_back(std::move(answer)); }
    // The next yes/no question throws std::runtime_error(what): a fault deep inside a command.
    void failNextQuestion(std::string what) { m_failure = std::move(what); }

    bool askYesNo(const std::string& question, DefaultButton defaultButton = DefaultButton::Yes) override;
    Answer askYesNoCancel(const std::string& question) override;
    void information(const std::string& message) override;
    void warning(const std::string& message) override;
    std::optional<std::string> promptText(const std::string& caption,
                                          const std::string& prompt,
                                          const std::string& initialText) override;

    const std::vector<Shown>& shown() const { return m_shown; }
    // The default button of each yes/no question asked, in order.
    const std::vector<DefaultButton>& yesNoDefaults() const { return m_yesNoDefaults; }
    // The texts shown, in order, whatever their kind.
    std::vector<std::string> texts() const;
    bool scriptExhausted() const { return m_yesNo.empty() && m_yesNoCancel.empty() && m_prompts.empty(); }

private:
    std::deque<bool> m_yesNo;
    std::deque<Answer> m_yesNoCancel;
    std::deque<std::optional<std::string>> m_prompts;
    std::vector<Shown> m_shown;
    std::vector<DefaultButton> m_yesNoDefaults;
    std::optional<std::string> m_failure;
};

}  // namespace zt::test
