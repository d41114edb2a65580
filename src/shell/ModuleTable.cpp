#include "ModuleTable.h"

void TModuleTable::Add(const QString& value, Factory factory, Samples pages)
{
    rows_.push_back({value, std::move(factory), std::move(pages)});
}

TModuleTable::Factory TModuleTable::Find(const QString& value) const
{
    for (const TRow& row : rows_)
        if (row.value == value)
            return row.factory;
    return nullptr;
}
