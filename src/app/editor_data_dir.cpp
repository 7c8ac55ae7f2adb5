#include "app/editor_data_dir.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include "league/error.h"
#include "league/file_io.h"
#include "league/ui/qt_text.h"

namespace zt::app {

namespace {

// Where the shipped data files are: beside an installed program, or in the source tree the
// program was built from.
QString shippedDataDirectory() {
    const QString installed = QCoreApplication::applicationDirPath() + QStringLiteral("/../share/ztedit/data");
    if (QDir(installed).exists()) {
        return installed;
    }
    return QStringLiteral(ZT_SOURCE_DATA_DIR);
}

QString withSeparator(QString directory) {
    if (!directory.isEmpty() && !directory.endsWith(QLatin1Char('/'))) {
        directory += QLatin1Char('/');
    }
    return directory;
}

}  // namespace

QString editorDataDirectory(const QString& pathSetting) {
    const QString fromEnvironment = qEnvironmentVariable("ZTEDIT_DATA_DIR");
    if (!fromEnvironment.isEmpty()) {
        return withSeparator(fromEnvironment);
    }
    if (!pathSetting.isEmpty()) {
        return withSeparator(pathSetting);
    }
    return withSeparator(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
}

namespace {

// Copies the files of `shipped` that `directory` lacks, and so on in its sub-folders (the
// import database).
void copyMissingFiles(const QDir& shipped, const QString& directory) {
    QDir().mkpath(directory);
    for (const QString& name : shipped.entryList(QDir::Files)) {
        const QString target = directory + name;
        if (!QFile::exists(target)) {
            // A file that cannot be seeded is left out (whole or not at all); start-up goes on.
            try {
                writeFileAtomically(zt::ui::toPath(target), readFileBytes(zt::ui::toPath(shipped.filePath(name))));
            } catch (const Error&) {
            }
        }
    }
    for (const QString& name : shipped.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        // A folder the user already has under another letter case ("database") is his.
        const QDir existing(directory);
        bool present = false;
        for (const QString& own : existing.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
            present = present || own.compare(name, Qt::CaseInsensitive) == 0;
        }
        if (!present) {
            copyMissingFiles(QDir(shipped.filePath(name)), directory + name + QLatin1Char('/'));
        }
    }
}

}  // namespace

void seedEditorDataDirectory(const QString& directory) {
    copyMissingFiles(QDir(shippedDataDirectory()), directory);
}

}  // namespace zt::app
