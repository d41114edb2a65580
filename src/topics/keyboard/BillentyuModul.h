#pragma once

#include "framework/ModuleBase.h"

// The keyboard topic: grade entry, the practice page in eight steps, three letter hunts, two typing
// exercises, the information page and the evaluations, then back to the chooser.
class TBillentyuModul : public TModuleBase {
public:
    static inline const QString NoSuchPage = QStringLiteral("nincs meg az oldal");

protected:
    void StartModule() override;
    void Decide() override;
};
