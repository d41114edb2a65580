#pragma once

#include "MenuBaseMForm.h"

class TMenuMenuForm;

// The menu bar lesson: one dish from each of the six menus opens "Tovább !".
class TMenuMenuMForm : public TMenuBaseMForm {
    Q_OBJECT
public:
    TMenuMenuMForm();

    static QString Info();

    void ShowPage() override;

    TMenuMenuForm* MenuWindow() const { return window_; }
    // One bit per menu a dish was chosen from.
    int ChosenMenus() const { return chosen_; }

private:
    TMenuMenuForm* window_ = nullptr;
    int chosen_ = 0;
};
