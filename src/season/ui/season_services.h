#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace zt {
class Interaction;
}

namespace zt::season::ui {

// What the season windows ask of the main window: its messages and its file dialogs. Tests
// answer each in advance.
struct SeasonServices {
    Interaction* interaction = nullptr;
    // A file to read; empty when cancelled.
    std::function<QString(QWidget* parent, const QString& caption, const QString& filter)> openFile;
    // A file to write, the default suffix added when the name has none; empty when cancelled.
    std::function<QString(QWidget* parent, const QString& caption, const QString& filter, const QString& suffix)>
        saveFile;
};

}  // namespace zt::season::ui
