#pragma once

#include "framework/ModuleBase.h"

// The windows topic: introduction, window handling, resizing, the work area, moving and copying
// icons, the closing evaluation, then the chooser.
class TWindowsModul : public TModuleBase {
protected:
    void StartModule() override;
    void Decide() override;
};
