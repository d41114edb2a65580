#pragma once

#include "ListBaseForm.h"

class TClipPlayer;
class TDragListBox;

// The birthday page: three fixed lists (year, month, day); a choice in each opens "Tovább".
class TListSzulinapForm : public TListBaseForm {
    Q_OBJECT
public:
    static constexpr int YearsAhead = 3;
    static constexpr int Years = 21;

    TListSzulinapForm();

    void ShowPage() override;

    TDragListBox* lbEv() const { return lbEv_; }
    TDragListBox* lbHonap() const { return lbHonap_; }
    TDragListBox* lbNap() const { return lbNap_; }
    TClipPlayer* Animate1() const { return animate1_; }

private:
    void Check();

    TDragListBox* lbEv_;
    TDragListBox* lbHonap_;
    TDragListBox* lbNap_;
    TClipPlayer* animate1_;
};
