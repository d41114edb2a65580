#pragma once

#include "framework/ModuleBase.h"

// The mouse topic: five lessons, the four games in rounds with their evaluations, the drag pages,
// the colouring and two information pages, the closing evaluation, then the game chooser, from
// which every game is played again until the learner goes home.
class TEgerModul : public TModuleBase {
public:
    static inline const QString NoSuchPage = QStringLiteral("MAIN screen has no this page! ");
    static inline const QString NoChoice = QStringLiteral("No valis return valu of TEgerJatekValasztasForm");

    TEgerModul()
        : TModuleBase({QStringLiteral("ACTION"), QStringLiteral("ROUND"), QStringLiteral("JATEKVALASZT"),
                       QStringLiteral("TIMERECORD")})
    {
    }

protected:
    void StartModule() override;
    void Decide() override;
};
