#include "ModuleTable.h"

void TModuleTable::Add(const QString& value, Factory factory)
{
    // One row per value: a later row for the same value takes the earlier one's place.
    for (TRow& row : rows_)
        if (row.value == value) {
            row = {value, std::move(factory)};
            return;
        }
    rows_.push_back({value, std::move(factory)});
}

TModuleTable::Factory TModuleTable::Find(const QString& value) const
{
    for (const TRow& row : rows_)
        if (row.value == value)
            return row.factory;
    return nullptr;
}
