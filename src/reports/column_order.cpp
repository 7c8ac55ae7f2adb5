#include "reports/column_order.h"

#include <algorithm>

#include "league/error.h"
#include "reports/report_files.h"

namespace zt::reports {

Captions readColumnOrder(const std::filesystem::path& file, const Captions& builtIn) {
    const std::string text = fileLines(file);
    Captions order;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find(kLineEnd, start);
        const std::string caption = text.substr(start, end - start);
        start = end + kLineEnd.size();
        const bool known = std::find(builtIn.begin(), builtIn.end(), caption) != builtIn.end();
        if (known && std::find(order.begin(), order.end(), caption) == order.end()) {
            order.push_back(caption);
        }
    }
    for (const auto& caption : builtIn) {
        if (std::find(order.begin(), order.end(), caption) == order.end()) {
            order.push_back(caption);
        }
    }
    return order;
}

void writeColumnOrder(const std::filesystem::path& file, const Captions& order) {
    std::string text;
    for (const auto& caption : order) {
        text.append(caption).append(kLineEnd);
    }
    writeReportFile(file, text);
}

void moveCaption(Captions& order, int from, int to) {
    const auto size = static_cast<int>(order.size());
    if (from < 0 || from >= size || to < 0 || to >= size || from == to) {
        return;
    }
    std::string caption = std::move(order[static_cast<std::size_t>(from)]);
    order.erase(order.begin() + from);
    order.insert(order.begin() + to, std::move(caption));
}

std::vector<int> positionsOf(const Captions& builtIn, const Captions& order) {
    std::vector<int> positions;
    positions.reserve(builtIn.size());
    for (const auto& caption : builtIn) {
        positions.push_back(static_cast<int>(std::find(order.begin(), order.end(), caption) - order.begin()));
    }
    return positions;
}

}  // namespace zt::reports
