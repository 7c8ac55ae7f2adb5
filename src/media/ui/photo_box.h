#pragma once

#include <QWidget>
#include <functional>
#include <memory>
#include <optional>

#include "media/image.h"
#include "media/photo_album.h"
#include "media/ui/media_services.h"

class QLabel;
class QPushButton;

namespace zt {
class League;
class PlayerRecord;
}  // namespace zt

namespace zt::media::ui {

// The photo beside the player editor's general page: the selected player's photo from the album
// ("Image1", 64 x 85), and the buttons "New", "Replace" and "Export". The album is loaded when
// the game folder is known and stays open while the editor runs.
class PhotoBox : public QWidget {
    Q_OBJECT

public:
    PhotoBox(MediaServices services, QWidget* parent = nullptr);
    ~PhotoBox() override;

    // Loads blank.tga of the data folder as the placeholder, then the game's album. A missing
    // album leaves the photo functions off silently; a damaged one is reported once.
    void loadAlbum();
    bool albumLoaded() const { return m_album != nullptr; }
    PhotoAlbum* album() const { return m_album.get(); }

    // The league whose players "New" and "Replace" change and save; null while none is open.
    void setLeague(League* league);
    // Shows the player's photo, or the placeholder when he has none.
    void showPlayer(const PlayerRecord* player);

    QLabel* picture() const { return m_picture; }

Q_SIGNALS:
    // The league was saved after a photo change.
    void leagueSaved();

private:
    void showImage(const std::optional<Image>& image);
    void setButtons(bool photoShown);
    void changePhoto(bool add);
    void exportShown();
    void pictureClicked();
    bool eventFilter(QObject* watched, QEvent* event) override;

    MediaServices m_services;
    std::unique_ptr<PhotoAlbum> m_album;
    std::optional<Image> m_placeholder;
    std::optional<Image> m_shown;
    League* m_league = nullptr;
    const PlayerRecord* m_player = nullptr;
    QLabel* m_picture = nullptr;
    QPushButton* m_new = nullptr;
    QPushButton* m_replace = nullptr;
    QPushButton* m_export = nullptr;
};

}  // namespace zt::media::ui
