#pragma once

#include "framework/BaseBillForm.h"

// The mouse review.
class TOsszeFoglEgerForm : public TBaseBillForm {
    Q_OBJECT
public:
    TOsszeFoglEgerForm();
};
