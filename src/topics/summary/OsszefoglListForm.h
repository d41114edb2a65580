#pragma once

#include "framework/BaseBillForm.h"

// The list exercise.
class TOsszefoglListForm : public TBaseBillForm {
    Q_OBJECT
public:
    TOsszefoglListForm();
};
