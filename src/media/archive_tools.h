#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "media/mod_model.h"

namespace zt {
class Interaction;
class Progress;
}  // namespace zt

namespace zt::media {

namespace fs = std::filesystem;

inline constexpr char kCannotExtractAlbumMessage[] = "You can't extract this .alb file";
inline constexpr char kReadOnlyMessage[] =
    "This is a read-only file, select another file or uncheck the read-only property of this file";
inline constexpr char kAlbRepackedMessage[] = "Alb file repacked";
inline constexpr char kDoneMessage[] = "Done";

// The count of bitmaps an extraction created (files that did not exist before); labels go
// through `progress`.
struct ExtractionCount {
    int newBitmaps = 0;
};

// True when the file name is exactly "plyrphoto.alb": the photo album is not unpacked.
bool isPhotoAlbumName(const fs::path& file);

// The first four bytes of a file: "ARTL", "MODL", "AMOD" or anything else.
std::string fileMagic(const fs::path& file);

// Unpacks an archive into `folder`: every member of an .alb archive (then the textures of its
// stands.mod, scenery.mod, lines.mod, ground.mod and misc.mod into sub-folders of their names),
// or every texture of a .mod or .amd file. Returns the number of bitmaps newly created.
int unpackArchive(const fs::path& archive, const fs::path& folder, const BmpTemplates& templates, Progress& progress);

// Writes the textures of one model into `folder`, counting new bitmaps in `count`.
void extractModTextures(
    const fs::path& model, const fs::path& folder, const BmpTemplates& templates, Progress& progress, int& count);

// Throws kReadOnlyMessage when `target` exists and cannot be written by its owner.
void refuseReadOnlyTarget(const fs::path& target);

// The Mod Repacker: checks the folder (the lines of the check in one message), rebuilds the model
// and writes it over `target` through a temporary file.
void repackMod(const fs::path& model, const fs::path& folder, const fs::path& target);

// The Alb Repacker: every member from the folder, compressed again; files "Head*.tga" the
// archive lacks are offered as new photos (a Yes adds them). Written through a temporary file.
// Returns the number of entries written.
int repackAlb(const fs::path& archive,
              const fs::path& folder,
              const fs::path& target,
              Interaction& interaction,
              Progress& progress);

}  // namespace zt::media
