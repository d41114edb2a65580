#pragma once

#include "EgerKeyBaseForm.h"

// Kinds of mice: ball and optical, buttons and the wheel. Backspace (or a click on the key drawn
// beside the text) moves on.
class TEgerTipusForm : public TEgerKeyBaseForm {
    Q_OBJECT
public:
    TEgerTipusForm();

    void ShowPage() override;
};
