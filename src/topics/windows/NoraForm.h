#pragma once

#include "framework/PracticeWindow.h"

class TImage;

// Nóra's window on the introduction page: a picture in a window the learner can neither move,
// size, minimise, maximise nor close; it draws no title-bar buttons.
class TNoraForm : public TPracticeWindow {
    Q_OBJECT
public:
    explicit TNoraForm(QWidget* host);

    static QString Title();

    TImage* imgNora() const { return imgNora_; }

private:
    TImage* imgNora_;
};
