#pragma once

#include "framework/BaseBillForm.h"

// The detective exercise.
class TOsszefoglPanel2Form : public TBaseBillForm {
    Q_OBJECT
public:
    TOsszefoglPanel2Form();
};
