#pragma once

#include <filesystem>
#include <string>

namespace zt {

// The league directory of a selected file: "/x/My.sea" gives "/x/MySeason/", "/x/My.pla" gives
// "/x/MyPlayoffs/" (cut at the first ".SEA" or ".PLA" of the path, in any letter case); any
// other file, players.zt chosen directly, gives its own folder. Always ends with a separator.
std::filesystem::path leagueDirFromSelectedFile(const std::filesystem::path& selectedFile);

// The league directory Save as writes for a chosen season file name ("/x/New.sea" gives
// "/x/NewSeason/"). Throws zt::Error when the name holds no ".sea".
std::filesystem::path leagueDirForSaveAs(const std::filesystem::path& chosenFile);

// The directory as the user sees it in messages: the path with its trailing separator.
std::string directoryText(const std::filesystem::path& dir);

}  // namespace zt
