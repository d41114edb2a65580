#pragma once

#include "MenuLessonWindow.h"

#include <QStringList>

// "Kedvenc ételek": six menus of six dishes each; an item's Tag is ten times its menu's number plus
// its own.
class TMenuMenuForm : public TMenuLessonWindow {
    Q_OBJECT
public:
    explicit TMenuMenuForm(QWidget* host);

    // The window's title, its menus' names, and the dish of an item's tag (10 × menu + item, both
    // from 1).
    static QString Title();
    static QStringList MenuNames();
    static QString Dish(int tag);

    TImage* img() const { return img_; }
    QLabel* txtInfo() const { return txtInfo_; }

private:
    TImage* img_;
    QLabel* txtInfo_;
};
