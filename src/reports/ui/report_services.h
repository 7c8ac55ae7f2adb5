#pragma once

#include <QColor>
#include <QString>
#include <functional>
#include <optional>

#include "reports/player_card.h"

class QWidget;

namespace zt {
class Interaction;
}

namespace zt::reports::ui {

class ReportSaveDialog;

// What the report windows ask of the main window: messages, the shared save dialog, folder and
// colour choices, the system shell and the player editor. Tests answer each in advance.
struct ReportServices {
    Interaction* interaction = nullptr;
    ReportSaveDialog* saveDialog = nullptr;
    // A folder (the user may create one); empty when cancelled.
    std::function<QString(QWidget* parent, const QString& caption, const QString& directory)> chooseFolder;
    // A file to read (header and footer files); empty when cancelled.
    std::function<QString(QWidget* parent, const QString& caption, const QString& directory, const QString& filter)>
        openFile;
    // A file to write, with its own filter and default suffix; empty when cancelled.
    std::function<QString(QWidget* parent,
                          const QString& caption,
                          const QString& directory,
                          const QString& filter,
                          const QString& suffix)>
        saveFile;
    std::function<std::optional<QColor>(QWidget* parent, const QColor& initial)> chooseColor;
    // Opens a document with the system's default program for it.
    std::function<bool(const QString& file)> openDocument;
    // Shows a player (by index in the player list) in the main window.
    std::function<void(int playerIndex)> openPlayer;
    // Opens the "Player's card" window of a player (by index in the player list); false when the
    // window could not be made.
    std::function<bool(QWidget* parent, int playerIndex)> openCard;
    // The players' photos on their cards (from the photo album); cards show blank.bmp without it.
    CardPhotoSource cardPhoto;
    // Where "Preview" writes its page; the system's temporary folder when empty.
    QString previewDirectory;
};

}  // namespace zt::reports::ui
