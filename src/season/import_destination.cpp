#include "season/import_destination.h"

#include "league/league.h"

namespace zt::season {

std::vector<std::string> importDestinationItems(const League& league) {
    std::vector<std::string> items = {"Imported player team"};
    for (const TeamListEntry& entry : league.teamNameList) {
        items.push_back(entry.text);
    }
    return items;
}

int importDestinationCode(const League& league, int item) {
    if (item == 0) {
        return kKeepImportedTeam;
    }
    if (item < 1 || item > static_cast<int>(league.teamNameList.size())) {
        return -1;
    }
    return league.teamNameList[static_cast<std::size_t>(item - 1)].teamNumber;
}

}  // namespace zt::season
