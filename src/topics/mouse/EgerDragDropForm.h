#pragma once

#include "framework/BaseBlueForm.h"
#include "platform/PageTimer.h"

class TClipPlayer;

// What dragging is: a clip of a drag plays every 2 s beside the explanation; a click on Nyilacska
// (or Escape) moves on.
class TEgerDragDropForm : public TBaseBlueForm {
    Q_OBJECT
public:
    TEgerDragDropForm();

    static QString Instruction();

    void ShowPage() override;

    TImage* imgNyilacska() const { return imgNyilacska_; }
    TClipPlayer* nyilacskaAnim() const { return nyilacskaAnim_; }
    TPageTimer& Timer1() { return timer1_; }

private:
    void imgNyilacskaClick();

    TImage* imgNyilacska_;
    TClipPlayer* nyilacskaAnim_;
    TPageTimer timer1_;
};
