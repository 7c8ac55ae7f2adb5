#include "reports/card_photos.h"

#include "league/error.h"
#include "league/file_io.h"
#include "media/jpeg.h"
#include "media/photo_album.h"
#include "reports/report_names.h"

namespace zt::reports {

CardPhotoSource albumCardPhotos(const std::filesystem::path& gameDirectory) {
    return [gameDirectory](const PlayerRecord& player, const std::filesystem::path& folder) -> CardPhoto {
        if (gameDirectory.empty()) {
            return {};
        }
        try {
            const std::optional<media::Image> photo = media::playerPhotoFromGame(gameDirectory, player);
            if (!photo) {
                return {};
            }
            std::filesystem::path file(CardFileName(player));
            file.replace_extension(".jpg");
            writeFileAtomically(folder / file, media::encodeJpeg(*photo));
            return {file.string(), {}};
        } catch (const Error& error) {
            return {{}, error.what()};
        }
    };
}

}  // namespace zt::reports
