#pragma once

#include "WndBaseForm.h"

class TMeretWndForm;

// The resize lesson: the window is made as small as its limits allow, then as large, and
// "Tovább" appears.
class TWndMeretForm : public TWndBaseForm {
    Q_OBJECT
public:
    TWndMeretForm();

    // The window's task in step 1 (make it as small as it goes) and step 2 (as large).
    static QString Task(int step);

    void ShowPage() override;

    int Step() const { return step_; }
    TMeretWndForm* MeretWnd() const { return window_; }

private:
    void Advance();
    void WindowResize();
    void PlaceNext(int gap);

    TMeretWndForm* window_;
    int step_ = 0;
};
