#include "league/recent_files.h"

namespace zt {

void RecentFiles::update(const std::string& path) {
    if (path == items[0]) {
        return;
    }
    if (path == items[1]) {
        items[1] = items[0];
        items[0] = path;
        return;
    }
    items[2] = items[1];
    items[1] = items[0];
    items[0] = path;
}

}  // namespace zt
