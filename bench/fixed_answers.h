#pragma once

#include <optional>
#include <string>

#include "league/interaction.h"

namespace zt::bench {

// Answers every question the same way and shows nothing: benchmarks measure the command, not
// the dialog.
class FixedAnswers final : public Interaction {
public:
    explicit FixedAnswers(bool yes) : m_yes(yes) {}

    bool askYesNo(const std::string&, DefaultButton) override { return m_yes; }
    Answer askYesNoCancel(const std::string&) override { return m_yes ? Answer::Yes : Answer::Cancel; }
    void information(const std::string&) override {}
    void warning(const std::string&) override {}
    std::optional<std::string> promptText(const std::string&, const std::string&, const std::string&) override {
        return std::nullopt;
    }

private:
    bool m_yes;
};

}  // namespace zt::bench
