#pragma once

#include "topics/keyboard/Betuvadaszat.h"

// The summary's letter hunt.
class TOsszefoglBill2Form : public TBetuvadaszat {
    Q_OBJECT
public:
    TOsszefoglBill2Form();
};
