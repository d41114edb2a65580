#pragma once

#include "PracticeWindow.h"

class QLabel;
class TClipPlayer;
class TImage;
class TPushButton;

// The windows topic's practice window "Címsáv": the guide's picture, the task text, a hidden
// imitated menu bar, a hidden "Tovább" and a hidden clip. It comes hidden, only to be moved.
class TKezelWndForm : public TPracticeWindow {
    Q_OBJECT
public:
    static constexpr int NormalWidth = 470;
    static constexpr int NormalHeight = 415;

    explicit TKezelWndForm(QWidget* host, int tag = 0);

    // The window's title, and its task before the lesson gives it another.
    static QString Title();
    static QString FirstTask();

    int Tag() const { return tag_; }
    QWidget* pnlMenu() const { return pnlMenu_; }
    QLabel* StaticText1() const { return staticText1_; }
    TImage* img() const { return img_; }
    QLabel* txtTask() const { return txtTask_; }
    TPushButton* btnNext() const { return btnNext_; }
    TClipPlayer* anim() const { return anim_; }

    void SetTask(const QString& text, const QColor& colour);
    // Picture and text follow the client area: the menu strip on top when shown, the picture
    // 201 px high below it, the text in the rest. A page that places the text itself stops this.
    void SetAutoLayout(bool automatic);
    void ShowMenu(bool shown);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void LayOut();

    int tag_;
    QWidget* pnlMenu_;
    QLabel* staticText1_;
    TImage* img_;
    QLabel* txtTask_;
    TPushButton* btnNext_;
    TClipPlayer* anim_;
    bool autoLayout_ = true;
};
