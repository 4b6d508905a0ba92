#pragma once
// The drop-down histories of the project form: values typed earlier in this run of the
// program, kept in the order they were first entered. Keys compare as exact text.
#include <cstddef>
#include <string>
#include <utility>
#include <vector>

namespace strelvan {

class KeyedList {
public:
    using Entry = std::pair<std::string, std::string>; // key, item

    bool Exists(const std::string& key) const;
    // Adds a new key at the end; returns false (and changes nothing) when the key exists.
    bool Add(const std::string& key, const std::string& item);
    // The item of a key, or nullptr when the key is not in the list.
    const std::string* Item(const std::string& key) const;
    // Replaces the item of an existing key; returns false when the key is not in the list.
    bool SetItem(const std::string& key, const std::string& item);
    const std::vector<Entry>& Entries() const { return entries_; }
    std::size_t Count() const { return entries_.size(); }
    void Clear() { entries_.clear(); }

private:
    std::vector<Entry> entries_;
};

struct HistoryLists {
    bool Created = false;
    KeyedList HistProject; // key: project number; item: number|parish|title
    KeyedList HistStation;
    KeyedList HistOffset;
    KeyedList HistElev;
    KeyedList HistGWT;
    KeyedList HistLatitude;
    KeyedList HistLongitude;
    KeyedList HistCPTNo;
};

// Creates the eight lists empty (once, at start-up).
void CreateHistoryLists(HistoryLists& lists);
// Drops all eight lists (before the program ends).
void ReleaseHistoryLists(HistoryLists& lists);

} // namespace strelvan
