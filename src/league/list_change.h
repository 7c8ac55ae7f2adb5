#pragma once

#include <algorithm>
#include <cstddef>
#include <memory>
#include <unordered_map>
#include <utility>
#include <vector>

namespace zt {

// How one list of the league (players, history blocks, teams) went from one state to another,
// kept small: only the entries that changed, were removed or were added, each as a copy of its
// value. Entries are matched by a key (the address of an owned record, or the index of a team),
// which only has to keep the common entries in order; when it does not, both whole lists are
// kept instead. Applying the change backwards turns the later list into the earlier one and
// forwards the earlier into the later, exactly.
template <class T>
class ListChange {
public:
    using Key = const void*;

    struct Indexed {
        std::size_t index;
        T value;
    };
    struct Modified {
        std::size_t beforeIndex;
        std::size_t afterIndex;
        T before;
        T after;
    };

    // Compares the earlier list (its keys and values) with the later one.
    static ListChange between(const std::vector<Key>& beforeKeys,
                              const std::vector<T>& before,
                              const std::vector<Key>& afterKeys,
                              const std::vector<const T*>& after);

    bool empty() const { return !m_replaced && m_modified.empty() && m_removed.empty() && m_added.empty(); }
    // Whether entries come or go (then keys of the list must be taken afresh).
    bool reshapes() const { return m_replaced || !m_removed.empty() || !m_added.empty(); }
    std::size_t byteSize() const;

    // Turns `list`, which holds the later state, back into the earlier one (undo), or the
    // earlier into the later (redo). `List` is a vector of T or of unique_ptr<T>.
    template <class List>
    void applyBackwards(List& list) const {
        apply(list, false);
    }
    template <class List>
    void applyForwards(List& list) const {
        apply(list, true);
    }

private:
    template <class List>
    void apply(List& list, bool forwards) const;

    std::vector<Modified> m_modified;
    std::vector<Indexed> m_removed;  // index in the earlier list
    std::vector<Indexed> m_added;    // index in the later list
    bool m_replaced = false;
    std::vector<T> m_beforeAll;
    std::vector<T> m_afterAll;
};

namespace list_change_detail {

template <class T>
T& at(std::vector<T>& list, std::size_t i) {
    return list[i];
}
template <class T>
T& at(std::vector<std::unique_ptr<T>>& list, std::size_t i) {
    return *list[i];
}
template <class T>
T make(const T& value, std::vector<T>*) {
    return value;
}
template <class T>
std::unique_ptr<T> make(const T& value, std::vector<std::unique_ptr<T>>*) {
    return std::make_unique<T>(value);
}

}  // namespace list_change_detail

template <class T>
ListChange<T> ListChange<T>::between(const std::vector<Key>& beforeKeys,
                                     const std::vector<T>& before,
                                     const std::vector<Key>& afterKeys,
                                     const std::vector<const T*>& after) {
    ListChange change;
    if (beforeKeys == afterKeys) {  // the usual case: nothing came or went
        for (std::size_t i = 0; i < after.size(); ++i) {
            if (!(before[i] == *after[i])) {
                change.m_modified.push_back({i, i, before[i], *after[i]});
            }
        }
        return change;
    }
    std::unordered_map<Key, std::size_t> beforeIndex;
    beforeIndex.reserve(beforeKeys.size());
    for (std::size_t i = 0; i < beforeKeys.size(); ++i) {
        beforeIndex.emplace(beforeKeys[i], i);
    }
    std::vector<bool> kept(before.size(), false);
    std::size_t lastKept = 0;
    bool anyKept = false;
    for (std::size_t i = 0; i < after.size(); ++i) {
        const auto found = beforeIndex.find(afterKeys[i]);
        const bool inOrder =
            found != beforeIndex.end() && !kept[found->second] && (!anyKept || found->second > lastKept);
        if (found != beforeIndex.end() && !inOrder) {
            // An entry moved (or a freed address was used again out of order): keep both lists.
            change = ListChange{};
            change.m_replaced = true;
            change.m_beforeAll = before;
            change.m_afterAll.reserve(after.size());
            for (const T* value : after) {
                change.m_afterAll.push_back(*value);
            }
            return change;
        }
        if (found == beforeIndex.end()) {
            change.m_added.push_back({i, *after[i]});
            continue;
        }
        kept[found->second] = true;
        lastKept = found->second;
        anyKept = true;
        if (!(before[found->second] == *after[i])) {
            change.m_modified.push_back({found->second, i, before[found->second], *after[i]});
        }
    }
    for (std::size_t i = 0; i < before.size(); ++i) {
        if (!kept[i]) {
            change.m_removed.push_back({i, before[i]});
        }
    }
    return change;
}

template <class T>
template <class List>
void ListChange<T>::apply(List& list, bool forwards) const {
    using list_change_detail::at;
    using list_change_detail::make;
    if (m_replaced) {
        const std::vector<T>& values = forwards ? m_afterAll : m_beforeAll;
        list.clear();
        list.reserve(values.size());
        for (const T& value : values) {
            list.push_back(make(value, &list));
        }
        return;
    }
    for (const Modified& entry : m_modified) {
        at(list, forwards ? entry.beforeIndex : entry.afterIndex) = forwards ? entry.after : entry.before;
    }
    const std::vector<Indexed>& going = forwards ? m_removed : m_added;
    const std::vector<Indexed>& coming = forwards ? m_added : m_removed;
    if (going.empty() && coming.empty()) {
        return;
    }
    // One pass builds the other list: entries that go are skipped, entries that come are put
    // at their index, the rest keep their order (and their addresses, when owned).
    List result;
    result.reserve(list.size() - going.size() + coming.size());
    auto goingAt = going.begin();
    auto comingAt = coming.begin();
    for (std::size_t from = 0; from < list.size(); ++from) {
        if (goingAt != going.end() && goingAt->index == from) {
            ++goingAt;
            continue;
        }
        while (comingAt != coming.end() && comingAt->index == result.size()) {
            result.push_back(make(comingAt->value, &result));
            ++comingAt;
        }
        result.push_back(std::move(list[from]));
    }
    for (; comingAt != coming.end(); ++comingAt) {
        result.push_back(make(comingAt->value, &result));
    }
    list = std::move(result);
}

template <class T>
std::size_t ListChange<T>::byteSize() const {
    return sizeof(T) *
           (2 * m_modified.size() + m_removed.size() + m_added.size() + m_beforeAll.size() + m_afterAll.size());
}

}  // namespace zt
