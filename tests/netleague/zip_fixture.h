#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace zt::test {

// One entry of an archive written for a test.
struct ZipItem {
    enum class Kind { File, Directory, Link };
    std::string name;
    std::string bytes;  // a link's target for links
    Kind kind = Kind::File;
    bool stored = false;  // uncompressed, so a test can find and damage its bytes
};

void writeZip(const std::filesystem::path& archive, const std::vector<ZipItem>& items);

// An archive of the regular files of `folder`, each named `prefix` + its file name.
void zipFolder(const std::filesystem::path& archive, const std::filesystem::path& folder, const std::string& prefix);

// Changes one byte of the first occurrence of `text` in the file: a stored entry whose checksum
// no longer matches.
void damageFile(const std::filesystem::path& file, const std::string& text);

}  // namespace zt::test
