#pragma once

#include "WndBaseForm.h"

class TKezelWndForm;

// The work area: Nóra waves in a window whose text explains the work area; "Tovább" leads on.
class TWndMunkaterForm : public TWndBaseForm {
    Q_OBJECT
public:
    TWndMunkaterForm();

    // What the window says under the clip.
    static QString Text();

    TKezelWndForm* Window() const { return window_; }

private:
    TKezelWndForm* window_;
};
