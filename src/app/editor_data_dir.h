#pragma once

#include <QString>

namespace zt::app {

// The editor's data directory (constants.ini and the other files of the editor): the
// environment variable ZTEDIT_DATA_DIR, else the "Path" setting, else the user's data folder
// for ztedit. A new folder is seeded with the files the editor ships (the data/ folder).
QString editorDataDirectory(const QString& pathSetting);

// Copies the shipped data files that the folder does not hold yet.
void seedEditorDataDirectory(const QString& directory);

}  // namespace zt::app
