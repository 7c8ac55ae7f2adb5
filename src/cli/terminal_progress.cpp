#include "cli/terminal_progress.h"

#include <unistd.h>

#include <algorithm>
#include <cstdio>

namespace zt::cli {

namespace {
constexpr int kBarWidth = 30;
}

TerminalProgress::TerminalProgress() : m_terminal(::isatty(STDERR_FILENO) == 1) {}

TerminalProgress::~TerminalProgress() {
    if (m_drawn) {
        std::fputc('\n', stderr);
    }
}

void TerminalProgress::setRange(int minimum, int maximum) {
    m_minimum = minimum;
    m_maximum = maximum;
    m_value = minimum;
    draw();
}

void TerminalProgress::setValue(int value) {
    m_value = value;
    draw();
}

void TerminalProgress::setLabel(const std::string& label) {
    m_label = label;
    draw();
}

void TerminalProgress::draw() {
    if (!m_terminal || m_maximum <= m_minimum) {
        return;
    }
    const int done = std::clamp((m_value - m_minimum) * kBarWidth / (m_maximum - m_minimum), 0, kBarWidth);
    std::fprintf(stderr,
                 "\r[%.*s%*s] %d/%d %-32.32s",
                 done,
                 "##############################",
                 kBarWidth - done,
                 "",
                 m_value - m_minimum,
                 m_maximum - m_minimum,
                 m_label.c_str());
    std::fflush(stderr);
    m_drawn = true;
}

}  // namespace zt::cli
