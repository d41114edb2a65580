#pragma once

#include "framework/PracticeWindow.h"

class QLabel;
class TImage;
class TPushButton;

// The resize window "Méretezés": only its edges obey the learner; it is freed when closed.
class TMeretWndForm : public TPracticeWindow {
    Q_OBJECT
public:
    explicit TMeretWndForm(QWidget* host);

    static QString Title();

    QLabel* taskText() const { return taskText_; }
    QLabel* sizeText() const { return sizeText_; }
    TImage* img() const { return img_; }
    TPushButton* Button1() const { return button1_; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QLabel* taskText_;
    QLabel* sizeText_;
    TImage* img_;
    TPushButton* button1_;
};
