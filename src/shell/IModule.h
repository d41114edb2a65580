#pragma once

#include "IModuleController.h"

#include <memory>

// A topic (or the home): shows one page at a time and decides what comes next.
class IModule {
public:
    virtual ~IModule() = default;
    virtual void Start() = 0;
    virtual void Notify() = 0;
    virtual void Stop() = 0;
    virtual void SetController(std::shared_ptr<IModuleController> controller) = 0;
    virtual std::shared_ptr<IModuleController> GetController() const = 0;
};
