#pragma once

#include "framework/ModuleBase.h"

// The panels topic: the operating system's messages, the panels race, the car trip through four
// dialogs to the settings panel, the memory game, bookmarks, the tabbed panel, the mini exam and
// its evaluation, the memory game once more, then the chooser.
class TPanelModul : public TModuleBase {
public:
    static inline const QString NoSelectedForm = QStringLiteral("No selected form ");

    void Notify() override;

protected:
    void StartModule() override;

private:
    // "ACTION" marks the closing memory game of one visit only: a visit left early must not
    // hand it to the next game of any topic.
    void ClearKeys();
    // "ACTION" is on the board as a text that reads "NEXTFORM".
    bool NextForm() const;
};
