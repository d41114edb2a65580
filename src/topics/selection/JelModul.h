#pragma once

#include "framework/ModuleBase.h"

// The selection topic: the radio pages and their memory quiz, the check box pages and theirs, the
// spin edits, track bars and progress bars, then cannon games until the end picture, the closing
// evaluation, and back to the chooser.
class TJelModul : public TModuleBase {
public:
    // Another topic's game may leave its "ACTION"; here it would end the first cannon game.
    TJelModul() : TModuleBase({QStringLiteral("ACTION")}) {}

protected:
    void StartModule() override;
    void Decide() override;
};
