#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace zt {
class Interaction;
}

namespace zt::media::ui {

// What the media windows ask of the main window: its messages, its file and folder dialogs, and
// where the game and the editor's data live. Tests answer each in advance.
struct MediaServices {
    std::function<Interaction&()> interaction;
    // A file to read; empty when cancelled.
    std::function<QString(QWidget* parent, const QString& caption, const QString& directory, const QString& filter)>
        openFile;
    // A file to write, the default suffix added when the name has none; empty when cancelled.
    std::function<QString(QWidget* parent,
                          const QString& caption,
                          const QString& directory,
                          const QString& filter,
                          const QString& suffix)>
        saveFile;
    // An existing folder; empty when cancelled.
    std::function<QString(QWidget* parent, const QString& caption, const QString& directory)> chooseFolder;
    // The game folder and the editor's data folder, each ending in "/" (empty when unknown).
    std::function<QString()> gameDirectory;
    std::function<QString()> dataDirectory;
};

}  // namespace zt::media::ui
