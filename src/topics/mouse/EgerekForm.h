#pragma once

#include "EgerKeyBaseForm.h"

// Real mice and computer mice side by side, a text under each; Enter (or a click on the key drawn
// beside them) moves on.
class TEgerekForm : public TEgerKeyBaseForm {
    Q_OBJECT
public:
    TEgerekForm();

    void ShowPage() override;
};
