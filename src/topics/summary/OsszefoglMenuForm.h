#pragma once

#include "framework/BaseBillForm.h"

// The menu search.
class TOsszefoglMenuForm : public TBaseBillForm {
    Q_OBJECT
public:
    TOsszefoglMenuForm();
};
