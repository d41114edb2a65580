#pragma once

#include "JelBaseForm.h"

class TCheckBox;
class TClipPlayer;
class TRadioGroup;

// A radio group beside a pair of check boxes: one answer there, both answers here, then "Tovább".
class TJelChkBoxForm : public TJelBaseForm {
    Q_OBJECT
public:
    TJelChkBoxForm();

    void ShowPage() override;

    TRadioGroup* RadioGroup1() const { return radioGroup1_; }
    TCheckBox* CheckBox1() const { return checkBox1_; }
    TCheckBox* CheckBox2() const { return checkBox2_; }
    TPushButton* Button1() const { return button1_; }
    TClipPlayer* Animate1() const { return animate1_; }

private:
    void Update();

    TRadioGroup* radioGroup1_;
    TCheckBox* checkBox1_;
    TCheckBox* checkBox2_;
    TPushButton* button1_;
    TClipPlayer* animate1_;
};
