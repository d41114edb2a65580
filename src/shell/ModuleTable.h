#pragma once

#include "IModule.h"
#include "IModuleElement.h"

#include <QString>
#include <functional>
#include <memory>
#include <vector>

// Which module the controller creates for a "CHANGE_MODUL" value. The course registers a row
// per topic that exists; a value without a row behaves as a value not in the table.
//
// A row also lists its module's pages as samples, so that benchmarks and soak tests reach every
// page of every topic without walking the road to it.
class TModuleTable {
public:
    using Factory = std::function<std::shared_ptr<IModule>()>;

    struct TPageSample {
        QString label; // the page's name and the step word it is shown with, as "Betuvadaszat_R2"
        // What the road has put on the board when the module shows the page.
        std::function<void(IModuleController&)> prepare;
        // A new page, not yet shown.
        std::function<IModuleElement*()> make;
    };
    using Samples = std::function<std::vector<TPageSample>()>;

    struct TRow {
        QString value;
        Factory factory;
        Samples pages;
    };

    void Add(const QString& value, Factory factory, Samples pages = {});
    // nullptr factory when the value has no row.
    Factory Find(const QString& value) const;
    const std::vector<TRow>& Rows() const { return rows_; }

private:
    std::vector<TRow> rows_;
};
