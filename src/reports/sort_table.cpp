#include "reports/sort_table.h"

#include <algorithm>
#include <charconv>
#include <numeric>
#include <optional>
#include <string_view>

namespace zt::reports {

namespace {

// Plain decimals only: from_chars alone would also read "inf", "nan" and exponents, which are
// names and codes in a report, not figures.
bool isDecimal(std::string_view text) {
    std::size_t i = !text.empty() && text.front() == '-' ? 1 : 0;
    bool digit = false;
    bool point = false;
    for (; i < text.size(); ++i) {
        if (text[i] >= '0' && text[i] <= '9') {
            digit = true;
        } else if (text[i] == '.' && !point) {
            point = true;
        } else {
            return false;
        }
    }
    return digit;
}

std::optional<double> numberOf(std::string_view text) {
    if (text.empty()) {
        return 0.0;
    }
    if (!isDecimal(text)) {
        return std::nullopt;
    }
    double value = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (result.ec != std::errc() || result.ptr != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

// A cell as the comparison sees it, read once per sort.
struct Key {
    std::optional<double> number;
    std::string_view text;
};

// -1, 0 or 1 for a before, equal or after b in ascending order.
int compareKeys(const Key& a, const Key& b, CompareKind kind) {
    if (kind == CompareKind::Text) {
        const int c = a.text.compare(b.text);
        return (c > 0) - (c < 0);
    }
    if (a.number && b.number) {
        return (*a.number > *b.number) - (*a.number < *b.number);
    }
    return 0;  // placed by `missingOrder` below, whatever the direction
}

// Rows without a figure come after rows with one, in either direction.
int missingOrder(const Key& a, const Key& b, CompareKind kind) {
    if (kind == CompareKind::Text) {
        return 0;
    }
    return static_cast<int>(!a.number) - static_cast<int>(!b.number);
}

}  // namespace

void SortTable(
    ReportTable& table, int column, SortDirection direction, const std::vector<CompareKind>& kinds, SortRange range) {
    const int first = range.keepFirstRow ? 1 : 0;
    const int last = table.rowCount() - (range.keepLastRow ? 1 : 0);
    if (last - first < 2 || column < 0 || column >= table.columnCount()) {
        return;
    }
    const int columns = table.columnCount() - column;
    std::vector<Key> keys(static_cast<std::size_t>((last - first) * columns));
    for (int row = first; row < last; ++row) {
        for (int c = column; c < table.columnCount(); ++c) {
            Key& key = keys[static_cast<std::size_t>((row - first) * columns + (c - column))];
            key.text = table.text(row, c);
            if (kinds[static_cast<std::size_t>(c)] == CompareKind::Number) {
                key.number = numberOf(key.text);
            }
        }
    }
    const int sign = direction == SortDirection::Ascending ? 1 : -1;
    const auto before = [&](int a, int b) {
        const Key* ka = &keys[static_cast<std::size_t>((a - first) * columns)];
        const Key* kb = &keys[static_cast<std::size_t>((b - first) * columns)];
        for (int c = 0; c < columns; ++c) {
            const CompareKind kind = kinds[static_cast<std::size_t>(column + c)];
            if (const int missing = missingOrder(ka[c], kb[c], kind); missing != 0) {
                return missing < 0;
            }
            if (const int order = sign * compareKeys(ka[c], kb[c], kind); order != 0) {
                return order < 0;
            }
        }
        return false;
    };
    std::vector<int> order(static_cast<std::size_t>(last - first));
    std::iota(order.begin(), order.end(), first);
    std::stable_sort(order.begin(), order.end(), before);
    table.reorderRows(first, order);
}

}  // namespace zt::reports
