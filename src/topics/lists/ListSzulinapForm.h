#pragma once

#include "ListBaseForm.h"

#include <QStringList>

class TClipPlayer;
class TDragListBox;

// The birthday page: three fixed lists (year, month, day); a choice in each opens "Tovább".
class TListSzulinapForm : public TListBaseForm {
    Q_OBJECT
public:
    static constexpr int YearsAhead = 3;
    static constexpr int Years = 21;

    TListSzulinapForm();

    // The instruction and the three lists' items: the years from YearsAhead after this one back.
    static QString Instruction();
    static QStringList YearItems(int thisYear);
    static QStringList Months();
    static QStringList Days();

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
