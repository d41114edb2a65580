#pragma once

#include "framework/ModuleBase.h"

// The list box topic: five list lessons, the ly/j birds page twice, the reflex game and its
// evaluation, the editable list, the combo boxes and the closing evaluation, then the chooser.
class TListaModul : public TModuleBase {
public:
    TListaModul() : TModuleBase({QStringLiteral("ACTION")}) {}

protected:
    void StartModule() override;
    void Decide() override;
};
