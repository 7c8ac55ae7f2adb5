#pragma once

#include <QDialog>

#include "media/ui/media_services.h"

class QLabel;
class QPushButton;
class QProgressBar;
class QSpinBox;
class QLineEdit;
class QMediaPlayer;
class QAudioOutput;

namespace zt::media::ui {

// The windows of File's media tools, each modal, at the main window's left edge and centred
// vertically. The create functions are what the main window calls.
QDialog* createUnpacker(const MediaServices& services, QWidget* mainWindow);
QDialog* createModRepacker(const MediaServices& services, QWidget* mainWindow);
QDialog* createAlbRepacker(const MediaServices& services, QWidget* mainWindow);
QDialog* createSoundEditor(const MediaServices& services, QWidget* mainWindow);

// "Alb/Amd/Mod Unpacker": every file of an .alb archive, or every texture of a model as a BMP.
class Tunpackerfrm : public QDialog {
    Q_OBJECT

public:
    Tunpackerfrm(MediaServices services, QWidget* parent = nullptr);

    void openFile(const QString& file);
    void extractTo(const QString& folder);

private:
    MediaServices m_services;
    QString m_file;
    QLabel* m_fileLabel = nullptr;
    QLabel* m_progressLabel = nullptr;
    QLabel* m_countLabel = nullptr;
    QPushButton* m_extract = nullptr;
};

// "Mod Repacker": a .mod or .amd model rebuilt from a folder of its textures' bitmaps.
class Tmodrepackfrm : public QDialog {
    Q_OBJECT

public:
    Tmodrepackfrm(MediaServices services, QWidget* parent = nullptr);

    void openFile(const QString& file);
    void chooseBitmaps(const QString& folder);
    void rebuildTo(const QString& target);

private:
    MediaServices m_services;
    QString m_file;
    QString m_folder;
    QString m_suffix;
    QLabel* m_fileLabel = nullptr;
    QLabel* m_folderLabel = nullptr;
    QLabel* m_resultLabel = nullptr;
    QPushButton* m_bitmaps = nullptr;
    QPushButton* m_rebuild = nullptr;
};

// "Alb Repacker": an .alb archive packed again from the folder of its unpacked files.
class Talbrepackfrm : public QDialog {
    Q_OBJECT

public:
    Talbrepackfrm(MediaServices services, QWidget* parent = nullptr);

    void openFile(const QString& file);
    void chooseFolder(const QString& folder);
    void rebuildTo(const QString& target);

private:
    MediaServices m_services;
    QString m_file;
    QString m_folder;
    QLabel* m_fileLabel = nullptr;
    QLabel* m_folderLabel = nullptr;
    QLabel* m_resultLabel = nullptr;
    QPushButton* m_unpacked = nullptr;
    QPushButton* m_rebuild = nullptr;
    QProgressBar* m_bar = nullptr;
};

// "Sound Editor": a sound table's sounds extracted as WAV files, played, and replaced.
class TSoundExtract : public QDialog {
    Q_OBJECT

public:
    TSoundExtract(MediaServices services, QWidget* parent = nullptr);
    ~TSoundExtract() override;

    void openTable(const QString& file);
    void extract();
    void importWav(const QString& wav);

private:
    void stopPlayer();

    MediaServices m_services;
    QString m_table;
    QLabel* m_tableLabel = nullptr;
    QLabel* m_countLabel = nullptr;
    QSpinBox* m_number = nullptr;
    QLineEdit* m_output = nullptr;
    QPushButton* m_extract = nullptr;
    QPushButton* m_play = nullptr;
    QPushButton* m_stop = nullptr;
    QPushButton* m_import = nullptr;
    QMediaPlayer* m_player = nullptr;
    QAudioOutput* m_audio = nullptr;
};

}  // namespace zt::media::ui
