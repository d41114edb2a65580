#pragma once

#include "framework/ModuleBase.h"

// The home: the name page at the first start, then the chooser (greeting, then topic choice).
class TFooldalModul : public TModuleBase {
public:
protected:
    void StartModule() override;
    void Decide() override;
};
