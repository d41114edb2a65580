#pragma once

#include "IModule.h"

#include <QString>
#include <functional>
#include <memory>
#include <vector>

// Which module the controller creates for a "CHANGE_MODUL" value. The course registers a row
// per topic that exists; a value without a row behaves as a value not in the table.
class TModuleTable {
public:
    using Factory = std::function<std::shared_ptr<IModule>()>;

    struct TRow {
        QString value;
        Factory factory;
    };

    void Add(const QString& value, Factory factory);
    // nullptr factory when the value has no row.
    Factory Find(const QString& value) const;
    const std::vector<TRow>& Rows() const { return rows_; }

private:
    std::vector<TRow> rows_;
};
