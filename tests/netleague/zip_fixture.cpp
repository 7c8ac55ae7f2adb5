#include "zip_fixture.h"

#include <sys/stat.h>
#include <zip.h>

#include <fstream>
#include <iterator>
#include <stdexcept>

namespace zt::test {

namespace fs = std::filesystem;

void writeZip(const fs::path& archive, const std::vector<ZipItem>& items) {
    int code = 0;
    zip_t* zip = zip_open(archive.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &code);
    if (zip == nullptr) {
        throw std::runtime_error("cannot create " + archive.string());
    }
    for (const ZipItem& item : items) {
        if (item.kind == ZipItem::Kind::Directory) {
            zip_dir_add(zip, item.name.c_str(), ZIP_FL_ENC_UTF_8);
            continue;
        }
        // libzip reads the buffer at zip_close: the items outlive that.
        zip_source_t* source = zip_source_buffer(zip, item.bytes.data(), item.bytes.size(), 0);
        const zip_int64_t index = zip_file_add(zip, item.name.c_str(), source, ZIP_FL_ENC_UTF_8 | ZIP_FL_OVERWRITE);
        if (index < 0) {
            zip_source_free(source);
            throw std::runtime_error("cannot add " + item.name);
        }
        const auto entry = static_cast<zip_uint64_t>(index);
        if (item.stored) {
            zip_set_file_compression(zip, entry, ZIP_CM_STORE, 0);
        }
        if (item.kind == ZipItem::Kind::Link) {
            zip_file_set_external_attributes(zip, entry, 0, ZIP_OPSYS_UNIX, (S_IFLNK | 0777u) << 16);
        }
    }
    if (zip_close(zip) != 0) {
        const std::string reason = zip_strerror(zip);
        zip_discard(zip);
        throw std::runtime_error("cannot write " + archive.string() + ": " + reason);
    }
}

void zipFolder(const fs::path& archive, const fs::path& folder, const std::string& prefix) {
    std::vector<ZipItem> items;
    for (const auto& entry : fs::directory_iterator(folder)) {
        if (!entry.is_regular_file()) {
            continue;
        }
        std::ifstream in(entry.path(), std::ios::binary);
        items.push_back({prefix + entry.path().filename().string(),
                         std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>())});
    }
    writeZip(archive, items);
}

void damageFile(const fs::path& file, const std::string& text) {
    std::string bytes;
    {
        std::ifstream in(file, std::ios::binary);
        bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    const std::size_t at = bytes.find(text);
    if (at == std::string::npos) {
        throw std::runtime_error("nothing to damage in " + file.string());
    }
    bytes[at] = static_cast<char>(bytes[at] ^ 0x55);
    std::ofstream(file, std::ios::binary | std::ios::trunc) << bytes;
}

}  // namespace zt::test
