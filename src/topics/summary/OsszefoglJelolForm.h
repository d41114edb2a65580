#pragma once

#include "framework/BaseBillForm.h"

// The selection-controls review.
class TOsszefoglJelolForm : public TBaseBillForm {
    Q_OBJECT
public:
    TOsszefoglJelolForm();
};
