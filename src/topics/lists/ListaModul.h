#pragma once

#include "framework/ModuleBase.h"

// The list box topic: five list lessons, the ly/j birds page twice, the reflex game and its
// evaluation, the editable list, the combo boxes and the closing evaluation, then the chooser.
class TListaModul : public TModuleBase {
public:
    static inline const QString NoSelectedForm = QStringLiteral("No selected form ");

    void Notify() override;

protected:
    void StartModule() override;

private:
    // "STEP", "STEP_READY" and "ACTION" belong to a visit: none outlives it or comes into it.
    void ClearKeys();
};
