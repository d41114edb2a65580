#pragma once

#include "MenuBaseMForm.h"

class TMenuAlmenu2Form;

// The wish lesson: Tivadar's window is changed and his friends called through submenus.
class TMenuAlmenu2MForm : public TMenuBaseMForm {
    Q_OBJECT
public:
    TMenuAlmenu2MForm();

    void ShowPage() override;

    TMenuAlmenu2Form* WishWindow() const { return window_; }

private:
    TMenuAlmenu2Form* window_;
};
