#pragma once

#include "JelBaseForm.h"

class TOptionBox;

// Two boxes that behave as a radio pair: switching one on switches the other off, and an on box
// cannot be switched off. The page ends when each has been switched on three times.
class TJelRdBtnForm : public TJelBaseForm {
    Q_OBJECT
public:
    TJelRdBtnForm();

    void ShowPage() override;

    TOptionBox* rdOne() const { return rdOne_; }
    TOptionBox* rdTwo() const { return rdTwo_; }
    int SwitchOns(int tag) const { return tag == 1 ? onesOn_ : twosOn_; }

private:
    void Toggled(TOptionBox* box);

    TOptionBox* rdOne_;
    TOptionBox* rdTwo_;
    int onesOn_ = 0;
    int twosOn_ = 0;
};
