#pragma once

#include "ListBaseForm.h"

#include <QStringList>

class TClipPlayer;
class TDragListBox;

// The favourite food page: a list longer than its box; Tárolka's favourite, the last item, is
// reached by scrolling.
class TListKajakForm : public TListBaseForm {
    Q_OBJECT
public:
    TListKajakForm();

    // The instruction, and the foods in the list box, Tárolka's favourite the last.
    static QString Instruction();
    static QStringList Foods();

    void ShowPage() override;

    TDragListBox* ListBox1() const { return listBox1_; }
    TClipPlayer* Animate1() const { return animate1_; }

private:
    TDragListBox* listBox1_;
    TClipPlayer* animate1_;
};
