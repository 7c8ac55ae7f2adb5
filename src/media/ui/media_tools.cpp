#include "media/ui/media_tools.h"

#include <QAudioOutput>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMediaPlayer>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QUrl>
#include <QVBoxLayout>

#include "league/error.h"
#include "league/file_io.h"
#include "league/interaction.h"
#include "league/progress.h"
#include "league/ui/busy_cursor.h"
#include "league/ui/command_boundary.h"
#include "league/ui/photo_progress.h"
#include "league/ui/qt_text.h"
#include "media/alb_archive.h"
#include "media/archive_tools.h"
#include "media/sound_table.h"

namespace zt::media::ui {

namespace {

using zt::ui::fromMessage;
using zt::ui::fromPath;
using zt::ui::toPath;

// Labels that follow a long operation, repainted at once (it runs on the window's thread).
class LabelProgress final : public Progress {
public:
    LabelProgress(QLabel* label, QProgressBar* bar = nullptr) : m_label(label), m_bar(bar) {}
    void setRange(int minimum, int maximum) override {
        if (m_bar != nullptr) {
            m_bar->setRange(minimum, maximum);
        }
    }
    void setValue(int value) override {
        if (m_bar != nullptr) {
            m_bar->setValue(value);
            m_bar->repaint();
        }
    }
    void setLabel(const std::string& label) override {
        m_label->setText(fromMessage(label));
        m_label->setVisible(true);
        m_label->repaint();
    }
    bool cancelled() const override { return false; }

private:
    QLabel* m_label;
    QProgressBar* m_bar;
};

QPushButton* button(QWidget* parent, QLayout* layout, const char* name, const char* caption) {
    auto* b = new QPushButton(QString::fromLatin1(caption), parent);
    b->setObjectName(QString::fromLatin1(name));
    layout->addWidget(b);
    return b;
}

QLabel* label(QWidget* parent, QLayout* layout, const char* name) {
    auto* l = new QLabel(parent);
    l->setObjectName(QString::fromLatin1(name));
    layout->addWidget(l);
    return l;
}

// At the main window's left edge, centred vertically.
void placeBeside(QDialog* form, QWidget* mainWindow) {
    if (mainWindow == nullptr) {
        return;
    }
    form->adjustSize();
    const QRect frame = mainWindow->frameGeometry();
    form->move(frame.left(), frame.top() + (frame.height() - form->height()) / 2);
}

QString artFolder(const MediaServices& services) {
    const QString game = services.gameDirectory();
    return game.isEmpty() ? QString() : game + QStringLiteral("Art/");
}

template <class Handler>
auto commandOf(const MediaServices& services, Handler handler) {
    return zt::ui::commandSlot([services]() -> Interaction& { return services.interaction(); }, std::move(handler));
}

}  // namespace

// --- Unpacker -----------------------------------------------------------------------------

Tunpackerfrm::Tunpackerfrm(MediaServices services, QWidget* parent) : QDialog(parent), m_services(std::move(services)) {
    setObjectName(QStringLiteral("unpackerfrm"));
    setWindowTitle(QStringLiteral("Alb/Amd/Mod Unpacker"));
    auto* layout = new QVBoxLayout(this);
    auto* open = button(this, layout, "btopen", "Open");
    m_extract = button(this, layout, "btextract", "Extract");
    m_extract->setEnabled(false);
    m_fileLabel = label(this, layout, "lbfiles");
    m_progressLabel = label(this, layout, "lbextracting");
    m_countLabel = label(this, layout, "lbtexture");
    m_countLabel->setVisible(false);
    connect(open, &QPushButton::clicked, this, commandOf(m_services, [this] {
                const QString file = m_services.openFile(this,
                                                         QStringLiteral("Open"),
                                                         artFolder(m_services),
                                                         QStringLiteral("Alb , Amd and Mod Files (*.alb *.mod *.amd)"));
                if (!file.isEmpty()) {
                    openFile(file);
                }
            }));
    connect(m_extract, &QPushButton::clicked, this, commandOf(m_services, [this] {
                const QString folder = m_services.chooseFolder(this, QStringLiteral("Extract"), QString());
                if (!folder.isEmpty()) {
                    extractTo(folder);
                }
            }));
}

void Tunpackerfrm::openFile(const QString& file) {
    const fs::path path = toPath(file);
    if (isPhotoAlbumName(path)) {
        m_services.interaction().information(kCannotExtractAlbumMessage);
        return;
    }
    m_file.clear();
    m_extract->setEnabled(false);
    m_fileLabel->clear();
    m_progressLabel->clear();
    const std::string magic = fileMagic(path);
    if (magic == "ARTL") {
        const AlbIndex index = readAlbIndex(path, kAlbEntrySize);
        m_fileLabel->setText(QStringLiteral("Files in .alb file : %1").arg(index.entries.size()));
    } else {
        m_fileLabel->setText(fromPath(path.filename().string()));
    }
    m_file = file;
    m_extract->setEnabled(true);
}

void Tunpackerfrm::extractTo(const QString& folder) {
    if (m_file.isEmpty()) {
        return;
    }
    zt::ui::BusyCursor busy;
    LabelProgress progress(m_progressLabel);
    const BmpTemplates templates = BmpTemplates::load(toPath(m_services.dataDirectory()));
    const int count = unpackArchive(toPath(m_file), toPath(folder), templates, progress);
    m_countLabel->setText(QStringLiteral("Total extracted BMP from .mod files : %1").arg(count));
    m_countLabel->setVisible(true);
}

// --- Mod Repacker -------------------------------------------------------------------------

Tmodrepackfrm::Tmodrepackfrm(MediaServices services, QWidget* parent)
    : QDialog(parent), m_services(std::move(services)) {
    setObjectName(QStringLiteral("modrepackfrm"));
    setWindowTitle(QStringLiteral("Mod Repacker"));
    auto* layout = new QVBoxLayout(this);
    auto* open = button(this, layout, "btfile", "File to rebuild");
    m_bitmaps = button(this, layout, "btbitmaps", "Bitmaps directory");
    m_rebuild = button(this, layout, "btrebuild", "Rebuild");
    m_bitmaps->setEnabled(false);
    m_rebuild->setEnabled(false);
    m_fileLabel = label(this, layout, "lbfile");
    m_folderLabel = label(this, layout, "lbbitmaps");
    m_resultLabel = label(this, layout, "lbnewmod");
    connect(open, &QPushButton::clicked, this, commandOf(m_services, [this] {
                const QString file = m_services.openFile(this,
                                                         QStringLiteral("File to rebuild"),
                                                         artFolder(m_services),
                                                         QStringLiteral("amd and mod files (*.mod *.amd)"));
                if (!file.isEmpty()) {
                    openFile(file);
                }
            }));
    connect(m_bitmaps, &QPushButton::clicked, this, commandOf(m_services, [this] {
                const QString folder = m_services.chooseFolder(this, QStringLiteral("Bitmaps directory"), QString());
                if (!folder.isEmpty()) {
                    chooseBitmaps(folder);
                }
            }));
    connect(
        m_rebuild, &QPushButton::clicked, this, commandOf(m_services, [this] {
            const QString target = m_services.saveFile(
                this, QStringLiteral("Rebuild"), m_file, QStringLiteral("amd and mod files (*.mod *.amd)"), m_suffix);
            if (!target.isEmpty()) {
                rebuildTo(target);
            }
        }));
}

void Tmodrepackfrm::openFile(const QString& file) {
    m_file.clear();
    m_bitmaps->setEnabled(false);
    m_rebuild->setEnabled(false);
    const auto bytes = readFileBytes(toPath(file));
    const ModLayout layout = parseModLayout(bytes, toPath(file), true);
    m_suffix = layout.blocks == 4 ? QStringLiteral("amd") : QStringLiteral("mod");
    m_file = file;
    m_bitmaps->setEnabled(true);
    m_fileLabel->setText(QStringLiteral("File: ") + file);
}

void Tmodrepackfrm::chooseBitmaps(const QString& folder) {
    m_folder = folder;
    m_folderLabel->setText(QStringLiteral("Bitmaps Dir : ") + folder);
    m_rebuild->setEnabled(false);
    const auto bytes = readFileBytes(toPath(m_file));
    const auto problems = checkModBitmaps(parseModLayout(bytes, toPath(m_file), true), toPath(folder));
    if (!problems.empty()) {
        std::string message;
        for (const auto& line : problems) {
            message += (message.empty() ? "" : "\n") + line;
        }
        m_services.interaction().warning(message);
        return;
    }
    m_rebuild->setEnabled(true);
}

void Tmodrepackfrm::rebuildTo(const QString& target) {
    {
        zt::ui::BusyCursor busy;
        refuseReadOnlyTarget(toPath(target));
        m_resultLabel->setText(QStringLiteral("New Mod/Amd : ") + target);
        repackMod(toPath(m_file), toPath(m_folder), toPath(target));
    }
    m_rebuild->setEnabled(false);
    m_bitmaps->setEnabled(false);
    m_services.interaction().information(kDoneMessage);
}

// --- Alb Repacker -------------------------------------------------------------------------

Talbrepackfrm::Talbrepackfrm(MediaServices services, QWidget* parent)
    : QDialog(parent), m_services(std::move(services)) {
    setObjectName(QStringLiteral("albrepackfrm"));
    setWindowTitle(QStringLiteral("Alb Repacker"));
    auto* layout = new QVBoxLayout(this);
    auto* open = button(this, layout, "btalbfile", "Alb file to rebuild");
    m_unpacked = button(this, layout, "btunpacked", "Unpacked Files Dir");
    m_rebuild = button(this, layout, "btrebuild", "Rebuild");
    m_unpacked->setEnabled(false);
    m_rebuild->setEnabled(false);
    m_fileLabel = label(this, layout, "lbfile");
    m_folderLabel = label(this, layout, "lbunpacked");
    m_resultLabel = label(this, layout, "lbnewalb");
    m_bar = new QProgressBar(this);
    m_bar->setObjectName(QStringLiteral("progress"));
    m_bar->setVisible(false);
    layout->addWidget(m_bar);
    connect(open, &QPushButton::clicked, this, commandOf(m_services, [this] {
                const QString file = m_services.openFile(this,
                                                         QStringLiteral("Alb file to rebuild"),
                                                         artFolder(m_services),
                                                         QStringLiteral("alb files (*.alb)"));
                if (!file.isEmpty()) {
                    openFile(file);
                }
            }));
    connect(m_unpacked, &QPushButton::clicked, this, commandOf(m_services, [this] {
                const QString folder = m_services.chooseFolder(this, QStringLiteral("Unpacked Files Dir"), QString());
                if (!folder.isEmpty()) {
                    chooseFolder(folder);
                }
            }));
    connect(
        m_rebuild, &QPushButton::clicked, this, commandOf(m_services, [this] {
            const QString target = m_services.saveFile(
                this, QStringLiteral("Rebuild"), QString(), QStringLiteral("alb Files (*.alb)"), QStringLiteral("alb"));
            if (!target.isEmpty()) {
                rebuildTo(target);
            }
        }));
}

void Talbrepackfrm::openFile(const QString& file) {
    m_file.clear();
    m_unpacked->setEnabled(false);
    m_rebuild->setEnabled(false);
    readAlbIndex(toPath(file), kAlbEntrySize);  // refuses a damaged archive now, not at the rebuild
    m_file = file;
    m_unpacked->setEnabled(true);
    m_fileLabel->setText(QStringLiteral("File : ") + file);
}

void Talbrepackfrm::chooseFolder(const QString& folder) {
    m_folder = folder;
    m_folderLabel->setText(QStringLiteral("Unpacked Files Dir : ") + folder);
    m_rebuild->setEnabled(true);
}

void Talbrepackfrm::rebuildTo(const QString& target) {
    refuseReadOnlyTarget(toPath(target));
    m_resultLabel->setText(QStringLiteral("New alb : ") + target);
    m_bar->setVisible(true);
    LabelProgress progress(m_resultLabel, m_bar);
    {
        zt::ui::BusyCursor busy;
        repackAlb(toPath(m_file), toPath(m_folder), toPath(target), m_services.interaction(), progress);
    }
    m_bar->setVisible(false);
    m_rebuild->setEnabled(false);
    m_unpacked->setEnabled(false);
}

// --- Sound Editor -------------------------------------------------------------------------

TSoundExtract::TSoundExtract(MediaServices services, QWidget* parent)
    : QDialog(parent), m_services(std::move(services)) {
    setObjectName(QStringLiteral("SoundExtract"));
    setWindowTitle(QStringLiteral("Sound Editor"));
    auto* layout = new QGridLayout(this);
    auto* open = new QPushButton(QStringLiteral("Open Table"), this);
    open->setObjectName(QStringLiteral("open"));
    m_tableLabel = new QLabel(this);
    m_tableLabel->setObjectName(QStringLiteral("tablelabel"));
    m_countLabel = new QLabel(this);
    m_countLabel->setObjectName(QStringLiteral("wavslabel"));
    m_number = new QSpinBox(this);
    m_number->setObjectName(QStringLiteral("maxwavs"));
    m_number->setRange(1, 1);
    m_output = new QLineEdit(QDir::tempPath() + QStringLiteral("/temp.wav"), this);
    m_output->setObjectName(QStringLiteral("output"));
    m_extract = new QPushButton(QStringLiteral("Extract wav"), this);
    m_extract->setObjectName(QStringLiteral("extract"));
    m_play = new QPushButton(QStringLiteral("Play"), this);
    m_play->setObjectName(QStringLiteral("play"));
    m_stop = new QPushButton(QStringLiteral("Stop"), this);
    m_stop->setObjectName(QStringLiteral("stop"));
    m_import = new QPushButton(QStringLiteral("Import"), this);
    m_import->setObjectName(QStringLiteral("Button1"));
    auto* outputButton = new QPushButton(QStringLiteral("..."), this);
    outputButton->setObjectName(QStringLiteral("outputbrowse"));
    layout->addWidget(open, 0, 0);
    layout->addWidget(m_tableLabel, 0, 1, 1, 2);
    layout->addWidget(m_countLabel, 1, 1, 1, 2);
    layout->addWidget(new QLabel(QStringLiteral("Wav number to extract"), this), 2, 0);
    layout->addWidget(m_number, 2, 1);
    layout->addWidget(new QLabel(QStringLiteral("Wav output file"), this), 3, 0);
    layout->addWidget(m_output, 3, 1);
    layout->addWidget(outputButton, 3, 2);
    layout->addWidget(m_extract, 4, 0);
    layout->addWidget(m_play, 4, 1);
    layout->addWidget(m_stop, 4, 2);
    layout->addWidget(m_import, 5, 0);
    m_extract->setEnabled(false);
    m_play->setEnabled(false);
    m_stop->setEnabled(false);

    connect(open, &QPushButton::clicked, this, commandOf(m_services, [this] {
                const QString game = m_services.gameDirectory();
                const QString file = m_services.openFile(
                    this,
                    QStringLiteral("Open Table"),
                    game.isEmpty() ? QString() : game + QStringLiteral("sounds"),
                    QStringLiteral("ZT Sound files (*.table *.ids);;ZT Edited sound files (*.table.new)"));
                if (!file.isEmpty()) {
                    openTable(file);
                }
            }));
    connect(outputButton, &QPushButton::clicked, this, commandOf(m_services, [this] {
                const QString file = m_services.saveFile(this,
                                                         QStringLiteral("Wav output file"),
                                                         QString(),
                                                         QStringLiteral("Wav Files (*.wav)"),
                                                         QStringLiteral("wav"));
                if (!file.isEmpty()) {
                    m_output->setText(file);
                }
            }));
    connect(m_number, &QSpinBox::valueChanged, this, [this] {
        m_play->setEnabled(false);
        m_stop->setEnabled(false);
    });
    connect(m_extract, &QPushButton::clicked, this, commandOf(m_services, [this] { extract(); }));
    connect(m_play, &QPushButton::clicked, this, commandOf(m_services, [this] {
                if (m_player == nullptr) {
                    m_player = new QMediaPlayer(this);
                    m_audio = new QAudioOutput(this);
                    m_player->setAudioOutput(m_audio);
                }
                m_player->setSource(QUrl::fromLocalFile(m_output->text()));
                m_player->play();
            }));
    connect(m_stop, &QPushButton::clicked, this, commandOf(m_services, [this] { stopPlayer(); }));
    connect(m_import, &QPushButton::clicked, this, commandOf(m_services, [this] {
                if (m_table.isEmpty()) {
                    return;
                }
                const QString wav =
                    m_services.openFile(this, QStringLiteral("Import"), QString(), QStringLiteral("Wav Files (*.wav)"));
                if (!wav.isEmpty()) {
                    importWav(wav);
                }
            }));
}

TSoundExtract::~TSoundExtract() {
    stopPlayer();
}

void TSoundExtract::stopPlayer() {
    if (m_player != nullptr) {
        m_player->stop();
        m_player->setSource(QUrl());
    }
}

void TSoundExtract::openTable(const QString& chosen) {
    const QString file = chosen;  // may be m_table itself, which is cleared next
    m_table.clear();
    m_extract->setEnabled(false);
    try {
        clearReadOnly(toPath(file));
        const SoundTable table = readSoundTable(toPath(file));
        m_number->setRange(1, static_cast<int>(table.count()));
        m_number->setValue(1);
        m_tableLabel->setText(file + QStringLiteral(" opened."));
        m_countLabel->setText(QStringLiteral("Wavs:%1").arg(table.count()));
    } catch (const Error&) {
        throw Error(kTableErrorMessage);
    }
    m_table = file;
    m_extract->setEnabled(true);
}

void TSoundExtract::extract() {
    stopPlayer();
    if (m_output->text().isEmpty()) {
        throw Error(kSpecifyOutputMessage);
    }
    zt::ui::BusyCursor busy;
    const SoundTable table = readSoundTable(toPath(m_table));
    const auto header = loadWavHeader(toPath(m_services.dataDirectory()));
    writeFileAtomically(toPath(m_output->text()),
                        extractSound(table, static_cast<std::size_t>(m_number->value()), header));
    m_play->setEnabled(true);
    m_stop->setEnabled(true);
}

void TSoundExtract::importWav(const QString& wav) {
    stopPlayer();
    {
        zt::ui::Tphotoprogress progress(this);
        progress.setWindowTitle(QString::fromLatin1(kWavProgressTitle));
        progress.showCentredOn(this);
        importSound(toPath(m_table), static_cast<std::size_t>(m_number->value()), toPath(wav), progress);
    }
    openTable(m_table);
}

// --- Creation -----------------------------------------------------------------------------

QDialog* createUnpacker(const MediaServices& services, QWidget* mainWindow) {
    auto* form = new Tunpackerfrm(services, mainWindow);
    placeBeside(form, mainWindow);
    return form;
}

QDialog* createModRepacker(const MediaServices& services, QWidget* mainWindow) {
    auto* form = new Tmodrepackfrm(services, mainWindow);
    placeBeside(form, mainWindow);
    return form;
}

QDialog* createAlbRepacker(const MediaServices& services, QWidget* mainWindow) {
    auto* form = new Talbrepackfrm(services, mainWindow);
    placeBeside(form, mainWindow);
    return form;
}

QDialog* createSoundEditor(const MediaServices& services, QWidget* mainWindow) {
    auto* form = new TSoundExtract(services, mainWindow);
    placeBeside(form, mainWindow);
    return form;
}

}  // namespace zt::media::ui
