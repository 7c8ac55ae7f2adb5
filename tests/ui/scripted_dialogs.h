#pragma once

#include <QColor>
#include <QStringList>
#include <deque>
#include <optional>

#include "app/app_dialogs.h"

namespace zt::test {

// Answers the main window's file and colour dialogs from a script and records what the shell
// was asked to open.
class ScriptedDialogs : public app::AppDialogs {
public:
    void setNextFileName(const QString& name) { m_fileNames.push_back(name); }
    // The next multiple-file dialog answers with these files (one dialog per call).
    void setNextFileNames(const QStringList& names) { m_fileLists.push_back(names); }
    void setNextColor(std::optional<QColor> color) { m_colors.push_back(color); }

    QString openFileName(QWidget*, const QString& caption, const QString& directory, const QString& filter) override {
        lastCaption = caption;
        lastDirectory = directory;
        lastFilter = filter;
        return next();
    }
    QStringList openFileNames(QWidget*,
                              const QString& caption,
                              const QString& directory,
                              const QString& filter) override {
        lastCaption = caption;
        lastDirectory = directory;
        lastFilter = filter;
        if (m_fileLists.empty()) {
            const QString name = next();
            return name.isEmpty() ? QStringList() : QStringList{name};
        }
        ++fileDialogsShown;
        QStringList names = m_fileLists.front();
        m_fileLists.pop_front();
        return names;
    }
    QString saveFileName(QWidget*,
                         const QString& caption,
                         const QString& directory,
                         const QString& filter,
                         const QString& suffix,
                         ExistingFile existing = ExistingFile::AskToReplace) override {
        lastCaption = caption;
        lastDirectory = directory;
        lastFilter = filter;
        lastSuffix = suffix;
        lastExistingFile = existing;
        return next();
    }
    QString chooseFolder(QWidget*, const QString&, const QString& directory) override {
        lastDirectory = directory;
        return next();
    }
    std::optional<QColor> chooseColor(QWidget*, const QColor& initial) override {
        lastInitialColor = initial;
        if (m_colors.empty()) {
            return std::nullopt;
        }
        auto color = m_colors.front();
        m_colors.pop_front();
        return color;
    }
    bool shellOpen(const QString& target, const QStringList&, const QString&) override {
        shellTargets << target;
        return true;
    }

    int fileDialogsShown = 0;
    QString lastDirectory;
    QString lastCaption;
    QString lastFilter;
    ExistingFile lastExistingFile = ExistingFile::AskToReplace;
    QString lastSuffix;
    QColor lastInitialColor;
    QStringList shellTargets;

private:
    QString next() {
        ++fileDialogsShown;
        if (m_fileNames.empty()) {
            return {};
        }
        QString name = m_fileNames.front();
        m_fileNames.pop_front();
        return name;
    }

    std::deque<QString> m_fileNames;
    std::deque<QStringList> m_fileLists;
    std::deque<std::optional<QColor>> m_colors;
};

}  // namespace zt::test
