#pragma once

#include "framework/BaseBillForm.h"

// The button review.
class TOsszefoglGombForm : public TBaseBillForm {
    Q_OBJECT
public:
    TOsszefoglGombForm();
};
