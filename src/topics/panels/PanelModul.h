#pragma once

#include "framework/ModuleBase.h"

// The panels topic: the operating system's messages, the panels race, the car trip through four
// dialogs to the settings panel, the memory game, bookmarks, the tabbed panel, the mini exam and
// its evaluation, the memory game once more, then the chooser.
class TPanelModul : public TModuleBase {
public:
    // "ACTION" marks the closing memory game of one visit only.
    TPanelModul() : TModuleBase({QStringLiteral("ACTION")}) {}

protected:
    void StartModule() override;
    void Decide() override;

private:
    // "ACTION" is on the board as a text that reads "NEXTFORM".
    bool NextForm() const;
};
