#include "cli/flag_interaction.h"

#include <ostream>

#include "league/error.h"

namespace zt::cli {

bool FlagInteraction::askYesNo(const std::string& question, DefaultButton) {
    if (!m_answer) {
        throw Error("The command asks \"" + question + "\": answer with --yes or --no. Nothing was changed.");
    }
    m_out << question << ' ' << (*m_answer ? "Yes" : "No") << '\n';
    return *m_answer;
}

Answer FlagInteraction::askYesNoCancel(const std::string& question) {
    return askYesNo(question) ? Answer::Yes : Answer::No;
}

void FlagInteraction::information(const std::string& message) {
    m_out << message << '\n';
}

void FlagInteraction::warning(const std::string& message) {
    m_out << message << '\n';
}

std::optional<std::string> FlagInteraction::promptText(const std::string&, const std::string&, const std::string&) {
    return std::nullopt;
}

std::optional<bool> answerFromFlags(bool yes, bool no) {
    if (yes) {
        return true;
    }
    if (no) {
        return false;
    }
    return std::nullopt;
}

}  // namespace zt::cli
