#pragma once

#include "IModule.h"

#include <QString>
#include <memory>

// A page as its module sees it. Pages are not counted: holding this does not keep a page alive.
class IModuleElement {
public:
    virtual ~IModuleElement() = default;
    virtual void ShowPage() = 0;
    virtual void ClosePage() = 0;
    virtual QString GetPageName() const = 0;
    virtual void SetModule(std::shared_ptr<IModule> module) = 0;
};
