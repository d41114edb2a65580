#pragma once

#include "MenuLessonWindow.h"

// "Terülj-terülj asztalkám": three menus of three items that carry check marks.
class TMenuAsztalkaForm : public TMenuLessonWindow {
    Q_OBJECT
public:
    explicit TMenuAsztalkaForm(QWidget* host);

    QLabel* txtInfo() const { return txtInfo_; }

private:
    QLabel* txtInfo_;
};
