#pragma once

#include "framework/Menu.h"
#include "topics/menus/SentenceGame.h"

// The sentence game's words menu (1 + 6 + 36 + 216 + 1296 items), for the menu tests and benchmarks.
inline TMenu* SentenceMenu()
{
    auto* menu = new TMenu;
    SentenceGame::BuildWordsMenu(*menu);
    return menu;
}
