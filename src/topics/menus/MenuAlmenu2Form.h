#pragma once

#include "MenuLessonWindow.h"

#include <QStringList>

class TMenuItem;

// "Tivadar kívánságai": Tivadar asks for one change of the window after the other (colour, size,
// a friend beside him); the learner grants each from a submenu. After the last "Tovább !" shows.
class TMenuAlmenu2Form : public TMenuLessonWindow {
    Q_OBJECT
public:
    explicit TMenuAlmenu2Form(QWidget* host);

    // The window's title, its menus' names and what it says above the wishes.
    static QString Title();
    static QStringList MenuNames();
    static QString Info();

    TImage* img() const { return img_; }
    TImage* img2() const { return img2_; }
    QLabel* txtInfo() const { return txtInfo_; }
    QLabel* txtTask() const { return txtTask_; }
    // The wish waiting to be granted, 0 … 11 (11: all granted).
    int WishStep() const { return step_; }

private:
    void Choose(TMenuItem& item);
    void Grant();

    TImage* img_;
    TImage* img2_;
    QLabel* txtInfo_;
    QLabel* txtTask_;
    int step_ = 0;
};
