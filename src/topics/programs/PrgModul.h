#pragma once

#include "framework/ModuleBase.h"

// The programs topic: the imitated desktop with its three small programs, the course's closing
// words, then the chooser.
class TPrgModul : public TModuleBase {
protected:
    void StartModule() override;
    void Decide() override;
};
