#pragma once

#include "ListBaseForm.h"

#include <QStringList>
#include <array>

class TDragListBox;
class TPushButton;

// The units page: lengths, masses and times mixed up in three lists, sorted back by the copy
// buttons and by dragging (the times' list is reached only by dragging).
class TListMertekCsopForm : public TListBaseForm {
    Q_OBJECT
public:
    TListMertekCsopForm();

    // The instruction, the three lists' units as they start (the lengths', masses' and times'
    // lists, left to right) and the copy buttons' captions.
    static QString Instruction();
    static std::array<QStringList, 3> MixedUnits();
    static QString RightCaption();
    static QString LeftCaption();

    TDragListBox* lbHossz() const { return lbHossz_; }
    TDragListBox* lbTomeg() const { return lbTomeg_; }
    TDragListBox* lbIdo() const { return lbIdo_; }
    TPushButton* btnJobbra() const { return btnJobbra_; }
    TPushButton* btnBalra() const { return btnBalra_; }

private:
    // The selected item of `from` goes to the end of `to`.
    void Move(TDragListBox& from, TDragListBox& to);
    void Check();

    TDragListBox* lbHossz_;
    TDragListBox* lbTomeg_;
    TDragListBox* lbIdo_;
    TPushButton* btnJobbra_;
    TPushButton* btnBalra_;
};
