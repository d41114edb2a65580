#pragma once

#include "framework/BaseBlueForm.h"
#include "platform/PageTimer.h"

class TClipPlayer;

// The right button's page: a press with the right button on the mouse picture goes on.
class TEgerBallJobbForm : public TBaseBlueForm {
    Q_OBJECT
public:
    TEgerBallJobbForm();

    static QString Instruction();
    ~TEgerBallJobbForm() override;

    void ShowPage() override;
    void ClosePage() override;

    TImage* imgMouse() const { return imgMouse_; }
    TClipPlayer* jobbBalAnim() const { return jobbBalAnim_; }
    TPageTimer& Timer1() { return timer1_; }

private:
    void imgMouseMouseDown(Qt::MouseButton button);

    TImage* imgMouse_;
    TClipPlayer* jobbBalAnim_;
    TPageTimer timer1_;
};
