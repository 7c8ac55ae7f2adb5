#pragma once

#include <string>

#include "league/progress.h"

namespace zt::cli {

// A progress bar on stderr, drawn only when stderr is a terminal: scripts that capture the
// tool's error output see nothing but errors.
class TerminalProgress final : public Progress {
public:
    TerminalProgress();
    ~TerminalProgress() override;

    void setRange(int minimum, int maximum) override;
    void setValue(int value) override;
    void setLabel(const std::string& label) override;
    bool cancelled() const override { return false; }

private:
    void draw();

    bool m_terminal = false;
    bool m_drawn = false;
    int m_minimum = 0;
    int m_maximum = 0;
    int m_value = 0;
    std::string m_label;
};

}  // namespace zt::cli
