#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

namespace zt::media {

namespace fs = std::filesystem;

// The layout of a .mod ("MODL") or .amd ("AMOD") model file as far as its textures go. What lies
// before the textures (header, blocks, records) is carried over unchanged by a rebuild.
struct ModLayout {
    int blocks = 3;                           // k: 4 for "AMOD", 3 otherwise
    std::size_t texturesStart = 0;            // P: the offset of the first texture
    std::vector<std::string> textureNames;    // up to 24 characters each
    std::vector<std::size_t> textureOffsets;  // where each texture starts
};

// Walks a model file to its textures. `modKindFromFirstByte` is the repacker's rule (first byte
// "M" or "A", anything else "Wrong file type"); without it the magic "AMOD" chooses four blocks.
// Every length and count is checked against the file: a damaged model is refused with a message
// naming the file.
ModLayout parseModLayout(std::span<const std::uint8_t> bytes, const fs::path& file, bool modKindFromFirstByte = false);

inline constexpr char kWrongFileTypeMessage[] = "Wrong file type";

// The three header templates of the editor's data folder: bmp0.hdr (colour), bmp1.hdr (8-bit),
// 18 bytes each, and bmp2.hdr, the rest of the information header (24 bytes).
struct BmpTemplates {
    std::array<std::uint8_t, 18> colour{};
    std::array<std::uint8_t, 18> indexed{};
    std::array<std::uint8_t, 24> rest{};

    static BmpTemplates load(const fs::path& dataDirectory);
    // The templates the editor ships, for the command-line tool without a data folder.
    static BmpTemplates standard();
};

// Texture `i` of a model as a Windows bitmap: 8-bit with a 256-colour table for indexed
// textures, 24-bit otherwise, rows in the texture's own order.
std::vector<std::uint8_t> textureBitmap(std::span<const std::uint8_t> bytes,
                                        const ModLayout& layout,
                                        std::size_t i,
                                        const BmpTemplates& templates,
                                        const fs::path& file);

// The bitmap check of the repacker: one line per texture whose bitmap is missing or compressed.
std::vector<std::string> checkModBitmaps(const ModLayout& layout, const fs::path& folder);

// The model rebuilt from the folder's bitmaps: the first P bytes of the original, then one
// texture per record from its bitmap.
std::vector<std::uint8_t> rebuildMod(std::span<const std::uint8_t> original,
                                     const ModLayout& layout,
                                     const fs::path& folder);

// A model file made from its parts, for the sample game and tests: k blocks, n records and the
// textures given (kind 1 textures carry their palette after the indexes).
struct ModTextureData {
    std::string name;
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    std::uint16_t kind = 2;
    std::vector<std::uint8_t> pixels;  // indexes + 1024 palette bytes, or 4 bytes per pixel
};
std::vector<std::uint8_t> buildModFile(bool amd,
                                       int records,
                                       const std::vector<ModTextureData>& textures,
                                       std::uint8_t fill);

}  // namespace zt::media
