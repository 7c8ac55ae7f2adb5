#include "ratings/import_factors.h"

#include <array>
#include <cstdint>
#include <system_error>
#include <vector>

#include "league/byte_record.h"
#include "league/error.h"
#include "league/file_io.h"
#include "league/league_text.h"
#include "league/numbers.h"

namespace zt {

namespace {

constexpr double kScale = 10000;

std::array<double*, 6> fieldsOf(ImportFactors& f) {
    return {&f.minAb, &f.minIp, &f.abpi, &f.waf, &f.baf, &f.ecf};
}

}  // namespace

std::optional<ImportFactors> readImportFactors(const std::filesystem::path& file) {
    std::error_code ec;
    if (!std::filesystem::exists(file, ec)) {
        return std::nullopt;
    }
    const std::vector<std::uint8_t> bytes = readFileBytes(file);
    if (bytes.size() != kFactorsFileSize) {
        throw Error(file.string() + ": the import parameters file holds " + std::to_string(bytes.size()) +
                    " bytes instead of " + std::to_string(kFactorsFileSize));
    }
    ImportFactors factors;
    std::size_t offset = 0;
    for (double* value : fieldsOf(factors)) {
        *value = static_cast<double>(loadLE<std::int64_t>(bytes.data() + offset)) / kScale;
        offset += 8;
    }
    return factors;
}

void writeImportFactors(const std::filesystem::path& file, const ImportFactors& factors) {
    std::vector<std::uint8_t> bytes(kFactorsFileSize);
    ImportFactors copy = factors;
    std::size_t offset = 0;
    for (double* value : fieldsOf(copy)) {
        storeLE<std::int64_t>(bytes.data() + offset, static_cast<std::int64_t>(roundHalfEven(*value * kScale)));
        offset += 8;
    }
    CreatedFolders created(file.parent_path());
    writeFileAtomically(file, bytes);
    created.keep();
}

std::filesystem::path folderNoCase(const std::filesystem::path& dir, std::string_view name) {
    std::error_code ec;
    const std::filesystem::path exact = dir / std::string(name);
    if (std::filesystem::is_directory(exact, ec)) {
        return exact;
    }
    for (std::filesystem::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
        if (equalNoCaseAscii(it->path().filename().string(), name) && it->is_directory(ec)) {
            return it->path();
        }
    }
    return exact;
}

std::filesystem::path databaseFolder(const std::filesystem::path& editorDataDir) {
    return folderNoCase(editorDataDir, "Database");
}

std::filesystem::path factorsFile(const std::filesystem::path& editorDataDir) {
    const std::filesystem::path folder = databaseFolder(editorDataDir);
    return leagueFilePath(folder, "factors.zt");
}

}  // namespace zt
