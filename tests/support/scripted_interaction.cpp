#include "support/scripted_interaction.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace zt::test {

namespace {
template <class T>
T next(std::deque<T>& script, const std::string& question, T fallback) {
    if (script.empty()) {
        ADD_FAILURE() << "unscripted question: " << question;
        return fallback;
    }
    T answer = std::move(script.front());
    script.pop_front();
    return answer;
}
}  // namespace

bool ScriptedInteraction::askYesNo(const std::string& question, DefaultButton defaultButton) {
    m_shown.push_back({Shown::Kind::YesNo, question});
    m_yesNoDefaults.push_back(defaultButton);
    if (m_failure) {
        const std::string what = *m_failure;
        m_failure.reset();
        throw std::runtime_error(what);
    }
    return next(m_yesNo, question, false);
}

Answer ScriptedInteraction::askYesNoCancel(const std::string& question) {
    m_shown.push_back({Shown::Kind::YesNoCancel, question});
    return next(m_yesNoCancel, question, Answer::Cancel);
}

void ScriptedInteraction::information(const std::string& message) {
    m_shown.push_back({Shown::Kind::Information, message});
}

void ScriptedInteraction::warning(const std::string& message) {
    m_shown.push_back({Shown::Kind::Warning, message});
}

std::optional<std::string> ScriptedInteraction::promptText(const std::string& caption,
                                                           const std::string& prompt,
                                                           const std::string&) {
    m_shown.push_back({Shown::Kind::Prompt, caption + ": " + prompt});
    return next<std::optional<std::string>>(m_prompts, prompt, std::nullopt);
}

std::vector<std::string> ScriptedInteraction::texts() const {
    std::vector<std::string> result;
    for (const auto& s : m_shown) {
        result.push_back(s.text);
    }
    return result;
}

}  // namespace zt::test
