#pragma once

#include "framework/ModuleBase.h"

// The menus topic: eight menu lessons, then sentence games with their evaluations until a replay
// is ended by its exit picture, the closing text, and back to the chooser.
class TMenuModul : public TModuleBase {
public:
    // A replay's exit picture must not show on the next visit's first game.
    TMenuModul() : TModuleBase({QStringLiteral("MENU_GAME_ROUND"), QStringLiteral("END_GAME")}) {}

protected:
    void StartModule() override;
    void Decide() override;
};
