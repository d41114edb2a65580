#pragma once

#include "Entry.h"

#include <vector>

// The message board's store: entries in insertion order, exact keys, one entry per key.
// Boards hold a dozen keys at most, so a linear search is all it needs.
class THashMap {
public:
    void Put(const QString& key, std::unique_ptr<TBoardValue> value);
    const TBoardValue* Get(const QString& key) const;
    int IndexOfKey(const QString& key) const;
    void Remove(const QString& key);
    int Count() const { return static_cast<int>(entries_.size()); }
    const TEntry& At(int index) const { return entries_.at(static_cast<std::size_t>(index)); }

private:
    std::vector<TEntry> entries_;
};
