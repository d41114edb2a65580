#pragma once

#include "PracticeWindow.h"

class QLabel;
class TImage;
class TPushButton;

// An imitated information dialog: the information icon, a text and "Ok". Only its close button
// is drawn, and it refuses every request of the learner; pages give it their own text.
class TNoraInfoForm : public TPracticeWindow {
    Q_OBJECT
public:
    explicit TNoraInfoForm(QWidget* host);

    // What it says until a page gives it another text.
    static QString Text();

    TImage* imgDlgInfo() const { return imgDlgInfo_; }
    QLabel* txtDialog() const { return txtDialog_; }
    TPushButton* Button1() const { return button1_; }

private:
    TImage* imgDlgInfo_;
    QLabel* txtDialog_;
    TPushButton* button1_;
};
