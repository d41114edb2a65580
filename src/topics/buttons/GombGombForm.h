#pragma once

#include "GombBaseForm.h"

class TPushButton;

// The first lesson: what a screen button is, and one plain button to click.
class TGombGombForm : public TGombBaseForm {
    Q_OBJECT
public:
    TGombGombForm();

    // What the page writes and its button says.
    static QString Instruction();
    static QString ButtonCaption();

    void ShowPage() override;

    TPushButton* Button1() const { return button1_; }

private:
    void Button1Click();

    TPushButton* button1_;
};
