#pragma once

#include "framework/ModuleBase.h"

// The windows topic: introduction, window handling, resizing, the work area, moving and copying
// icons, the closing evaluation, then the chooser.
class TWindowsModul : public TModuleBase {
public:
    static inline const QString NoSelectedForm = QStringLiteral("No selected form ");

    void Notify() override;

protected:
    void StartModule() override;
};
