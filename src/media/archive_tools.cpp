#include "media/archive_tools.h"

#include <algorithm>
#include <fstream>
#include <map>
#include <memory>

#include "league/error.h"
#include "league/file_io.h"
#include "league/interaction.h"
#include "league/progress.h"
#include "media/alb_archive.h"
#include "media/zlib_stream.h"

namespace zt::media {

namespace {

std::string upper(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](char c) {
        return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
    });
    return text;
}

// Each extracted file appears whole or not at all.
void writeOrThrow(const fs::path& file, const std::vector<std::uint8_t>& bytes) {
    writeFileAtomically(file, bytes);
}

// A member name must stay a plain file name inside the chosen folder.
void refuseUnsafeName(const std::string& name, const fs::path& archive) {
    if (name.empty() || name == "." || name == ".." || name.find('/') != std::string::npos ||
        name.find('\\') != std::string::npos) {
        throw Error("The file \"" + archive.string() + "\" is damaged: it names a member \"" + name +
                    "\" that is not a plain file name.");
    }
}

}  // namespace

bool isPhotoAlbumName(const fs::path& file) {
    return file.filename() == "plyrphoto.alb";
}

std::string fileMagic(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        throw Error("Cannot open file \"" + file.string() + "\".");
    }
    char magic[4] = {};
    in.read(magic, 4);
    return std::string(magic, static_cast<std::size_t>(in.gcount()));
}

namespace {

void extractTexturesOf(const std::vector<std::uint8_t>& bytes,
                       const fs::path& model,
                       const fs::path& folder,
                       const BmpTemplates& templates,
                       Progress& progress,
                       int& count) {
    const ModLayout layout = parseModLayout(bytes, model);
    const int m = static_cast<int>(layout.textureNames.size());
    for (int i = 0; i < m; ++i) {
        progress.setLabel("Extracting files : " + std::to_string(i + 1) + "/" + std::to_string(m));
        const std::string& name = layout.textureNames[static_cast<std::size_t>(i)];
        refuseUnsafeName(name, model);
        const fs::path out = folder / (name + ".bmp");
        std::error_code ec;
        if (!fs::exists(out, ec)) {
            ++count;
        }
        writeOrThrow(out, textureBitmap(bytes, layout, static_cast<std::size_t>(i), templates, model));
    }
}

}  // namespace

void extractModTextures(
    const fs::path& model, const fs::path& folder, const BmpTemplates& templates, Progress& progress, int& count) {
    // The textures appear together, or none when one cannot be written.
    FileTransaction batch(FileTransaction::Batch::Open);
    extractTexturesOf(readFileBytes(model), model, folder, templates, progress, count);
    batch.commit();
}

int unpackArchive(const fs::path& archive, const fs::path& folder, const BmpTemplates& templates, Progress& progress) {
    if (isPhotoAlbumName(archive)) {
        throw Error(kCannotExtractAlbumMessage);
    }
    int count = 0;
    const std::string magic = fileMagic(archive);
    if (magic == "AMOD" || magic == "MODL") {
        extractModTextures(archive, folder, templates, progress, count);
        return count;
    }
    if (magic != "ARTL") {
        throw Error("The file \"" + archive.string() + "\" is neither an .alb archive nor a model file.");
    }
    const auto bytes = readFileBytes(archive);
    const AlbIndex index = parseAlbIndex(bytes, bytes.size(), kAlbEntrySize, archive);
    const int n = static_cast<int>(index.entries.size());
    // Every extracted file appears together, or none when one cannot be written; the models are
    // therefore taken from the archive, not read back from the folder.
    std::vector<std::unique_ptr<CreatedFolders>> subfolders;  // outlives the batch: emptied first
    FileTransaction batch(FileTransaction::Batch::Open);
    std::map<std::string, std::vector<std::uint8_t>> models;
    for (int i = 0; i < n; ++i) {
        progress.setLabel("Extracting files : " + std::to_string(i + 1) + "/" + std::to_string(n));
        const std::string name = index.entries[static_cast<std::size_t>(i)].name();
        refuseUnsafeName(name, archive);
        std::vector<std::uint8_t> content = entryContent(bytes, index, static_cast<std::size_t>(i), archive);
        writeOrThrow(folder / name, content);
        if (name.ends_with(".mod")) {
            models[name] = std::move(content);
        }
    }
    for (const char* model : {"stands.mod", "scenery.mod", "lines.mod", "ground.mod", "misc.mod"}) {
        const fs::path file = folder / model;
        std::vector<std::uint8_t> modelBytes;
        if (const auto it = models.find(model); it != models.end()) {
            modelBytes = it->second;
        } else if (std::error_code ec; fs::is_regular_file(file, ec)) {
            modelBytes = readFileBytes(file);  // left there by an earlier extraction
        } else {
            continue;
        }
        const fs::path sub = folder / fs::path(model).stem();
        subfolders.push_back(std::make_unique<CreatedFolders>(sub));
        extractTexturesOf(modelBytes, file, sub, templates, progress, count);
    }
    batch.commit();
    for (auto& subfolder : subfolders) {
        subfolder->keep();
    }
    return count;
}

void refuseReadOnlyTarget(const fs::path& target) {
    std::error_code ec;
    const auto status = fs::status(target, ec);
    if (!ec && fs::exists(status) && (status.permissions() & fs::perms::owner_write) == fs::perms::none) {
        throw Error(kReadOnlyMessage);
    }
}

void repackMod(const fs::path& model, const fs::path& folder, const fs::path& target) {
    const auto bytes = readFileBytes(model);
    const ModLayout layout = parseModLayout(bytes, model, true);
    const auto problems = checkModBitmaps(layout, folder);
    if (!problems.empty()) {
        std::string message;
        for (const auto& line : problems) {
            message += (message.empty() ? "" : "\n") + line;
        }
        throw Error(message);
    }
    refuseReadOnlyTarget(target);
    writeFileAtomically(target, rebuildMod(bytes, layout, folder));
}

int repackAlb(const fs::path& archive,
              const fs::path& folder,
              const fs::path& target,
              Interaction& interaction,
              Progress& progress) {
    refuseReadOnlyTarget(target);
    const auto source = readFileBytes(archive);
    AlbIndex index = parseAlbIndex(source, source.size(), kAlbEntrySize, archive);
    progress.setRange(0, static_cast<int>(index.entries.size()));
    std::vector<std::uint8_t> data;
    std::vector<std::string> remembered;
    const auto pack = [&](AlbEntry& entry, const fs::path& file) {
        const auto content = readFileBytes(file);
        const auto compressed = compressZlib(content);
        if (data.size() + compressed.size() > 0xFFFFFFFFull) {
            throw Error("The archive would grow beyond 4 GB.");
        }
        entry.setOffset(static_cast<std::uint32_t>(data.size()));
        entry.setSizes(static_cast<std::uint32_t>(compressed.size()), static_cast<std::uint32_t>(content.size()));
        data.insert(data.end(), compressed.begin(), compressed.end());
    };
    for (std::size_t i = 0; i < index.entries.size(); ++i) {
        progress.setValue(static_cast<int>(i + 1));
        AlbEntry& entry = index.entries[i];
        refuseUnsafeName(entry.name(), archive);
        pack(entry, folder / entry.name());
        remembered.push_back(upper(entry.name()));
    }
    // New head pictures: files "Head*.tga" in any letter case, in name order so the result does
    // not depend on the file system's listing order.
    std::vector<std::string> found;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        const std::string up = upper(name);
        if (it->is_regular_file(ec) && up.size() >= 8 && up.starts_with("HEAD") && up.ends_with(".TGA") &&
            std::find(remembered.begin(), remembered.end(), up) == remembered.end()) {
            found.push_back(name);
        }
    }
    std::sort(found.begin(), found.end());
    if (!found.empty()) {
        const std::string question =
            found.size() == 1 ? "1 new photo has been found, do you want to add it ?"
                              : std::to_string(found.size()) + " new photos have been found, do you want to add them ?";
        if (interaction.askYesNo(question)) {
            std::vector<std::string> tooLong;
            for (const auto& name : found) {
                // An entry holds 20 characters of name: a longer one could not be found again.
                if (name.size() > 20) {
                    tooLong.push_back(name);
                    continue;
                }
                AlbEntry entry = AlbEntry::make(upper(name), 0, 0, 0, false);
                pack(entry, folder / name);
                index.entries.push_back(entry);
                index.setCount(static_cast<std::uint16_t>(index.count() + 1));
                index.setIndexEnd(static_cast<std::uint32_t>(index.indexEnd() + kAlbEntrySize));
            }
            if (!tooLong.empty()) {
                std::string message = "These files were not added, their names are longer than 20 characters:";
                for (const auto& name : tooLong) {
                    message += "\n" + name;
                }
                interaction.warning(message);
            }
        }
    }
    std::vector<std::uint8_t> out = serializeIndex(index);
    out.insert(out.end(), data.begin(), data.end());
    writeFileAtomically(target, out);
    interaction.information(kAlbRepackedMessage);
    return static_cast<int>(index.entries.size());
}

}  // namespace zt::media
