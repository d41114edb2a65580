#pragma once

#include "framework/ModuleBase.h"

// The buttons topic: seven button lessons, the picture puzzle, the English captions and the quiz
// with its evaluation, the puzzle once more and the closing evaluation, then back to the chooser.
class TGombModul : public TModuleBase {
protected:
    void StartModule() override;
    void Decide() override;
};
