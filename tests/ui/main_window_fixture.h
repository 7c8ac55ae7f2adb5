#pragma once

#include <gtest/gtest.h>

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include "app/main_window.h"
#include "scripted_dialogs.h"
#include "support/scripted_interaction.h"
#include "support/temp_dir.h"

namespace zt::test {

// A main window on the offscreen platform with its settings, data directory and league files in
// a temporary folder, questions answered by a script and file choices made in advance.
class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // A new window, started as the program starts it.
    app::TForm1& startWindow(const QStringList& arguments = {});
    // Closes and destroys the window, as leaving the program does.
    void closeWindow();

    // Writes a small generated league into the temporary folder; returns its .sea path.
    std::filesystem::path generateLeague(const std::string& name, unsigned seed = 1);

    template <class T>
    T* child(const char* name) {
        auto* widget = m_window->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << "no " << name;
        return widget;
    }
    QAction* action(const char* name) { return child<QAction>(name); }
    QString text(const char* lineEdit) { return child<QLineEdit>(lineEdit)->text(); }
    void type(const char* lineEdit, const QString& text);
    void apply();
    // The last message shown while `action` ran, empty when it showed none.
    std::string messageShownBy(const std::function<void()>& action);

    TempDir m_dir;
    ScriptedInteraction m_interaction;
    ScriptedDialogs m_dialogs;
    std::unique_ptr<app::TForm1> m_window;
};

}  // namespace zt::test
