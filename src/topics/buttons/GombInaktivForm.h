#pragma once

#include "GombBaseForm.h"

class TClipPlayer;
class TPushButton;

// Active and inactive buttons: only the active one goes on; the greyed one does nothing.
class TGombInaktivForm : public TGombBaseForm {
    Q_OBJECT
public:
    TGombInaktivForm();

    void ShowPage() override;

    TPushButton* aktivbtn() const { return aktivbtn_; }
    TPushButton* Button2() const { return button2_; }
    TClipPlayer* aktivAnim() const { return aktivAnim_; }
    TClipPlayer* inaktivAnim() const { return inaktivAnim_; }

private:
    TPushButton* aktivbtn_;
    TPushButton* button2_;
    TClipPlayer* aktivAnim_;
    TClipPlayer* inaktivAnim_;
};
