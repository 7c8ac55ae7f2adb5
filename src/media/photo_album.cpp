#include "media/photo_album.h"

#include <algorithm>

#include "league/error.h"
#include "league/file_io.h"
#include "league/league_text.h"
#include "league/player_record.h"
#include "media/tga.h"
#include "media/zlib_stream.h"

namespace zt::media {

PhotoAlbum::PhotoAlbum(const fs::path& file)
    : m_path(file), m_file(file, std::ios::binary), m_index(readAlbIndex(file, kPhotoEntrySize)) {
    if (!m_file) {
        throw Error("Cannot open file \"" + file.string() + "\".");
    }
    std::error_code ec;
    m_size = fs::file_size(file, ec);
    m_byName.reserve(m_index.entries.size());
    for (std::size_t i = 0; i < m_index.entries.size(); ++i) {
        m_byName.emplace(m_index.entries[i].longName(), i);
    }
}

std::optional<std::size_t> PhotoAlbum::find(std::string_view photoName) const {
    const auto it = m_byName.find(std::string(photoName));
    if (it == m_byName.end()) {
        return std::nullopt;
    }
    return it->second;
}

std::vector<std::uint8_t> PhotoAlbum::content(std::size_t i) {
    const AlbEntry& entry = m_index.entries.at(i);
    const std::uint64_t start = std::uint64_t{m_index.indexEnd()} + entry.offset();
    if (start + entry.compressedSize() > m_size) {
        throw Error("The file \"" + m_path.string() + "\" is damaged: the data of " + entry.name() +
                    " lies beyond the end of the file.");
    }
    std::vector<std::uint8_t> compressed(entry.compressedSize());
    m_file.clear();
    m_file.seekg(static_cast<std::streamoff>(start));
    m_file.read(reinterpret_cast<char*>(compressed.data()), static_cast<std::streamsize>(compressed.size()));
    if (!m_file) {
        throw Error("Error reading file \"" + m_path.string() + "\".");
    }
    return inflateZlib(compressed, entry.uncompressedSize(), m_path.string(), entry.name());
}

std::vector<std::uint8_t> PhotoAlbum::readAll() {
    return readFileBytes(m_path);
}

fs::path albumPathOf(const fs::path& gameDirectory) {
    fs::path dir = gameDirectory;
    for (const char* part : {"ART", "2D"}) {
        std::error_code ec;
        fs::path found = dir / part;
        for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
            if (it->is_directory(ec) && equalNoCaseAscii(it->path().filename().string(), part)) {
                found = it->path();
                break;
            }
        }
        dir = found;
    }
    return leagueFilePath(dir, "plyrphoto.alb");
}

std::string photoName(const PlayerRecord& player, int number) {
    std::string name = FileSafeName(player.get(pf::firstName)) + FileSafeName(player.get(pf::lastName)) + "_" +
                       std::to_string(number) + ".tga";
    std::transform(name.begin(), name.end(), name.begin(), [](char c) {
        return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
    });
    return name;
}

std::optional<std::size_t> playerPhotoEntry(const PhotoAlbum& album, const PlayerRecord& player) {
    const int index = player.get(pf::photoIndex);
    if (index == -1) {
        return std::nullopt;
    }
    // Names are stored cut to the long name's 60 characters.
    return album.find(photoName(player, index).substr(0, 60));
}

std::optional<Image> playerPhoto(PhotoAlbum& album, const PlayerRecord& player) {
    const auto entry = playerPhotoEntry(album, player);
    if (!entry) {
        return std::nullopt;
    }
    const auto bytes = album.content(*entry);
    try {
        return decodeTga(bytes).image;
    } catch (const Error&) {
        throw Error("The photo " + album.index().entries[*entry].longName() + " in \"" + album.path().string() +
                    "\" is not a picture the editor can read.");
    }
}

std::optional<Image> playerPhotoFromGame(const fs::path& gameDirectory, const PlayerRecord& player) {
    const fs::path file = albumPathOf(gameDirectory);
    std::error_code ec;
    if (gameDirectory.empty() || !fs::exists(file, ec)) {
        return std::nullopt;
    }
    PhotoAlbum album(file);
    return playerPhoto(album, player);
}

}  // namespace zt::media
