#pragma once

#include "framework/ModuleBase.h"

// The summary topic: a review page per topic with three games between them, the menu search, the
// closing words, then the chooser.
class TOszzeFoglModul : public TModuleBase {
public:
    // Keys another topic or an earlier visit may leave: a stale "NEXTFORM" would skip a game's
    // evaluation, "TIMERECORD" or "ROUND" would bring an old record or round, "2ND_ROUND" and
    // "MORETHENONE" would offer "Tovább" before the first round. Every visit starts as the first.
    TOszzeFoglModul()
        : TModuleBase({QStringLiteral("ACTION"), QStringLiteral("TIMERECORD"), QStringLiteral("ROUND"),
                       QStringLiteral("2ND_ROUND"), QStringLiteral("MORETHENONE")})
    {
    }

protected:
    void StartModule() override;
    void Decide() override;
};
