#pragma once

#include "GombBaseForm.h"

#include <array>

class TClipPlayer;
class TImage;
class TPushButton;

// Buttons of many shapes: two plain ones and three pictures, one of them a head. Each plays its
// own clip and sound; "Tovább" opens once all five have been tried.
class TGombSokfalytaForm : public TGombBaseForm {
    Q_OBJECT
public:
    // The five buttons, in the order of their marks.
    enum TShape { Normal, Colored, Round, Ellipse, Nora, ShapeCount };

    TGombSokfalytaForm();

    // What the page writes, and what its two plain buttons say.
    static QString Instruction();
    static QString ButtonCaption();

    void ShowPage() override;

    TPushButton* normalBtn() const { return normalBtn_; }
    TPushButton* coloredBtn() const { return coloredBtn_; }
    TImage* roundImg() const { return roundImg_; }
    TImage* ellipseImg() const { return ellipseImg_; }
    TImage* noraImg() const { return noraImg_; }
    TPushButton* tovabbBtn() const { return tovabbBtn_; }
    TClipPlayer* animBtn() const { return animBtn_; }
    bool Tried(TShape shape) const { return tried_[shape]; }

protected:
    void InitPage() override;

private:
    void ShapeClick(TShape shape);
    void tovabbBtnClick();

    TPushButton* normalBtn_;
    TPushButton* coloredBtn_;
    TImage* roundImg_;
    TImage* ellipseImg_;
    TImage* noraImg_;
    TPushButton* tovabbBtn_;
    TClipPlayer* animBtn_;
    std::array<bool, ShapeCount> tried_{};
};
