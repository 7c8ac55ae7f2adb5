#include "league/league_paths.h"

#include <algorithm>
#include <cctype>

#include "league/error.h"

namespace zt {

namespace {

std::string upper(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::toupper(c); });
    return text;
}

std::filesystem::path withSeparator(std::string dir) {
    if (dir.empty() || dir.back() != '/') {
        dir += '/';
    }
    return dir;
}

}  // namespace

std::filesystem::path leagueDirFromSelectedFile(const std::filesystem::path& selectedFile) {
    const std::string path = selectedFile.string();
    const std::string extension = upper(selectedFile.extension().string());
    if (extension == ".SEA" || extension == ".PLA") {
        const std::size_t cut = upper(path).find(extension);
        return withSeparator(path.substr(0, cut) + (extension == ".SEA" ? "Season" : "Playoffs"));
    }
    // A bare file name lives in the current folder; an empty folder would become the root.
    const std::string folder = selectedFile.parent_path().string();
    return withSeparator(folder.empty() ? "." : folder);
}

std::filesystem::path leagueDirForSaveAs(const std::filesystem::path& chosenFile) {
    const std::string path = chosenFile.string();
    // Upper-case ".SEA" is accepted too: a name without the lower-case form would otherwise
    // put the league in a "Season" folder of the current directory.
    const std::size_t cut = upper(path).find(".SEA");
    if (cut == std::string::npos) {
        throw Error("The league file \"" + path + "\" is not a season file (*.sea).");
    }
    return withSeparator(path.substr(0, cut) + "Season");
}

std::string directoryText(const std::filesystem::path& dir) {
    return withSeparator(dir.string()).string();
}

}  // namespace zt
