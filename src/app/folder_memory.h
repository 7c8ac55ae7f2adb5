#pragma once

#include <functional>

#include "app/app_dialogs.h"

namespace zt::app {

// The dialogs as the main window hands them out: file and folder dialogs start in the folder the
// user last chose a file or folder in, else in the open league's folder, else where the caller
// asks (the game's saves folder for Open) — never in the folder the program was started from.
// Everything else passes through to the dialogs underneath.
class FolderMemory final : public AppDialogs {
public:
    FolderMemory(std::function<AppDialogs&()> dialogs, std::function<QString()> leagueFolder)
        : m_dialogs(std::move(dialogs)), m_leagueFolder(std::move(leagueFolder)) {}

    QString openFileName(QWidget* parent,
                         const QString& caption,
                         const QString& directory,
                         const QString& filter) override;
    QStringList openFileNames(QWidget* parent,
                              const QString& caption,
                              const QString& directory,
                              const QString& filter) override;
    QString saveFileName(QWidget* parent,
                         const QString& caption,
                         const QString& directory,
                         const QString& filter,
                         const QString& defaultSuffix,
                         ExistingFile existing = ExistingFile::AskToReplace) override;
    QString chooseFolder(QWidget* parent, const QString& caption, const QString& directory) override;
    std::optional<QColor> chooseColor(QWidget* parent, const QColor& initial) override;
    bool shellOpen(const QString& target, const QStringList& parameters, const QString& directory) override;

private:
    QString startFolder(const QString& asked) const;
    // A proposed file (an existing folder and a name) keeps its name in the folder the dialog starts in.
    QString startFile(const QString& asked) const;
    QString remember(const QString& chosen, bool isFolder);

    std::function<AppDialogs&()> m_dialogs;
    std::function<QString()> m_leagueFolder;
    QString m_lastFolder;
};

}  // namespace zt::app
