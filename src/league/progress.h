#pragma once

#include <string>

namespace zt {

// Progress of a long operation. The window repaints through it; the command-line tool draws
// a bar on a terminal. Operations poll cancelled() between steps.
class Progress {
public:
    virtual ~Progress() = default;

    virtual void setRange(int minimum, int maximum) = 0;
    virtual void setValue(int value) = 0;
    virtual void setLabel(const std::string& label) = 0;
    virtual bool cancelled() const = 0;
};

// Progress that goes nowhere, for callers that do not show any.
class NoProgress final : public Progress {
public:
    void setRange(int, int) override {}
    void setValue(int) override {}
    void setLabel(const std::string&) override {}
    bool cancelled() const override { return false; }
};

}  // namespace zt
