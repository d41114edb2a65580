#include "ModuleTable.h"

void TModuleTable::Add(const QString& value, Factory factory)
{
    // One row per value: a later row for the same value takes the earlier one's place.
    for (auto& [key, existing] : rows_)
        if (key == value) {
            existing = std::move(factory);
            return;
        }
    rows_.emplace_back(value, std::move(factory));
}

TModuleTable::Factory TModuleTable::Find(const QString& value) const
{
    for (const auto& [key, factory] : rows_)
        if (key == value)
            return factory;
    return nullptr;
}
