#pragma once

#include "framework/BaseForm.h"

// The keyboard review.
class TOsszeFoglBillForm : public TBaseForm {
    Q_OBJECT
public:
    TOsszeFoglBillForm();
};
