#include "app/app_dialogs.h"

#include <QColorDialog>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QProcess>
#include <QUrl>

namespace zt::app {

QString QtAppDialogs::openFileName(QWidget* parent,
                                   const QString& caption,
                                   const QString& directory,
                                   const QString& filter) {
    return QFileDialog::getOpenFileName(parent, caption, directory, filter);
}

QStringList QtAppDialogs::openFileNames(QWidget* parent,
                                        const QString& caption,
                                        const QString& directory,
                                        const QString& filter) {
    return QFileDialog::getOpenFileNames(parent, caption, directory, filter);
}

QString QtAppDialogs::saveFileName(QWidget* parent,
                                   const QString& caption,
                                   const QString& directory,
                                   const QString& filter,
                                   const QString& defaultSuffix,
                                   ExistingFile existing) {
    QFileDialog dialog(parent, caption, directory, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, existing == ExistingFile::Accept);
    dialog.setDefaultSuffix(defaultSuffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return dialog.selectedFiles().constFirst();
}

std::optional<QColor> QtAppDialogs::chooseColor(QWidget* parent, const QColor& initial) {
    const QColor color = QColorDialog::getColor(initial, parent);
    if (!color.isValid()) {
        return std::nullopt;
    }
    return color;
}

QString QtAppDialogs::chooseFolder(QWidget* parent, const QString& caption, const QString& directory) {
    return QFileDialog::getExistingDirectory(parent, caption, directory);
}

bool QtAppDialogs::shellOpen(const QString& target, const QStringList& parameters, const QString& directory) {
    const QUrl url(target);
    if (!url.scheme().isEmpty() && url.scheme().size() > 1) {
        return QDesktopServices::openUrl(url);
    }
    const QFileInfo file(target);
    if (file.isExecutable()) {
        return QProcess::startDetached(target, parameters, directory);
    }
    return QDesktopServices::openUrl(QUrl::fromLocalFile(target));
}

}  // namespace zt::app
