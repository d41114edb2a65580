#include "ModuleTable.h"

void TModuleTable::Add(const QString& value, Factory factory)
{
    rows_.emplace_back(value, std::move(factory));
}

TModuleTable::Factory TModuleTable::Find(const QString& value) const
{
    for (const auto& [key, factory] : rows_)
        if (key == value)
            return factory;
    return nullptr;
}
