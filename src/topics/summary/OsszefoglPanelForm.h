#pragma once

#include "framework/BaseBillForm.h"

// The panel review.
class TOsszefoglPanelForm : public TBaseBillForm {
    Q_OBJECT
public:
    TOsszefoglPanelForm();
};
