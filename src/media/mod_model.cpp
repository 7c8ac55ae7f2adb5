#include "media/mod_model.h"

#include <algorithm>
#include <cstring>
#include <fstream>

#include "league/byte_record.h"
#include "league/error.h"
#include "league/file_io.h"
#include "league/fixed_text.h"

namespace zt::media {

namespace {

std::size_t textureSize(std::uint32_t width, std::uint32_t height, std::uint16_t kind) {
    const std::uint64_t pixels = std::uint64_t{width} * height;
    return static_cast<std::size_t>(12 + (kind == 1 ? pixels + 1024 : pixels * 4));
}

}  // namespace

ModLayout parseModLayout(std::span<const std::uint8_t> bytes, const fs::path& file, bool modKindFromFirstByte) {
    const auto damaged = [&](const std::string& problem) {
        return Error("The file \"" + file.string() + "\" is damaged: " + problem + ".");
    };
    ModLayout layout;
    if (modKindFromFirstByte) {
        if (bytes.empty() || (bytes[0] != 'M' && bytes[0] != 'A')) {
            throw Error(kWrongFileTypeMessage);
        }
        layout.blocks = bytes[0] == 'A' ? 4 : 3;
    } else {
        layout.blocks = bytes.size() >= 4 && std::memcmp(bytes.data(), "AMOD", 4) == 0 ? 4 : 3;
    }
    std::size_t position = 48;
    const auto need = [&](std::uint64_t count, const char* what) {
        if (position > bytes.size() || count > bytes.size() - position) {
            throw damaged(std::string("it ends inside ") + what);
        }
    };
    const auto word = [&](const char* what) {
        need(4, what);
        const std::uint32_t value = loadLE<std::uint32_t>(bytes.data() + position);
        position += 4;
        return value;
    };
    need(0, "the model header");
    for (int block = 0; block < layout.blocks; ++block) {
        need(4, "a block");
        const std::uint32_t length = loadLE<std::uint32_t>(bytes.data() + position);
        if (length < 4) {
            throw damaged("a block announces a length of " + std::to_string(length) + " bytes");
        }
        need(length, "a block");
        position += length;
    }
    need(4, "the model");
    position += 4;
    const std::uint32_t records = word("the record count");
    const std::uint64_t recordBytes = std::uint64_t{records} * (layout.blocks == 4 ? 48u : 32u);
    need(recordBytes, "the model records");
    position += static_cast<std::size_t>(recordBytes);
    need(8, "the model");
    position += 8;
    const std::uint32_t textures = word("the texture count");
    need(std::uint64_t{textures} * 32, "the texture records");
    for (std::uint32_t i = 0; i < textures; ++i) {
        layout.textureNames.push_back(readFixedText(bytes.data() + position, 24));
        position += 32;
    }
    layout.texturesStart = position;
    for (std::uint32_t i = 0; i < textures; ++i) {
        need(12, "a texture header");
        const std::uint32_t width = loadLE<std::uint32_t>(bytes.data() + position);
        const std::uint32_t height = loadLE<std::uint32_t>(bytes.data() + position + 4);
        const std::uint16_t kind = loadLE<std::uint16_t>(bytes.data() + position + 8);
        if (width > 16384 || height > 16384) {
            throw damaged("texture " + layout.textureNames[i] + " announces " + std::to_string(width) + " x " +
                          std::to_string(height) + " pixels");
        }
        const std::size_t size = textureSize(width, height, kind);
        need(size, "a texture");
        layout.textureOffsets.push_back(position);
        position += size;
    }
    return layout;
}

BmpTemplates BmpTemplates::load(const fs::path& dataDirectory) {
    BmpTemplates templates;
    const auto read = [&](const char* name, std::span<std::uint8_t> out) {
        const auto bytes = readFileBytes(dataDirectory / name);
        if (bytes.size() < out.size()) {
            throw Error("The file \"" + (dataDirectory / name).string() + "\" is too short for a bitmap header.");
        }
        std::copy_n(bytes.begin(), out.size(), out.begin());
    };
    read("bmp0.hdr", templates.colour);
    read("bmp1.hdr", templates.indexed);
    read("bmp2.hdr", templates.rest);
    return templates;
}

BmpTemplates BmpTemplates::standard() {
    BmpTemplates templates;
    for (auto* header : {&templates.colour, &templates.indexed}) {
        (*header)[0] = 'B';
        (*header)[1] = 'M';
        (*header)[14] = 40;  // information header size
    }
    templates.colour[10] = 54;  // pixel data offset
    storeLE<std::uint32_t>(templates.indexed.data() + 10, 1078);
    // Compression 0, image size 0, 2835 pixels per metre (72 dpi) both ways, colours used 0 (all
    // 256 for an 8-bit bitmap, none for a 24-bit one: the rest of the header serves both).
    storeLE<std::uint32_t>(templates.rest.data() + 8, 2835);
    storeLE<std::uint32_t>(templates.rest.data() + 12, 2835);
    return templates;
}

std::vector<std::uint8_t> textureBitmap(std::span<const std::uint8_t> bytes,
                                        const ModLayout& layout,
                                        std::size_t i,
                                        const BmpTemplates& templates,
                                        const fs::path& file) {
    const std::size_t at = layout.textureOffsets.at(i);
    if (at + 12 > bytes.size()) {
        throw Error("The file \"" + file.string() + "\" is damaged: it ends inside a texture header.");
    }
    const std::uint32_t width = loadLE<std::uint32_t>(bytes.data() + at);
    const std::uint32_t height = loadLE<std::uint32_t>(bytes.data() + at + 4);
    const std::uint16_t kind = loadLE<std::uint16_t>(bytes.data() + at + 8);
    const std::size_t pixels = static_cast<std::size_t>(width) * height;
    if (textureSize(width, height, kind) > bytes.size() - at) {
        throw Error("The file \"" + file.string() + "\" is damaged: it ends inside a texture.");
    }
    const bool indexed = kind == 1;
    // Rows are padded to four bytes as every bitmap reader expects; a texture whose row length is
    // a multiple of four (the usual case) needs no fill bytes.
    const std::size_t rowBytes = static_cast<std::size_t>(width) * (indexed ? 1 : 3);
    const std::size_t stride = (rowBytes + 3) / 4 * 4;
    std::vector<std::uint8_t> out((indexed ? 1078 : 54) + stride * height);
    std::copy(indexed ? templates.indexed.begin() : templates.colour.begin(),
              indexed ? templates.indexed.end() : templates.colour.end(),
              out.begin());
    storeLE<std::uint32_t>(out.data() + 2, static_cast<std::uint32_t>(out.size()));
    storeLE<std::uint32_t>(out.data() + 18, width);
    storeLE<std::uint32_t>(out.data() + 22, height);
    storeLE<std::uint16_t>(out.data() + 26, 1);
    out[28] = indexed ? 8 : 24;
    std::copy(templates.rest.begin(), templates.rest.end(), out.begin() + 29);
    const std::uint8_t* source = bytes.data() + at + 12;
    if (indexed) {
        const std::uint8_t* palette = source + pixels;
        for (std::size_t c = 0; c < 256; ++c) {
            out[54 + c * 4] = palette[c * 4 + 2];
            out[54 + c * 4 + 1] = palette[c * 4 + 1];
            out[54 + c * 4 + 2] = palette[c * 4];
            out[54 + c * 4 + 3] = 0;
        }
        for (std::size_t row = 0; row < height; ++row) {
            std::copy_n(source + row * width, width, out.begin() + static_cast<std::ptrdiff_t>(1078 + row * stride));
        }
    } else {
        for (std::size_t row = 0; row < height; ++row) {
            std::uint8_t* q = out.data() + 54 + row * stride;
            for (std::size_t x = 0; x < width; ++x, q += 3, source += 4) {
                q[0] = source[2];
                q[1] = source[1];
                q[2] = source[0];
            }
        }
    }
    return out;
}

std::vector<std::string> checkModBitmaps(const ModLayout& layout, const fs::path& folder) {
    std::vector<std::string> problems;
    for (const auto& name : layout.textureNames) {
        const fs::path bitmap = folder / (name + ".bmp");
        std::ifstream in(bitmap, std::ios::binary);
        if (!in) {
            problems.push_back(name + ".bmp is missing");
            continue;
        }
        std::uint8_t head[34] = {};
        in.read(reinterpret_cast<char*>(head), sizeof head);
        if (!in || loadLE<std::uint32_t>(head + 30) != 0) {
            problems.push_back(name + ".bmp is a compressed bitmap");
        }
    }
    return problems;
}

std::vector<std::uint8_t> rebuildMod(std::span<const std::uint8_t> original,
                                     const ModLayout& layout,
                                     const fs::path& folder) {
    std::vector<std::uint8_t> out(original.begin(),
                                  original.begin() + static_cast<std::ptrdiff_t>(layout.texturesStart));
    for (const auto& name : layout.textureNames) {
        const fs::path file = folder / (name + ".bmp");
        const auto bmp = readFileBytes(file);
        const auto bad = [&](const std::string& problem) {
            return Error("The bitmap \"" + file.string() + "\" " + problem + ".");
        };
        if (bmp.size() < 54 || bmp[0] != 'B' || bmp[1] != 'M') {
            throw bad("is not a Windows bitmap");
        }
        if (loadLE<std::uint32_t>(bmp.data() + 30) != 0) {
            throw bad("is compressed");
        }
        const std::int32_t width = loadLE<std::int32_t>(bmp.data() + 18);
        const std::int32_t rawHeight = loadLE<std::int32_t>(bmp.data() + 22);
        // Widened first: the negative height of a top-down bitmap may be the one 32-bit value
        // without a positive counterpart.
        const std::int64_t height = rawHeight < 0 ? -std::int64_t{rawHeight} : std::int64_t{rawHeight};
        const int bits = loadLE<std::uint16_t>(bmp.data() + 28);
        if (width <= 0 || height <= 0 || width > 16384 || height > 16384 || (bits != 8 && bits != 24)) {
            throw bad("must be an 8-bit or 24-bit picture");
        }
        const std::size_t w = static_cast<std::size_t>(width);
        const std::size_t h = static_cast<std::size_t>(height);
        // Rows of a bitmap are padded to four bytes; a texture's rows are not.
        const std::size_t stride = (w * static_cast<std::size_t>(bits) + 31) / 32 * 4;
        const std::size_t pixelStart = bits == 8 ? 1078 : 54;
        if (bmp.size() < pixelStart || (bmp.size() - pixelStart) / stride < h ||
            (bmp.size() - pixelStart < stride * (h - 1) + w * static_cast<std::size_t>(bits / 8))) {
            throw bad("is shorter than its picture");
        }
        const std::size_t at = out.size();
        out.resize(at + 12);
        storeLE<std::uint32_t>(out.data() + at, static_cast<std::uint32_t>(width));
        storeLE<std::uint32_t>(out.data() + at + 4, static_cast<std::uint32_t>(height));
        storeLE<std::uint32_t>(out.data() + at + 8, bits == 8 ? 1 : 2);
        if (bits == 8) {
            for (std::size_t row = 0; row < h; ++row) {
                const auto* line = bmp.data() + pixelStart + row * stride;
                out.insert(out.end(), line, line + w);
            }
            for (std::size_t c = 0; c < 256; ++c) {
                const auto* entry = bmp.data() + 54 + c * 4;
                out.insert(out.end(), {entry[2], entry[1], entry[0], 255});
            }
        } else {
            out.reserve(out.size() + w * h * 4);
            for (std::size_t row = 0; row < h; ++row) {
                const auto* line = bmp.data() + pixelStart + row * stride;
                for (std::size_t x = 0; x < w; ++x) {
                    out.insert(out.end(), {line[x * 3 + 2], line[x * 3 + 1], line[x * 3], 255});
                }
            }
        }
    }
    return out;
}

std::vector<std::uint8_t> buildModFile(bool amd,
                                       int records,
                                       const std::vector<ModTextureData>& textures,
                                       std::uint8_t fill) {
    std::vector<std::uint8_t> out(48, fill);
    std::memcpy(out.data(), amd ? "AMOD" : "MODL", 4);
    const int blocks = amd ? 4 : 3;
    for (int b = 0; b < blocks; ++b) {
        const std::uint32_t length = 4 + 8 * static_cast<std::uint32_t>(b + 1);
        const std::size_t at = out.size();
        out.resize(at + length, static_cast<std::uint8_t>(fill + b + 1));
        storeLE<std::uint32_t>(out.data() + at, length);
    }
    out.resize(out.size() + 4, fill);
    const auto word = [&](std::uint32_t value) {
        const std::size_t at = out.size();
        out.resize(at + 4);
        storeLE<std::uint32_t>(out.data() + at, value);
    };
    word(static_cast<std::uint32_t>(records));
    out.resize(out.size() + static_cast<std::size_t>(records) * (amd ? 48 : 32), static_cast<std::uint8_t>(fill + 7));
    out.resize(out.size() + 8, fill);
    word(static_cast<std::uint32_t>(textures.size()));
    for (const auto& texture : textures) {
        const std::size_t at = out.size();
        out.resize(at + 32, 0);
        writeFixedText(out.data() + at, 24, texture.name);
    }
    for (const auto& texture : textures) {
        word(texture.width);
        word(texture.height);
        word(texture.kind);
        out.insert(out.end(), texture.pixels.begin(), texture.pixels.end());
    }
    return out;
}

}  // namespace zt::media
