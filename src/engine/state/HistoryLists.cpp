#include "engine/state/HistoryLists.h"

#include <algorithm>

namespace strelvan {

namespace {
auto FindKey(const std::vector<KeyedList::Entry>& entries, const std::string& key) {
    return std::find_if(entries.begin(), entries.end(),
                        [&](const KeyedList::Entry& e) { return e.first == key; });
}
} // namespace

bool KeyedList::Exists(const std::string& key) const {
    return FindKey(entries_, key) != entries_.end();
}

bool KeyedList::Add(const std::string& key, const std::string& item) {
    if (Exists(key))
        return false;
    entries_.emplace_back(key, item);
    return true;
}

const std::string* KeyedList::Item(const std::string& key) const {
    auto it = FindKey(entries_, key);
    return it == entries_.end() ? nullptr : &it->second;
}

bool KeyedList::SetItem(const std::string& key, const std::string& item) {
    auto it = std::find_if(entries_.begin(), entries_.end(),
                           [&](const Entry& e) { return e.first == key; });
    if (it == entries_.end())
        return false;
    it->second = item;
    return true;
}

void CreateHistoryLists(HistoryLists& lists) {
    lists = HistoryLists{};
    lists.Created = true;
}

void ReleaseHistoryLists(HistoryLists& lists) {
    lists = HistoryLists{};
}

} // namespace strelvan
