#pragma once

#include "framework/BaseBillForm.h"

// Button matching.
class TOsszefoglGomb2Form : public TBaseBillForm {
    Q_OBJECT
public:
    TOsszefoglGomb2Form();
};
