#pragma once

#include "framework/BaseBlueForm.h"

#include <QPoint>
#include <QRect>

// The dragging exercise: after START the learner drags Nyilacska beside the flower and into its
// house in the lower left corner. The page moves the picture itself, keeping it on the screen;
// once home it is praised and stays put. A double click on Nyilacska moves on.
class TEgerAHazbaBeForm : public TBaseBlueForm {
    Q_OBJECT
public:
    static constexpr int Margin = 10;
    static inline const QRect House = QRect(QPoint(40, 530), QPoint(194 - 1, 766 - 1));

    TEgerAHazbaBeForm();

    void ShowPage() override;

    // The picture's bounds count as in the house 40 pixels around it; the bottom is free.
    static bool InHouse(const QRect& bounds);

    TImage* imgNyilacska() const { return imgNyilacska_; }
    TImage* imgStart() const { return imgStart_; }
    TImage* imgVirag() const { return imgVirag_; }
    bool Dragging() const { return dragging_; }
    bool AtHome() const { return inHouse_; }

private:
    void imgStartClick();
    void imgNyilacskaMouseDown(QPoint at);
    void imgNyilacskaMouseMove(QPoint at);
    void imgNyilacskaMouseUp();

    TImage* imgNyilacska_;
    TImage* imgStart_;
    TImage* imgVirag_;
    bool dragging_ = false;
    bool inHouse_ = false;
    QPoint grab_;
};
