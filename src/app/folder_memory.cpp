#include "app/folder_memory.h"

#include <QDir>
#include <QFileInfo>

namespace zt::app {

QString FolderMemory::startFolder(const QString& asked) const {
    if (!m_lastFolder.isEmpty()) {
        return m_lastFolder;
    }
    const QString league = m_leagueFolder ? m_leagueFolder() : QString();
    return league.isEmpty() ? asked : league;
}

QString FolderMemory::startFile(const QString& asked) const {
    const QFileInfo proposal(asked);
    if (asked.isEmpty() || proposal.isDir() || !proposal.dir().exists()) {
        return startFolder(asked);
    }
    return QDir(startFolder(proposal.absolutePath())).filePath(proposal.fileName());
}

QString FolderMemory::remember(const QString& chosen, bool isFolder) {
    if (!chosen.isEmpty()) {
        m_lastFolder = isFolder ? chosen : QFileInfo(chosen).absolutePath();
    }
    return chosen;
}

QString FolderMemory::openFileName(QWidget* parent,
                                   const QString& caption,
                                   const QString& directory,
                                   const QString& filter) {
    return remember(m_dialogs().openFileName(parent, caption, startFolder(directory), filter), false);
}

QStringList FolderMemory::openFileNames(QWidget* parent,
                                        const QString& caption,
                                        const QString& directory,
                                        const QString& filter) {
    const QStringList files = m_dialogs().openFileNames(parent, caption, startFolder(directory), filter);
    if (!files.isEmpty()) {
        remember(files.constFirst(), false);
    }
    return files;
}

QString FolderMemory::saveFileName(QWidget* parent,
                                   const QString& caption,
                                   const QString& directory,
                                   const QString& filter,
                                   const QString& defaultSuffix,
                                   ExistingFile existing) {
    return remember(m_dialogs().saveFileName(parent, caption, startFile(directory), filter, defaultSuffix, existing),
                    false);
}

QString FolderMemory::chooseFolder(QWidget* parent, const QString& caption, const QString& directory) {
    return remember(m_dialogs().chooseFolder(parent, caption, startFolder(directory)), true);
}

std::optional<QColor> FolderMemory::chooseColor(QWidget* parent, const QColor& initial) {
    return m_dialogs().chooseColor(parent, initial);
}

bool FolderMemory::shellOpen(const QString& target, const QStringList& parameters, const QString& directory) {
    return m_dialogs().shellOpen(target, parameters, directory);
}

}  // namespace zt::app
