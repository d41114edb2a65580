#pragma once

#include "MenuLessonWindow.h"

// "Kedvenc ételek": six menus of six dishes each; an item's Tag is ten times its menu's number plus
// its own.
class TMenuMenuForm : public TMenuLessonWindow {
    Q_OBJECT
public:
    explicit TMenuMenuForm(QWidget* host);

    TImage* img() const { return img_; }
    QLabel* txtInfo() const { return txtInfo_; }

private:
    TImage* img_;
    QLabel* txtInfo_;
};
