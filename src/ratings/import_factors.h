#pragma once

#include <filesystem>
#include <optional>

namespace zt {

// The six parameters of the CSV import, kept in factors.zt between sessions.
struct ImportFactors {
    double minAb = 200;  // a roster player below both minimums starts in AAA
    double minIp = 20;
    double abpi = 2.8;  // opponents' at-bats per inning
    double waf = 0.91;  // walks allowed adjustment
    double baf = 1.00;  // batting adjustment
    double ecf = 1.27;  // endurance calculation factor
    bool operator==(const ImportFactors&) const = default;
};

inline constexpr std::size_t kFactorsFileSize = 48;

// factors.zt: six signed 64-bit little-endian integers, each parameter x 10000 rounded, in the
// order Min ab, Min ip, ABPI, WAF, BAF, ECF. No value when the file does not exist; a file of
// another size is refused with zt::Error naming it.
std::optional<ImportFactors> readImportFactors(const std::filesystem::path& file);
void writeImportFactors(const std::filesystem::path& file, const ImportFactors& factors);

// The folder `name` in `dir`, found without regard to letter case ("Database" or "database");
// `dir/name` when there is none.
std::filesystem::path folderNoCase(const std::filesystem::path& dir, std::string_view name);

// Where the editor keeps the import database and factors.zt: the Database folder of its data
// directory, and factors.zt in it (each found without regard to letter case).
std::filesystem::path databaseFolder(const std::filesystem::path& editorDataDir);
std::filesystem::path factorsFile(const std::filesystem::path& editorDataDir);

}  // namespace zt
