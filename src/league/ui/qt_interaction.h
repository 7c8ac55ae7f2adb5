#pragma once

#include <QPointer>
#include <QWidget>

#include "league/interaction.h"

namespace zt::ui {

// Questions and messages of the core commands as message boxes over a parent window.
class QtInteraction final : public Interaction {
public:
    explicit QtInteraction(QWidget* parent) : m_parent(parent) {}

    bool askYesNo(const std::string& question, DefaultButton defaultButton = DefaultButton::Yes) override;
    Answer askYesNoCancel(const std::string& question) override;
    void information(const std::string& message) override;
    void warning(const std::string& message) override;
    std::optional<std::string> promptText(const std::string& caption,
                                          const std::string& prompt,
                                          const std::string& initialText) override;

private:
    QPointer<QWidget> m_parent;
};

}  // namespace zt::ui
