#pragma once

#include <QColor>
#include <QString>
#include <QStringList>
#include <optional>

class QWidget;

namespace zt::app {

// The file and colour choices the main window asks the user for, and the system shell. Commands receive the answer
// before they run; tests answer in advance instead of showing a dialog.
class AppDialogs {
public:
    // Whether the save dialog asks before the user picks a file that exists. Commands that add
    // to the file they are given (appending) must not ask whether to replace it.
    enum class ExistingFile { AskToReplace, Accept };

    virtual ~AppDialogs() = default;
    // Empty text when the user cancels.
    virtual QString openFileName(QWidget* parent,
                                 const QString& caption,
                                 const QString& directory,
                                 const QString& filter) = 0;
    // Several files to read, in the order chosen; an empty list when the user cancels. Dialogs
    // that choose one file at a time answer with that one.
    virtual QStringList openFileNames(QWidget* parent,
                                      const QString& caption,
                                      const QString& directory,
                                      const QString& filter) {
        const QString file = openFileName(parent, caption, directory, filter);
        return file.isEmpty() ? QStringList() : QStringList{file};
    }
    virtual QString saveFileName(QWidget* parent,
                                 const QString& caption,
                                 const QString& directory,
                                 const QString& filter,
                                 const QString& defaultSuffix,
                                 ExistingFile existing = ExistingFile::AskToReplace) = 0;
    virtual std::optional<QColor> chooseColor(QWidget* parent, const QColor& initial) = 0;
    // An existing folder, which the user may create in the dialog; empty text when cancelled.
    virtual QString chooseFolder(QWidget* parent, const QString& caption, const QString& directory) = 0;
    // Asks the system shell to open a document, web address or program; false when it could not.
    virtual bool shellOpen(const QString& target, const QStringList& parameters, const QString& directory) = 0;
};

// The system's dialogs.
class QtAppDialogs final : public AppDialogs {
public:
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
    std::optional<QColor> chooseColor(QWidget* parent, const QColor& initial) override;
    QString chooseFolder(QWidget* parent, const QString& caption, const QString& directory) override;
    bool shellOpen(const QString& target, const QStringList& parameters, const QString& directory) override;
};

}  // namespace zt::app
