#pragma once

#include "framework/ModuleBase.h"

// The mouse topic: five lessons, the four games in rounds with their evaluations, the drag pages,
// the colouring and two information pages, the closing evaluation, then the game chooser, from
// which every game is played again until the learner goes home.
class TEgerModul : public TModuleBase {
public:
    static inline const QString NoSuchPage = QStringLiteral("MAIN screen has no this page! ");
    static inline const QString NoChoice = QStringLiteral("No valis return valu of TEgerJatekValasztasForm");

    void Notify() override;

protected:
    void StartModule() override;

private:
    // The keys the topic's pages and games leave belong to one visit: none outlives it, and none
    // another visit left behind comes into it.
    void ClearKeys();
};
