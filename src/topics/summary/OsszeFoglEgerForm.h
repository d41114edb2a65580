#pragma once

#include "ReviewTable.h"
#include "framework/BaseBillForm.h"
#include "platform/PageTimer.h"

class TClipPlayer;
class TPushButton;

// The mouse review: what each use of the mouse does, a click clip playing over and over, and the
// right- and left-handed grips beside the wrong one.
class TOsszeFoglEgerForm : public TBaseBillForm {
    Q_OBJECT
public:
    TOsszeFoglEgerForm();

    static std::vector<ReviewTable::TRow> Rows();

    void ShowPage() override;

    const ReviewTable::TTable& Table() const { return table_; }
    TClipPlayer* kattintAnim() const { return kattintAnim_; }
    TImage* jobbkez() const { return jobbkez_; }
    TImage* balkez() const { return balkez_; }
    TImage* rosszultart() const { return rosszultart_; }
    TPushButton* btnTovabb() const { return btnTovabb_; }
    TPageTimer& Timer1() { return timer1_; }

private:
    ReviewTable::TTable table_;
    TClipPlayer* kattintAnim_;
    TImage* jobbkez_;
    TImage* balkez_;
    TImage* rosszultart_;
    TPushButton* btnTovabb_;
    TPageTimer timer1_;
};
