#include "media/ui/photo_box.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

#include "league/error.h"
#include "league/file_io.h"
#include "league/interaction.h"
#include "league/league.h"
#include "league/ui/busy_cursor.h"
#include "league/ui/command_boundary.h"
#include "league/ui/photo_progress.h"
#include "league/ui/qt_text.h"
#include "media/photo_import.h"
#include "media/tga.h"

namespace zt::media::ui {

namespace {

QImage toQImage(const Image& image) {
    QImage out(image.width, image.height, QImage::Format_RGBA8888);
    for (int y = 0; y < image.height; ++y) {
        std::copy_n(image.pixel(0, y), static_cast<std::size_t>(image.width) * 4, out.scanLine(y));
    }
    return out;
}

}  // namespace

PhotoBox::PhotoBox(MediaServices services, QWidget* parent) : QWidget(parent), m_services(std::move(services)) {
    setObjectName(QStringLiteral("photoBoxPanel"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    m_picture = new QLabel(this);
    m_picture->setObjectName(QStringLiteral("Image1"));
    m_picture->setFixedSize(kPhotoWidth, kPhotoHeight);
    m_picture->installEventFilter(this);
    layout->addWidget(m_picture, 0, Qt::AlignHCenter);
    const auto button = [this, layout](const char* name, const char* caption) {
        auto* b = new QPushButton(QString::fromLatin1(caption), this);
        b->setObjectName(QString::fromLatin1(name));
        b->setEnabled(false);
        layout->addWidget(b);
        return b;
    };
    m_new = button("btnewphoto", "New");
    m_replace = button("btreplacephoto", "Replace");
    m_export = button("btexportphoto", "Export");
    const auto run = [this](auto handler) {
        return zt::ui::commandSlot([this]() -> Interaction& { return m_services.interaction(); }, std::move(handler));
    };
    connect(m_new, &QPushButton::clicked, this, run([this] { changePhoto(true); }));
    connect(m_replace, &QPushButton::clicked, this, run([this] { changePhoto(false); }));
    connect(m_export, &QPushButton::clicked, this, run([this] { exportShown(); }));
}

PhotoBox::~PhotoBox() = default;

void PhotoBox::loadAlbum() {
    m_album.reset();
    m_placeholder.reset();
    const QString data = m_services.dataDirectory();
    if (!data.isEmpty()) {
        try {
            m_placeholder = decodeTga(readFileBytes(zt::ui::toPath(data + QStringLiteral("blank.tga")))).image;
        } catch (const Error&) {
            // Without the placeholder, players without a photo show an empty picture.
        }
    }
    const QString game = m_services.gameDirectory();
    setButtons(false);
    if (game.isEmpty()) {
        return;
    }
    const fs::path file = albumPathOf(zt::ui::toPath(game));
    std::error_code ec;
    if (!fs::exists(file, ec)) {
        return;
    }
    try {
        m_album = std::make_unique<PhotoAlbum>(file);
    } catch (const Error& failure) {
        m_services.interaction().warning(std::string(failure.what()) + " The editor shows no photos.");
        return;
    }
    m_new->setEnabled(true);
    m_replace->setEnabled(true);
    m_export->setEnabled(true);
    showPlayer(m_player);
}

void PhotoBox::setLeague(League* league) {
    m_league = league;
    if (league == nullptr) {
        m_player = nullptr;
        showImage(std::nullopt);
        setButtons(false);
    }
}

void PhotoBox::showPlayer(const PlayerRecord* player) {
    m_player = player;
    if (m_album == nullptr) {
        showImage(std::nullopt);
        return;
    }
    std::optional<Image> photo;
    if (player != nullptr) {
        // A damaged photo stops here with its message; picture and buttons stay as they were.
        photo = playerPhoto(*m_album, *player);
    }
    showImage(photo ? photo : m_placeholder);
    setButtons(photo.has_value());
}

void PhotoBox::showImage(const std::optional<Image>& image) {
    m_shown = image;
    if (image) {
        m_picture->setPixmap(QPixmap::fromImage(toQImage(*image)));
    } else {
        m_picture->clear();
    }
}

void PhotoBox::setButtons(bool photoShown) {
    const bool active = m_album != nullptr && m_player != nullptr && m_league != nullptr;
    m_replace->setEnabled(active && photoShown);
    m_new->setEnabled(active && !photoShown);
    m_export->setEnabled(m_album != nullptr && m_shown.has_value());
}

void PhotoBox::changePhoto(bool add) {
    if (m_album == nullptr || m_league == nullptr || m_league->currentPlayer == nullptr) {
        return;
    }
    Interaction& interaction = m_services.interaction();
    if (!confirmPhotoChange(interaction)) {
        return;
    }
    const QString file = m_services.openFile(
        this, QStringLiteral("Photo"), QString(), QStringLiteral("TGA and JPG files (*.tga *.jpg)"));
    if (file.isEmpty()) {
        return;
    }
    PlayerRecord& player = *m_league->currentPlayer;
    {
        zt::ui::Tphotoprogress progress(window());
        progress.setWindowTitle(QString::fromLatin1(kPhotoProgressTitle));
        progress.showCentredOn(window());
        zt::ui::BusyCursor busy;
        if (add) {
            addPlayerPhoto(m_album, *m_league, player, zt::ui::toPath(file), progress);
        } else {
            replacePlayerPhoto(m_album, *m_league, player, zt::ui::toPath(file), progress);
        }
    }
    showPlayer(&player);
    Q_EMIT leagueSaved();
}

void PhotoBox::exportShown() {
    if (!m_shown) {
        return;
    }
    const QString file = m_services.saveFile(
        this, QStringLiteral("Export"), QString(), QStringLiteral("Targa images (*.tga)"), QStringLiteral("tga"));
    if (!file.isEmpty()) {
        exportPicture(*m_shown, zt::ui::toPath(file));
    }
}

void PhotoBox::pictureClicked() {
    if (m_league != nullptr && m_league->currentPlayer != nullptr) {
        m_services.interaction().information(std::to_string(m_league->currentPlayer->get(pf::playerId)));
    }
}

bool PhotoBox::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_picture && event->type() == QEvent::MouseButtonRelease) {
        zt::ui::runCommand(m_services.interaction(), [this] { pictureClicked(); });
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace zt::media::ui
