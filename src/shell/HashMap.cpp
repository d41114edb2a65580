#include "HashMap.h"

void THashMap::Put(const QString& key, std::unique_ptr<TBoardValue> value)
{
    const int index = IndexOfKey(key);
    if (index >= 0)
        entries_[static_cast<std::size_t>(index)].SetValue(std::move(value));
    else
        entries_.emplace_back(key, std::move(value));
}

const TBoardValue* THashMap::Get(const QString& key) const
{
    const int index = IndexOfKey(key);
    return index >= 0 ? entries_[static_cast<std::size_t>(index)].Value() : nullptr;
}

int THashMap::IndexOfKey(const QString& key) const
{
    for (std::size_t i = 0; i < entries_.size(); ++i)
        if (entries_[i].Key() == key)
            return static_cast<int>(i);
    return -1;
}

void THashMap::Remove(const QString& key)
{
    const int index = IndexOfKey(key);
    if (index >= 0)
        entries_.erase(entries_.begin() + index);
}
